#include "DataFileLayout.h"

#include "core/image/MemoryImage.h"
#include "core/options/GroupFields.h"
#include "core/options/OptionValues.h"

#include <QtEndian>
#include <algorithm>
#include <type_traits>
#include <vector>

namespace r5k27 {
namespace {

// Where each table row starts in the file; rows follow each other without gaps.
struct FileItem {
    int offset;
    const OptionInfo* option;
    const GroupField* group;
};

const std::vector<FileItem>& tableRowsInFileOrder() {
    static const std::vector<FileItem> items = [] {
        std::vector<FileItem> out;
        for (const OptionInfo& option : allOptions())
            out.push_back({option.file.offset, &option, nullptr});
        for (const GroupField& group : groupFields())
            out.push_back({group.file.offset, nullptr, &group});
        std::sort(out.begin(), out.end(),
                  [](const FileItem& a, const FileItem& b) { return a.offset < b.offset; });
        return out;
    }();
    return items;
}

// Visits the table rows that start at the visitor's position, one after the other.
template <class Visitor, class Image> void visitRowsHere(Visitor& v, Image& m) {
    const auto& items = tableRowsInFileOrder();
    auto it = std::lower_bound(items.begin(), items.end(), v.position(),
                               [](const FileItem& item, int at) { return item.offset < at; });
    for (; it != items.end() && it->offset == v.position(); ++it) {
        if (it->option) {
            const auto ref = it->option->access(m);
            if (ref.narrow)
                v(*ref.narrow);
            else
                v(*ref.wide);
            continue;
        }
        for (int group = 1; group <= kGroupCount; ++group)
            for (int mode = 0; mode < kModeCount; ++mode)
                v(it->group->at(m, mode, group));
    }
}

// One description of the layout, walked by both the writer and the reader, so the two directions
// cannot drift apart. The option values and group arrays come from their field tables. Image is
// MemoryImage or const MemoryImage.
template <class Visitor, class Image> void visitLayout(Visitor& v, Image& m) {
    v(m.verTag);
    v(m.workMode);
    v(m.curGroup);
    v(m.groupWorkCh);
    v(m.chCount);

    auto& ri = m.radioInfo;
    v(ri.modelCode);
    v(ri.modelNo);
    v(ri.modeFlag);
    v(ri.makeDate);
    v(ri.softVer);
    v(ri.modelCode2);
    v(ri.modeFlag2);
    v(ri.modelLetter);

    visitRowsHere(v, m);
    v(m.optFeat.groupName);
    visitRowsHere(v, m);
    v(m.optFeat.dtmfCodes);

    for (auto& seq : m.rbTone.seqs) {
        for (auto& step : seq.steps) {
            v(step.freqCode);
            v(step.durCode);
        }
        v(seq.repeatCount);
        v(seq.interTime);
    }

    visitRowsHere(v, m);
    v(m.extTable);
}

class Writer {
public:
    QByteArray out;

    int position() const { return int(out.size()); }

    template <class T> void operator()(const T& value) {
        if constexpr (std::is_integral_v<T>) {
            char raw[sizeof(T)];
            qToLittleEndian(value, raw);
            out.append(raw, sizeof(T));
        } else if constexpr (requires { value.bytes(); }) {
            out.append(value.bytes().data(), qsizetype(value.bytes().size()));
        } else {
            for (const auto& item : value)
                (*this)(item);
        }
    }
};

class Reader {
public:
    explicit Reader(const char* data)
        : begin_(data)
        , p_(data) {}

    int position() const { return int(p_ - begin_); }

    template <class T> void operator()(T& value) {
        if constexpr (std::is_integral_v<T>) {
            value = qFromLittleEndian<T>(p_);
            p_ += sizeof(T);
        } else if constexpr (requires { value.bytes(); }) {
            std::copy_n(p_, value.bytes().size(), value.bytes().begin());
            p_ += value.bytes().size();
        } else {
            for (auto& item : value)
                (*this)(item);
        }
    }

private:
    const char* begin_;
    const char* p_;
};

} // namespace

QByteArray serializeImage(const MemoryImage& image) {
    Writer writer;
    writer.out.reserve(MemoryImage::kFileSize);
    visitLayout(writer, image);
    Q_ASSERT(writer.out.size() == MemoryImage::kFileSize);
    return writer.out;
}

bool deserializeImage(const QByteArray& data, MemoryImage& image) {
    if (data.size() != MemoryImage::kFileSize)
        return false;
    Reader reader(data.constData());
    visitLayout(reader, image);
    return true;
}

} // namespace r5k27

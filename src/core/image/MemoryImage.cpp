#include "MemoryImage.h"

#include <QtEndian>
#include <type_traits>

namespace r5k27 {
namespace {

// One description of the layout, walked by both the writer and the reader, so the two directions
// cannot drift apart. Image is MemoryImage or const MemoryImage.
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

    auto& of = m.optFeat;
    v(of.groupValid);
    v(of.groupName);
    v(of.emergencyCh.halves());
    v(of.opt328);
    v(of.optWorkMode);
    v(of.workGroup);
    v(of.voxFunction);
    v(of.channelMode);
    v(of.memMenu);
    v(of.workCh);
    v(of.dwCh.halves());
    v(of.memCh);
    for (auto* value : {&of.pubBotCode,     &of.pubEotCode,  &of.pubCallCode,  &of.rtix,
                        &of.ttix,           &of.pubHiCut,    &of.pubNbAnl,     &of.pubEcho,
                        &of.pubAdd10K,      &of.pubBusy,     &of.pubRogerTone, &of.beepOn,
                        &of.txDisplay,      &of.micLevel,    &of.nog,          &of.tot,
                        &of.swrProtect,     &of.battProtect, &of.scanMode,     &of.fin,
                        &of.backlightColor, &of.menuPage,    &of.battMin,      &of.battMax,
                        &of.swrMax,         &of.pubMode})
        v(*value);
    v(of.modeEnable);
    for (auto* value : {&of.dtmfSendTime, &of.firstDigitTime, &of.firstDigitDelay, &of.starHashTime,
                        &of.dCodeAssign, &of.dtmfDisplay})
        v(*value);
    v(of.dtmfCodes);

    for (auto& seq : m.rbTone.seqs) {
        for (auto& step : seq.steps) {
            v(step.freqCode);
            v(step.durCode);
        }
        v(seq.repeatCount);
        v(seq.interTime);
    }

    v(m.extFreq);
    v(m.extSwitch);
    v(m.extSelect);
    v(m.extTable);
}

class Writer {
public:
    QByteArray out;

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
        : p_(data) {}

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

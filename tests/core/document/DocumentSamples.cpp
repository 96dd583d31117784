#include "DocumentSamples.h"

#include "core/document/DataFileLayout.h"

#include <QFile>
#include <algorithm>
#include <numeric>

namespace r5k27::test {
namespace {

QByteArray randomBytes(QRandomGenerator& rng, int size) {
    QByteArray out(size, '\0');
    for (auto& b : out)
        b = char(rng.bounded(256));
    return out;
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
}

} // namespace

MemoryImage randomImage(QRandomGenerator& rng) {
    MemoryImage image;
    deserializeImage(randomBytes(rng, MemoryImage::kFileSize), image);
    for (auto& count : image.chCount)
        count = std::int16_t(rng.bounded(kSlotCount + 1));
    return image;
}

ChTable randomTable(QRandomGenerator& rng, const MemoryImage& image) {
    ChTable table;
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (int group = 1; group <= kGroupCount; ++group) {
            std::array<std::int16_t, kSlotCount> numbers;
            std::iota(numbers.begin(), numbers.end(), std::int16_t(1));
            std::shuffle(numbers.begin(), numbers.end(), rng);
            for (int slot = 1; slot <= kSlotCount; ++slot) {
                ChannelRec& rec = table.at({mode, group, slot});
                deserializeChannel(randomBytes(rng, ChannelRec::kFileSize), rec);
                if (slot <= image.chCount(mode, group))
                    rec.chNo = numbers[std::size_t(slot - 1)];
            }
        }
    }
    return table;
}

Document randomDocument(QRandomGenerator& rng, const QString& path) {
    Document doc;
    doc.curImage = randomImage(rng);
    doc.chTable = randomTable(rng, doc.curImage);
    doc.fileImage = randomImage(rng);
    doc.fileChTable = randomTable(rng, doc.fileImage);
    doc.docPath = path;
    doc.docUntitled = rng.bounded(2) == 0;
    return doc;
}

void writeFilesRaw(const QString& dataPath, const MemoryImage& image, const ChTable& table) {
    writeFile(dataPath, serializeImage(image));
    QByteArray channels;
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int slot = 1; slot <= image.chCount(mode, group); ++slot)
                channels += serializeChannel(table.at({mode, group, slot}));
    writeFile(dataPath.left(dataPath.size() - 3) + "fre", channels);
}

bool sameDocument(const Document& a, const Document& b) {
    return a.curImage == b.curImage && a.chTable == b.chTable && a.fileImage == b.fileImage &&
           a.fileChTable == b.fileChTable && a.docPath == b.docPath &&
           a.docUntitled == b.docUntitled;
}

} // namespace r5k27::test

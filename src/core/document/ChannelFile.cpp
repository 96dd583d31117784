#include "ChannelFile.h"

#include "core/channels/ChannelTable.h"

#include <algorithm>

namespace r5k27 {
QString companionPath(const QString& dataPath) {
    const qsizetype nameStart =
        std::max(dataPath.lastIndexOf(u'/'), dataPath.lastIndexOf(u'\\')) + 1;
    if (dataPath.size() - nameStart < 3)
        return dataPath + QStringLiteral(".fre");
    return dataPath.left(dataPath.size() - 3) + QStringLiteral("fre");
}

std::optional<int> usedRecordCount(const MemoryImage& image) {
    int total = 0;
    for (const std::int16_t count : image.chCount) {
        if (count < 0 || count > kSlotCount)
            return std::nullopt;
        total += count;
    }
    return total;
}

QByteArray serializeChannelFile(const MemoryImage& image, const ChTable& table) {
    QByteArray out;
    const auto records = usedRecordCount(image);
    if (!records)
        return out;
    out.reserve(*records * ChannelRec::kFileSize);
    forEachUsedSlot(image,
                    [&](const SlotKey& slot) { out.append(serializeChannel(table.at(slot))); });
    return out;
}

bool deserializeChannelFile(const QByteArray& data, const MemoryImage& image, ChTable& table) {
    const auto records = usedRecordCount(image);
    if (!records || data.size() < qsizetype(*records) * ChannelRec::kFileSize)
        return false;
    qsizetype offset = 0;
    forEachUsedSlot(image, [&](const SlotKey& slot) {
        deserializeChannel(
            QByteArray::fromRawData(data.constData() + offset, ChannelRec::kFileSize),
            table.at(slot));
        offset += ChannelRec::kFileSize;
    });
    return true;
}

void copyUsedRecords(const MemoryImage& image, const ChTable& from, ChTable& to) {
    forEachUsedSlot(image, [&](const SlotKey& slot) { to.at(slot) = from.at(slot); });
}

} // namespace r5k27

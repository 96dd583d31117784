#pragma once

#include "core/channels/ChannelTable.h"
#include "core/image/MemoryImage.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace r5k27 {

// The channel file beside a data file: its path with the last three characters replaced by
// "fre" (radio.dat goes with radio.fre). A file name too short for that gets ".fre" appended.
QString companionPath(const QString& dataPath);

// Sum of the 20 channel counts, or nothing when a count lies outside 0..46 (such a data file
// cannot say which records its channel file holds).
std::optional<int> usedRecordCount(const MemoryImage& image);

// The used records of table, mode 0 then 1, group 1..10, slot 1..ChCount of image, 54 bytes each.
QByteArray serializeChannelFile(const MemoryImage& image, const ChTable& table);
// Reads the used records named by image's counts into table's slots; other slots keep their
// content. False (and table untouched) when a count is out of range or data is too short.
bool deserializeChannelFile(const QByteArray& data, const MemoryImage& image, ChTable& table);

// Copies the used records (slots 1..ChCount of image, a count beyond 46 read as 46) from one
// table to the other.
void copyUsedRecords(const MemoryImage& image, const ChTable& from, ChTable& to);

} // namespace r5k27

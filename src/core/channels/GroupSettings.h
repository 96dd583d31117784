#pragma once

#include <QString>
#include <QStringList>

namespace r5k27 {

class ChTable;
struct AppSettings;
struct MemoryImage;

// The last group the channel window offers: "J" (10) for CB, "I" (9) for HF.
int lastGroupOfMode(int mode);
// The groups the channel window offers for a work mode, then "MEM".
QStringList groupViewList(int mode);
// Letters of the groups of the work mode that are in use, in group order ("MEM" never).
QStringList workGroupList(const MemoryImage& image, int mode);
// Names of the group's ordinary channels in slot order: the choices for emergency and
// dual-watch channels.
QStringList ordinaryChannelNames(const MemoryImage& image, const ChTable& table, int mode,
                                 int group);

// Switches the work mode and the band that follows it.
void setWorkMode(MemoryImage& image, int mode);

// Switches group 1..10 of a work mode on or off. Switching off the only group in use is refused
// (false). A group switched on without an ordinary channel gets channel 1 at its default
// frequency; a work group switched off moves to the first group still in use.
bool setGroupValid(MemoryImage& image, ChTable& table, int mode, int group, bool on);
// Stores a typed group name as the 4-character field: longer text is cut, shorter padded.
void setGroupName(MemoryImage& image, int mode, int group, const QString& text);
// Keeps the work group of a mode on a group in use (the first one when it is not).
void repairWorkGroup(MemoryImage& image, int mode);

} // namespace r5k27

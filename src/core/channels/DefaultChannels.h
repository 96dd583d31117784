#pragma once

namespace r5k27 {

class ChTable;
struct MemoryImage;

// Every group of both modes gets its memory channels 41..46 and its channel 1 at the frequencies
// a new document starts with.
void writeChannelDefaults(MemoryImage& image, ChTable& table);

// Gives a group of mode 0..1 and group 1..10 its channel 1 at the group's default frequency
// (unless it has one), then asks for row 1 of that group to be redrawn.
void resetGroupFirstChannel(MemoryImage& image, ChTable& table, int mode, int group);

} // namespace r5k27

#pragma once

namespace r5k27 {

class ChTable;
struct MemoryImage;

// Makes the emergency, work and dual-watch channel numbers of group 1..10 of a work mode name
// channels that exist: a reference to a missing channel becomes the first channel of the same
// kind (ordinary 0..40, memory above 40) in slot order, or 0 when the group has none.
void groupCheck(MemoryImage& image, const ChTable& table, int mode, int group);

} // namespace r5k27

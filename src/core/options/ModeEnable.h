#pragma once

namespace r5k27 {

class ChTable;
struct MemoryImage;

// Switches operating mode 0..4 (FM, AM, USB, LSB, PA) on or off. Switching off the last of
// FM, AM, USB and LSB is refused (returns false, nothing changes). An accepted change moves
// every used channel and the public mode off modes that are now switched off.
bool setModeEnable(MemoryImage& image, ChTable& table, int mode, bool on);

} // namespace r5k27

#pragma once

namespace r5k27 {

class ChTable;
struct MemoryImage;
struct ToneSeq;

// A sequence plays when it repeats at least once and has a step of non-zero length.
bool isPlayable(const ToneSeq& seq);
// t when it names a playable sequence 1..8, else 0.
int validRogerTone(const MemoryImage& image, int t);
int countValidRogerTones(const MemoryImage& image);
// Sets every roger-beep reference (each used channel's and the public one) that does not name a
// playable sequence to 0.
void recheckRogerTones(MemoryImage& image, ChTable& table);

} // namespace r5k27

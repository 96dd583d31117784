#pragma once

namespace r5k27 {

struct MemoryImage;

// The edits of the roger-beep window. The two refusals keep at least one playable sequence:
// they look at the number of playable sequences and at the edited sequence only.

// False (nothing stored) when it would switch off the last playable sequence.
bool setRepeatCount(MemoryImage& image, int t, int count);
// False (nothing stored) when only one sequence plays and every length of sequence t would be 0.
bool setStepLength(MemoryImage& image, int t, int step, int durCode);

} // namespace r5k27

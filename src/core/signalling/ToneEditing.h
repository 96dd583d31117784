#pragma once

#include <QList>
#include <QRect>

namespace r5k27 {

struct MemoryImage;
struct ToneSeq;

// The edits of the roger-beep window. The two refusals keep at least one playable sequence:
// they look at the number of playable sequences and at the edited sequence only.

// False (nothing stored) when it would switch off the last playable sequence.
bool setRepeatCount(MemoryImage& image, int t, int count);
// False (nothing stored) when only one sequence plays and every length of sequence t would be 0.
bool setStepLength(MemoryImage& image, int t, int step, int durCode);

// One bar of the sequence picture; odd steps are drawn red, even ones blue.
struct ToneBox {
    QRect rect;
    int step = 0; // 1..14
    bool operator==(const ToneBox&) const = default;
};
// The bars of a sequence in a picture of width × height: widths follow the step lengths and
// heights the frequency codes (255 near the top), inside a 50-unit margin. A step with no tone
// keeps its width at zero height. Nothing for a sequence without length.
QList<ToneBox> toneBoxes(const ToneSeq& seq, int width, int height);

} // namespace r5k27

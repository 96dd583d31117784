#pragma once

#include "core/image/MemoryImage.h"

#include <QList>
#include <QRect>

namespace r5k27 {

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

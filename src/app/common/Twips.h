#pragma once

#include <QtMath>

namespace r5k27 {

// Window measures are kept in twips (1/1440 inch); at the standard 96 logical dpi a
// device-independent pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return qRound(twips / double(kTwipsPerPixel));
}
inline int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

} // namespace r5k27

#include "LinkProgress.h"

#include <cmath>

namespace r5k27 {

int roundHalfToEven(double value) {
    // Spelled out rather than left to the floating-point rounding mode of the moment.
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return int(below) + 1;
    if (fraction < 0.5)
        return int(below);
    return std::fmod(below, 2.0) == 0.0 ? int(below) : int(below) + 1;
}

int linkPercent(int curAddr, int endAddr) {
    if (endAddr <= 0)
        return 0;
    return roundHalfToEven(double(curAddr) * 100.0 / double(endAddr));
}

} // namespace r5k27

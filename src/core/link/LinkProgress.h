#pragma once

namespace r5k27 {

// Nearest integer; an exact half goes to the even neighbour.
int roundHalfToEven(double value);

// Percentage shown for the block at curAddr of a range ending at endAddr.
int linkPercent(int curAddr, int endAddr);

} // namespace r5k27

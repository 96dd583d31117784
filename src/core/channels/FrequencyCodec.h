#pragma once

#include "BandLimits.h"
#include "core/lang/Language.h"

#include <QString>

namespace r5k27 {

inline constexpr LocalText kFreqOutOfRangeText{"Frequency is out of range.", "频率超出范围。"};

// Shown text to stored digits: the MHz part as two digits, then the fraction without the point
// ("28.0850" -> "280850", "8.5" -> "085"). Text that is not a number stores the lower limit.
QString freqTextToStored(const QString& text, const BandLimits& limits);

// Stored digits as MHz with every stored digit and at least four decimals ("28015000" gives
// "28.0150", "28012340" gives "28.01234"); empty for no frequency or digits that are no number.
QString storedToExactMhz(const QString& stored);

} // namespace r5k27

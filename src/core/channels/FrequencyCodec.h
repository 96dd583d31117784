#pragma once

#include "BandLimits.h"
#include "core/common/MessageTarget.h"
#include "core/lang/Language.h"

#include <QString>
#include <optional>
#include <utility>

namespace r5k27 {

inline constexpr LocalText kFreqOutOfRangeText{"Frequency is out of range.", "频率超出范围。"};
inline const QString kNotNumericText = QStringLiteral("Not IsNumeric");

// MHz with four decimals, the form every frequency is shown in ("28.0850").
QString formatFrequency(double mhz);
// The shortest decimal text of a value ("28", "25.615").
QString shortestDecimal(double value);

// Shown text to stored digits: the MHz part as two digits, then the fraction without the point
// ("28.0850" -> "280850", "8.5" -> "085"). Text that is not a number stores the lower limit.
QString freqTextToStored(const QString& text, const BandLimits& limits);
// Stored digits to shown text; blanks and the eight-"F" form mean no frequency (empty text).
// Digits that are not a number show "Not IsNumeric" and give the lower limit's text.
QString storedToFreqText(const QString& stored, const BandLimits& limits,
                         const MessageTarget& messages);

// Stored digits as MHz with every stored digit and at least four decimals ("28015000" gives
// "28.0150", "28012340" gives "28.01234"); empty for no frequency or digits that are no number.
QString storedToExactMhz(const QString& stored);
// The MHz digits and the fraction digits of a stored frequency; nothing for blanks or digits
// that are no number.
std::optional<std::pair<int, QString>> storedMhzAndFraction(const QString& stored);

// Aligns to the 10 Hz grid that starts at the lower limit.
double snapFrequency(double mhz, const BandLimits& limits);
// Snapped value when inside the limits; outside, the nearest limit when clamping, else 0.
// An out-of-range value shows the warning through messages (none when it is silent).
double checkFrequency(double mhz, const BandLimits& limits, bool clamp,
                      const MessageTarget& messages);
// What a typed frequency becomes: "#0.0000" of the checked value, or empty text when the value
// is 0 (which the channel editor takes as a request to delete the channel).
QString formatFrequencyEntry(const QString& text, const BandLimits& limits, bool clamp,
                             const MessageTarget& messages);

} // namespace r5k27

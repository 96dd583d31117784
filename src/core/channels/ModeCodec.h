#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace r5k27 {

constexpr int kOperatingModeCount = 5;
constexpr int kModePA = 4;

// The full list, position = mode code.
QStringList allModeTexts();

// "FM" 0, "AM" 1, "USB" 2, "LSB" 3, "PA" 4; any other text (case matters) 0.
std::int16_t modeCodeFromText(const QString& text);
// Codes 1..4 give their text, everything else "FM".
QString modeTextFromCode(int code);

// The enable switches of FM, AM, USB, LSB, PA; a switch is on when its value is above 0.
using ModeSwitches = std::array<std::int16_t, kOperatingModeCount>;

// The code itself when it is a mode whose switch is on, else the first mode that is on (0 when
// none is).
std::int16_t normalizeMode(int code, const ModeSwitches& switches);
// The texts of the modes that are on, in code order; PA left out when excludePA.
QStringList fillModeList(const ModeSwitches& switches, bool excludePA);

} // namespace r5k27

#pragma once

#include "core/lang/Language.h"

#include <QString>
#include <QStringList>

namespace r5k27 {

// Tone index: 0 off, 1..38 CTCSS tone n, 39..142 DCS code n - 38 (normal polarity).
constexpr int kCtcssCount = 38;
constexpr int kDcsCount = 104;
constexpr int kToneIndexCount = 1 + kCtcssCount + kDcsCount;
constexpr int kNewChannelTone = 8; // 88.5 Hz

inline constexpr LocalText kToneOffText{"Off", "关"};

// CTCSS tone n (1..38) in tenths of a hertz, and DCS code n (1..104) as its octal digits
// written in decimal (23 for D023N).
int ctcssTenthsHz(int n);
int dcsOctalDigits(int n);

// The two display lists, 143 entries each and indexed by tone index: the short one
// ("88.5", "D023N") and the long one ("C_008(88.5Hz)", "D_001(023N)").
QStringList shortToneList(Language lang);
QStringList longToneList(Language lang);

} // namespace r5k27

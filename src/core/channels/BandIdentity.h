#pragma once

#include "BandLimits.h" // bandTextOfWorkMode

#include <QString>

namespace r5k27 {

// 0 for the CB band text, 1 for any other text (the identity flags of RadioInfo).
int bandFlagOf(const QString& bandText);
// "0" or "1", the prefix of the default file names.
QString bandDigitOf(const QString& bandText);

// A data-file version tag such as "V200": cut at its first NUL and right-trimmed it is four
// characters, starts with "V" and the rest passes the numeric test.
bool isWellFormedTag(const QString& tag);

} // namespace r5k27

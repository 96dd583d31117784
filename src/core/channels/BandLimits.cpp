#include "BandLimits.h"

#include "common/AppSettings.h"
#include "common/NumericText.h"

namespace r5k27 {

BandLimits parseBandRange(const QString& rangeText) {
    BandLimits limits;
    const qsizetype dash = rangeText.indexOf(QStringLiteral(" - "));
    if (dash < 0)
        return limits;
    limits.freqMin = parseNumber(rangeText.left(dash)).value_or(100.0);
    const qsizetype from = dash + 3;
    const qsizetype unit = rangeText.indexOf(QStringLiteral(" MHz"), from);
    // Without the unit the rest of the text is the upper limit.
    const QString upper = unit < 0 ? rangeText.mid(from) : rangeText.mid(from, unit - from);
    limits.freqMax = parseNumber(upper).value_or(500.0);
    return limits;
}

QString bandTextOfWorkMode(int workMode) {
    return workMode == 0 ? kBandTextCB : kBandTextHF;
}

BandLimits bandLimitsOf(int workMode) {
    static const BandLimits cb = parseBandRange(kBandTextCB);
    static const BandLimits hf = parseBandRange(kBandTextHF);
    return workMode == 0 ? cb : hf;
}

} // namespace r5k27

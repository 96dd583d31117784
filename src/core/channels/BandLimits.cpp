#include "BandLimits.h"

#include "core/common/NumericText.h"

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

// Built from literals rather than the shared constants so that the limits are right even when
// asked for during static initialisation.
QString bandTextOfWorkMode(int workMode) {
    return workMode == 0 ? QStringLiteral("25.6150 - 30.1050 MHz")
                         : QStringLiteral("28.0000 - 29.6990 MHz");
}

BandLimits bandLimitsOf(int workMode) {
    static const BandLimits cb = parseBandRange(bandTextOfWorkMode(0));
    static const BandLimits hf = parseBandRange(bandTextOfWorkMode(1));
    return workMode == 0 ? cb : hf;
}

} // namespace r5k27

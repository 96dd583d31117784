#pragma once

#include <QString>

namespace r5k27 {

// The frequency range (MHz) that entries are checked against. The defaults are what an
// unreadable range text gives.
struct BandLimits {
    double freqMin = 100.0;
    double freqMax = 500.0;
};

// Limits from a range text such as "28.0000 - 29.6990 MHz".
BandLimits parseBandRange(const QString& rangeText);
// The range text and limits always follow the work mode: 0 is CB, anything else HF.
QString bandTextOfWorkMode(int workMode);
BandLimits bandLimitsOf(int workMode);

} // namespace r5k27

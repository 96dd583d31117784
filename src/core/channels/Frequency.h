#pragma once

#include "BandLimits.h"

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>

namespace r5k27 {

// A frequency as a whole number of hertz. Text becomes a Frequency where it enters (the grid's
// entry, a CSV row, the command line) and a text again where it leaves; the digit form the
// data file and the radio keep is read and written only by their codecs.
class Frequency {
public:
    static constexpr std::int64_t kStepHz = 10; // the radio's resolution

    constexpr Frequency() = default;
    static constexpr Frequency fromHz(std::int64_t hz) { return Frequency(hz); }

    // A plain decimal number of MHz ("28.305", " 28.30500 ", "-1"), exact to the hertz (finer
    // digits round to the nearest hertz). Nothing for text that is not such a number.
    static std::optional<Frequency> parse(QStringView text);
    // The stored digits: two of MHz, then the fraction ("280850", "28015000"). Nothing for
    // blanks, the eight-"F" form and digits that are no number.
    static std::optional<Frequency> fromStored(QStringView stored);

    constexpr std::int64_t hz() const { return hz_; }
    // "#0.0000": MHz with four decimals, the form every frequency is shown in.
    QString text() const;
    // MHz with six decimals ("28.015000"), the form other programs' channel lists use.
    QString text6() const;
    // The stored digits of the shown form, as an entry from the grid keeps them ("280850").
    QString storedDigits() const;
    // Two digits of MHz and six of the fraction, every hertz step the radio keeps ("28015000").
    QString storedDigitsExact() const;
    // What a frequency shown with four decimals is: rounded to 100 Hz.
    Frequency shownValue() const;
    // Aligned to the 10 Hz grid that starts at the band's lower limit; values below the limit
    // move up towards it.
    Frequency snapped(const BandLimits& limits) const;
    bool isWithin(const BandLimits& limits) const;

    constexpr auto operator<=>(const Frequency&) const = default;

private:
    constexpr explicit Frequency(std::int64_t hz)
        : hz_(hz) {}
    std::int64_t hz_ = 0;
};

// The limits of a band in hertz, rounded to the nearest hertz.
std::int64_t limitHz(double mhz);

// A typed frequency of a work mode's band, aligned to the band's grid; nothing for text that is
// no number or lies outside the band.
std::optional<Frequency> frequencyInBand(QStringView typed, int workMode);

} // namespace r5k27

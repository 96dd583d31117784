#include "Frequency.h"

#include "core/common/NumericText.h"

namespace r5k27 {
namespace {

constexpr std::int64_t kHzPerMhz = 1'000'000;
constexpr int kMaxMhzDigits = 9; // far beyond any band, far below overflow
// What a number too large to hold becomes: outside every band.
constexpr std::int64_t kHuge = std::int64_t(1) << 60;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Halves go to the even neighbour, as every typed number is rounded.
std::int64_t divideHalfEven(std::int64_t value, std::int64_t divisor) {
    std::int64_t quotient = value / divisor;
    std::int64_t rest = value % divisor;
    if (rest < 0) {
        rest += divisor;
        --quotient;
    }
    if (rest * 2 > divisor || (rest * 2 == divisor && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace

std::optional<Frequency> Frequency::parse(QStringView text) {
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    const qsizetype dot = text.indexOf(u'.');
    const QStringView whole = dot < 0 ? text : text.left(dot);
    const QStringView fraction = dot < 0 ? QStringView() : text.mid(dot + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    for (QStringView part : {whole, fraction})
        for (QChar c : part)
            if (!isDigit(c))
                return std::nullopt;

    std::int64_t hz = 0;
    qsizetype significant = 0;
    for (QChar c : whole) {
        if (significant > 0 || c != u'0')
            ++significant;
        hz = hz * 10 + (c.unicode() - u'0');
    }
    if (significant > kMaxMhzDigits)
        return Frequency(negative ? -kHuge : kHuge);
    hz *= kHzPerMhz;
    // Six fraction digits are whole hertz; a seventh decides the rounding, halves to even.
    std::int64_t scale = kHzPerMhz / 10;
    for (qsizetype i = 0; i < fraction.size() && i < 6; ++i, scale /= 10)
        hz += (fraction[i].unicode() - u'0') * scale;
    if (fraction.size() > 6) {
        const int next = fraction[6].unicode() - u'0';
        bool beyondHalf = false;
        for (qsizetype i = 7; i < fraction.size(); ++i)
            beyondHalf = beyondHalf || fraction[i] != u'0';
        if (next > 5 || (next == 5 && (beyondHalf || hz % 2 != 0)))
            ++hz;
    }
    return Frequency(negative ? -hz : hz);
}

std::optional<Frequency> Frequency::fromStored(QStringView stored) {
    // Trailing blanks pad the field; a NUL ends the text.
    if (const qsizetype nul = stored.indexOf(QChar(u'\0')); nul >= 0)
        stored = stored.left(nul);
    stored = stored.trimmed();
    if (stored.size() < 2 || stored == u"FFFFFFFF")
        return std::nullopt;
    for (QChar c : stored)
        if (!isDigit(c))
            return std::nullopt;
    return parse(QString(stored.left(2).toString() + u'.' + stored.mid(2).toString()));
}

QString Frequency::text() const {
    const std::int64_t units = divideHalfEven(hz_, 100); // 100 Hz: the fourth decimal
    const std::int64_t magnitude = units < 0 ? -units : units;
    return QStringLiteral("%1%2.%3")
        .arg(units < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 10000)
        .arg(magnitude % 10000, 4, 10, QChar(u'0'));
}

QString Frequency::text6() const {
    const std::int64_t magnitude = hz_ < 0 ? -hz_ : hz_;
    return QStringLiteral("%1%2.%3")
        .arg(hz_ < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / kHzPerMhz)
        .arg(magnitude % kHzPerMhz, 6, 10, QChar(u'0'));
}

QString Frequency::storedDigits() const {
    // Two characters of MHz ("8.5" keeps "08"), then the four shown decimals.
    const QString shown = text();
    const qsizetype dot = shown.indexOf(u'.');
    QString padded = shown;
    for (qsizetype pos = dot; pos < 2; ++pos)
        padded.prepend(u'0');
    return padded.left(2) + shown.mid(dot + 1);
}

QString Frequency::storedDigitsExact() const {
    // Written out by hand for the frequencies a radio holds: an imported list asks for one a row.
    if (hz_ >= 0 && hz_ < 100 * kHzPerMhz) {
        QString digits(8, u'0');
        std::int64_t rest = hz_;
        for (qsizetype i = 7; i >= 0 && rest > 0; --i, rest /= 10)
            digits[i] = QChar(char16_t(u'0' + rest % 10));
        return digits;
    }
    return QStringLiteral("%1%2")
        .arg(hz_ / kHzPerMhz, 2, 10, QChar(u'0'))
        .arg(hz_ % kHzPerMhz, 6, 10, QChar(u'0'));
}

Frequency Frequency::shownValue() const {
    return Frequency(divideHalfEven(hz_, 100) * 100);
}

Frequency Frequency::snapped(const BandLimits& limits) const {
    // The remainder keeps the sign of the difference, so values below the base move up.
    const std::int64_t rest = (hz_ - limitHz(limits.freqMin)) % kStepHz;
    return Frequency(hz_ - rest);
}

bool Frequency::isWithin(const BandLimits& limits) const {
    return hz_ >= limitHz(limits.freqMin) && hz_ <= limitHz(limits.freqMax);
}

std::int64_t limitHz(double mhz) {
    return std::int64_t(roundHalfEven(mhz * double(kHzPerMhz)));
}

std::optional<Frequency> frequencyInBand(QStringView typed, int workMode) {
    const BandLimits limits = bandLimitsOf(workMode);
    const auto frequency = Frequency::parse(typed);
    if (!frequency || !frequency->isWithin(limits))
        return std::nullopt;
    return frequency->snapped(limits);
}

} // namespace r5k27

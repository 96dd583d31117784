#include "FrequencyCodec.h"

#include "core/common/NumericText.h"
#include "core/image/FixedText.h"

#include <QLocale>
#include <cmath>

namespace r5k27 {

QString formatFrequency(double mhz) {
    return QString::number(mhz, 'f', 4);
}

QString shortestDecimal(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString freqTextToStored(const QString& text, const BandLimits& limits) {
    QString s = text.trimmed();
    if (s.isEmpty())
        return s;
    if (!isNumericText(s))
        s = shortestDecimal(limits.freqMin);
    const qsizetype dot = s.indexOf(u'.');
    if (dot < 0)
        return s;
    // One-digit MHz values get a leading "0" so the MHz part always takes two characters.
    QString padded = s;
    for (qsizetype pos = dot; pos < 2; ++pos)
        padded.prepend(u'0');
    return padded.left(2) + s.mid(dot + 1);
}

QString storedToFreqText(const QString& stored, const BandLimits& limits,
                         const MessageTarget& messages) {
    const QString s = cleanFixedText(stored).trimmed();
    if (s.isEmpty() || s == QStringLiteral("FFFFFFFF"))
        return {};
    if (isNumericText(s)) {
        if (const auto mhz = parseNumber(s.left(2) + u'.' + s.mid(2)))
            return formatFrequency(*mhz);
    }
    messages.show(kNotNumericText, Buttons::Ok, Icon::None);
    return shortestDecimal(limits.freqMin);
}

double snapFrequency(double mhz, const BandLimits& limits) {
    const long long base = roundHalfEven(limits.freqMin * 1e6);
    long long hz = roundHalfEven(mhz * 1e6);
    // The remainder keeps the sign of the difference, so values below the base move up.
    const long long rest = (hz - base) % 10;
    hz -= rest;
    return double(hz) / 1e6;
}

double checkFrequency(double mhz, const BandLimits& limits, bool clamp,
                      const MessageTarget& messages) {
    if (mhz < limits.freqMin || mhz > limits.freqMax) {
        const double value =
            !clamp ? 0.0 : (mhz < limits.freqMin ? limits.freqMin : limits.freqMax);
        messages.warn(kFreqOutOfRangeText);
        return value;
    }
    return snapFrequency(mhz, limits);
}

QString formatFrequencyEntry(const QString& text, const BandLimits& limits, bool clamp,
                             const MessageTarget& messages) {
    double value = 0.0;
    if (const auto mhz = parseNumber(text)) {
        value = checkFrequency(*mhz, limits, clamp, messages);
    } else {
        messages.warn(kFreqOutOfRangeText);
        value = clamp ? limits.freqMin : 0.0;
    }
    const QString shown = formatFrequency(value);
    return parseNumber(shown).value_or(0.0) == 0.0 ? QString() : shown;
}

std::optional<std::pair<int, QString>> storedMhzAndFraction(const QString& stored) {
    const QString digits = stored.trimmed();
    if (digits.size() < 2)
        return std::nullopt;
    for (QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return std::pair(digits.left(2).toInt(), digits.mid(2));
}

QString storedToExactMhz(const QString& stored) {
    const auto parts = storedMhzAndFraction(stored);
    if (!parts)
        return {};
    QString fraction = parts->second;
    while (fraction.size() > 4 && fraction.endsWith(u'0'))
        fraction.chop(1);
    return QString::number(parts->first) + u'.' + fraction.leftJustified(4, u'0');
}

} // namespace r5k27

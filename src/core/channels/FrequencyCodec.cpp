#include "FrequencyCodec.h"

#include "core/common/NumericText.h"

#include <QLocale>
#include <optional>
#include <utility>

namespace r5k27 {

namespace {

// The shortest decimal text of a value ("28", "25.615").
QString shortestDecimal(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// The MHz digits and the fraction digits of a stored frequency; nothing for blanks or digits
// that are no number.
std::optional<std::pair<int, QString>> storedMhzAndFraction(const QString& stored) {
    const QString digits = stored.trimmed();
    if (digits.size() < 2)
        return std::nullopt;
    for (QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return std::pair(digits.left(2).toInt(), digits.mid(2));
}

} // namespace

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

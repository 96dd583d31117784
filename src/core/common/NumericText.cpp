#include "NumericText.h"

#include <QLocale>
#include <cmath>

namespace r5k27 {
namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

bool isNumericText(const QString& text) {
    const QString s = text.trimmed();
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    bool sawDigit = false;
    bool sawPoint = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i]))
            sawDigit = true;
        else if (s[i] == u'.' && !sawPoint)
            sawPoint = true;
        else
            return false;
    }
    return sawDigit;
}

std::optional<double> parseNumber(const QString& text) {
    if (!isNumericText(text))
        return std::nullopt;
    QString s = text.trimmed();
    if (s.startsWith(u'+'))
        s.remove(0, 1);
    bool ok = false;
    const double value = QLocale::c().toDouble(s, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<long long> parseInteger(const QString& text) {
    if (!isNumericText(text) || text.contains(u'.'))
        return std::nullopt;
    QString s = text.trimmed();
    if (s.startsWith(u'+'))
        s.remove(0, 1);
    bool ok = false;
    const long long value = s.toLongLong(&ok);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

long long roundHalfEven(double value) {
    return std::llrint(value); // the default floating-point mode rounds halves to even
}

} // namespace r5k27

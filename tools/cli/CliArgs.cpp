#include "CliArgs.h"

namespace r5k27::cli {

bool CliArgs::onlyOptions(const QStringList& allowed) const {
    for (auto it = options.cbegin(); it != options.cend(); ++it)
        if (!allowed.contains(it.key()))
            return false;
    return true;
}

std::optional<int> parseCount(const QString& text, int min, int max) {
    for (QChar c : text)
        if (!c.isDigit())
            return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace r5k27::cli

#include "CliArgs.h"

namespace r5k27::cli {
namespace {

const QStringList kValueOptions = {QStringLiteral("--port"), QStringLiteral("--image"),
                                   QStringLiteral("--group"), QStringLiteral("--retries"),
                                   QStringLiteral("--trace")};
const QStringList kFlags = {QStringLiteral("--json"), QStringLiteral("--verify"),
                            QStringLiteral("--backup-first")};
const QStringList kRepeatable = {QStringLiteral("--port")};

} // namespace

bool CliArgs::onlyOptions(const QStringList& allowed) const {
    for (auto it = options.cbegin(); it != options.cend(); ++it)
        if (!allowed.contains(it.key()))
            return false;
    return true;
}

std::optional<CliArgs> parseCliArgs(const QStringList& args) {
    CliArgs parsed;
    parsed.verb = args.value(0);
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QStringLiteral("--"))) {
            parsed.files.append(arg);
            continue;
        }
        if (parsed.options.contains(arg) && !kRepeatable.contains(arg))
            return std::nullopt;
        if (kFlags.contains(arg)) {
            parsed.options.insert(arg, QString());
        } else if (kValueOptions.contains(arg) && i + 1 < args.size()) {
            const QString& value = args[++i];
            if (!parsed.options.contains(arg))
                parsed.options.insert(arg, value);
            if (kRepeatable.contains(arg))
                parsed.repeated[arg].append(value);
        } else {
            return std::nullopt;
        }
    }
    return parsed;
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

#include "CommandLine.h"

#include <QCommandLineParser>
#include <algorithm>
#include <vector>

namespace r5k27::cli {
namespace {

constexpr LocalText kUnknownOption{"unknown option '%1'", "未知选项“%1”"};
constexpr LocalText kGivenTwice{"option --%1 may be given once", "选项 --%1 只能给出一次"};
constexpr LocalText kMissingOption{"option --%1 is required", "必须给出选项 --%1"};
constexpr LocalText kArgumentCount{"expects %1 file argument(s), got %2",
                                   "需要 %1 个文件参数，实际为 %2 个"};
constexpr LocalText kDidYouMean{"did you mean '%1'?", "您是想输入“%1”吗？"};

// Edits (insert, delete, change, swap two neighbours) that turn a into b.
int editDistance(const QString& a, const QString& b) {
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    std::vector<std::vector<int>> d(std::size_t(n + 1), std::vector<int>(std::size_t(m + 1)));
    for (qsizetype i = 0; i <= n; ++i)
        d[std::size_t(i)][0] = int(i);
    for (qsizetype j = 0; j <= m; ++j)
        d[0][std::size_t(j)] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const auto I = std::size_t(i);
            const auto J = std::size_t(j);
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[I][J] = std::min({d[I - 1][J] + 1, d[I][J - 1] + 1, d[I - 1][J - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[I][J] = std::min(d[I][J], d[I - 2][J - 2] + 1);
        }
    }
    return d[std::size_t(n)][std::size_t(m)];
}

// The candidate nearest to word, when at most a third of it (and at least one letter) differs.
QString nearest(const QString& word, const QStringList& candidates) {
    QString best;
    int bestDistance = std::max<int>(2, int(word.size()) / 3) + 1;
    for (const QString& candidate : candidates) {
        const int distance = editDistance(word.toLower(), candidate);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

QString withSuggestion(const QString& message, const QString& suggestion, Language lang) {
    return suggestion.isEmpty()
               ? message
               : message + QStringLiteral("; ") + kDidYouMean.in(lang).arg(suggestion);
}

// The checks QCommandLineParser does not make: repeats, required options, argument counts.
QString tableError(const Command& command, const QCommandLineParser& parser, Language lang) {
    for (const CliOption& option : optionsOf(command)) {
        const QString name = QString::fromLatin1(option.name);
        if (!option.repeatable && parser.values(name).size() > 1)
            return kGivenTwice.in(lang).arg(name);
        if (option.required && !parser.isSet(name))
            return kMissingOption.in(lang).arg(name);
    }
    const qsizetype most = command.arguments.size();
    const qsizetype least = std::count_if(command.arguments.cbegin(), command.arguments.cend(),
                                          [](const CliArgument& a) { return !a.optional; });
    const qsizetype given = parser.positionalArguments().size();
    if (given < least || given > most) {
        const QString expected =
            least == most ? QString::number(least) : QStringLiteral("%1-%2").arg(least).arg(most);
        return kArgumentCount.in(lang).arg(expected).arg(given);
    }
    return {};
}

} // namespace

QString nearestVerb(const QString& word) {
    QStringList names;
    for (const Command& command : commands())
        if (!command.hidden)
            names << QString::fromLatin1(command.name);
    return nearest(word, names);
}

QString nearestOption(const Command& command, const QString& word) {
    QStringList names;
    for (const CliOption& option : optionsOf(command))
        names << QStringLiteral("--") + QString::fromLatin1(option.name);
    return nearest(word.startsWith(u'-') ? word : QStringLiteral("--") + word, names);
}

ParsedLine parseVerbLine(const Command& command, const QStringList& words, Language lang) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QList<CliOption> options = optionsOf(command);
    for (const CliOption& option : options) {
        const QString name = QString::fromLatin1(option.name);
        parser.addOption(option.valueName
                             ? QCommandLineOption(name, option.help.in(lang),
                                                  QString::fromLatin1(option.valueName))
                             : QCommandLineOption(name, option.help.in(lang)));
    }
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, {}));

    ParsedLine line;
    line.args.verb = QString::fromLatin1(command.name);
    if (!parser.parse(QStringList{QString::fromLatin1(command.name)} + words)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            line.error = parser.errorText(); // Qt's own text names the option
        } else {
            const QString given =
                (unknown[0].size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + unknown[0];
            line.error = withSuggestion(kUnknownOption.in(lang).arg(given),
                                        nearestOption(command, given), lang);
        }
        return line;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        line.help = true;
        return line;
    }
    if (const QString error = tableError(command, parser, lang); !error.isEmpty()) {
        line.error = error;
        return line;
    }
    line.args.files = parser.positionalArguments();
    for (const CliOption& option : options) {
        const QString name = QString::fromLatin1(option.name);
        if (!parser.isSet(name))
            continue;
        const QString key = QStringLiteral("--") + name;
        if (key == QStringLiteral("--json")) {
            line.json = true;
            continue;
        }
        const QStringList values = option.valueName ? parser.values(name) : QStringList{QString()};
        line.args.options.insert(key, values.value(0));
        line.args.repeated.insert(key, values);
    }
    return line;
}

QString didYouMean(const QString& suggestion, Language lang) {
    return kDidYouMean.in(lang).arg(suggestion);
}

} // namespace r5k27::cli

#include "HistoryCommand.h"

#include "FileRoles.h"
#include "ImageCommands.h"
#include "core/common/CsvText.h"
#include "core/document/InitialValues.h"
#include "history/HistoryQuery.h"

namespace r5k27::cli {
namespace {

constexpr LocalText kExtractAlone{"--extract takes one data file and no other option",
                                  "--extract 只需一个数据文件，且不与其他选项同用"};
constexpr LocalText kFileNeedsExtract{"a data file goes with --extract only",
                                      "只有 --extract 需要数据文件"};
constexpr LocalText kNoOperation{"No operation %1 in the radio history.",
                                 "对讲机历史中没有操作 %1。"};
constexpr LocalText kNoImage{"Operation %1 holds no radio image.", "操作 %1 没有对讲机映像。"};
constexpr LocalText kBadValue{"Not a valid %1: %2", "无效的 %1：%2"};

template <class T>
bool readOption(Session& s, const CliArgs& args, const char* option,
                std::optional<T> (*parse)(const QString&), std::optional<T>& into) {
    const QString name = QString::fromLatin1(option);
    if (!args.has(name))
        return true;
    into = parse(args.value(name));
    if (!into)
        s.fail(kBadValue.in(s.lang()).arg(name, args.value(name)));
    return into.has_value();
}

std::optional<HistoryFilter> filterOf(Session& s, const CliArgs& args) {
    HistoryFilter filter;
    std::optional<QDate> since;
    std::optional<QDate> until;
    if (!readOption(s, args, "--since", parseHistoryDate, since) ||
        !readOption(s, args, "--until", parseHistoryDate, until) ||
        !readOption(s, args, "--kind", kindFromKey, filter.kind) ||
        !readOption(s, args, "--outcome", outcomeFromKey, filter.outcome))
        return std::nullopt;
    filter.since = since.value_or(QDate());
    filter.until = until.value_or(QDate());
    filter.port = args.value(QStringLiteral("--port"));
    return filter;
}

// Columns padded to their widest entry, the last one left ragged.
void printTable(QTextStream& out, const QList<QStringList>& lines) {
    QList<qsizetype> widths;
    for (const QStringList& line : lines)
        for (qsizetype i = 0; i < line.size(); ++i) {
            widths.resize(qMax(widths.size(), line.size()));
            widths[i] = qMax(widths[i], line[i].size());
        }
    for (const QStringList& line : lines) {
        QString text;
        for (qsizetype i = 0; i < line.size(); ++i)
            text += i + 1 < line.size() ? line[i].leftJustified(widths[i] + 2) : line[i];
        out << text << '\n';
    }
}

QStringList tableLine(const HistoryRow& row, Language lang) {
    return {QString::number(row.id),
            row.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            kindText(row.kind, row.radio, lang),
            row.port,
            outcomeText(row.outcome, lang),
            row.sha256.left(12),
            row.document};
}

int listOperations(Session& s, HistoryDatabase& db, const CliArgs& args) {
    const auto filter = filterOf(s, args);
    if (!filter)
        return 1;
    QSqlQuery query = historyQuery(db.connection(), *filter);
    const bool csv = args.has(QStringLiteral("--csv"));
    QList<QStringList> table{{QStringLiteral("ID"), QStringLiteral("STARTED"),
                              QStringLiteral("KIND"), QStringLiteral("PORT"),
                              QStringLiteral("OUTCOME"), QStringLiteral("SHA-256"),
                              QStringLiteral("DOCUMENT")}};
    if (csv)
        s.out << csvLine(historyCsvHeader());
    while (query.next()) {
        const HistoryRow row = historyRow(query);
        if (csv)
            s.out << csvLine(historyCsvFields(row));
        else
            table << tableLine(row, s.lang());
    }
    if (!csv)
        printTable(s.out, table);
    return 0;
}

int extractOperation(Session& s, HistoryDatabase& db, const CliArgs& args) {
    if (args.files.size() != 1 || args.options.size() != 1)
        return s.wrongArguments(kExtractAlone.in(s.lang()));
    const QString idText = args.value(QStringLiteral("--extract"));
    const auto id = parseCount(idText, 1, std::numeric_limits<int>::max());
    if (!id || !operationRow(db.connection(), *id)) {
        s.fail(kNoOperation.in(s.lang()).arg(idText));
        return 1;
    }
    const auto image = operationImage(db.connection(), *id);
    if (!image) {
        s.fail(kNoImage.in(s.lang()).arg(*id));
        return 1;
    }
    if (!outputsAreSeparate(s, FileRoles().writesDocument(args.files[0])))
        return kFilesRefused;
    newDocumentAtStart(s.doc, s.settings, s.programFolder);
    decodeIntoDocument(s, *image);
    return saveDataFile(s.files, args.files[0]) ? 0 : 1;
}

} // namespace

int historyVerb(Session& s, const CliArgs& args, const QString& databasePath) {
    const bool extract = args.has(QStringLiteral("--extract"));
    if (!extract && !args.files.isEmpty())
        return s.wrongArguments(kFileNeedsExtract.in(s.lang()));
    HistoryDatabase db(databasePath);
    const bool opened = db.open();
    for (const LocalString& notice : db.takeNotices())
        s.prompter.warn(notice.in(s.lang()));
    if (!opened)
        return 1;
    return extract ? extractOperation(s, db, args) : listOperations(s, db, args);
}

int runHistory(Session& s, const CliArgs& args) {
    return historyVerb(s, args);
}

} // namespace r5k27::cli

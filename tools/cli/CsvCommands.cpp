#include "CsvCommands.h"

#include "Command.h"
#include "DocumentReport.h"
#include "FileRoles.h"
#include "core/common/CsvText.h"
#include "core/document/ChannelCsv.h"
#include "core/document/DataFile.h"
#include "platform/SystemFileCommit.h"

#include <QFile>
#include <QJsonArray>

namespace r5k27::cli {
namespace {

QJsonArray rowsJson(const QList<CsvProblem>& rows, Language lang) {
    QJsonArray out;
    for (const CsvProblem& p : rows)
        out.append(QJsonObject{{QStringLiteral("row"), p.row},
                               {QStringLiteral("value"), p.value},
                               {QStringLiteral("reason"), p.reason(lang)}});
    return out;
}

} // namespace

int exportChannels(Session& s, const CliArgs& args) {
    if (!openDataFile(s.files, args.files[0]))
        return kFileError;
    const auto failure =
        writeFileChecked(args.files[1], channelsToCsv(s.doc.curImage, s.doc.chTable));
    if (!failure)
        return kDone;
    s.fail(writeFailureMessage(DataFileTexts::fileError.in(s.lang()), *failure, s.lang()));
    return kFileError;
}

int importChannels(Session& s, const CliArgs& args) {
    if (!openDataFile(s.files, args.files[0]) || !isReadableFile(s, args.files[1]))
        return kFileError;
    QFile in(args.files[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        s.fail(DataFileTexts::fileError.in(s.lang()));
        return kFileError;
    }
    const CsvImportResult result = channelsFromCsv(in, s.doc.curImage, s.doc.chTable);
    s.report.csvImport = result;
    if (result.tooLarge) {
        s.fail(kCsvTooLarge.in(s.lang()));
        return kFileError;
    }
    for (const CsvProblem& p : result.problems)
        s.err << QStringLiteral("row %1: %2: %3\n")
                     .arg(p.row)
                     .arg(escapedText(p.value), p.reason(s.lang()));
    if (result.problemsLeftOut() > 0)
        s.err << kCsvMoreRows.in(s.lang()).arg(result.problemsLeftOut()) << '\n';
    if (result.taken == 0 || !saveDataFile(s.files, args.files[2]))
        return kFileError;
    return result.problems.isEmpty() ? kDone : kDoneWithDifferences;
}

QJsonObject csvImportJson(const Session& s, const CliArgs& args, int status) {
    const CsvImportResult result = s.report.csvImport.value_or(CsvImportResult{});
    return {{QStringLiteral("status"), status},
            {QStringLiteral("written"), status == kDone || status == kDoneWithDifferences},
            {QStringLiteral("output"), args.files.value(2)},
            {QStringLiteral("taken"), result.taken},
            {QStringLiteral("tooLarge"), result.tooLarge},
            {QStringLiteral("refused"), rowsJson(result.problems, s.lang())},
            {QStringLiteral("refusedCount"), result.problemCount},
            {QStringLiteral("changed"), rowsJson(result.changed, s.lang())},
            {QStringLiteral("changedCount"), result.changedCount}};
}

} // namespace r5k27::cli

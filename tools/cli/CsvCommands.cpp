#include "CsvCommands.h"

#include "DocumentReport.h"
#include "FileRoles.h"
#include "core/common/CsvText.h"
#include "core/document/ChannelCsv.h"
#include "core/document/DataFile.h"
#include "platform/SystemFileCommit.h"

#include <QFile>

namespace r5k27::cli {

int exportChannels(Session& s, const CliArgs& args) {
    if (args.files.size() != 2 || !args.options.isEmpty())
        return -1;
    if (const int status = openDocumentFor(
            s, FileRoles().readsDocument(args.files[0]).writes(args.files[1]), args.files[0]))
        return status;
    const auto failure =
        writeFileChecked(args.files[1], channelsToCsv(s.doc.curImage, s.doc.chTable));
    if (!failure)
        return 0;
    s.fail(writeFailureMessage(DataFileTexts::fileError.in(s.lang()), *failure, s.lang()));
    return 1;
}

int importChannels(Session& s, const CliArgs& args) {
    if (args.files.size() != 3 || !args.options.isEmpty())
        return -1;
    if (!outputsAreSeparate(s, FileRoles()
                                   .readsDocument(args.files[0])
                                   .reads(args.files[1])
                                   .writesDocument(args.files[2])))
        return kFilesRefused;
    if (!openDataFile(s.files, args.files[0]) || !isReadableFile(s, args.files[1]))
        return 1;
    QFile in(args.files[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        s.fail(DataFileTexts::fileError.in(s.lang()));
        return 1;
    }
    const CsvImportResult result = channelsFromCsv(in, s.doc.curImage, s.doc.chTable);
    if (result.tooLarge) {
        s.fail(kCsvTooLarge.in(s.lang()));
        return 1;
    }
    for (const CsvProblem& p : result.problems)
        s.err << QStringLiteral("row %1: %2: %3\n")
                     .arg(p.row)
                     .arg(escapedText(p.value), p.reason(s.lang()));
    if (result.problemsLeftOut() > 0)
        s.err << kCsvMoreRows.in(s.lang()).arg(result.problemsLeftOut()) << '\n';
    if (result.taken == 0)
        return 1;
    if (!saveDataFile(s.files, args.files[2]))
        return 1;
    return result.problems.isEmpty() ? 0 : 1;
}

} // namespace r5k27::cli

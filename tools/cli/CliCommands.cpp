#include "CliCommands.h"

#include "CliArgs.h"
#include "CliSession.h"
#include "CsvCommands.h"
#include "DiffCommand.h"
#include "DocumentReport.h"
#include "FileRoles.h"
#include "HistoryCommand.h"
#include "ImageCommands.h"
#include "LinkCommands.h"
#include "core/channels/BandIdentity.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFile.h"
#include "core/document/DataFileLayout.h"
#include "core/document/InitialValues.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace r5k27::cli {
namespace {

const QString kUsage = QStringLiteral(
    "usage: r5k27-cli new FILE.dat\n"
    "       r5k27-cli copy IN.dat OUT.dat\n"
    "       r5k27-cli show [--json] FILE.dat\n"
    "       r5k27-cli encode FILE.dat IMG\n"
    "       r5k27-cli decode IMG FILE.dat\n"
    "       r5k27-cli csv-export FILE.dat OUT.csv\n"
    "       r5k27-cli csv-import FILE.dat IN.csv OUT.dat\n"
    "       r5k27-cli ports\n"
    "       r5k27-cli identify --port P\n"
    "       r5k27-cli read --port P FILE.dat [--image IMG]\n"
    "       r5k27-cli write --port P [--group N] [--verify] [--backup-first] FILE.dat\n"
    "       r5k27-cli write --port P1 [--port P2 ...] [--verify] FILE.dat\n"
    "       r5k27-cli diff A.dat B.dat\n"
    "       r5k27-cli diff A.dat --port P\n"
    "       r5k27-cli history [--since DATE] [--until DATE] [--kind K] [--port P]\n"
    "                         [--outcome O] [--csv]\n"
    "       r5k27-cli history --extract ID FILE.dat\n"
    "radio commands also take --retries N (answer Retry to the first N connection\n"
    "questions; default 0) and --trace FILE (log the serial bytes).\n");

// The build date of the shipped default files: SOURCE_DATE_EPOCH when set, so builds repeat.
QDate buildDate() {
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date() : QDate::currentDate();
}

int newDocument(Session& s, const QString& programFolder, const QString& path) {
    if (!outputsAreSeparate(s, FileRoles().writesDocument(path)))
        return kFilesRefused;
    newDocumentAtStart(s.doc, s.settings, programFolder);
    return saveDataFile(s.files, path) ? 0 : 1;
}

int copyDocument(Session& s, const QString& in, const QString& out) {
    if (!outputsAreSeparate(s, FileRoles().readsDocument(in).writesDocument(out)))
        return kFilesRefused;
    return openDataFile(s.files, in) && saveDataFile(s.files, out) ? 0 : 1;
}

int showDocument(Session& s, const QString& path, bool json, QTextStream& out) {
    if (!openDataFile(s.files, path))
        return 1;
    if (json)
        out << QString::fromUtf8(documentJson(s.doc.curImage, s.doc.chTable));
    else
        out << documentText(s.doc.curImage, s.doc.chTable);
    return 0;
}

// The four default files of an install: band digit 0 holds the CB and 1 the HF built-in
// document, each as the New and the Factory file. All are written or none.
int writeDefaultFiles(Session& s, const QString& folder) {
    // The folders this run makes, deepest first; a failed run takes them away again, so a full
    // disk leaves no empty folder behind.
    QStringList made;
    for (QString at = QFileInfo(folder).absoluteFilePath(); !QFileInfo::exists(at);
         at = QFileInfo(at).absolutePath())
        made << at;
    const auto failed = [&](const QString& message) {
        for (const QString& path : std::as_const(made))
            QDir().rmdir(path);
        s.fail(message);
        return 1;
    };
    if (!QDir().mkpath(folder))
        return failed(DataFileTexts::fileError.in(s.lang()) + u'\n' +
                      QDir::toNativeSeparators(folder));
    QList<FileOutput> files;
    for (int workMode = 0; workMode < kModeCount; ++workMode) {
        writeBuiltInDefaults(s.doc, s.settings, workMode, buildDate());
        prepareForWrite(s.doc, s.settings);
        for (DefaultFileKind kind : {DefaultFileKind::New, DefaultFileKind::Factory}) {
            const QString path = QDir(folder).filePath(
                QFileInfo(defaultFilePath({}, bandTextOfWorkMode(workMode), kind)).fileName());
            files.append(
                {companionPath(path), serializeChannelFile(s.doc.fileImage, s.doc.fileChTable)});
            files.append({path, serializeImage(s.doc.fileImage)});
        }
    }
    if (const auto failure = commitFileSet(commitMarkerPath(files[1].path), files))
        return failed(
            writeFailureMessage(DataFileTexts::fileError.in(s.lang()), *failure, s.lang()));
    return 0;
}

} // namespace

int runCli(const QStringList& args, const QString& programFolder, QTextStream& out,
           QTextStream& err, bool showProgress) {
    Session session(programFolder, out, err, showProgress);
    int result = -1;
    // Its options are its own; the command table will give it its parser.
    if (args.value(0) == QStringLiteral("history")) {
        if (const auto parsed = parseHistoryArgs(args))
            result = historyVerb(session, *parsed);
    } else if (const auto parsed = parseCliArgs(args)) {
        const QString& verb = parsed->verb;
        const QStringList& files = parsed->files;
        const bool plain = parsed->options.isEmpty();
        if (verb == QStringLiteral("new") && files.size() == 1 && plain)
            result = newDocument(session, programFolder, files[0]);
        else if (verb == QStringLiteral("copy") && files.size() == 2 && plain)
            result = copyDocument(session, files[0], files[1]);
        else if (verb == QStringLiteral("show") && files.size() == 1 &&
                 parsed->onlyOptions({QStringLiteral("--json")}))
            result = showDocument(session, files[0], parsed->has(QStringLiteral("--json")), out);
        else if (verb == QStringLiteral("defaults") && files.size() == 1 && plain)
            result = writeDefaultFiles(session, files[0]);
        else if (verb == QStringLiteral("encode"))
            result = encodeDocument(session, *parsed);
        else if (verb == QStringLiteral("decode"))
            result = decodeDocument(session, *parsed);
        else if (verb == QStringLiteral("csv-export"))
            result = exportChannels(session, *parsed);
        else if (verb == QStringLiteral("csv-import"))
            result = importChannels(session, *parsed);
        else if (verb == QStringLiteral("ports"))
            result = listPorts(session, *parsed);
        else if (verb == QStringLiteral("identify"))
            result = identifyRadio(session, *parsed);
        else if (verb == QStringLiteral("read"))
            result = readRadio(session, *parsed);
        else if (verb == QStringLiteral("write"))
            result = writeRadio(session, *parsed);
        else if (verb == QStringLiteral("diff"))
            result = diffDocuments(session, *parsed);
    }
    if (result < 0) {
        err << kUsage;
        result = 2;
    }
    out.flush();
    err.flush();
    return result;
}

} // namespace r5k27::cli

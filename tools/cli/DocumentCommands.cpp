#include "DocumentCommands.h"

#include "Command.h"
#include "DocumentReport.h"
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

// The build date of the shipped default files: SOURCE_DATE_EPOCH when set, so builds repeat.
QDate buildDate() {
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date() : QDate::currentDate();
}

// The four default files of an install: band digit 0 holds the CB and 1 the HF built-in
// document, each as the New and the Factory file. All are written or none.
int writeDefaultFiles(Session& s, const QString& folder) {
    // The folders this run makes, deepest first; a failed run takes them away again, so a full
    // disk leaves no empty folder behind.
    QStringList made;
    for (QString at = QFileInfo(folder).absoluteFilePath(); !QFileInfo::exists(at);) {
        made << at;
        // A name the system cannot hold (a NUL in it) never exists, up to the root.
        const QString parent = QFileInfo(at).absolutePath();
        if (parent == at)
            break;
        at = parent;
    }
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

int runNew(Session& s, const CliArgs& args) {
    newDocumentAtStart(s.doc, s.settings, s.programFolder);
    return saveDataFile(s.files, args.files[0]) ? kDone : kFileError;
}

int runCopy(Session& s, const CliArgs& args) {
    return openDataFile(s.files, args.files[0]) && saveDataFile(s.files, args.files[1])
               ? kDone
               : kFileError;
}

int runShow(Session& s, const CliArgs& args) {
    if (!openDataFile(s.files, args.files[0]))
        return kFileError;
    // With --json the dispatcher prints the document once the verb is done.
    if (!s.json)
        s.out << documentText(s.doc.curImage, s.doc.chTable);
    return kDone;
}

int runDefaults(Session& s, const CliArgs& args) {
    return writeDefaultFiles(s, args.files[0]);
}

QJsonObject showJson(const Session& s, const CliArgs&, int status) {
    return status == kDone ? documentJsonObject(s.doc.curImage, s.doc.chTable) : QJsonObject();
}

} // namespace r5k27::cli

#include "CliCommands.h"

#include "DocumentReport.h"
#include "common/Prompter.h"
#include "image/DataFile.h"
#include "image/InitialValues.h"
#include "platform/ProfileFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace r5k27::cli {
namespace {

const QString kUsage = QStringLiteral("usage: r5k27-cli new FILE.dat\n"
                                      "       r5k27-cli copy IN.dat OUT.dat\n"
                                      "       r5k27-cli show [--json] FILE.dat\n");

// Every message box becomes a line on stderr. Questions are answered No: a command line never
// starts another program version.
class StreamPrompter : public Prompter {
public:
    explicit StreamPrompter(QTextStream& err)
        : err_(err) {}
    Answer ask(const QString& text, Buttons buttons, Icon) override {
        QString line = text;
        line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        err_ << line << '\n';
        err_.flush();
        switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return Answer::No;
        case Buttons::OkCancel:
        case Buttons::RetryCancel:
            return Answer::Cancel;
        case Buttons::Ok:
            break;
        }
        return Answer::Ok;
    }

private:
    QTextStream& err_;
};

// Everything a command works on, as the program holds it after start-up.
struct Session {
    explicit Session(const QString& programFolder, QTextStream& err)
        : prompter(err)
        , versions(loadVersions(programFolder)) {}

    static VersionList loadVersions(const QString& programFolder) {
        const ProfileFile file(
            QFileInfo(programFolder).dir().filePath(QStringLiteral("Version.ini")));
        if (!file.exists())
            return VersionList::builtIn();
        return VersionList::load([&file](const QString& section, const QString& key) {
            return file.read(section, key);
        });
    }

    Document doc;
    AppSettings settings;
    StreamPrompter prompter;
    VersionList versions;
    DataFileContext files{doc, settings, versions, prompter};
};

// The build date of the shipped default files: SOURCE_DATE_EPOCH when set, so builds repeat.
QDate buildDate() {
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date() : QDate::currentDate();
}

int newDocument(Session& s, const QString& programFolder, const QString& path) {
    newDocumentAtStart(s.doc, s.settings, programFolder);
    return saveDataFile(s.files, path) ? 0 : 1;
}

int copyDocument(Session& s, const QString& in, const QString& out) {
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
// document, each as the New and the Factory file.
int writeDefaultFiles(Session& s, const QString& folder) {
    if (!QDir().mkpath(folder))
        return 1;
    for (int workMode = 0; workMode < kModeCount; ++workMode) {
        writeBuiltInDefaults(s.doc, s.settings, workMode, buildDate());
        prepareForWrite(s.doc, s.settings);
        for (DefaultFileKind kind : {DefaultFileKind::New, DefaultFileKind::Factory}) {
            const QString name =
                QFileInfo(defaultFilePath({}, s.settings.bandText, kind)).fileName();
            if (!saveDataFile(s.files, QDir(folder).filePath(name)))
                return 1;
        }
    }
    return 0;
}

} // namespace

int runCli(const QStringList& args, const QString& programFolder, QTextStream& out,
           QTextStream& err) {
    Session session(programFolder, err);
    const QString verb = args.value(0);
    int result = -1;
    if (verb == QStringLiteral("new") && args.size() == 2)
        result = newDocument(session, programFolder, args[1]);
    else if (verb == QStringLiteral("copy") && args.size() == 3)
        result = copyDocument(session, args[1], args[2]);
    else if (verb == QStringLiteral("show") && args.size() == 2)
        result = showDocument(session, args[1], false, out);
    else if (verb == QStringLiteral("show") && args.size() == 3 &&
             args[1] == QStringLiteral("--json"))
        result = showDocument(session, args[2], true, out);
    else if (verb == QStringLiteral("defaults") && args.size() == 2)
        result = writeDefaultFiles(session, args[1]);
    if (result < 0) {
        err << kUsage;
        result = 2;
    }
    out.flush();
    err.flush();
    return result;
}

} // namespace r5k27::cli

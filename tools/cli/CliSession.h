#pragma once

#include "CliPrompter.h"
#include "CommandReport.h"
#include "core/common/AppSettings.h"
#include "core/document/DataFile.h"
#include "core/document/Document.h"
#include "core/image/VersionList.h"
#include "core/lang/Language.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryLog.h"
#include "platform/SystemFileCommit.h"
#include "radio/HistoryRecorder.h"

#include <QFileInfo>
#include <QString>
#include <QTextStream>

namespace r5k27::cli {

// Everything a command works on, as the program holds it after start-up.
struct Session {
    // out takes the verb's report, notes the completion messages ("Read Data Completed."), err
    // every other message. With --json the report is the JSON object, so the text one goes
    // nowhere and the notes go to err.
    Session(const QString& programFolder, QTextStream& out, QTextStream& notes, QTextStream& err,
            bool showProgress);

    QString programFolder;
    QTextStream& out;
    QTextStream& err;
    // Standard error is a terminal: a running transfer shows its percentage there.
    bool showProgress = false;
    // --json: the verb's report is made from `report` at the end, not printed as it goes.
    bool json = false;

    Document doc;
    AppSettings settings;
    CliPrompter prompter;
    VersionList versions;
    DataFileContext files{doc, settings, versions, prompter, systemFileCalls()};
    CommandReport report;
    // Every radio operation a command runs is kept in the radio history the program shares;
    // the file is opened at the first operation, and a history that cannot be kept stops none.
    HistoryDatabase historyDb{HistoryDatabase::defaultPath()};
    HistoryLog historyLog{historyDb};
    HistoryRecorder history{&historyLog, [this] { return QFileInfo(doc.docPath).fileName(); }};

    Language lang() const { return settings.language; }
    // Shows a message of the program (an error box) on standard error.
    void fail(const QString& text) { prompter.error(text); }
    // Arguments the verb cannot take: why goes before the verb's usage. Returns the verb's
    // "wrong arguments" result.
    int wrongArguments(const QString& why) {
        usageProblem = why;
        return -1;
    }
    QString usageProblem;
};

} // namespace r5k27::cli

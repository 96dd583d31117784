#pragma once

// The command-line tool run as its own process, and the documents the radio tests hand it.
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "platform/SystemFileCommit.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QDate>
#include <QProcess>
#include <QProcessEnvironment>
#include <functional>
#include <gtest/gtest.h>

namespace r5k27::test {

struct CliRun {
    bool ended = false;
    int status = -1; // -1 when the tool crashed or did not end
    QString out;
    QString err;
};

// Runs r5k27-cli with a time bound; a run that does not end is killed and reported. dataHome,
// when given, is the tool's per-user data folder, so a test has a history of its own.
inline CliRun runCliProcess(const QStringList& args, int limitMs = 60000,
                            const QString& dataHome = {}) {
    QProcess process;
    if (!dataHome.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", dataHome);
        process.setProcessEnvironment(env);
    }
    process.start(R5K27_CLI_PATH, args);
    CliRun run;
    run.ended = process.waitForFinished(limitMs);
    if (!run.ended) {
        process.kill();
        process.waitForFinished(2000);
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The built-in CB document changed by edit, saved as dir/name as the program saves it.
inline QString savedDocument(const TempDir& dir, const QString& name,
                             const std::function<void(Document&)>& edit = {}) {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    if (edit)
        edit(doc);
    VersionList versions = VersionList::builtIn();
    ScriptedPrompter prompter;
    DataFileContext files{doc, settings, versions, prompter, systemFileCalls()};
    EXPECT_TRUE(saveDataFile(files, dir.path(name)));
    return dir.path(name);
}

// A shop's document: channel 1 of CB group C in the given mode.
inline QString shopDocument(const TempDir& dir, const QString& name, int mode = 2) {
    return savedDocument(dir, name, [mode](Document& doc) {
        doc.chTable.at({0, 3, 7}).mode = std::int16_t(mode);
    });
}

} // namespace r5k27::test

// What the build makes from the command table (manual pages, bash completion), the progress
// line of a terminal and the --json of the file verbs.
#include "CliRun.h"
#include "Command.h"
#include "HelpText.h"
#include "ProgressLine.h"
#include "ToolPages.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

QString roffed(QString text) {
    return text.replace('-', "\\-");
}

TEST(CliPages, ManPagesAreBuiltFromTheTableAndListEveryVerb) {
    const QString cliPage = cli::manPage("r5k27-cli");
    QFile built(R5K27_PAGES_DIR "/r5k27-cli.1");
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(built.readAll()), cliPage);
    EXPECT_TRUE(cliPage.startsWith(".TH R5K27-CLI 1 "));
    for (const cli::Command& command : cli::commands()) {
        const QString section = ".SS " + roffed(cli::usageLine(command)) + "\n";
        EXPECT_EQ(cliPage.contains(section), !command.hidden) << command.name;
        for (const cli::CliOption& option : cli::optionsOf(command))
            if (!command.hidden) {
                EXPECT_TRUE(cliPage.contains(roffed(option.help.in(Language::English))));
            }
    }
    for (const cli::StatusMeaning& status : cli::exitStatuses())
        EXPECT_TRUE(cliPage.contains(QString(".TP\n.B %1\n").arg(status.status)));
    const QString guiPage = cli::manPage("r5k27");
    EXPECT_TRUE(guiPage.startsWith(".TH R5K27 1 "));
    EXPECT_TRUE(guiPage.contains(".BR r5k27\\-cli (1)"));
    EXPECT_TRUE(QFile::exists(R5K27_PAGES_DIR "/r5k27.1"));

    // Both render without a single complaint of the formatter.
    const QString groff = QStandardPaths::findExecutable("groff");
    if (groff.isEmpty())
        GTEST_SKIP() << "groff is not installed";
    for (const char* page : {"r5k27-cli.1", "r5k27.1"}) {
        QProcess render;
        render.start(groff, {"-man", "-Tutf8", "-ww", "-z", R5K27_PAGES_DIR "/" + QString(page)});
        ASSERT_TRUE(render.waitForFinished(20000));
        EXPECT_EQ(render.exitCode(), 0);
        EXPECT_EQ(render.readAllStandardError(), "") << page;
    }
}

// Sources the built completion and calls its function as bash would for the words given, the
// last being the word completed; the program is a stub that knows one port.
QStringList complete(const test::TempDir& dir, const QStringList& words) {
    const QString stub = dir.write("stub-cli", "#!/bin/sh\n[ \"$1\" = ports ] && "
                                               "printf 'ttyUSB7\\t/dev/ttyUSB7\\n'\n");
    QFile::setPermissions(stub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QStringList quoted{"'" + stub + "'"};
    for (const QString& word : words)
        quoted << "'" + word + "'";
    const QString script = QString("source '%1'; COMP_WORDS=(%2); COMP_CWORD=%3; _r5k27_cli; "
                                   "printf '%s\\n' \"${COMPREPLY[@]}\"")
                               .arg(R5K27_PAGES_DIR "/r5k27-cli", quoted.join(' '))
                               .arg(words.size());
    QProcess bash;
    bash.setWorkingDirectory(dir.path());
    bash.start("bash", {"-c", script});
    EXPECT_TRUE(bash.waitForFinished(20000));
    EXPECT_EQ(bash.readAllStandardError(), "");
    QStringList reply =
        QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    reply.sort();
    return reply;
}

TEST(CliPages, CompletionOffersVerbsOptionsPortsAndFilesByKind) {
    test::TempDir dir;
    for (const char* name : {"car.dat", "car.fre", "list.csv", "radio.img", "notes.txt"})
        dir.write(name, "x");
    QDir().mkpath(dir.path("sub"));
    const QStringList verbs = complete(dir, {""});
    for (const cli::Command& command : cli::commands())
        EXPECT_EQ(verbs.contains(command.name), !command.hidden) << command.name;
    EXPECT_EQ(complete(dir, {"wr"}), QStringList{"write"});
    EXPECT_EQ(complete(dir, {"csv-"}), QStringList({"csv-export", "csv-import"}));
    EXPECT_EQ(complete(dir, {"read", "--"}),
              QStringList({"--help", "--image", "--json", "--port", "--retries", "--trace"}));
    EXPECT_EQ(complete(dir, {"read", "--port", ""}), QStringList({"/dev/ttyUSB7", "ttyUSB7"}));
    EXPECT_EQ(complete(dir, {"write", "--port", "tty"}), QStringList{"ttyUSB7"});
    EXPECT_EQ(complete(dir, {"read", "--image", ""}), QStringList({"radio.img", "sub"}));
    EXPECT_EQ(complete(dir, {"csv-import", ""}), QStringList({"car.dat", "sub"}));
    EXPECT_EQ(complete(dir, {"csv-import", "car.dat", ""}), QStringList({"list.csv", "sub"}));
    // Option values are no arguments: the third argument is the output document.
    EXPECT_EQ(complete(dir, {"csv-import", "car.dat", "list.csv", "c"}), QStringList{"car.dat"});
    EXPECT_EQ(complete(dir, {"diff", "--port", "p", "car.dat", "ca"}), QStringList{"car.dat"});
    EXPECT_EQ(complete(dir, {"write", "--group", ""}), QStringList());
}

TEST(CliProgress, LineShowsPercentBlocksAndTimeLeft) {
    using cli::ProgressLine;
    EXPECT_EQ(ProgressLine::text(45, 455, 1012, 10000), "45%  455/1012 blocks  13 s left");
    // Too early to tell: no time.
    EXPECT_EQ(ProgressLine::text(2, 20, 1024, 5000), "2%  20/1024 blocks");
    EXPECT_EQ(ProgressLine::text(50, 512, 1024, 900), "50%  512/1024 blocks");
    EXPECT_EQ(ProgressLine::text(100, 1024, 1024, 30000), "100%  1024/1024 blocks");
    EXPECT_EQ(ProgressLine::text(60, 0, 0, 6000), "60%  4 s left");
    // A line on a terminal covers a longer one before it.
    ProgressLine line;
    const QString first = line.update(10, 101, 1012);
    EXPECT_EQ(first, "\r10%  101/1012 blocks");
    EXPECT_EQ(line.update(9, 9, 1012), "\r9%  9/1012 blocks   ");
}

TEST(CliJsonFiles, CsvImportReportsRowsTakenAndRefusedWithReasons) {
    test::TempDir dir;
    ASSERT_EQ(test::runCli({"new", dir.path("a.dat")}), 0);
    dir.write("edit.csv", "Location,Frequency,Mode\n12,27.185,AM\n13,99,FM\n14,x,AM\n");
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = cli::runCli(
        {"csv-import", "--json", dir.path("a.dat"), dir.path("edit.csv"), dir.path("b.dat")},
        R5K27_PROGRAM_DIR, outStream, errStream);
    EXPECT_EQ(status, 1);
    const QJsonObject json = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(json["status"].toInt(), 1);
    EXPECT_TRUE(json["written"].toBool());
    EXPECT_EQ(json["taken"].toInt(), 1);
    EXPECT_EQ(json["refusedCount"].toInt(), 2);
    const QJsonArray refused = json["refused"].toArray();
    ASSERT_EQ(refused.size(), 2);
    EXPECT_EQ(refused[0]["row"].toInt(), 3);
    EXPECT_EQ(refused[0]["value"].toString(), "99");
    EXPECT_EQ(refused[0]["reason"].toString(), "frequency outside the band 25.6150 - 30.1050 MHz");
    EXPECT_EQ(refused[1]["row"].toInt(), 4);
    // The rows are still told on standard error.
    EXPECT_TRUE(err.startsWith("row 3: 99: frequency outside the band"));

    // Nothing taken: a file error, nothing written, still one object.
    dir.write("bad.csv", "Location,Frequency,Mode\n13,99,FM\n");
    out.clear();
    EXPECT_EQ(cli::runCli({"csv-import", dir.path("a.dat"), dir.path("bad.csv"), dir.path("c.dat"),
                           "--json"},
                          R5K27_PROGRAM_DIR, outStream, errStream),
              3);
    outStream.flush();
    const QJsonObject none = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(none["taken"].toInt(), 0);
    EXPECT_FALSE(none["written"].toBool());
    EXPECT_FALSE(QFile::exists(dir.path("c.dat")));
}

} // namespace
} // namespace r5k27

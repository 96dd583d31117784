// How the command-line writers treat their files: a full disk, outputs that are inputs, inputs
// that are no files, stored text that could fake output lines.
#include "CliCommands.h"
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "platform/SystemFileCommit.h"
#include "support/ChildProcess.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace r5k27 {
namespace {

struct CliResult {
    int status;
    QString err;
    QString out;
};

CliResult run(const QStringList& args) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = cli::runCli(args, "/nonexistent/R5K27/V200", outStream, errStream);
    return {status, err, out};
}

// A saved document with a few channels and the given group name and DTMF code 1.
void saveSmallDocument(const QString& path, const QString& groupName = "Shop",
                       const QByteArray& dtmf = "123") {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    doc.curImage.chCount.fill(0);
    doc.curImage.chCount(0, 1) = 3;
    doc.curImage.optFeat.groupName(0, 1).assign(groupName);
    doc.curImage.optFeat.dtmf(1).assign(QString::fromLatin1(dtmf));
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    DataFileContext ctx{doc, settings, versions, prompter, systemFileCalls()};
    if (!saveDataFile(ctx, path))
        ADD_FAILURE() << prompter.texts().join('|').toStdString();
}

// One writer of the tool over existing outputs.
struct WriterCase {
    QStringList args;
    QStringList outputs;
};

// Every writer at byte limits from nothing to its largest output (each limit for the document
// pairs, every 61st and the edges for the radio image): exit 1 with the file and the reason and
// the old outputs unchanged, or exit 0 once the largest output fits; never a temporary left.
TEST(CliFullDisk, EveryWriterFailsCleanlyOrWritesEverything) {
    test::TempDir dir{test::TempDir::InMemory{}};
    saveSmallDocument(dir.path("in.dat"));
    ASSERT_EQ(run({"encode", dir.path("in.dat"), dir.path("in.img")}).status, 0);
    const QList<WriterCase> cases{
        {{"copy", dir.path("in.dat"), dir.path("out.dat")},
         {dir.path("out.dat"), dir.path("out.fre")}},
        {{"new", dir.path("out.dat")}, {dir.path("out.dat"), dir.path("out.fre")}},
        {{"decode", dir.path("in.img"), dir.path("out.dat")},
         {dir.path("out.dat"), dir.path("out.fre")}},
        {{"encode", dir.path("in.dat"), dir.path("out.img")}, {dir.path("out.img")}},
    };
    for (const WriterCase& c : cases) {
        // What the command writes when nothing stops it, and old outputs to be kept.
        ASSERT_EQ(run(c.args).status, 0) << run(c.args).err.toStdString();
        qint64 largest = 0;
        QList<QByteArray> old;
        for (const QString& output : c.outputs) {
            largest = std::max(largest, test::fileBytes(output).size());
            old << "old " + output.toUtf8();
            test::putFileBytes(output, old.last());
        }
        const QStringList listing = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        const qint64 step = largest > 4096 ? 61 : 1;
        const QString report = test::runInChild([&]() -> QString {
            for (qint64 limit = 0; limit <= largest; limit += limit + step > largest ? 1 : step) {
                test::setFileSizeLimit(limit);
                const CliResult result = run(c.args);
                test::setFileSizeLimit(-1);
                const QString at = c.args[0] + QStringLiteral(" at limit %1: ").arg(limit);
                const bool written = limit >= largest;
                if (result.status != (written ? 0 : 3))
                    return at + QStringLiteral("status %1 ").arg(result.status) + result.err;
                if (!written && !(result.err.startsWith("file error.\n" + dir.path("out.")) &&
                                  result.err.endsWith(": File too large\n")))
                    return at + result.err;
                if (QDir(dir.path()).entryList(QDir::Files | QDir::Hidden) != listing)
                    return at + QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ');
                for (qsizetype k = 0; k < c.outputs.size(); ++k) {
                    if ((test::fileBytes(c.outputs[k]) == old[k]) == written)
                        return at + c.outputs[k] + QStringLiteral(" wrong");
                    if (written)
                        test::putFileBytes(c.outputs[k], old[k]);
                }
            }
            return {};
        });
        EXPECT_EQ(report, QString());
    }

    // The executable itself: exit status and message on standard error.
    const QByteArray oldData = test::fileBytes(dir.path("out.dat"));
    QProcess cli;
    cli.setChildProcessModifier([] { test::setFileSizeLimit(100); });
    cli.start(R5K27_CLI_PATH, {"copy", dir.path("in.dat"), dir.path("out.dat")});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 3);
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardError()),
              "file error.\n" + dir.path("out.fre") + ": File too large\n");
    EXPECT_EQ(test::fileBytes(dir.path("out.dat")), oldData);
}

// The build-time default files into folders that do not exist yet, at byte limits from nothing
// to all four pairs: a run that fails leaves no folder behind; one that fits leaves all files.
TEST(CliFullDisk, DefaultFilesLeaveNoEmptyFolderBehind) {
    test::TempDir dir{test::TempDir::InMemory{}};
    ASSERT_EQ(run({"defaults", dir.path("whole")}).status, 0);
    const QStringList written = QDir(dir.path("whole")).entryList(QDir::Files);
    qint64 largest = 0;
    for (const QString& name : written)
        largest = std::max(largest, QFileInfo(dir.path("whole/" + name)).size());
    const QString target = dir.path("made/by/run");
    const QString report = test::runInChild([&]() -> QString {
        for (qint64 limit = 0; limit <= largest; limit += 97) {
            test::setFileSizeLimit(limit);
            const CliResult result = run({"defaults", target});
            test::setFileSizeLimit(-1);
            const QString at = QStringLiteral("limit %1: ").arg(limit);
            if (result.status != 1 || !result.err.endsWith(": File too large\n"))
                return at + QString::number(result.status) + ' ' + result.err;
            if (QFileInfo::exists(dir.path("made")))
                return at + "folder left";
        }
        return {};
    });
    EXPECT_EQ(report, QString());
    // A folder that was there before the run is not the run's to remove.
    QDir().mkpath(dir.path("there"));
    const QString kept = test::runInChild([&]() -> QString {
        test::setFileSizeLimit(0);
        const CliResult result = run({"defaults", dir.path("there/new")});
        test::setFileSizeLimit(-1);
        return QFileInfo::exists(dir.path("there/new")) || !QFileInfo(dir.path("there")).isDir()
                   ? QStringLiteral("wrong folders ") + QString::number(result.status)
                   : QString();
    });
    EXPECT_EQ(kept, QString());
    EXPECT_EQ(written.size(), 8);
}

// diff compares what a radio would hold: the work mode counts, digits the radio does not keep
// do not, and two values that read alike say what is stored.
TEST(CliDiff, ComparesInTheRadiosTermsWithTheWorkMode) {
    test::TempDir dir;
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    DataFileContext ctx{doc, settings, versions, prompter, systemFileCalls()};
    const auto save = [&](const QString& name, const std::function<void(Document&)>& edit) {
        const Document kept = doc;
        edit(doc);
        EXPECT_TRUE(saveDataFile(ctx, dir.path(name)));
        doc = kept;
        return dir.path(name);
    };
    const QString plain = save("plain.dat", [](Document&) {});
    const QString hf = save("hf.dat", [](Document& d) { d.curImage.workMode = 1; });
    const QString digits = save("digits.dat", [](Document& d) {
        FixedText<8>& rx = d.chTable.at({0, 1, 1}).rxFreq;
        rx.assign(rx.clean().left(6) + "12");
    });
    const QString roger =
        save("roger.dat", [](Document& d) { d.curImage.optFeat.pubRogerTone = 8; });

    const CliResult mode = run({"diff", plain, hf});
    EXPECT_EQ(mode.status, 1);
    EXPECT_EQ(mode.out, "Work mode CB / HF\n");
    const CliResult alike = run({"diff", plain, digits});
    EXPECT_EQ(alike.status, 0);
    EXPECT_EQ(alike.out, "");
    EXPECT_EQ(run({"diff", plain, roger}).out, "Roger OFF (0) / OFF (8)\n");
}

TEST(CliFiles, OutputsThatAreInputsAreRefusedAndKept) {
    test::TempDir dir;
    saveSmallDocument(dir.path("a.dat"));
    ASSERT_EQ(run({"encode", dir.path("a.dat"), dir.path("a.img")}).status, 0);
    ASSERT_EQ(::symlink(QFile::encodeName(dir.path("a.dat")).constData(),
                        QFile::encodeName(dir.path("link.dat")).constData()),
              0);
    ASSERT_EQ(::link(QFile::encodeName(dir.path("a.img")).constData(),
                     QFile::encodeName(dir.path("hard.img")).constData()),
              0);
    const QStringList names{"a.dat", "a.fre", "a.img"};
    QList<QByteArray> before;
    for (const QString& name : names)
        before << dir.read(name);

    const QList<QStringList> cases{
        {"encode", dir.path("a.dat"), dir.path("a.dat")},
        {"encode", dir.path("a.dat"), dir.path("a.fre")},
        {"encode", dir.path("a.dat"), dir.path("sub/../a.fre")},
        {"decode", dir.path("a.img"), dir.path("a.img")},
        {"decode", dir.path("hard.img"), dir.path("a.img")},
        {"decode", dir.path("a.img"), dir.path("x.fre")},
        {"copy", dir.path("a.dat"), dir.path("a.dat")},
        {"copy", dir.path("a.dat"), dir.path("link.dat")},
        {"read", "--port", "/nonexistent/port", dir.path("r.dat"), "--image", dir.path("r.fre")},
        {"read", "--port", "/nonexistent/port", dir.path("r.dat"), "--image", dir.path("r.dat")},
        {"read", "--port", "/nonexistent/port", dir.path("r.dat"), "--trace", dir.path("r.fre")},
        {"write", "--port", "/nonexistent/port", dir.path("a.dat"), "--trace", dir.path("a.dat")},
        {"write", "--port", "/nonexistent/port", dir.path("a.dat"), "--trace", dir.path("a.fre")},
        {"write", "--port", "/nonexistent/p1", "--port", "/nonexistent/p2", dir.path("a.dat"),
         "--trace", dir.path("a.dat")},
        {"write", "--port", "/nonexistent/p1", "--verify", dir.path("a.dat"), "--trace",
         dir.path("a.fre")},
    };
    QDir().mkpath(dir.path("sub"));
    for (const QStringList& args : cases) {
        const CliResult result = run(args);
        EXPECT_EQ(result.status, 2) << result.err.toStdString() << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("is both an input and an output"))
            << result.err.toStdString();
        for (qsizetype k = 0; k < names.size(); ++k)
            EXPECT_EQ(dir.read(names[k]), before[k]) << args.join(' ').toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"x.*", "r.*"}, QDir::Files), QStringList());
}

TEST(CliFiles, InputsThatAreNoFilesAreRefusedWithoutWaiting) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.path("fifo")).constData(), 0600), 0);
    const QString report = test::runInChild([&]() -> QString {
        ::alarm(20); // a read that blocks ends the child and fails the test
        QString seen;
        for (const char* verb : {"decode", "copy", "encode"}) {
            const CliResult result = run({verb, dir.path("fifo"), dir.path("out.dat")});
            if (result.status != 3 || result.err != "file error.\n")
                seen += verb + QStringLiteral(": %1 %2;").arg(result.status).arg(result.err);
        }
        return seen;
    });
    EXPECT_EQ(report, QString());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(CliShow, StoredControlCharactersAreEscaped) {
    test::TempDir dir;
    saveSmallDocument(dir.path("a.dat"), "A\nB:", "1\r2\x01");
    const CliResult shown = run({"show", dir.path("a.dat")});
    ASSERT_EQ(shown.status, 0);
    EXPECT_TRUE(shown.out.contains("name: A\\x0aB:\n")) << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains("1: 1\\x0d2\\x01\n"));
    for (const QChar c : shown.out)
        EXPECT_TRUE(c == u'\n' || c >= u' ') << int(c.unicode());
}

} // namespace
} // namespace r5k27

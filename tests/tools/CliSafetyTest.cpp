// The command-line writers as a careless or hostile user meets them: relative paths, two saves
// of one pair at once, outputs that are no files, control bytes in an imported list.
#include "CliCommands.h"
#include "CliRun.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace r5k27 {
namespace {

using test::runCli;

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

// Every writer given an output through a folder, relative to the working folder: the files land
// there, whole, and open again.
TEST(CliSafety, RelativeOutputPathsThroughAFolderAreSaved) {
    test::TempDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QDir().mkpath("in");
    QDir().mkpath("sub");
    QStringList failed;
    const QList<QStringList> steps{
        {"new", "in/a.dat"},
        {"encode", "in/a.dat", "sub/a.img"},
        {"csv-export", "in/a.dat", "sub/a.csv"},
        {"new", "sub/new.dat"},
        {"copy", "in/a.dat", "sub/copy.dat"},
        {"decode", "sub/a.img", "sub/decoded.dat"},
        {"csv-import", "in/a.dat", "sub/a.csv", "sub/imported.dat"},
    };
    for (const QStringList& step : steps) {
        QString err;
        if (runCli(step, &err) != 0)
            failed << step.join(' ') + ": " + err;
    }
    for (const char* name : {"new", "copy", "decoded", "imported"})
        if (runCli({"show", "sub/" + QString(name) + ".dat"}) != 0)
            failed << QString(name) + " does not open";
    QDir::setCurrent(previous);
    EXPECT_EQ(failed, QStringList());
    EXPECT_EQ(filesIn(dir.path("sub")),
              QStringList({"a.csv", "a.img", "copy.dat", "copy.fre", "decoded.dat", "decoded.fre",
                           "imported.dat", "imported.fre", "new.dat", "new.fre"}));
}

// Two documents whose pairs differ, for two copies into one output at the same time.
struct TwoPairs {
    explicit TwoPairs(const test::TempDir& dir) {
        EXPECT_EQ(runCli({"new", dir.path("cb.dat")}), 0);
        dir.write("hf.csv", "Location,Frequency,Mode\n501,28.5,FM\n502,28.6,FM\n");
        EXPECT_EQ(
            runCli({"csv-import", dir.path("cb.dat"), dir.path("hf.csv"), dir.path("hf.dat")}), 0);
        cb = dir.read("cb.dat") + dir.read("cb.fre");
        hf = dir.read("hf.dat") + dir.read("hf.fre");
        EXPECT_NE(cb, hf);
    }
    QByteArray cb;
    QByteArray hf;
};

// Runs the two copies into out.dat at once; each one's exit status and error output.
QList<std::pair<int, QString>> copyBothAtOnce(const test::TempDir& dir) {
    QProcess first;
    QProcess second;
    first.start(R5K27_CLI_PATH, {"copy", dir.path("cb.dat"), dir.path("out.dat")});
    second.start(R5K27_CLI_PATH, {"copy", dir.path("hf.dat"), dir.path("out.dat")});
    EXPECT_TRUE(first.waitForFinished(30000) && second.waitForFinished(30000));
    QList<std::pair<int, QString>> results;
    for (QProcess* p : {&first, &second})
        results.append({p->exitCode(), QString::fromUtf8(p->readAllStandardError())});
    return results;
}

// Two copies into one pair at the same time, over and over: the pair is always one input's
// whole pair; a copy that does not wait its turn says so.
TEST(CliSafety, TwoSimultaneousSavesOfOnePairNeverMixIt) {
    test::TempDir dir;
    const TwoPairs pairs(dir);
    for (int round = 0; round < 40; ++round) {
        for (const auto& [status, err] : copyBothAtOnce(dir))
            EXPECT_TRUE(status == 0 ||
                        err == dir.path("out.dat") + " is being saved by another program.\n")
                << round << ": " << err.toStdString();
        const QByteArray out = dir.read("out.dat") + dir.read("out.fre");
        ASSERT_TRUE(out == pairs.cb || out == pairs.hf) << "mixed pair in round " << round;
    }
    EXPECT_EQ(filesIn(dir.path()), QStringList({"cb.dat", "cb.fre", "hf.csv", "hf.dat", "hf.fre",
                                                "out.dat", "out.fre"}));
}

// A folder planted at the lock's name: neither copy goes on without the lock, both say which
// file is in the way, and the pair and the folder are as they were, nothing added.
TEST(CliSafety, APlantedLockFolderStopsBothSimultaneousSaves) {
    test::TempDir dir;
    const TwoPairs pairs(dir);
    ASSERT_EQ(runCli({"copy", dir.path("cb.dat"), dir.path("out.dat")}), 0);
    const QString lock = dir.path("out.dat.r5k27-lock");
    ASSERT_TRUE(QDir().mkpath(lock));
    const QStringList before = filesIn(dir.path());
    for (int round = 0; round < 40; ++round) {
        for (const auto& [status, err] : copyBothAtOnce(dir))
            EXPECT_TRUE(status == 3 && err == "file error.\n" + lock + ": Is a directory\n")
                << round << ": " << status << ' ' << err.toStdString();
        ASSERT_EQ(dir.read("out.dat") + dir.read("out.fre"), pairs.cb) << "round " << round;
        ASSERT_EQ(filesIn(dir.path()), before) << "round " << round;
    }
    EXPECT_TRUE(QFileInfo(lock).isDir());
    EXPECT_EQ(QDir(lock).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
}

// A FIFO or a link to a device as an output is refused at once and stays what it was.
TEST(CliSafety, OutputsThatAreNoFilesAreRefusedWithoutWaiting) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"new", dir.path("a.dat")}), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.path("fifo")).constData(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/null", QFile::encodeName(dir.path("null.csv")).constData()), 0);
    const QString report = test::runInChild([&]() -> QString {
        ::alarm(20);
        QString seen;
        const QList<QStringList> cases{{"encode", dir.path("a.dat"), dir.path("fifo")},
                                       {"csv-export", dir.path("a.dat"), dir.path("null.csv")},
                                       {"copy", dir.path("a.dat"), dir.path("null.csv")}};
        for (const QStringList& args : cases) {
            QString err;
            const int status = runCli(args, &err);
            if (status != 3 || !err.endsWith(": Not a regular file\n"))
                seen += args[0] + QStringLiteral(": %1 %2; ").arg(status).arg(err);
        }
        return seen;
    });
    EXPECT_EQ(report, QString());
    EXPECT_EQ(QFileInfo(dir.path("null.csv")).symLinkTarget(), "/dev/null");
    EXPECT_FALSE(QFileInfo(dir.path("fifo")).isFile());
}

TEST(CliSafety, RejectedRowsShowControlBytesEscaped) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"new", dir.path("a.dat")}), 0);
    dir.write("bad.csv", "Location,Frequency,Mode\n12,27.185,AM\n13,9\x1b[2J9,FM\n");
    QString err;
    EXPECT_EQ(
        runCli({"csv-import", dir.path("a.dat"), dir.path("bad.csv"), dir.path("b.dat")}, &err), 1);
    EXPECT_TRUE(err.startsWith("row 3: 9\\x1b[2J9: ")) << err.toStdString();
}

} // namespace
} // namespace r5k27

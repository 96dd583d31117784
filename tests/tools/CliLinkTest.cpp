// The real r5k27-cli against the virtual radio over a pseudo-terminal.
#include "CliProcess.h"
#include "SimSession.h"
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "platform/SystemFileCommit.h"
#include "support/TempDir.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/types.h>

using namespace r5k27;
using namespace r5k27::test;

namespace {

const QString kCheck = "Check Connection. Retry or Cancel?\n";

// A CB document with a few values away from the defaults, saved as the program saves.
QString knownDocument(const TempDir& dir, const QString& name) {
    return savedDocument(dir, name, [](Document& doc) {
        ChannelRec& ch = doc.chTable.at({0, 3, 7}); // channel 1 of CB group C
        ch.mode = 2;
        ch.decodeTone = 39;
        doc.curImage.optFeat.groupName(0, 3).assign("Shop");
        doc.curImage.optFeat.dtmf(2).assign("123#");
    });
}

int countLines(const QString& text, const QString& suffix) {
    int n = 0;
    for (const QString& line : text.split('\n'))
        n += line.endsWith(suffix) ? 1 : 0;
    return n;
}

} // namespace

TEST(CliLink, IdentifyPrintsModelAndFirmwareAndEndsTheSession) {
    TempDir dir;
    SimProcess sim({"--model", "ZT9999", "--firmware", "V210"});
    ASSERT_FALSE(sim.device().isEmpty());
    const CliRun run =
        runCliProcess({"identify", "--port", sim.device(), "--trace", dir.path("t.log")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "model: ZT9999\nfirmware: V210\n");
    const QString trace = QString::fromUtf8(dir.read("t.log"));
    EXPECT_EQ(countLines(trace, " TX 45 4E 44"), 1);
    EXPECT_EQ(countLines(trace, " RX 06"), 1);
    // The radio is free for the next connection.
    EXPECT_EQ(runCliProcess({"identify", "--port", sim.device()}).status, 0);
    EXPECT_TRUE(sim.stopsOnTerminate());
}

TEST(CliLink, ReadMakesTheRadioDocumentAndItsImage) {
    TempDir dir;
    const QString known = knownDocument(dir, "known.dat");
    ASSERT_EQ(runCliProcess({"encode", known, dir.path("known.img")}).status, 0);
    SimProcess sim({"--image", dir.path("known.img")});

    const CliRun run = runCliProcess(
        {"read", "--port", sim.device(), dir.path("read.dat"), "--image", dir.path("r.img")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Read Data Completed.\n");
    EXPECT_EQ(dir.read("r.img"), dir.read("known.img"));

    // Reading is decoding what came over the line.
    ASSERT_EQ(runCliProcess({"decode", dir.path("known.img"), dir.path("decoded.dat")}).status, 0);
    EXPECT_EQ(dir.read("read.dat"), dir.read("decoded.dat"));
    EXPECT_EQ(dir.read("read.fre"), dir.read("decoded.fre"));

    // Several outputs are written all or none: an image that cannot be written takes the
    // document with it.
    const CliRun lost = runCliProcess(
        {"read", "--port", sim.device(), dir.path("r2.dat"), "--image", dir.path("nodir/r2.img")});
    EXPECT_EQ(lost.status, 3);
    EXPECT_TRUE(lost.err.startsWith("file error.\n")) << lost.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.path("r2.dat")));
    EXPECT_FALSE(QFileInfo::exists(dir.path("r2.fre")));
}

// Erased battery words read as the nearest voltage the radio takes, named on standard error.
TEST(CliLink, ReadNamesTheValuesItReplaced) {
    TempDir dir;
    ASSERT_EQ(
        runCliProcess({"encode", knownDocument(dir, "known.dat"), dir.path("known.img")}).status,
        0);
    QByteArray image = dir.read("known.img");
    image.replace(0x3F00, 4, QByteArray(4, char(0xFF)));
    SimProcess sim({"--image", dir.write("erased.img", image)});

    const CliRun run = runCliProcess({"read", "--port", sim.device(), dir.path("read.dat")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Read Data Completed.\n");
    EXPECT_EQ(run.err, "Values the radio held outside their range were replaced:\n"
                       "BattMin: read 16736, now 170\nBattMax: read 16736, now 170\n");
}

TEST(CliLink, WriteSendsWhatEncodeMakes) {
    TempDir dir;
    const QString known = knownDocument(dir, "known.dat");
    SimProcess sim({"--save", dir.path("saved.img")});

    const CliRun run = runCliProcess({"write", "--port", sim.device(), known});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Write Data Completed.\n");
    ASSERT_EQ(runCliProcess({"encode", known, dir.path("known.img")}).status, 0);
    const QByteArray saved = dir.read("saved.img");
    ASSERT_EQ(saved.size(), kRadioBufSize);
    EXPECT_EQ(saved.left(0x3F40), dir.read("known.img").left(0x3F40));
}

// An other model and a port that cannot open: refused, and no document is made.
TEST(CliLink, RefusalsAreReportedAndWriteNoFile) {
    TempDir dir;
    const QString known = knownDocument(dir, "known.dat");
    SimProcess other({"--model", "ZT9999"});
    const QString missing = dir.path("no-such-port");
    const QString wrongModel = "Model type is wrong.\n";
    const QString cannotOpen = "Cannot Open Communication Port.\n";
    for (const auto& [port, err] : {std::pair{other.device(), wrongModel}, {missing, cannotOpen}}) {
        for (const QStringList& args : {QStringList{"write", "--port", port, known},
                                        QStringList{"read", "--port", port, dir.path("r.dat")}}) {
            const CliRun run = runCliProcess(args);
            EXPECT_EQ(run.status, 4) << args.join(' ').toStdString();
            EXPECT_EQ(run.err, err) << args.join(' ').toStdString();
        }
    }
    EXPECT_EQ(runCliProcess({"identify", "--port", missing}).err, cannotOpen);
    EXPECT_FALSE(QFileInfo::exists(dir.path("r.dat")));
}

TEST(CliLink, SilentRadioAsksAsOftenAsAllowedAndChangesNoFile) {
    TempDir dir;
    dir.write("old.dat", "old document");
    dir.write("old.fre", "old channels");
    SimProcess sim({"--fault", "silent"});
    const QStringList read = {"read",    "--port",           sim.device(), dir.path("old.dat"),
                              "--image", dir.path("old.img")};

    const CliRun run = runCliProcess(read + QStringList{"--retries", "2"});
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err, kCheck + kCheck + kCheck);

    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.dat", "old.fre"}));
}

TEST(CliLink, LostBlockWithRetryStartsOverAndCompletes) {
    TempDir dir;
    SimProcess sim({"--fault", "drop-read:40"});
    const CliRun run =
        runCliProcess({"read", "--port", sim.device(), "--retries", "1", dir.path("r.dat")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, kCheck);
    EXPECT_EQ(run.out, "Read Data Completed.\n");
    EXPECT_EQ(dir.read("r.dat").size(), 1344);
}

// Ctrl+C stops as closing the progress window does: a read at once, a write once its blocks are
// out, a group write once the radio in progress is done; either way the radio gets its end
// request (the sim saves its memory on each one) and the tool ends with 130.
TEST(CliLink, InterruptEndsTheRadiosProgrammingModeAndExits130) {
    TempDir dir;
    const QString known = knownDocument(dir, "known.dat");
    QDir().mkpath(dir.path("sub"));
    for (const QString run : {"read", "write", "group"}) {
        const char* verb = run == "read" ? "read" : "write";
        // About 2 s of blocks at this rate: time enough to interrupt in the middle.
        SimProcess sim({"--save", dir.path("ended.img"), "--pace", "115200"});
        QFile::remove(dir.path("ended.img"));
        const QString trace = dir.path(run + ".log");
        QStringList args{verb, "--port", sim.device(), "--trace", trace};
        args << (run == "read" ? "sub/r.dat" : known);
        if (run == "group")
            args += {"--group", "3"};
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(R5K27_CLI_PATH, args);
        ASSERT_TRUE(process.waitForStarted(5000));
        // Interrupted once a few blocks have gone either way.
        bool interrupted = false;
        for (int wait = 0; wait < 400 && !interrupted; ++wait) {
            process.waitForFinished(25);
            interrupted = dir.read(run + ".log").count('\n') > 40;
            if (interrupted)
                ::kill(pid_t(process.processId()), SIGINT);
        }
        ASSERT_TRUE(interrupted) << run.toStdString();
        ASSERT_TRUE(process.waitForFinished(20000)) << run.toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << run.toStdString();
        EXPECT_EQ(process.exitCode(), 130) << run.toStdString();
        EXPECT_EQ(countLines(QString::fromUtf8(dir.read(run + ".log")), " TX 45 4E 44"), 1)
            << run.toStdString();
        EXPECT_EQ(dir.read("ended.img").size(), kRadioBufSize) << run.toStdString();
    }
    // The read was stopped: no document; the write and the group's first radio ran to their end.
    EXPECT_EQ(QDir(dir.path("sub")).entryList(QDir::Files), QStringList());
    ASSERT_EQ(runCliProcess({"encode", known, dir.path("known.img")}).status, 0);
    EXPECT_EQ(dir.read("ended.img").left(0x3F40), dir.read("known.img").left(0x3F40));
}

// A relative document path through a folder, as every writer of the tool takes it.
TEST(CliLink, ReadIntoARelativePathThroughAFolder) {
    TempDir dir;
    QDir().mkpath(dir.path("sub"));
    SimProcess sim;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(R5K27_CLI_PATH, {"read", "--port", sim.device(), "sub/r.dat"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(QDir(dir.path("sub")).entryList(QDir::Files), QStringList({"r.dat", "r.fre"}));
    EXPECT_EQ(runCliProcess({"show", dir.path("sub/r.dat")}).status, 0);
}

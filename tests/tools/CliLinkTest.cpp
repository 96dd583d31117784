// The real r5k27-cli against the virtual radio over a pseudo-terminal.
#include "SimSession.h"
#include "image/DataFile.h"
#include "image/InitialValues.h"
#include "support/TempDir.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace r5k27;
using namespace r5k27::test;

namespace {

const QString kCheck = "Check Connection. Retry or Cancel?\n";

struct CliRun {
    bool ended = false;
    int status = -1;
    QString out;
    QString err;
};

// Runs the executable with a time bound; a run that does not end is killed and reported.
CliRun cli(const QStringList& args, int limitMs = 30000) {
    QProcess process;
    process.start(R5K27_CLI_PATH, args);
    CliRun run;
    run.ended = process.waitForFinished(limitMs);
    if (!run.ended) {
        process.kill();
        process.waitForFinished(2000);
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray randomBytes(std::uint32_t seed) {
    QByteArray bytes(kRadioBufSize, '\0');
    QRandomGenerator rng(seed);
    for (auto& b : bytes)
        b = char(rng.bounded(256));
    return bytes;
}

// A CB document with a few values away from the defaults, saved as the program saves.
QString knownDocument(const TempDir& dir, const QString& name) {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    ChannelRec& ch = doc.chTable.at(0, 7, 3); // channel 1 of CB group C
    ch.mode = 2;
    ch.decodeTone = 39;
    doc.curImage.optFeat.groupName(0, 3).assign("Shop");
    doc.curImage.optFeat.dtmf(2).assign("123#");
    VersionList versions = VersionList::builtIn();
    ScriptedPrompter prompter;
    DataFileContext files{doc, settings, versions, prompter};
    EXPECT_TRUE(saveDataFile(files, dir.path(name)));
    return dir.path(name);
}

QJsonObject shownJson(const QString& path) {
    const CliRun shown = cli({"show", "--json", path});
    EXPECT_EQ(shown.status, 0) << shown.err.toStdString();
    return QJsonDocument::fromJson(shown.out.toUtf8()).object();
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
    const CliRun run = cli({"identify", "--port", sim.device(), "--trace", dir.path("t.log")});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "model: ZT9999\nfirmware: V210\n");
    EXPECT_TRUE(run.err.isEmpty());
    const QString trace = QString::fromUtf8(dir.read("t.log"));
    EXPECT_EQ(countLines(trace, " TX 45 4E 44"), 1);
    EXPECT_EQ(countLines(trace, " RX 06"), 1);
    // The radio is free for the next connection.
    EXPECT_EQ(cli({"identify", "--port", sim.device()}).status, 0);
    EXPECT_TRUE(sim.stopsOnTerminate());
}

TEST(CliLink, ReadMakesTheRadioDocumentAndItsImage) {
    TempDir dir;
    const QString known = knownDocument(dir, "known.dat");
    ASSERT_EQ(cli({"encode", known, dir.path("known.img")}).status, 0);
    SimProcess sim({"--image", dir.path("known.img")});

    const CliRun run =
        cli({"read", "--port", sim.device(), dir.path("read.dat"), "--image", dir.path("r.img")});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Read Data Completed.\n");
    EXPECT_EQ(dir.read("r.img"), dir.read("known.img"));

    // The start-up document is HF; the radio's band wins.
    const QJsonObject read = shownJson(dir.path("read.dat"));
    EXPECT_EQ(read["workModeText"].toString(), "CB");
    EXPECT_EQ(read["band"].toString(), "25.6150 - 30.1050 MHz");
    const QJsonObject groupC = read["CB"]["groups"][2].toObject();
    EXPECT_EQ(groupC["name"].toString(), "Shop");
    QJsonObject channel1;
    for (const QJsonValue ch : groupC["channels"].toArray())
        if (ch["ch"].toString() == "1")
            channel1 = ch.toObject();
    EXPECT_EQ(channel1["mode"].toString(), "USB");
    EXPECT_EQ(channel1["tsq"].toString(), "D023N");
    EXPECT_EQ(read["dtmfCodes"][1].toString(), "123#");

    // Reading is decoding what came over the line.
    ASSERT_EQ(cli({"decode", dir.path("known.img"), dir.path("decoded.dat")}).status, 0);
    EXPECT_EQ(dir.read("read.dat"), dir.read("decoded.dat"));
    EXPECT_EQ(dir.read("read.fre"), dir.read("decoded.fre"));

    // Several outputs are written all or none: an image that cannot be written takes the
    // document with it. An output that is another output is refused before the radio is read.
    const CliRun lost = cli(
        {"read", "--port", sim.device(), dir.path("r2.dat"), "--image", dir.path("nodir/r2.img")});
    EXPECT_EQ(lost.status, 1);
    EXPECT_TRUE(lost.err.startsWith("file error.\n")) << lost.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.path("r2.dat")));
    EXPECT_FALSE(QFileInfo::exists(dir.path("r2.fre")));
    const CliRun clash =
        cli({"read", "--port", sim.device(), dir.path("r3.dat"), "--image", dir.path("r3.fre")});
    EXPECT_EQ(clash.status, 2);
    EXPECT_EQ(QDir(dir.path()).entryList({"r3*"}, QDir::Files), QStringList());
}

// Erased battery words read as the nearest voltage the radio takes, named on standard error,
// and the document read goes back to the radio without a refusal.
TEST(CliLink, ReadNamesTheValuesItReplacedAndTheResultCanBeWritten) {
    TempDir dir;
    ASSERT_EQ(cli({"encode", knownDocument(dir, "known.dat"), dir.path("known.img")}).status, 0);
    QByteArray image = dir.read("known.img");
    image.replace(0x3F00, 4, QByteArray(4, char(0xFF)));
    SimProcess sim({"--image", dir.write("erased.img", image)});

    const CliRun run = cli({"read", "--port", sim.device(), dir.path("read.dat")});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Read Data Completed.\n");
    EXPECT_EQ(run.err, "Values the radio held outside their range were replaced:\n"
                       "BattMin: read 16736, now 170\nBattMax: read 16736, now 170\n");
    const CliRun write = cli({"write", "--port", sim.device(), dir.path("read.dat")});
    EXPECT_EQ(write.status, 0) << write.err.toStdString();
    EXPECT_EQ(write.out, "Write Data Completed.\n");
}

TEST(CliLink, UntoldSimHoldsTheStartUpDocument) {
    TempDir dir;
    SimProcess sim;
    ASSERT_EQ(cli({"read", "--port", sim.device(), dir.path("r.dat"), "--image", dir.path("r.img")})
                  .status,
              0);
    ASSERT_EQ(cli({"new", dir.path("n.dat")}).status, 0);
    ASSERT_EQ(cli({"encode", dir.path("n.dat"), dir.path("n.img")}).status, 0);
    EXPECT_EQ(dir.read("r.img"), dir.read("n.img"));
}

TEST(CliLink, WriteSendsWhatEncodeMakes) {
    TempDir dir;
    const QString known = knownDocument(dir, "known.dat");
    const QByteArray before = randomBytes(5);
    SimProcess sim({"--image", dir.write("before.img", before), "--save", dir.path("saved.img")});

    const CliRun run = cli({"write", "--port", sim.device(), known});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Write Data Completed.\n");
    ASSERT_EQ(cli({"encode", known, dir.path("known.img")}).status, 0);
    const QByteArray saved = dir.read("saved.img");
    ASSERT_EQ(saved.size(), kRadioBufSize);
    EXPECT_EQ(saved.left(0x3F40), dir.read("known.img").left(0x3F40));
    // A write does not send the top 192 bytes.
    EXPECT_EQ(saved.mid(0x3F40), before.mid(0x3F40));
}

TEST(CliLink, GroupWriteProgramsTwoRadiosOneAfterTheOther) {
    TempDir dir;
    const QString known = knownDocument(dir, "known.dat");
    // The first radio goes quiet for two polls (four program requests) after its write; then the
    // "next" one answers.
    SimProcess sim({"--fault", "drop-handshake:2", "--fault", "drop-handshake:3", "--fault",
                    "drop-handshake:4", "--fault", "drop-handshake:5", "--model", "ZT9999",
                    "--save", dir.path("saved.img")});
    const CliRun run =
        cli({"write", "--port", sim.device(), "--group", "2", known, "--trace", dir.path("t.log")});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Write Data Completed.\n");
    EXPECT_TRUE(run.err.isEmpty()) << "no identity check, no question";
    const QString trace = QString::fromUtf8(dir.read("t.log"));
    EXPECT_EQ(countLines(trace, " TX 45 4E 44"), 2);
    EXPECT_EQ(trace.count(" TX 57 "), 2 * 1012);
    ASSERT_EQ(cli({"encode", known, dir.path("known.img")}).status, 0);
    EXPECT_EQ(dir.read("saved.img").left(0x3F40), dir.read("known.img").left(0x3F40));
}

TEST(CliLink, OtherModelIsRefusedByReadAndWrite) {
    TempDir dir;
    const QString known = knownDocument(dir, "known.dat");
    SimProcess sim({"--model", "ZT9999"});
    for (const QStringList& args :
         {QStringList{"write", "--port", sim.device(), known},
          QStringList{"read", "--port", sim.device(), dir.path("r.dat")}}) {
        const CliRun run = cli(args);
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.status, 1) << args[0].toStdString();
        EXPECT_EQ(run.err, "Model type is wrong.\n") << args[0].toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(dir.path("r.dat")));
}

TEST(CliLink, SilentRadioAsksAsOftenAsAllowedAndChangesNoFile) {
    TempDir dir;
    dir.write("old.dat", "old document");
    dir.write("old.fre", "old channels");
    SimProcess sim({"--fault", "silent"});
    const QStringList read = {"read",    "--port",           sim.device(), dir.path("old.dat"),
                              "--image", dir.path("old.img")};

    CliRun run = cli(read);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, kCheck);

    run = cli(read + QStringList{"--retries", "2"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, kCheck + kCheck + kCheck);

    EXPECT_EQ(dir.read("old.dat"), "old document");
    EXPECT_EQ(dir.read("old.fre"), "old channels");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.dat", "old.fre"}));

    run = cli({"identify", "--port", sim.device()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, kCheck);
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(CliLink, LostBlockWithRetryStartsOverAndCompletes) {
    TempDir dir;
    SimProcess sim({"--fault", "drop-read:40"});
    const CliRun run = cli({"read", "--port", sim.device(), "--retries", "1", dir.path("r.dat")});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, kCheck);
    EXPECT_EQ(run.out, "Read Data Completed.\n");
    EXPECT_EQ(dir.read("r.dat").size(), 1344);
}

TEST(CliLink, PortThatCannotOpenIsReported) {
    TempDir dir;
    const QString missing = dir.path("no-such-port");
    for (const QStringList& args :
         {QStringList{"identify", "--port", missing},
          QStringList{"read", "--port", missing, dir.path("r.dat")},
          QStringList{"write", "--port", missing, knownDocument(dir, "known.dat")}}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 1) << args[0].toStdString();
        EXPECT_EQ(run.err, "Cannot Open Communication Port.\n") << args[0].toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.path("r.dat")));
}

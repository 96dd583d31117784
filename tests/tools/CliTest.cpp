#include "CliCommands.h"
#include "core/document/DataFile.h"
#include "core/document/DocumentSamples.h"
#include "core/document/InitialValues.h"
#include "platform/SystemFileCommit.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

struct CliResult {
    int status;
    QString out;
    QString err;
};

CliResult runIn(const QString& programFolder, const QStringList& args) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = cli::runCli(args, programFolder, outStream, errStream);
    return {status, out, err};
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A program folder without default files or version list.
CliResult run(const QStringList& args) {
    return runIn("/nonexistent/R5K27/V200", args);
}

// Saves a document the way the program does; false when the save failed.
bool saveAsProgram(Document& doc, AppSettings& settings, const QString& path) {
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    DataFileContext ctx{doc, settings, versions, prompter, systemFileCalls()};
    return saveDataFile(ctx, path);
}

TEST(CliNew, WritesTheStartDocumentOfTheProgramFolder) {
    test::TempDir dir;
    // The build's program folder carries the generated default files: the New file is overlaid.
    const QString programDir = R5K27_PROGRAM_DIR;
    ASSERT_TRUE(QFileInfo::exists(programDir + "/Init/1_ZT6666_New.dat"));
    ASSERT_EQ(runIn(programDir, {"new", dir.path("n.dat")}).status, 0);
    EXPECT_EQ(dir.read("n.dat"), readFile(programDir + "/Init/1_ZT6666_New.dat"));
    EXPECT_EQ(dir.read("n.fre"), readFile(programDir + "/Init/1_ZT6666_New.fre"));

    // Without default files it is the built-in document, exactly as start-up makes it.
    Document doc;
    AppSettings settings;
    newDocumentAtStart(doc, settings, "/nonexistent/R5K27/V200");
    ASSERT_TRUE(saveAsProgram(doc, settings, dir.path("expected.dat")));
    ASSERT_EQ(run({"new", dir.path("b.dat")}).status, 0);
    EXPECT_EQ(dir.read("b.dat"), dir.read("expected.dat"));
    EXPECT_EQ(dir.read("b.fre"), dir.read("expected.fre"));
}

TEST(CliDefaults, ShippedFilesAreTheBuiltInDocumentsOfTheirBand) {
    test::TempDir dir;
    qputenv("SOURCE_DATE_EPOCH", "1767225600"); // 2026-01-01
    ASSERT_EQ(run({"defaults", dir.path("Init")}).status, 0);
    qunsetenv("SOURCE_DATE_EPOCH");
    for (int workMode : {0, 1}) {
        Document doc;
        AppSettings settings;
        writeBuiltInDefaults(doc, settings, workMode, QDate(2026, 1, 1));
        const QString expected = dir.path(QString("expected%1.dat").arg(workMode));
        ASSERT_TRUE(saveAsProgram(doc, settings, expected));
        for (const char* name : {"_ZT6666_New", "_ZT6666"}) {
            const QString base = dir.path("Init/") + QString::number(workMode) + name;
            SCOPED_TRACE(base.toStdString());
            EXPECT_EQ(readFile(base + ".dat"), readFile(expected));
            EXPECT_EQ(readFile(base + ".fre"), readFile(expected.chopped(3) + "fre"));
        }
    }
    EXPECT_EQ(dir.read("Init/0_ZT6666.dat").at(4), 0); // work mode CB
    EXPECT_EQ(dir.read("Init/1_ZT6666.dat").at(4), 1); // work mode HF
}

TEST(CliCopy, FilesTheProgramWroteCopyByteForByte) {
    test::TempDir dir;
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        QRandomGenerator rng(seed);
        Document doc = test::randomDocument(rng);
        AppSettings settings;
        ASSERT_TRUE(saveAsProgram(doc, settings, dir.path("in.dat")));
        const CliResult result = run({"copy", dir.path("in.dat"), dir.path("out.dat")});
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty());
        EXPECT_EQ(dir.read("out.dat"), dir.read("in.dat")) << seed;
        EXPECT_EQ(dir.read("out.fre"), dir.read("in.fre")) << seed;
    }
}

TEST(CliCopy, RefusesWhatTheProgramRefusesWithItsMessage) {
    test::TempDir dir;
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 1, QDate(2026, 1, 1));
    ASSERT_TRUE(saveAsProgram(doc, settings, dir.path("good.dat")));
    QByteArray old = dir.read("good.dat");
    old.replace(0, 4, "V100");
    dir.write("old.dat", old);
    dir.write("old.fre", dir.read("good.fre"));
    dir.write("bad.dat", "XYZW" + old.mid(4));

    const struct {
        const char* file;
        QString message;
    } cases[] = {
        {"none.dat", "file error.\n"},
        {"bad.dat", "Unknown version Of DataFile!\n"},
        {"old.dat", "incompatible version. It may cause unknown error.To start the corresponding "
                    "software version, or not?\nDataFile version is V1.00\nprogramming software "
                    "is V2.00\n"},
    };
    for (const auto& c : cases) {
        const CliResult result = run({"copy", dir.path(c.file), dir.path("out.dat")});
        EXPECT_EQ(result.status, 3) << c.file;
        EXPECT_EQ(result.err, c.message) << c.file;
        EXPECT_FALSE(QFileInfo::exists(dir.path("out.dat"))) << c.file;
    }
    dir.write("short.dat", "V200" + old.mid(4, 96));
    EXPECT_EQ(run({"copy", dir.path("short.dat"), dir.path("out.dat")}).err,
              "Wrong data file length: 100 bytes (1344 expected).\n");
    EXPECT_EQ(run({"copy", dir.path("good.dat"), dir.path("missing/out.dat")}).err,
              "file error.\n" + dir.path("missing/out.dat") + ": No such file or directory\n");
}

TEST(CliShow, PrintsTheWholeDocumentStably) {
    test::TempDir dir;
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    ChannelRec& ch = doc.chTable.at({0, 3, 7}); // channel 1 of CB group C
    ch.mode = 2;
    ch.decodeTone = 39;
    ch.repShift = 2;
    doc.curImage.optFeat.groupName(0, 3).assign("Shop");
    doc.curImage.optFeat.dtmf(2).assign("123#");
    ASSERT_TRUE(saveAsProgram(doc, settings, dir.path("a.dat")));

    const CliResult shown = run({"show", dir.path("a.dat")});
    ASSERT_EQ(shown.status, 0);
    const QString& text = shown.out;
    EXPECT_TRUE(
        text.startsWith("band: \"25.6150 - 30.1050 MHz\"\nworkMode: 0\nworkModeText: CB\n"));
    EXPECT_TRUE(text.contains("      name: Shop\n"));
    EXPECT_TRUE(
        text.contains("        7: ch=1 flag=1 scan=Add rx=28.1150 tx=28.1150 spare1=0 spare2=0 "
                      "tsq=D023N encode=88.5 mode=USB hiCut=OFF nbAnl=ON echo=OFF add10K=OFF "
                      "busy=OFF roger=0 rep=- "));
    EXPECT_TRUE(text.contains("  MicLevel: text=30 value=30\n"));
    EXPECT_TRUE(text.contains("  BattMax: text=16.8 value=168\n"));
    EXPECT_TRUE(text.contains("  2: 123#\n"));
    EXPECT_TRUE(text.contains("  4: playable=yes repeat=1 interTime=0 steps=\"64/6 94/6 "));

    // A copy shows the same; one change shows as one changed line.
    ASSERT_EQ(run({"copy", dir.path("a.dat"), dir.path("b.dat")}).status, 0);
    EXPECT_EQ(run({"show", dir.path("b.dat")}).out, text);
    doc.chTable.at({1, 10, 1}).busyLock = 1;
    ASSERT_TRUE(saveAsProgram(doc, settings, dir.path("c.dat")));
    const QStringList before = text.split('\n');
    const QStringList after = run({"show", dir.path("c.dat")}).out.split('\n');
    ASSERT_EQ(before.size(), after.size());
    int changed = 0;
    for (qsizetype i = 0; i < before.size(); ++i)
        changed += before[i] != after[i] ? 1 : 0;
    EXPECT_EQ(changed, 1);

    const CliResult json = run({"show", "--json", dir.path("a.dat")});
    ASSERT_EQ(json.status, 0);
    const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(root["workModeText"].toString(), "CB");
    const QJsonObject groupC = root["CB"]["groups"][2].toObject();
    EXPECT_EQ(groupC["name"].toString(), "Shop");
    EXPECT_EQ(groupC["channels"].toArray().size(), 7);
    EXPECT_EQ(groupC["channels"][6]["tsq"].toString(), "D023N");
    EXPECT_EQ(root["options"]["BattMin"]["text"].toString(), "9.7");
    EXPECT_EQ(root["dtmfCodes"][1].toString(), "123#");
    EXPECT_EQ(root["rogerTones"].toArray().size(), 8);
}

TEST(CliImage, EncodeAndDecodeRoundTrip) {
    test::TempDir dir;
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    doc.chTable.at({0, 4, 2}).mode = 3; // second record of CB group D
    doc.curImage.optFeat.dtmf(16).assign("*#0");
    ASSERT_TRUE(saveAsProgram(doc, settings, dir.path("a.dat")));

    ASSERT_EQ(run({"encode", dir.path("a.dat"), dir.path("a.img")}).status, 0);
    const QByteArray image = dir.read("a.img");
    ASSERT_EQ(image.size(), 16384);
    const CliResult decoded = run({"decode", dir.path("a.img"), dir.path("b.dat")});
    ASSERT_EQ(decoded.status, 0) << decoded.err.toStdString();
    ASSERT_EQ(run({"encode", dir.path("b.dat"), dir.path("b.img")}).status, 0);
    EXPECT_EQ(dir.read("b.img"), image);

    // The document is the radio's, not the start-up one: CB band, the changed values.
    const QJsonObject root =
        QJsonDocument::fromJson(run({"show", "--json", dir.path("b.dat")}).out.toUtf8()).object();
    EXPECT_EQ(root["workModeText"].toString(), "CB");
    EXPECT_EQ(root["dtmfCodes"][15].toString(), "*#0");
}

TEST(CliImage, RefusesWhatIsNoImageOrDoesNotFitTheRadio) {
    test::TempDir dir;
    const CliResult small =
        run({"decode", dir.write("small.img", QByteArray(100, '\0')), dir.path("s.dat")});
    EXPECT_EQ(small.status, 3);
    EXPECT_EQ(small.err, "Wrong image length: 100 bytes (16384 expected).\n");
    EXPECT_EQ(run({"decode", dir.path("none.img"), dir.path("s.dat")}).err, "file error.\n");
    EXPECT_FALSE(QFileInfo::exists(dir.path("s.dat")));

    // A value the radio cannot hold stops encode and write before anything is written or the
    // port is opened.
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    doc.chTable.at({0, 1, 7}).echo = 2;
    ASSERT_TRUE(saveAsProgram(doc, settings, dir.path("bad.dat")));
    const QString refusal =
        "Cannot write to the radio: Echo (CB group A, channel 1) is 2, but the radio takes "
        "0..1.\n";
    const CliResult encode = run({"encode", dir.path("bad.dat"), dir.path("bad.img")});
    EXPECT_EQ(encode.status, 3);
    EXPECT_EQ(encode.err, refusal);
    EXPECT_FALSE(QFileInfo::exists(dir.path("bad.img")));
    const CliResult write = run({"write", "--port", dir.path("no-port"), dir.path("bad.dat")});
    EXPECT_EQ(write.status, 3);
    EXPECT_EQ(write.err, refusal);
}

TEST(CliProgram, ExitStatusAndMessagesOfTheRealExecutable) {
    test::TempDir dir;
    QProcess cli;
    cli.start(R5K27_CLI_PATH, {"new", dir.path("n.dat")});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_EQ(dir.read("n.dat").size(), 1344);

    cli.start(R5K27_CLI_PATH, {"show", dir.path("missing.dat")});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 3);
    EXPECT_EQ(cli.readAllStandardError(), "file error.\n");
    EXPECT_TRUE(cli.readAllStandardOutput().isEmpty());

    cli.start(R5K27_CLI_PATH, {"frobnicate"});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 2);
    EXPECT_EQ(cli.readAllStandardError(), "r5k27-cli: unknown command 'frobnicate'\n"
                                          "'r5k27-cli --help' lists the commands.\n");
}

} // namespace
} // namespace r5k27

#include "SimSession.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace r5k27;
using namespace r5k27::test;

namespace {

const QString kCheck = "Check Connection. Retry or Cancel?";
const QString kReadDone = "Read Data Completed.";
const QString kWriteDone = "Write Data Completed.";

bool spinUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QByteArray randomImage(std::uint32_t seed = 27) {
    QByteArray image(kRadioBufSize, '\0');
    QRandomGenerator rng(seed);
    for (auto& b : image)
        b = char(rng.bounded(256));
    return image;
}

} // namespace

TEST(SimLink, FullReadBringsTheRadioMemory) {
    TempDir dir;
    const QByteArray image = randomImage();
    SimProcess sim({"--image", dir.write("radio.img", image)});
    ASSERT_FALSE(sim.device().isEmpty());

    LinkSession s;
    ASSERT_TRUE(s.run(LinkOp::Read, sim.device()));
    EXPECT_TRUE(s.succeeded);
    EXPECT_EQ(s.outcome.image, image);
    EXPECT_EQ(s.prompter.texts(), QStringList({kReadDone}));
    EXPECT_FALSE(s.link.port.isOpen());
    EXPECT_TRUE(sim.stopsOnTerminate());
}

TEST(SimLink, FullWriteLandsInTheRadioBelowItsTopBlocks) {
    TempDir dir;
    const QByteArray before = randomImage(28);
    SimProcess sim({"--image", dir.write("before.img", before), "--save", dir.path("saved.img")});
    LinkSession s;
    s.image = randomImage();
    ASSERT_TRUE(s.run(LinkOp::Write, sim.device()));
    EXPECT_TRUE(s.succeeded);
    EXPECT_EQ(s.prompter.texts(), QStringList({kWriteDone}));
    const QByteArray saved = dir.read("saved.img");
    ASSERT_EQ(saved.size(), kRadioBufSize);
    EXPECT_EQ(saved.left(0x3F40), s.image.left(0x3F40));
    EXPECT_EQ(saved.mid(0x3F40), before.mid(0x3F40));
}

TEST(SimLink, ServesOneConnectionAfterAnother) {
    SimProcess sim;
    for (int i = 0; i < 2; ++i) {
        LinkSession s;
        ASSERT_TRUE(s.run(LinkOp::Read, sim.device()));
        EXPECT_TRUE(s.succeeded) << "connection " << i;
    }
    LinkSession info;
    ASSERT_TRUE(info.run(LinkOp::RadioInfo, sim.device()));
    EXPECT_FALSE(info.succeeded);
    EXPECT_TRUE(info.prompter.shown.isEmpty());
    EXPECT_FALSE(info.link.port.isOpen());
}

struct FaultCase {
    const char* name;
    QStringList simArgs;
    LinkOp op;
    QList<Answer> answers;
    bool succeeds;
    QStringList texts;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class SimFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SimFault, EndsWithTheRightQuestionOrMessage) {
    const FaultCase& c = GetParam();
    SimProcess sim(c.simArgs);
    ASSERT_FALSE(sim.device().isEmpty());
    LinkSession s;
    s.prompter.answers = c.answers;
    ASSERT_TRUE(s.run(c.op, sim.device())) << "no end in time";
    EXPECT_EQ(s.succeeded, c.succeeds);
    EXPECT_EQ(s.prompter.texts(), c.texts);
    EXPECT_FALSE(s.link.port.isOpen());
    EXPECT_FALSE(s.link.engine.isRunning());
    EXPECT_TRUE(sim.stopsOnTerminate());
}

const QString kWrongModel = "Model type is wrong.";
const QString kPartial =
    "The radio now holds a partial write and will not work as before. Write it again.";
const QString kVersionQuestion =
    incompatibleMessage("V200", "V210", VersionKind::Firmware, Language::English);

INSTANTIATE_TEST_SUITE_P(
    Kinds, SimFault,
    ::testing::Values(
        FaultCase{"LostHandshakeIsResent",
                  {"--fault", "drop-handshake:1"},
                  LinkOp::Read,
                  {},
                  true,
                  {kReadDone}},
        FaultCase{"LostIdentityIsResent",
                  {"--fault", "drop-identify"},
                  LinkOp::Write,
                  {},
                  true,
                  {kWriteDone}},
        FaultCase{"LostReadBlockAsks",
                  {"--fault", "drop-read:5"},
                  LinkOp::Read,
                  {Answer::Cancel},
                  false,
                  {kCheck}},
        FaultCase{"LostReadBlockOkStartsOver",
                  {"--fault", "drop-read:5"},
                  LinkOp::Read,
                  {Answer::Retry},
                  true,
                  {kCheck, kReadDone}},
        FaultCase{"LostWriteAckAsks",
                  {"--fault", "drop-write:7"},
                  LinkOp::Write,
                  {Answer::Cancel},
                  false,
                  {kCheck, kPartial}},
        FaultCase{"BadChecksumAsks",
                  {"--fault", "bad-checksum:3"},
                  LinkOp::Read,
                  {Answer::Cancel},
                  false,
                  {kCheck}},
        FaultCase{"WrongAddressAsks",
                  {"--fault", "wrong-address:3"},
                  LinkOp::Read,
                  {Answer::Cancel},
                  false,
                  {kCheck}},
        FaultCase{
            "SplitReplyIsTakenWhole", {"--fault", "split:3"}, LinkOp::Read, {}, true, {kReadDone}},
        FaultCase{"ExtraTrailingByteAsks",
                  {"--fault", "extra-byte:3"},
                  LinkOp::Read,
                  {Answer::Cancel},
                  false,
                  {kCheck}},
        FaultCase{"SilentRadioAsksRetryThenCancel",
                  {"--fault", "silent"},
                  LinkOp::Read,
                  {Answer::Retry, Answer::Cancel},
                  false,
                  {kCheck, kCheck}},
        FaultCase{"UnpluggedDuringWriteAsks",
                  {"--fault", "unplug:10"},
                  LinkOp::Write,
                  {Answer::Cancel},
                  false,
                  {kCheck, kPartial}},
        FaultCase{"UnansweredEndStillCompletes",
                  {"--fault", "no-end-ack"},
                  LinkOp::Read,
                  {},
                  true,
                  {kReadDone}},
        FaultCase{"UnansweredEndOfAWriteAsksForARestart",
                  {"--fault", "no-end-ack"},
                  LinkOp::Write,
                  {},
                  true,
                  {kWriteDone + "\r\nThe radio did not confirm the end of programming. Switch "
                                "it off and on again before use."}},
        FaultCase{
            "OtherModelIsRejected", {"--model", "ZT9999"}, LinkOp::Write, {}, false, {kWrongModel}},
        FaultCase{"OtherFirmwareAsksForItsVersion",
                  {"--firmware", "V210"},
                  LinkOp::Read,
                  {Answer::No},
                  false,
                  {kVersionQuestion}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SimLink, GroupWriteOfOneRadioCompletes) {
    SimProcess sim({"--model", "ZT9999"});
    LinkSession s;
    ASSERT_TRUE(s.run(LinkOp::Write, sim.device(), 1));
    EXPECT_TRUE(s.succeeded);
    EXPECT_EQ(s.prompter.texts(), QStringList({kWriteDone}));
}

TEST(SimLink, TraceRecordsBothDirections) {
    TempDir dir;
    SimProcess sim({"--fault", "drop-read:1"});
    const QString envTrace = dir.path("env.trace");
    qputenv("R5K27_TRACE", envTrace.toLocal8Bit());
    LinkSession s;
    qunsetenv("R5K27_TRACE");
    s.prompter.answers = {Answer::Cancel};
    ASSERT_TRUE(s.run(LinkOp::Read, sim.device()));

    const QStringList lines = QString::fromUtf8(dir.read("env.trace")).split('\n');
    const QRegularExpression stamp("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3} ");
    EXPECT_GE(lines.filter(stamp).size(), 5);
    EXPECT_EQ(lines.filter(QRegularExpression(" TX 50 52 4F 47 52 41 4D$")).size(), 1);
    EXPECT_EQ(lines.filter(QRegularExpression(" RX 5A 54 06$")).size(), 1);
    EXPECT_EQ(lines.filter(QRegularExpression(" TX 52 00 00 10$")).size(), 1);

    // The command-line tool names its own file.
    ASSERT_TRUE(s.link.port.setTraceFile(dir.path("cli.trace")));
    ASSERT_TRUE(s.run(LinkOp::Read, sim.device()));
    EXPECT_TRUE(QString::fromUtf8(dir.read("cli.trace")).contains(" RX 06\n"));
}

TEST(SimLink, RefusesOptionsItCannotHonour) {
    TempDir dir;
    const QString shortImage = dir.write("short.img", QByteArray(100, '\0'));
    for (const QStringList& args :
         {QStringList{"--fault", "explode"}, QStringList{"--image", shortImage},
          QStringList{"--model", "TOOLONGMODEL"}, QStringList{"--pace", "0"}}) {
        QProcess sim;
        sim.start(simPath(), args);
        ASSERT_TRUE(sim.waitForFinished(10000)) << args.join(' ').toStdString();
        EXPECT_NE(sim.exitCode(), 0) << args.join(' ').toStdString();
        EXPECT_TRUE(sim.readAllStandardOutput().isEmpty()) << "no device path on failure";
    }
}

TEST(SimLink, TwoEnginesReadTwoRadiosAtOnce) {
    TempDir dir;
    const QByteArray imageA = randomImage(1);
    const QByteArray imageB = randomImage(2);
    SimProcess simA({"--image", dir.write("a.img", imageA)});
    SimProcess simB({"--image", dir.write("b.img", imageB)});
    LinkSession a;
    LinkSession b;
    ASSERT_TRUE(a.start(LinkOp::Read, simA.device()));
    ASSERT_TRUE(b.start(LinkOp::Read, simB.device()));
    bool overlapped = false;
    ASSERT_TRUE(spinUntil(
        [&] {
            overlapped = overlapped ||
                         (a.link.engine.isRunning() && b.link.engine.isRunning() &&
                          a.link.engine.status().curAddr > 0 && b.link.engine.status().curAddr > 0);
            return a.ended && b.ended;
        },
        60000));
    EXPECT_TRUE(overlapped);
    EXPECT_TRUE(a.succeeded);
    EXPECT_TRUE(b.succeeded);
    EXPECT_EQ(a.outcome.image, imageA);
    EXPECT_EQ(b.outcome.image, imageB);
}

TEST(SimLink, GroupWriteAsksTheAttachedRadioAtMostEveryReplyPeriod) {
    TempDir dir;
    SimProcess sim; // the written radio stays attached and answers every request
    struct Polling : LinkSession {
        QElapsedTimer sinceWritten;
        void radioCompleted(int) override { sinceWritten.start(); }
    } s;
    ASSERT_TRUE(s.link.port.setTraceFile(dir.path("t.log")));
    ASSERT_TRUE(s.start(LinkOp::Write, sim.device(), 2));
    ASSERT_TRUE(spinUntil(
        [&] { return s.sinceWritten.isValid() && s.sinceWritten.elapsed() >= 2500; }, 30000));
    const double seconds = double(s.sinceWritten.elapsed()) / 1000.0;
    s.link.engine.stop();

    const QString trace = QString::fromUtf8(dir.read("t.log"));
    const QString polling = trace.mid(trace.indexOf(" TX 45 4E 44"));
    const int requests = int(polling.count(" TX 50 52 4F 47 52 41 4D"));
    EXPECT_GE(requests, 4) << "it goes on polling";
    EXPECT_LE(requests, 4 * seconds) << requests << " program requests in " << seconds << " s";
    EXPECT_EQ(trace.count(" TX 57 "), 1012) << "the attached radio is not written again";
}

TEST(SimLink, IdentifyTellsWhoTheRadioIsWithoutJudgingIt) {
    SimProcess other({"--model", "ZT9999", "--firmware", "V210"});
    LinkSession s;
    ASSERT_TRUE(s.run(LinkOp::Identify, other.device()));
    EXPECT_TRUE(s.succeeded);
    EXPECT_EQ(s.outcome.identity.model, "ZT9999");
    EXPECT_EQ(s.outcome.identity.firmware, "V210");

    SimProcess silent({"--fault", "silent"});
    LinkSession quiet;
    quiet.prompter.answers = {Answer::Retry, Answer::Cancel};
    ASSERT_TRUE(quiet.run(LinkOp::Identify, silent.device()));
    EXPECT_FALSE(quiet.succeeded);
    EXPECT_EQ(quiet.prompter.texts(), QStringList({kCheck, kCheck}));
}

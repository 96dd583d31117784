// Operations that end before their end request, the identify operation and when the user may
// stop: the radio must never be left in programming mode or half written.
#include "LinkHarness.h"

using namespace r5k27;
using namespace r5k27::test;

namespace {

const QByteArray kIdentify(1, '\x02');

// The end request went out before the port was closed.
bool endSentBeforeClose(const LinkHarness& h) {
    return !h.port.sent.isEmpty() && h.port.sent.back() == "END" && !h.port.open;
}

} // namespace

TEST(EarlyStop, RadioThatAnsweredTheHandshakeGetsTheEndRequest) {
    LinkHarness reading;
    reading.start(LinkOp::Read);
    reading.answerUntil('R');
    reading.answer();
    ASSERT_TRUE(reading.link.mayStopNow());
    reading.link.stop();
    EXPECT_TRUE(endSentBeforeClose(reading));
    EXPECT_EQ(reading.events.back(), "finished 0");
    EXPECT_TRUE(reading.prompter.shown.isEmpty());

    // Cancel in the question about the first unacknowledged block.
    LinkHarness writing;
    writing.prompter.answers = {Answer::Cancel};
    writing.start(LinkOp::Write);
    writing.answerUntil('W');
    writing.expire();
    EXPECT_TRUE(endSentBeforeClose(writing));

    // Cancel after the identify request went unanswered twice.
    LinkHarness identifying;
    identifying.prompter.answers = {Answer::Cancel};
    identifying.start(LinkOp::Read);
    identifying.answer();
    identifying.expire();
    identifying.expire();
    EXPECT_TRUE(endSentBeforeClose(identifying));

    // Radio information ends at the handshake reply.
    LinkHarness info;
    info.start(LinkOp::RadioInfo);
    info.answer();
    EXPECT_TRUE(endSentBeforeClose(info));

    // A group write stopped while the written radio still answers its polls.
    LinkHarness group;
    group.startGroup(3);
    group.answerUntil('E');
    group.answer();
    group.answer();
    group.link.stop();
    EXPECT_TRUE(endSentBeforeClose(group));
}

TEST(EarlyStop, NoEndRequestToASilentRadioOrTwice) {
    LinkHarness silent;
    silent.start(LinkOp::Read);
    silent.link.stop();
    EXPECT_EQ(silent.port.sent, QList<QByteArray>({"PROGRAM"}));

    LinkHarness ending;
    ending.start(LinkOp::Write);
    ending.answerUntil('E');
    ending.link.stop();
    EXPECT_EQ(ending.port.sent.count("END"), 1);

    // Polling for the next radio after the last one left: nobody to tell.
    LinkHarness gone;
    gone.startGroup(3);
    gone.answerUntil('E');
    gone.answer();
    for (int i = 0; i < 4; ++i)
        gone.expire();
    gone.link.stop();
    EXPECT_EQ(gone.port.sent.count("END"), 1);
}

TEST(EarlyStop, AWriteInProgressMayNotBeStopped) {
    LinkHarness single;
    single.start(LinkOp::Write);
    EXPECT_TRUE(single.link.mayStopNow());
    single.answerUntil('W');
    EXPECT_FALSE(single.link.mayStopNow());
    single.answerUntil('E');
    EXPECT_TRUE(single.link.mayStopNow());

    LinkHarness group;
    group.startGroup(2);
    EXPECT_TRUE(group.link.mayStopNow()) << "waiting for the first radio";
    group.answer();
    EXPECT_FALSE(group.link.mayStopNow()) << "identifying the radio it will write";
    group.answerUntil('E');
    EXPECT_FALSE(group.link.mayStopNow());
    group.answer();
    EXPECT_TRUE(group.link.mayStopNow()) << "polling for the next radio";

    LinkHarness read;
    read.start(LinkOp::Read);
    read.answerUntil('R');
    EXPECT_TRUE(read.link.mayStopNow());
}

TEST(IdentifyOperation, EndsAfterTheIdentityWhateverTheModel) {
    LinkHarness h;
    h.radioModel = "ZT9999";
    h.radioFirmware = "V999";
    h.start(LinkOp::Identify);
    EXPECT_EQ(h.runToEnd(), 3);
    EXPECT_EQ(h.port.sent, QList<QByteArray>({"PROGRAM", kIdentify, "END"}));
    ASSERT_TRUE(h.outcome.has_value());
    EXPECT_TRUE(h.outcome->success);
    EXPECT_EQ(h.outcome->identity.model, "ZT9999");
    EXPECT_EQ(h.outcome->identity.firmware, "V999");
    EXPECT_TRUE(h.outcome->image.isEmpty());
    EXPECT_TRUE(h.prompter.shown.isEmpty()) << "no check, no completion box";
    EXPECT_FALSE(h.events.contains("progress closed"));

    // Silent: each request twice, then the connection question; Cancel ends it.
    LinkHarness silent;
    silent.prompter.answers = {Answer::Cancel};
    silent.start(LinkOp::Identify);
    silent.expire();
    silent.expire();
    EXPECT_EQ(silent.prompter.texts(), QStringList({"Check Connection. Retry or Cancel?"}));
    EXPECT_EQ(silent.prompter.shown[0].buttons, Buttons::RetryCancel);
    EXPECT_EQ(silent.port.sent, QList<QByteArray>({"PROGRAM", "PROGRAM"}));
    EXPECT_EQ(silent.events.back(), "finished 0");
}

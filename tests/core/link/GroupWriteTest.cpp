#include "LinkHarness.h"

using namespace r5k27;
using namespace r5k27::test;

namespace {

int writeFrames(const LinkHarness& h) {
    int n = 0;
    for (const auto& f : h.port.sent)
        n += f.startsWith('W') ? 1 : 0;
    return n;
}

// Answers the write of the radio attached now, up to its completion.
void writeOneRadio(LinkHarness& h) {
    h.answerUntil('E');
    h.answer();
}

} // namespace

TEST(GroupWrite, NewRadioIsWrittenOnlyAfterTheOldOneLeftAndTheNewOneAnsweredThrice) {
    LinkHarness h;
    h.radioModel = "ZT9999"; // a group write takes any model
    h.startGroup(2);
    EXPECT_TRUE(h.link.group().askOnTimeout());
    h.answer();
    EXPECT_FALSE(h.link.group().askOnTimeout());
    EXPECT_EQ(h.link.status().stage, LinkStage::IdentifySent);
    writeOneRadio(h);
    EXPECT_EQ(writeFrames(h), 1012);
    EXPECT_EQ(h.link.group().radiosDone(), 1);
    EXPECT_TRUE(h.link.group().justFinished());
    EXPECT_TRUE(h.link.isRunning());
    EXPECT_EQ(h.lastSent(), "PROGRAM");
    EXPECT_TRUE(h.events.contains("radio completed 1"));
    EXPECT_TRUE(h.prompter.shown.isEmpty());

    // The programmed radio stays attached: it keeps answering and is not written again. It is
    // asked again only once a reply period has passed, not as fast as it answers.
    const qsizetype polled = h.port.sent.size();
    for (int i = 0; i < 10; ++i) {
        h.answer();
        EXPECT_EQ(h.port.sent.size(), polled + i) << "a request before the pause was over";
        h.expire();
        EXPECT_EQ(h.lastSent(), "PROGRAM");
        EXPECT_EQ(h.link.group().goneCount(), 0);
    }
    // One silent stretch is not enough to count as gone.
    h.expire();
    h.expire();
    EXPECT_EQ(h.link.group().goneCount(), 1);
    h.answer();
    EXPECT_EQ(h.link.group().goneCount(), 0);
    h.expire();
    EXPECT_EQ(h.lastSent(), "PROGRAM");

    // Unplugged: two timeout actions, silently.
    for (int i = 0; i < 4; ++i)
        h.expire();
    EXPECT_EQ(h.link.group().goneCount(), 2);
    EXPECT_TRUE(h.prompter.shown.isEmpty());

    // The next radio answers three program requests before it is identified.
    h.answer();
    EXPECT_EQ(h.link.group().confirmCount(), 1);
    h.expire();
    EXPECT_EQ(h.lastSent(), "PROGRAM");
    h.answer();
    EXPECT_FALSE(h.link.group().justFinished());
    h.expire();
    EXPECT_EQ(h.lastSent(), "PROGRAM");
    h.answer();
    EXPECT_EQ(h.lastSent(), QByteArray(1, '\x02'));
    EXPECT_EQ(writeFrames(h), 1012);

    writeOneRadio(h);
    EXPECT_EQ(writeFrames(h), 2024);
    EXPECT_FALSE(h.link.isRunning());
    EXPECT_FALSE(h.link.group().active());
    EXPECT_EQ(h.prompter.texts(), QStringList({"Write Data Completed."}));
    EXPECT_EQ(h.events.count("progress closed"), 1);
    EXPECT_EQ(h.events.back(), "finished 1");
}

TEST(GroupWrite, EndsAfterGroupSizeRadios) {
    for (int size : {0, 1}) {
        LinkHarness h;
        h.startGroup(size);
        h.runToEnd();
        EXPECT_EQ(h.link.group().radiosDone(), 1);
        EXPECT_EQ(writeFrames(h), 1012);
        EXPECT_EQ(h.prompter.texts(), QStringList({"Write Data Completed."}));
    }
}

TEST(GroupWrite, AsksUntilTheFirstRadioAnswers) {
    LinkHarness h;
    h.prompter.answers = {Answer::Retry, Answer::Cancel};
    h.startGroup(3);
    h.expire();
    h.expire();
    EXPECT_EQ(h.prompter.shown.size(), 1);
    EXPECT_EQ(h.lastSent(), "PROGRAM");
    h.expire();
    h.expire();
    EXPECT_EQ(h.prompter.shown.size(), 2);
    EXPECT_FALSE(h.link.isRunning());
    EXPECT_FALSE(h.link.group().askOnTimeout());
    EXPECT_TRUE(h.events.contains("progress closed"));
    EXPECT_EQ(h.events.back(), "finished 0");
}

TEST(GroupWrite, ClosingTheGroupWindowStopsPolling) {
    LinkHarness h;
    h.startGroup(3);
    h.answer();
    writeOneRadio(h);
    for (int i = 0; i < 6; ++i)
        h.expire();
    EXPECT_TRUE(h.prompter.shown.isEmpty());
    h.link.stop();
    EXPECT_FALSE(h.link.isRunning());
    EXPECT_FALSE(h.port.open);
    EXPECT_FALSE(h.timer.running);
    EXPECT_EQ(h.events.count("progress closed"), 1);
    EXPECT_EQ(h.events.back(), "finished 0");
}

TEST(GroupWrite, UnpluggedDuringBlocksRaisesTheTransferQuestion) {
    LinkHarness h;
    h.prompter.answers = {Answer::Cancel};
    h.startGroup(3);
    h.answerUntil('W');
    h.answer();
    h.expire();
    ASSERT_EQ(h.prompter.texts().size(), 2);
    EXPECT_EQ(h.prompter.texts()[0], "Check Connection. Retry or Cancel?");
    EXPECT_TRUE(h.prompter.texts()[1].startsWith("The radio now holds a partial write"));
    EXPECT_EQ(h.prompter.shown[0].buttons, Buttons::RetryCancel);
    EXPECT_FALSE(h.link.isRunning());
    EXPECT_TRUE(h.events.contains("progress closed"));
}

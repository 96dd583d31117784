// A stop a person asks for, the read-back of every kind of write and the partial-write notice.
#include "LinkHarness.h"

using namespace r5k27;
using namespace r5k27::test;

namespace {

struct VerifySpy : LinkHarness {
    void verifying() override { events << "verifying"; }
};

} // namespace

// A single write reads the radio back in the same session; a byte the radio did not keep fails
// the write without a completion box, and a group names the radio.
TEST(WriteVerify, EveryKindOfWriteReadsBackThroughTheEngine) {
    for (const bool group : {false, true}) {
        for (const bool flip : {false, true}) {
            SCOPED_TRACE(QString("group %1 flip %2").arg(group).arg(flip).toStdString());
            VerifySpy h;
            h.image = h.radioMemory;
            h.image[0x3F0E] = char(30);
            if (group)
                h.link.startGroupWrite(h.image, 1, true);
            else
                h.link.startWrite(h.image, true);
            h.answerUntil('E');
            h.answer();
            ASSERT_TRUE(h.link.isRunning());
            EXPECT_EQ(h.events.filter("verifying").size(), 1);
            EXPECT_EQ(h.events.last(), "progress 0");
            if (flip)
                h.radioMemory[0x3F0E] = char(31);
            h.runToEnd();
            ASSERT_TRUE(h.outcome);
            EXPECT_EQ(h.sentStartingWith('R'), 1024);
            EXPECT_EQ(h.port.sent.count("END"), 2);
            EXPECT_EQ(h.outcome->verifyFailures.size(), flip ? 1 : 0);
            const QStringList texts = h.prompter.texts();
            if (flip) {
                ASSERT_FALSE(texts.isEmpty());
                EXPECT_TRUE(texts[0].startsWith(group ? "Radio 1: Verify failed" : "Verify failed"))
                    << texts[0].toStdString();
                EXPECT_TRUE(texts[0].endsWith(" 30 / 31")) << texts[0].toStdString();
            }
            // A group completes with its count; a single radio that read back wrong does not.
            EXPECT_EQ(texts.contains("Write Data Completed."), group || !flip);
        }
    }
}

// Asked to stop while blocks go out, a group write finishes the radio, reads it back no more
// and starts no other: its last request is the end request.
TEST(RequestStop, AGroupWriteEndsAfterTheRadioInProgressAndStartsNoOther) {
    for (const bool verify : {false, true}) {
        SCOPED_TRACE(verify);
        LinkHarness h;
        h.link.startGroupWrite(h.image, 3, verify);
        h.answerUntil('W');
        h.link.requestStop();
        EXPECT_TRUE(h.link.isRunning());
        EXPECT_TRUE(h.link.stopRequested());
        h.runToEnd();
        ASSERT_TRUE(h.outcome);
        EXPECT_EQ(h.lastSent(), "END");
        EXPECT_EQ(h.port.sent.count("PROGRAM"), 1);
        EXPECT_EQ(h.sentStartingWith('R'), 0);
        EXPECT_FALSE(h.outcome->success);
        EXPECT_EQ(h.outcome->radiosDone, 1);
        EXPECT_FALSE(h.outcome->partlyWritten);
        EXPECT_TRUE(h.events.contains("radio completed 1"));
    }
}

// A program request already out when the stop comes: a radio that answers it gets its end
// request; a radio that stays silent is left alone.
TEST(RequestStop, AnAnsweredProgramRequestGetsItsEndRequest) {
    for (const bool answers : {true, false}) {
        SCOPED_TRACE(answers);
        LinkHarness h;
        h.startGroup(3);
        h.answerUntil('E');
        h.answer(); // first radio done; polling for the next
        ASSERT_EQ(h.lastSent(), "PROGRAM");
        h.link.requestStop();
        EXPECT_TRUE(h.link.isRunning());
        if (answers)
            h.answer();
        else
            h.expire();
        EXPECT_FALSE(h.link.isRunning());
        EXPECT_EQ(h.lastSent(), answers ? QByteArray("END") : QByteArray("PROGRAM"));
        EXPECT_FALSE(h.port.open);
    }
    // Nothing out and nothing at risk: at once.
    LinkHarness reading;
    reading.start(LinkOp::Read);
    reading.answerUntil('R');
    reading.link.requestStop();
    EXPECT_FALSE(reading.link.isRunning());
    EXPECT_EQ(reading.lastSent(), "END");
}

// Cancel in the question about a lost block: the radio holds a mix and the user is told so, in
// both languages; a write stopped before its first block holds nothing new and is not.
TEST(PartialWrite, CancelAfterTheFirstBlockSaysTheRadioMustBeWrittenAgain) {
    for (const Language lang : {Language::English, Language::Chinese}) {
        LinkHarness h;
        h.settings.language = lang;
        h.prompter.answers = {Answer::Cancel};
        h.start(LinkOp::Write);
        h.answerUntil('W');
        h.answer();
        h.expire();
        ASSERT_TRUE(h.outcome);
        EXPECT_TRUE(h.outcome->partlyWritten);
        ASSERT_EQ(h.prompter.shown.size(), 2);
        EXPECT_EQ(h.prompter.shown[0].buttons, Buttons::RetryCancel);
        EXPECT_EQ(h.prompter.shown[1].text,
                  lang == Language::English
                      ? "The radio now holds a partial write and will not work as before. Write "
                        "it again."
                      : "对讲机中现在只有部分写入的数据，无法正常使用。请重新写入。");
    }
    LinkHarness early;
    early.prompter.answers = {Answer::Cancel};
    early.start(LinkOp::Write);
    early.expire();
    early.expire();
    ASSERT_TRUE(early.outcome);
    EXPECT_FALSE(early.outcome->partlyWritten);
}

#include "LinkHarness.h"

using namespace r5k27;
using namespace r5k27::test;

namespace {

const QByteArray kAck(1, LinkFrames::kAck);

} // namespace

TEST(AdvanceLink, PreparedRangesAndHandshake) {
    LinkHarness write;
    write.start(LinkOp::Write);
    EXPECT_EQ(write.link.status().endAddr, 0x3F3F);
    EXPECT_EQ(write.link.status().curAddr, -16);
    LinkHarness info;
    info.start(LinkOp::RadioInfo);
    EXPECT_EQ(info.link.status().curAddr, 0x1F00 - 16);

    LinkHarness h;
    h.start(LinkOp::Read);
    EXPECT_EQ(h.link.status().endAddr, 0x3FFF);
    EXPECT_EQ(h.link.status().stage, LinkStage::ProgramSent);
    EXPECT_EQ(h.lastSent(), "PROGRAM");
    EXPECT_EQ(h.port.replyLength, 3);
    EXPECT_EQ(h.port.clears, 1);
    EXPECT_TRUE(h.timer.running);

    // Nothing runs until an operation is started.
    LinkHarness idle;
    idle.link.onReplyTimeout();
    idle.link.decide(true);
    idle.link.stop();
    EXPECT_TRUE(idle.port.sent.isEmpty());
    EXPECT_FALSE(idle.link.isRunning());
    EXPECT_TRUE(idle.events.isEmpty());
}

TEST(AdvanceLink, ReadRunsThroughEveryStage) {
    LinkHarness h;
    h.start(LinkOp::Read);
    h.answer(); // stage 1 -> 3
    EXPECT_EQ(h.link.status().stage, LinkStage::IdentifySent);
    EXPECT_EQ(h.lastSent(), QByteArray(1, '\x02'));
    EXPECT_EQ(h.port.replyLength, 16);

    h.answer(); // stage 3, accepted -> 5
    EXPECT_EQ(h.link.status().stage, LinkStage::ReadingBlocks);
    EXPECT_EQ(h.lastSent(), QByteArray::fromHex("52000010"));
    EXPECT_EQ(h.port.replyLength, 22);
    EXPECT_EQ(h.link.status().identity.model, "ZT6666");
    EXPECT_EQ(h.link.status().identity.firmware, "V200");

    h.answer(); // stage 5 -> next block
    EXPECT_EQ(h.lastSent(), QByteArray::fromHex("52001010"));

    h.answerUntil('E');
    EXPECT_EQ(h.link.status().stage, LinkStage::EndSent);
    EXPECT_EQ(h.port.replyLength, 1);
    EXPECT_EQ(h.sentStartingWith('R'), 1024);
    EXPECT_FALSE(h.outcome.has_value());

    h.answer(); // stage 69 -> success
    EXPECT_FALSE(h.link.isRunning());
    EXPECT_FALSE(h.port.open);
    EXPECT_FALSE(h.timer.running);
    EXPECT_EQ(h.events.mid(h.events.indexOf("progress closed")),
              QStringList({"progress closed", "port closed", "read succeeded",
                           "ask: Read Data Completed.", "finished 1"}));
    ASSERT_TRUE(h.outcome.has_value());
    EXPECT_EQ(h.outcome->image, h.radioMemory);
}

TEST(AdvanceLink, WriteRunsThroughEveryStageAndLeavesTheTopUntouched) {
    LinkHarness h;
    for (int i = 0; i < kRadioBufSize; ++i)
        h.image[i] = char(255 - (i & 0xFF));
    const QByteArray before = h.radioMemory;
    h.start(LinkOp::Write);
    h.answer();
    EXPECT_EQ(h.link.status().stage, LinkStage::IdentifySent);
    h.answer();
    EXPECT_EQ(h.link.status().stage, LinkStage::WritingBlocks);
    EXPECT_EQ(h.lastSent(), LinkFrames::dataFrame(0, h.image.left(16)));
    EXPECT_EQ(h.port.replyLength, 1);

    h.answerUntil('E');
    EXPECT_EQ(h.link.status().stage, LinkStage::EndSent);
    EXPECT_EQ(h.sentStartingWith('W'), 1012);
    EXPECT_EQ(h.port.sent[h.port.sent.size() - 2].left(3), QByteArray::fromHex("573F30"));
    EXPECT_EQ(h.radioMemory.left(0x3F40), h.image.left(0x3F40));
    EXPECT_EQ(h.radioMemory.mid(0x3F40), before.mid(0x3F40));

    h.answer();
    EXPECT_FALSE(h.link.isRunning());
    EXPECT_TRUE(h.prompter.texts().contains("Write Data Completed."));
    EXPECT_FALSE(h.events.contains("read succeeded"));
    EXPECT_EQ(h.events.back(), "finished 1");
}

TEST(AdvanceLink, ProgressClimbsOncePerPercentToHundred) {
    for (LinkOp op : {LinkOp::Read, LinkOp::Write}) {
        LinkHarness h;
        h.start(op);
        h.runToEnd();
        QList<int> shown;
        for (const auto& e : h.events)
            if (e.startsWith("progress ") && e != "progress closed")
                shown << e.mid(9).toInt();
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_EQ(shown.back(), 100);
        EXPECT_EQ(shown.front(), 1);
        for (qsizetype i = 1; i < shown.size(); ++i)
            EXPECT_GT(shown[i], shown[i - 1]);
    }
}

TEST(AdvanceLink, OtherCombinationsEndAsFailed) {
    // A reply to the end request after a rejected identity.
    LinkHarness h;
    h.radioModel = "ZT9999";
    h.start(LinkOp::Read);
    h.answer();
    h.answer();
    EXPECT_EQ(h.link.status().stage, LinkStage::EndAfterRejection);
    EXPECT_EQ(h.lastSent(), "END");
    EXPECT_TRUE(h.timer.running);
    h.answer();
    EXPECT_FALSE(h.link.isRunning());
    EXPECT_EQ(h.events.back(), "finished 0");

    // Radio information ends at the handshake reply, without a word.
    LinkHarness info;
    info.start(LinkOp::RadioInfo);
    EXPECT_EQ(info.link.status().stage, LinkStage::ProgramSent);
    info.answer();
    EXPECT_FALSE(info.link.isRunning());
    EXPECT_FALSE(info.port.open);
    EXPECT_TRUE(info.prompter.shown.isEmpty());
    EXPECT_FALSE(info.events.contains("progress closed"));
    EXPECT_EQ(info.events.back(), "finished 0");
}

TEST(AdvanceLink, ReplyKindIsNotComparedWithTheStage) {
    // Any recognised reply moves one step: an ACK answers the program request.
    LinkHarness h;
    h.start(LinkOp::Read);
    h.receive(kAck);
    EXPECT_EQ(h.link.status().stage, LinkStage::IdentifySent);

    // A lone ACK while reading blocks advances without storing.
    h.answer();
    h.receive(kAck);
    EXPECT_EQ(h.link.status().curAddr, 16);
    EXPECT_EQ(h.lastSent(), QByteArray::fromHex("52001010"));
    h.runToEnd();
    ASSERT_TRUE(h.outcome.has_value());
    EXPECT_EQ(h.outcome->image.left(16), QByteArray(16, '\xFF'));
    EXPECT_EQ(h.outcome->image.mid(16), h.radioMemory.mid(16));
}

TEST(Receive, DroppedRepliesLeaveTheTimerRunningUntilTheTransferQuestion) {
    struct Case {
        const char* name;
        std::function<QByteArray(QByteArray)> spoil;
    };
    const QList<Case> cases = {
        {"reply piece", [](QByteArray f) { return f.left(10); }},
        {"extra trailing byte", [](QByteArray f) { return f + '\x06'; }},
        {"wrong address",
         [](QByteArray f) {
             f[2] = char(f[2] + 16);
             return f;
         }},
        {"wrong length",
         [](QByteArray f) {
             f[3] = 15;
             return f;
         }},
        {"wrong ACK",
         [](QByteArray f) {
             f[21] = 0x15;
             return f;
         }},
        {"wrong checksum",
         [](QByteArray f) {
             f[20] = char(f[20] ^ 1);
             return f;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkHarness h;
        h.prompter.answers = {Answer::Cancel};
        h.start(LinkOp::Read);
        h.answer();
        h.answer();
        h.answer(); // block 0 stored
        const QByteArray goodReply = h.radioReplyTo(h.lastSent());
        h.receive(c.spoil(goodReply));
        EXPECT_EQ(h.link.status().curAddr, 16);
        EXPECT_TRUE(h.timer.running);
        EXPECT_TRUE(h.prompter.shown.isEmpty());

        h.expire();
        ASSERT_EQ(h.prompter.shown.size(), 1);
        EXPECT_EQ(h.prompter.shown[0].text, "Check Connection. Retry or Cancel?");
        EXPECT_EQ(h.prompter.shown[0].buttons, Buttons::RetryCancel);
        EXPECT_EQ(h.prompter.shown[0].icon, Icon::Question);
        EXPECT_FALSE(h.link.isRunning());
        EXPECT_FALSE(h.port.open);
        EXPECT_FALSE(h.events.contains("read succeeded"));

        // Nothing of the dropped reply was kept: the right one still fits and the read ends
        // with the radio's memory.
        LinkHarness again;
        again.start(LinkOp::Read);
        again.answerUntil('R');
        again.answer();
        again.receive(c.spoil(again.radioReplyTo(again.lastSent())));
        again.answer();
        again.runToEnd();
        ASSERT_TRUE(again.outcome.has_value());
        EXPECT_EQ(again.outcome->image, again.radioMemory);
    }
}

TEST(Receive, BytesWithoutAPendingRequestAreIgnored) {
    LinkHarness h;
    h.receive(LinkFrames::handshakeReply()); // idle
    EXPECT_TRUE(h.events.isEmpty());

    // Port open, confirmation still open: nothing was asked of the radio yet.
    h.receive(LinkFrames::handshakeReply());
    EXPECT_FALSE(h.link.isRunning());
    EXPECT_TRUE(h.port.sent.isEmpty());
    EXPECT_TRUE(h.port.open);

    // After the end, a late reply moves nothing either.
    h.start(LinkOp::Read);
    h.runToEnd();
    const qsizetype sent = h.port.sent.size();
    h.receive(QByteArray(1, LinkFrames::kAck));
    EXPECT_EQ(h.port.sent.size(), sent);
    EXPECT_EQ(h.events.count("finished 1"), 1);
}

TEST(Receive, LateReplyDuringAQuestionDoesNotMoveTheOperation) {
    // A reply that turns up while the user is being asked must not step the link behind the
    // question's back.
    struct Answering : LoggingPrompter {
        using LoggingPrompter::LoggingPrompter;
        std::function<void()> during;
        Answer ask(const QString& text, Buttons b, Icon i) override {
            if (during)
                during();
            return LoggingPrompter::ask(text, b, i);
        }
    };
    QStringList log;
    FakePort port(log);
    FakeTimer timer;
    Answering prompter(log);
    AppSettings settings;
    const VersionList versions = VersionList::builtIn();
    RadioLink link(port, timer, settings, versions);
    struct Asking : LinkObserver {
        std::function<void(const LinkDecision&)> ask;
        void decide(const LinkDecision& d) override { ask(d); }
    } observer;
    observer.ask = [&](const LinkDecision& d) {
        link.decide(askLinkQuestion(prompter, d, settings));
    };
    link.setObserver(&observer);
    link.startRead();
    link.onReceived(LinkFrames::handshakeReply());
    link.onReplyTimeout();
    prompter.during = [&] { link.onReceived(QByteArray("IZT6666 \0V200\0\0\0", 16)); };
    prompter.answers = {Answer::Cancel};
    link.onReplyTimeout();
    EXPECT_FALSE(link.isRunning());
    EXPECT_EQ(link.status().identity.model, "");
    // No block was asked for; the radio that answered the handshake is sent the end request.
    const QByteArray identify(1, '\x02');
    EXPECT_EQ(port.sent, QList<QByteArray>({"PROGRAM", identify, identify, "END"}));
}

#include "LinkHarness.h"

using namespace r5k27;
using namespace r5k27::test;

namespace {

const QString kCheck = "Check Connection. Retry or Cancel?";

int countSent(const LinkHarness& h, const QByteArray& frame) {
    return h.port.sent.count(frame);
}

} // namespace

TEST(ReplyTimeout, HandshakeRequestIsSentTwiceBeforeTheQuestion) {
    for (LinkOp op : {LinkOp::Read, LinkOp::Write}) {
        LinkHarness h;
        h.prompter.answers = {Answer::Retry, Answer::Cancel};
        h.start(op);
        h.expire();
        EXPECT_TRUE(h.prompter.shown.isEmpty());
        EXPECT_EQ(countSent(h, "PROGRAM"), 2);

        h.expire(); // Retry: the handshake starts over with fresh tries
        ASSERT_EQ(h.prompter.shown.size(), 1);
        EXPECT_EQ(h.prompter.shown[0].text, kCheck);
        EXPECT_EQ(h.prompter.shown[0].buttons, Buttons::RetryCancel);
        EXPECT_EQ(countSent(h, "PROGRAM"), 3);
        h.expire();
        EXPECT_EQ(h.prompter.shown.size(), 1);
        EXPECT_EQ(countSent(h, "PROGRAM"), 4);

        h.expire(); // Cancel
        EXPECT_EQ(h.prompter.shown.size(), 2);
        EXPECT_FALSE(h.link.isRunning());
        EXPECT_FALSE(h.port.open);
        EXPECT_FALSE(h.timer.running);
        EXPECT_EQ(h.events.back(), "finished 0");
        EXPECT_EQ(h.prompter.texts(), QStringList({kCheck, kCheck})) << "no completion box";
    }
}

TEST(ReplyTimeout, IdentifyRequestIsSentTwiceAndRetryRestartsTheHandshake) {
    LinkHarness h;
    h.prompter.answers = {Answer::Retry};
    h.start(LinkOp::Read);
    h.answer();
    h.expire();
    EXPECT_TRUE(h.prompter.shown.isEmpty());
    EXPECT_EQ(countSent(h, QByteArray(1, '\x02')), 2);
    h.expire();
    ASSERT_EQ(h.prompter.texts(), QStringList({kCheck}));
    EXPECT_EQ(h.link.status().stage, LinkStage::ProgramSent);
    EXPECT_EQ(h.lastSent(), "PROGRAM");

    // After Retry the operation can still complete.
    h.runToEnd();
    EXPECT_EQ(h.events.back(), "finished 1");
    ASSERT_TRUE(h.outcome.has_value());
    EXPECT_EQ(h.outcome->image, h.radioMemory);
}

TEST(ReplyTimeout, TransferTimeoutOkRestartsTheWholeRead) {
    LinkHarness h;
    h.start(LinkOp::Read);
    h.answer();
    h.answer();
    for (int i = 0; i < 400; ++i)
        h.answer();
    EXPECT_GT(h.link.status().lastPercent, 0);
    // A block gets lost; OK starts again from the handshake at address 0.
    h.expire();
    ASSERT_EQ(h.prompter.texts(), QStringList({kCheck}));
    EXPECT_EQ(h.prompter.shown[0].buttons, Buttons::RetryCancel);
    EXPECT_EQ(h.link.status().stage, LinkStage::ProgramSent);
    EXPECT_EQ(h.lastSent(), "PROGRAM");
    EXPECT_EQ(h.link.status().curAddr, -16);
    EXPECT_EQ(h.link.status().lastPercent, 0);
    EXPECT_EQ(h.events.back(), "progress 0");

    h.answer();
    h.answer();
    EXPECT_EQ(h.lastSent(), QByteArray::fromHex("52000010"));
    h.runToEnd();
    EXPECT_EQ(h.port.sent.count(QByteArray::fromHex("52000010")), 2);
    EXPECT_EQ(h.events.back(), "finished 1");
}

TEST(ReplyTimeout, TransferTimeoutCancelEndsTheWriteAsFailed) {
    LinkHarness h;
    h.prompter.answers = {Answer::Cancel};
    h.start(LinkOp::Write);
    h.answerUntil('W');
    h.expire();
    EXPECT_FALSE(h.link.isRunning());
    // The first block may have reached the radio: it is told to be written again.
    ASSERT_EQ(h.prompter.texts().size(), 2);
    EXPECT_EQ(h.prompter.texts()[0], kCheck);
    EXPECT_EQ(h.events.back(), "finished 0");
}

TEST(ReplyTimeout, UnansweredEndStillCompletes) {
    for (LinkOp op : {LinkOp::Read, LinkOp::Write}) {
        LinkHarness h;
        h.start(op);
        h.answerUntil('E');
        h.expire();
        EXPECT_FALSE(h.link.isRunning());
        EXPECT_EQ(h.events.back(), "finished 1");
        ASSERT_EQ(h.prompter.texts().size(), 1);
        EXPECT_TRUE(h.prompter.texts()[0].startsWith(op == LinkOp::Read ? "Read Data Completed."
                                                                        : "Write Data Completed."));
        ASSERT_TRUE(h.outcome.has_value());
        EXPECT_TRUE(h.outcome->endUnconfirmed);
    }
}

TEST(ReplyTimeout, WrittenRadioThatDidNotConfirmTheEndIsToBeSwitchedOffAndOn) {
    for (Language lang : {Language::English, Language::Chinese}) {
        LinkHarness h;
        h.settings.language = lang;
        h.start(LinkOp::Write);
        h.answerUntil('E');
        h.expire();
        ASSERT_EQ(h.prompter.texts().size(), 1);
        EXPECT_EQ(h.prompter.texts()[0],
                  lang == Language::English
                      ? "Write Data Completed.\r\nThe radio did not confirm the end of "
                        "programming. Switch it off and on again before use."
                      : "写入数据完成。\r\n对讲机未确认编程结束。使用前请将其关机后重新开机。");
    }
    // A read leaves the radio's memory as it was: no such line. Nor after a confirmed end.
    LinkHarness read;
    read.start(LinkOp::Read);
    read.answerUntil('E');
    read.expire();
    EXPECT_EQ(read.prompter.texts(), QStringList({"Read Data Completed."}));
    LinkHarness confirmed;
    confirmed.start(LinkOp::Write);
    confirmed.runToEnd();
    EXPECT_EQ(confirmed.prompter.texts(), QStringList({"Write Data Completed."}));
}

TEST(ReplyTimeout, UnansweredEndAfterRejectionFails) {
    LinkHarness h;
    h.radioModel = "OTHER";
    h.start(LinkOp::Write);
    h.answer();
    h.answer();
    ASSERT_EQ(h.link.status().stage, LinkStage::EndAfterRejection);
    h.expire();
    EXPECT_FALSE(h.link.isRunning());
    EXPECT_EQ(h.events.back(), "finished 0");
    EXPECT_EQ(h.prompter.texts(), QStringList({"Model type is wrong."}));
}

TEST(ReplyTimeout, RadioInformationEndsAsFailedAfterItsTimeouts) {
    LinkHarness h;
    h.start(LinkOp::RadioInfo);
    h.expire();
    EXPECT_TRUE(h.link.isRunning());
    EXPECT_EQ(countSent(h, "PROGRAM"), 2);
    h.expire();
    EXPECT_FALSE(h.link.isRunning());
    EXPECT_FALSE(h.port.open);
    EXPECT_TRUE(h.prompter.shown.isEmpty());
    EXPECT_EQ(h.events.back(), "finished 0");
}

TEST(Identity, WrongModelIsShownOnlyAfterTheOperationEnded) {
    LinkHarness h;
    h.settings.language = Language::Chinese;
    h.radioModel = "ZT6667";
    h.start(LinkOp::Read);
    h.runToEnd();
    const QStringList expected = {"progress closed", "port closed", "ask: 机型类型错误。",
                                  "finished 0"};
    EXPECT_EQ(h.events, expected);
    EXPECT_EQ(h.port.sent.back(), "END");
    EXPECT_EQ(h.port.sent.size(), 3) << "no block was read";
    EXPECT_EQ(h.prompter.shown[0].buttons, Buttons::Ok);
}

TEST(Identity, ProgramModelCodeIsComparedTrimmed) {
    for (const QString& own : {QString("ZT6666   "), QString("ZT6666") + QChar(0) + "junk"}) {
        LinkHarness h;
        h.settings.modelCodeText = own;
        h.start(LinkOp::Write);
        h.answer();
        h.answer();
        EXPECT_EQ(h.link.status().stage, LinkStage::WritingBlocks);
    }
}

TEST(Identity, IncompatibleFirmwareAsksForTheOtherVersionThenEnds) {
    for (Answer choice : {Answer::No, Answer::Yes}) {
        LinkHarness h;
        h.radioFirmware = "V210";
        h.prompter.answers = {choice};
        h.start(LinkOp::Read);
        h.answer();
        h.answer();
        ASSERT_EQ(h.prompter.shown.size(), 1);
        EXPECT_EQ(h.prompter.shown[0].text,
                  incompatibleMessage("V200", "V210", VersionKind::Firmware, Language::English));
        EXPECT_TRUE(h.prompter.shown[0].text.contains("Firmware version is V2.10"));
        EXPECT_EQ(h.prompter.shown[0].buttons, Buttons::YesNo);
        EXPECT_EQ(h.lastSent(), "END");
        EXPECT_EQ(h.link.status().stage, LinkStage::EndAfterRejection);
        h.answer();
        EXPECT_FALSE(h.link.isRunning());
        EXPECT_EQ(h.prompter.shown.size(), 1);
        if (choice == Answer::Yes) {
            // The other version is started only once this one has let go of the port.
            const auto closed = h.events.indexOf("port closed");
            const auto started = h.events.indexOf("start version V210");
            ASSERT_GE(started, 0);
            EXPECT_GT(started, closed);
        } else {
            EXPECT_FALSE(h.events.join('|').contains("start version"));
        }
    }
}

TEST(Identity, ListedFirmwareIsAccepted) {
    LinkHarness h;
    h.versions = VersionList::load([](const QString& section, const QString& key) -> QString {
        if (key == "FirmVersionCount")
            return "2";
        if (section == "Firm" && key == "Firm0")
            return "V200V200";
        if (section == "Firm" && key == "Firm1")
            return "V200V210";
        return {};
    });
    h.radioFirmware = "V210";
    h.start(LinkOp::Read);
    h.runToEnd();
    EXPECT_EQ(h.events.back(), "finished 1");
}

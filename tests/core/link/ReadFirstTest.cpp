// A write that reads first: each radio is read and handed over before it is written, a refusal
// leaves it as it was, and a radio gone between its read and its write is asked about.
#include "LinkHarness.h"

using namespace r5k27;
using namespace r5k27::test;

namespace {

struct ReadFirstSpy : LinkHarness {
    void readingFirst() override { events << "reading first"; }
    bool priorContentsRead(const QByteArray& held,
                           const LinkFrames::RadioIdentity& identity) override {
        priors << held;
        events << "prior " + identity.model;
        return keep;
    }
    QList<QByteArray> priors;
    bool keep = true;
};

QByteArray written(const QByteArray& before, const QByteArray& image) {
    return image.left(kWriteEndAddr + 1) + before.mid(kWriteEndAddr + 1);
}

} // namespace

TEST(ReadFirst, TheRadioIsReadThenWrittenOrLeftAsItWas) {
    struct Case {
        const char* name;
        bool group;
        bool verify;
        bool keep;
    };
    const Case cases[] = {
        {"single", false, false, true},          {"single verified", false, true, true},
        {"single refused", false, false, false}, {"group verified", true, true, true},
        {"group refused", true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReadFirstSpy h;
        h.keep = c.keep;
        h.image = QByteArray(kRadioBufSize, '\x5A');
        const QByteArray before = h.radioMemory;
        if (c.group)
            h.link.startGroupWrite(h.image, 1, c.verify, true);
        else
            h.link.startWrite(h.image, c.verify, true);
        h.runToEnd();
        ASSERT_TRUE(h.outcome);
        EXPECT_EQ(h.priors, QList<QByteArray>{before});
        EXPECT_LT(h.events.indexOf("reading first"), h.events.indexOf("prior ZT6666"));
        EXPECT_EQ(h.sentStartingWith('R'), 1024 * (c.verify && c.keep ? 2 : 1));
        EXPECT_EQ(h.sentStartingWith('W'), c.keep ? 1012 : 0);
        EXPECT_EQ(h.radioMemory, c.keep ? written(before, h.image) : before);
        EXPECT_EQ(h.outcome->op, LinkOp::Write);
        EXPECT_EQ(h.outcome->success, c.keep);
        EXPECT_TRUE(h.outcome->image.isEmpty());
        EXPECT_EQ(h.prompter.texts(),
                  c.keep ? QStringList{"Write Data Completed."} : QStringList{});
        EXPECT_EQ(h.lastSent(), "END");
    }
}

TEST(ReadFirst, AGroupReadsEachRadioBeforeWritingIt) {
    ReadFirstSpy h;
    const QByteArray first = h.radioMemory;
    const QByteArray second(kRadioBufSize, '\x11');
    h.link.startGroupWrite(h.image, 2, false, true);
    h.answerUntil('W');
    h.answerUntil('E');
    h.answer();
    EXPECT_TRUE(h.events.contains("radio completed 1"));
    // The first radio goes, the next answers three program requests.
    h.radioMemory = second;
    for (int i = 0; i < 4; ++i)
        h.expire();
    for (int i = 0; i < 2; ++i) {
        h.answer();
        h.expire();
    }
    h.answer();
    h.runToEnd();
    ASSERT_TRUE(h.outcome);
    EXPECT_TRUE(h.outcome->success);
    EXPECT_EQ(h.outcome->radiosDone, 2);
    EXPECT_EQ(h.priors, QList<QByteArray>({first, second}));
    EXPECT_EQ(h.radioMemory, written(second, h.image));
    EXPECT_EQ(h.events.count("reading first"), 2);
    EXPECT_EQ(h.sentStartingWith('W'), 2024);
}

// Silent polling there could write another radio than the one read.
TEST(ReadFirst, ARadioGoneBetweenItsReadAndItsWriteIsAskedAbout) {
    ReadFirstSpy h;
    h.prompter.answers = {Answer::Cancel};
    h.link.startGroupWrite(h.image, 2, false, true);
    h.answerUntil('E');
    h.answer();
    ASSERT_EQ(h.lastSent(), "PROGRAM");
    h.expire();
    h.expire();
    ASSERT_TRUE(h.outcome);
    EXPECT_FALSE(h.outcome->success);
    EXPECT_EQ(h.prompter.texts(), QStringList{"Check Connection. Retry or Cancel?"});
    EXPECT_EQ(h.sentStartingWith('W'), 0);
}

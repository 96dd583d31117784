#include "history/ReadBeforeWrite.h"

#include "HistoryTestSupport.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

using test::radioImage;

struct Flow {
    std::optional<PriorContents> radio = PriorContents{radioImage(7), "ZT6666", "V101"};
    int writes = 0;
    test::ScriptedPrompter prompter;

    bool run(HistoryLog& log) {
        return readThenWrite({.readRadio = [this] { return radio; },
                              .write = [this] { ++writes; },
                              .port = "/dev/ttyUSB0",
                              .document = "taxi.dat"},
                             log, prompter, Language::English);
    }
};

TEST(ReadBeforeWrite, ThePreviousContentsAreKeptThenTheWriteRuns) {
    test::ScratchHistory h;
    Flow flow;
    ASSERT_TRUE(flow.run(*h.log));
    EXPECT_EQ(flow.writes, 1);
    EXPECT_TRUE(flow.prompter.shown.isEmpty());
    const QList<HistoryRow> rows = h.rows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].kind, OperationKind::ReadBeforeWrite);
    EXPECT_EQ(rows[0].document, "taxi.dat");
    EXPECT_EQ(rows[0].model, "ZT6666");
    EXPECT_EQ(operationImage(h.db->connection(), rows[0].id), radioImage(7));
}

TEST(ReadBeforeWrite, ARadioThatWasNotReadIsNotWritten) {
    test::ScratchHistory h;
    Flow flow;
    flow.radio.reset();
    EXPECT_FALSE(flow.run(*h.log));
    EXPECT_EQ(flow.writes, 0);
    EXPECT_TRUE(h.rows().isEmpty());
}

// The history cannot take the image: the user decides.
TEST(ReadBeforeWrite, AnImageThatCannotBeKeptAsksBeforeWriting) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        test::TempDir dir;
        HistoryDatabase db(dir.write("plain", "x") + "/history.sqlite");
        HistoryLog log(db);
        Flow flow;
        flow.prompter.answers << answer;
        EXPECT_EQ(flow.run(log), answer == Answer::Yes);
        EXPECT_EQ(flow.writes, answer == Answer::Yes ? 1 : 0);
        ASSERT_EQ(flow.prompter.shown.size(), 1);
        EXPECT_EQ(flow.prompter.shown[0].buttons, Buttons::YesNo);
        EXPECT_TRUE(flow.prompter.texts()[0].endsWith("Write anyway?"));
    }
}

} // namespace
} // namespace r5k27

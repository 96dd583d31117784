// Radio jobs kept in the radio history: the kind, the radio of a group, how each ended.
#include "radio/HistoryRecorder.h"

#include "core/document/InitialValues.h"
#include "history/HistoryQuery.h"
#include "radio/RadioJob.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/VirtualRadio.h"

#include <QDate>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(HistoryRecorder, EachEndIsKeptWithItsOutcomeAndMessage) {
    const QByteArray sent(16, 'x');
    struct Case {
        const char* name;
        LinkOutcome outcome;
        bool stopped;
        Outcome expected;
        QString message;
    };
    LinkOutcome done;
    done.op = LinkOp::Write;
    done.success = true;
    LinkOutcome mismatch = done;
    mismatch.verifyFailures = {"Verify failed: MicGain 30 / 31", "Radio 2: other"};
    LinkOutcome wrongModel;
    wrongModel.op = LinkOp::Write;
    wrongModel.wrongModel = true;
    const Case cases[] = {
        {"done", done, false, Outcome::Done, ""},
        {"mismatch", mismatch, false, Outcome::VerifyMismatch, "Verify failed: MicGain 30 / 31"},
        // A stop after the last block still counts as stopped by the person.
        {"stopped", done, true, Outcome::Cancelled, ""},
        {"failed", wrongModel, false, Outcome::Failed, "Model type is wrong."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioJobResult result;
        result.outcome = c.outcome;
        result.outcome.identity = {"ZT6666", "V110"};
        result.stopped = c.stopped;
        const OperationEnd end = historyEnd({RadioJobKind::Write, "p", sent}, result);
        EXPECT_EQ(end.outcome, c.expected);
        EXPECT_EQ(end.message, c.message);
        EXPECT_EQ(end.model, "ZT6666");
        EXPECT_EQ(end.firmware, "V110");
        EXPECT_EQ(end.image, sent);
    }
}

RadioJobRequest request(RadioJobKind kind, const QString& port, int groupSize = 1) {
    RadioJobRequest r;
    r.kind = kind;
    r.port = port;
    r.groupSize = groupSize;
    return r;
}

struct RecordedJobs : RadioJobObserver {
    RecordedJobs() {
        writeBuiltInDefaults(doc, settings, 1, QDate(2024, 5, 1));
        job.setObserver(this);
        job.setListener(&recorder);
    }
    bool run(const RadioJobRequest& request, bool stop = false) {
        if (!job.prepare(request, doc))
            return false;
        QEventLoop loop;
        ended = false;
        quit = [&loop] { loop.quit(); };
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        job.start();
        if (stop)
            job.requestStop();
        if (!ended)
            loop.exec();
        quit = nullptr;
        return ended;
    }
    void finished(const RadioJobResult&) override {
        ended = true;
        if (quit)
            quit();
    }
    QList<HistoryRow> rows() {
        QList<HistoryRow> all;
        QSqlQuery query = historyQuery(db.connection(), {});
        while (query.next())
            all.prepend(historyRow(query));
        return all;
    }

    test::TempDir dir;
    HistoryDatabase db{dir.path("history.sqlite")};
    HistoryLog log{db};
    HistoryRecorder recorder{&log, [] { return QStringLiteral("shop.dat"); }};
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    RadioJob job{settings, versions, prompter};
    Document doc;
    bool ended = false;
    std::function<void()> quit;
};

// Compare, a group write and a stopped read each leave their row; identify leaves none.
TEST(HistoryRecorder, EveryKindOfJobLeavesItsRow) {
    RecordedJobs r;
    test::SimRadioProcess sim;
    ASSERT_TRUE(r.run(request(RadioJobKind::CompareRead, sim.device())));
    ASSERT_TRUE(r.run(request(RadioJobKind::GroupWrite, sim.device(), 1)));
    ASSERT_TRUE(r.run(request(RadioJobKind::Identify, sim.device())));
    ASSERT_TRUE(r.run(request(RadioJobKind::Read, sim.device()), /*stop=*/true));

    const QList<HistoryRow> rows = r.rows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].kind, OperationKind::Compare);
    EXPECT_EQ(rows[0].outcome, Outcome::Done);
    EXPECT_EQ(rows[0].model, "ZT6666");
    EXPECT_EQ(rows[1].kind, OperationKind::GroupWrite);
    EXPECT_EQ(rows[1].radio, 1);
    EXPECT_EQ(rows[1].outcome, Outcome::Done);
    EXPECT_EQ(rows[1].document, "shop.dat");
    EXPECT_EQ(rows[2].kind, OperationKind::Read);
    EXPECT_EQ(rows[2].outcome, Outcome::Cancelled);
    EXPECT_TRUE(rows[2].sha256.isEmpty());
    for (const HistoryRow& row : rows)
        EXPECT_EQ(row.port, sim.device());
}

} // namespace
} // namespace r5k27

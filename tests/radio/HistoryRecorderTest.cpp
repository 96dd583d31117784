// Radio jobs kept in the radio history: the kind, the radio of a group, how each ended.
#include "radio/HistoryRecorder.h"

#include "JobEnd.h"
#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"
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
    explicit RecordedJobs(const QString& historyFile = "history.sqlite")
        : db(dir.path(historyFile)) {
        writeBuiltInDefaults(doc, settings, 1, QDate(2024, 5, 1));
        job.setObserver(this);
        job.setListener(&recorder);
    }
    bool run(const RadioJobRequest& request, bool stop = false) {
        return test::runToEnd(job, request, doc, end, stop);
    }
    void finished(const RadioJobResult&) override { end.reached(); }
    QList<HistoryRow> rows() {
        QList<HistoryRow> all;
        QSqlQuery query = historyQuery(db.connection(), {});
        while (query.next())
            all.prepend(historyRow(query));
        return all;
    }

    test::TempDir dir;
    HistoryDatabase db;
    HistoryLog log{db};
    HistoryRecorder recorder{&log, [] { return QStringLiteral("shop.dat"); },
                             [](const QString&) {
                                 return CableInfo{"USB Serial", "A1B2"};
                             }};
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    RadioJob job{settings, versions, prompter};
    Document doc;
    test::JobEnd end;
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

// What the radio held before a write that reads first: kept as a read before writing, listed
// before the write, both with the cable. A history that cannot keep it asks; No leaves the
// radio as it was and the write cancelled.
TEST(HistoryRecorder, AWriteThatReadsFirstKeepsWhatTheRadioHeld) {
    struct Case {
        const char* name;
        QString historyFile;
        std::optional<Answer> answer;
        QList<OperationKind> kinds;
        Outcome writeOutcome;
    };
    using K = OperationKind;
    const Case cases[] = {
        {"kept", "history.sqlite", std::nullopt, {K::ReadBeforeWrite, K::Write}, Outcome::Done},
        {"unkept, written anyway", "file/history.sqlite", Answer::Yes, {}, Outcome::Done},
        {"unkept, declined", "file/history.sqlite", Answer::No, {}, Outcome::Cancelled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordedJobs r(c.historyFile);
        r.dir.write("file", "not a folder");
        QByteArray held = prepareRadioBuf();
        ASSERT_FALSE(encodeImage(r.doc.curImage, r.doc.chTable, held).has_value());
        const QByteArray sent = held;
        held[0x3F0E] = char(held[0x3F0E] ^ 0x01);
        const QString radioFile = r.dir.write("held.img", held);
        test::SimRadioProcess sim({"--image", radioFile, "--save", r.dir.path("radio.img")});
        if (c.answer)
            r.prompter.answers << *c.answer;

        RadioJobRequest write = request(RadioJobKind::Write, sim.device());
        write.readFirst = true;
        ASSERT_TRUE(r.run(write));
        ASSERT_EQ(r.prompter.shown.size(), c.answer ? 1 : 0);
        if (c.answer) {
            EXPECT_TRUE(r.prompter.texts()[0].endsWith("Write anyway?"));
        }
        const bool writes = c.writeOutcome == Outcome::Done;
        EXPECT_EQ(r.dir.read("radio.img").left(kWriteEndAddr + 1),
                  (writes ? sent : held).left(kWriteEndAddr + 1));
        EXPECT_EQ(r.job.result().written(), writes);

        const QList<HistoryRow> rows = r.rows();
        ASSERT_EQ(rows.size(), c.kinds.size());
        if (rows.isEmpty())
            continue;
        EXPECT_EQ(operationImage(r.db.connection(), rows[0].id), held);
        EXPECT_EQ(rows[0].model, "ZT6666");
        EXPECT_EQ(rows[1].outcome, c.writeOutcome);
        EXPECT_EQ(operationImage(r.db.connection(), rows[1].id), sent);
        EXPECT_LE(rows[0].ended, rows[1].started);
        for (int i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].kind, c.kinds[i]);
            EXPECT_EQ(rows[i].document, "shop.dat");
            EXPECT_EQ(rows[i].cableProduct, "USB Serial");
            EXPECT_EQ(rows[i].cableSerial, "A1B2");
        }
    }
}

} // namespace
} // namespace r5k27

#include "HistoryTestSupport.h"
#include "history/HistoryPruning.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

using test::logOperation;
using test::radioImage;
using test::ScratchHistory;

TEST(HistoryLog, EachKindOfOperationLeavesItsRowAndItsImageOnce) {
    ScratchHistory h;
    const QByteArray read = radioImage(1);
    const QByteArray sent = radioImage(2);
    ASSERT_GT(logOperation(*h.log, OperationKind::Read, read), 0);
    ASSERT_GT(logOperation(*h.log, OperationKind::Write, sent), 0);
    for (int radio = 1; radio <= 3; ++radio)
        ASSERT_GT(
            logOperation(*h.log, OperationKind::GroupWrite, sent, Outcome::Done, "ZT6666", radio),
            0);
    for (int cable = 0; cable < 3; ++cable)
        ASSERT_GT(logOperation(*h.log, OperationKind::SeveralWrite, sent), 0);
    const OperationTicket verify = h.log->begin({.kind = OperationKind::Verify});
    ASSERT_TRUE(h.log->end(verify, {.outcome = Outcome::VerifyMismatch,
                                    .message = "Channel A1 receive frequency: 27.0050 / 27.0150",
                                    .image = radioImage(3)}));
    const OperationTicket failed = h.log->begin({.kind = OperationKind::Read});
    ASSERT_TRUE(h.log->end(failed, {.outcome = Outcome::Failed, .message = "No answer"}));

    const QList<HistoryRow> rows = h.rows();
    ASSERT_EQ(rows.size(), 10);
    // Newest first.
    EXPECT_EQ(rows[0].kind, OperationKind::Read);
    EXPECT_EQ(rows[0].outcome, Outcome::Failed);
    EXPECT_EQ(rows[0].message, "No answer");
    EXPECT_TRUE(rows[0].sha256.isEmpty());
    EXPECT_EQ(rows[1].outcome, Outcome::VerifyMismatch);
    EXPECT_TRUE(rows[1].message.contains("27.0150"));
    EXPECT_EQ(rows[5].kind, OperationKind::GroupWrite);
    EXPECT_EQ(rows[5].radio, 3);
    const HistoryRow& first = rows.last();
    EXPECT_EQ(first.port, "/dev/ttyUSB0");
    EXPECT_EQ(first.cableProduct, "USB-Serial");
    EXPECT_EQ(first.cableSerial, "A1");
    EXPECT_EQ(first.model, "ZT6666");
    EXPECT_EQ(first.firmware, "V101");
    EXPECT_EQ(first.document, "shop.dat");
    EXPECT_EQ(first.durationMs, 1000);
    EXPECT_EQ(first.programVersion, R5K27_VERSION);
    EXPECT_EQ(first.sha256, QCryptographicHash::hash(read, QCryptographicHash::Sha256).toHex());
    // One write sent to seven radios is one image.
    EXPECT_EQ(h.count("SELECT COUNT(*) FROM images"), 3);
    EXPECT_EQ(operationImage(h.db->connection(), rows[2].id), sent);
    EXPECT_EQ(operationImage(h.db->connection(), first.id), read);
    EXPECT_FALSE(operationImage(h.db->connection(), rows[0].id));
}

TEST(HistoryLog, AnOperationNeverEndedIsInterruptedAtTheNextStart) {
    // An id no process can have: the program that began it is gone.
    ScratchHistory h({.pid = 0x3FFFFFFF});
    ASSERT_GT(h.log->begin({.kind = OperationKind::Write}).id, 0);
    ASSERT_GT(logOperation(*h.log, OperationKind::Read, radioImage(1)), 0);
    EXPECT_EQ(h.rows()[1].outcome, Outcome::Running);

    h.reopen();
    ASSERT_TRUE(h.db->open());
    const QList<HistoryRow> rows = h.rows();
    EXPECT_EQ(rows[1].outcome, Outcome::Interrupted);
    EXPECT_EQ(rows[0].outcome, Outcome::Done);
}

TEST(HistoryLog, RunningOperationsOfALiveProgramStayRunning) {
    ScratchHistory h;
    ASSERT_GT(h.log->begin({.kind = OperationKind::Read}).id, 0);
    h.reopen({.pid = 0x3FFFFFFF}); // another program; this test process is alive
    ASSERT_TRUE(h.db->open());
    EXPECT_EQ(h.rows()[0].outcome, Outcome::Running);
}

TEST(HistoryLog, KeepsTheNewestOperationsAndTheNewestImageOfEachModel) {
    ScratchHistory h({}, {.maxOperations = 5});
    const qint64 other =
        logOperation(*h.log, OperationKind::Read, radioImage(100), Outcome::Done, "ZT7777");
    for (quint32 i = 0; i < 12; ++i)
        ASSERT_GT(logOperation(*h.log, OperationKind::Read, radioImage(i)), 0);
    const QList<HistoryRow> rows = h.rows();
    // Five newest, plus the other model's only image.
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows.last().id, other);
    EXPECT_TRUE(operationImage(h.db->connection(), other));
    // Images of dropped operations are gone with them.
    EXPECT_EQ(h.count("SELECT COUNT(*) FROM images"), 6);
}

TEST(HistoryLog, KeepsWithinItsSize) {
    ScratchHistory h({}, {.maxOperations = 100000, .maxBytes = 400 * 1024});
    for (quint32 i = 0; i < 60; ++i)
        ASSERT_GT(logOperation(*h.log, OperationKind::Read, radioImage(i, false)), 0);
    EXPECT_LE(historyBytesUsed(h.db->connection()), 400 * 1024);
    // Random images do not compress: far fewer than sixty fit, but the newest is there.
    const QList<HistoryRow> rows = h.rows();
    EXPECT_LT(rows.size(), 30);
    EXPECT_GT(rows.size(), 5);
    EXPECT_EQ(operationImage(h.db->connection(), rows[0].id), radioImage(59, false));
}

} // namespace
} // namespace r5k27

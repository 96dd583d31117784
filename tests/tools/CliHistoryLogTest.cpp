// r5k27-cli keeps every radio operation in the radio history of its data folder.
#include "CliProcess.h"
#include "SimSession.h"
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryQuery.h"
#include "platform/SystemFileCommit.h"
#include "support/TempDir.h"

#include <QDir>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

using namespace r5k27;
using namespace r5k27::test;

namespace {

CliRun cli(const QString& dataHome, const QStringList& args) {
    return runCliProcess(args, 60000, dataHome);
}

QString historyPath(const QString& dataHome) {
    return dataHome + "/BRELLOCK/R5K27 Programmer/history.sqlite";
}

// Every operation with its image (empty without one), oldest first.
QList<std::pair<HistoryRow, QByteArray>> operations(const QString& dataHome) {
    HistoryDatabase db(historyPath(dataHome));
    QList<std::pair<HistoryRow, QByteArray>> rows;
    if (!db.open())
        return rows;
    QSqlQuery query = historyQuery(db.connection(), {});
    while (query.next()) {
        const HistoryRow row = historyRow(query);
        rows.prepend({row, operationImage(db.connection(), row.id).value_or(QByteArray())});
    }
    return rows;
}

} // namespace

TEST(CliHistoryLog, ReadWriteAndVerifiedWriteEachLeaveTheirRowAndImage) {
    TempDir dir;
    const QString home = dir.path("data");
    const QString doc = shopDocument(dir, "shop.dat");
    ASSERT_EQ(cli(home, {"encode", doc, dir.path("shop.img")}).status, 0);
    const QByteArray sent = dir.read("shop.img");
    SimProcess sim({"--save", dir.path("radio.img")});
    // 0x3F0E holds the microphone level: this radio stores it one too high.
    SimProcess flipping({"--fault", "flip-byte:16142"});

    ASSERT_EQ(cli(home, {"write", doc, "--port", sim.device()}).status, 0);
    ASSERT_EQ(cli(home, {"read", "--port", sim.device(), dir.path("back.dat")}).status, 0);
    EXPECT_EQ(cli(home, {"write", doc, "--port", flipping.device(), "--verify"}).status, 1);
    // Identify changes nothing and is not kept.
    ASSERT_EQ(cli(home, {"identify", "--port", sim.device()}).status, 0);

    const auto rows = operations(home);
    ASSERT_EQ(rows.size(), 3);
    const HistoryRow& write = rows[0].first;
    EXPECT_EQ(write.kind, OperationKind::Write);
    EXPECT_EQ(write.outcome, Outcome::Done);
    EXPECT_EQ(write.port, sim.device());
    EXPECT_EQ(write.document, "shop.dat");
    const QStringList identity = cli(home, {"identify", "--port", sim.device()}).out.split('\n');
    ASSERT_GE(identity.size(), 2);
    EXPECT_EQ("model: " + write.model, identity[0]);
    EXPECT_EQ("firmware: " + write.firmware, identity[1]);
    EXPECT_EQ(rows[0].second, sent);

    const HistoryRow& read = rows[1].first;
    EXPECT_EQ(read.kind, OperationKind::Read);
    EXPECT_EQ(read.outcome, Outcome::Done);
    EXPECT_EQ(rows[1].second, dir.read("radio.img"));
    EXPECT_EQ(rows[1].second.left(0x3F40), sent.left(0x3F40));

    const HistoryRow& verified = rows[2].first;
    EXPECT_EQ(verified.kind, OperationKind::Write);
    EXPECT_EQ(verified.outcome, Outcome::VerifyMismatch);
    EXPECT_TRUE(verified.message.endsWith(" 30 / 31")) << verified.message.toStdString();
    EXPECT_EQ(rows[2].second, sent);
}

TEST(CliHistoryLog, SeveralCablesAndAFailedRadioEachHaveARow) {
    TempDir dir;
    const QString home = dir.path("data");
    const QString doc = shopDocument(dir, "shop.dat");
    SimProcess first;
    SimProcess second({"--model", "ZT9999"});
    const CliRun run =
        cli(home, {"write", doc, "--port", first.device(), "--port", second.device()});
    EXPECT_EQ(run.status, 1) << run.out.toStdString();

    const auto rows = operations(home);
    ASSERT_EQ(rows.size(), 2);
    QHash<QString, HistoryRow> byPort;
    for (const auto& [row, image] : rows) {
        EXPECT_EQ(row.kind, OperationKind::SeveralWrite);
        byPort.insert(row.port, row);
    }
    EXPECT_EQ(byPort.value(first.device()).outcome, Outcome::Done);
    EXPECT_EQ(byPort.value(second.device()).outcome, Outcome::Failed);
    EXPECT_EQ(byPort.value(second.device()).message, "Model type is wrong.");
}

// A history file that cannot be opened (here a folder in its place) costs the write nothing.
TEST(CliHistoryLog, AHistoryThatCannotBeOpenedNeverStopsAWrite) {
    TempDir dir;
    const QString home = dir.path("data");
    ASSERT_TRUE(QDir().mkpath(historyPath(home)));
    const QString doc = shopDocument(dir, "shop.dat");
    ASSERT_EQ(cli(home, {"encode", doc, dir.path("shop.img")}).status, 0);
    SimProcess sim({"--save", dir.path("radio.img")});

    const CliRun run = cli(home, {"write", doc, "--port", sim.device()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Write Data Completed.")) << run.out.toStdString();
    EXPECT_EQ(dir.read("radio.img").left(0x3F40), dir.read("shop.img").left(0x3F40));
}

// --backup-first keeps what the radio held; writing that entry back restores it.
TEST(CliHistoryLog, BackupFirstKeepsThePreviousContentsThatAWriteBackRestores) {
    TempDir dir;
    const QString home = dir.path("data");
    ASSERT_EQ(cli(home, {"encode", shopDocument(dir, "old.dat", 1), dir.path("old.img")}).status,
              0);
    const QString doc = shopDocument(dir, "shop.dat");
    SimProcess sim({"--image", dir.path("old.img"), "--save", dir.path("radio.img")});

    const CliRun run = cli(home, {"write", doc, "--port", sim.device(), "--backup-first"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Write Data Completed.\n");
    const QByteArray old = dir.read("old.img");
    EXPECT_NE(dir.read("radio.img").left(0x3F40), old.left(0x3F40));

    const auto rows = operations(home);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].first.kind, OperationKind::ReadBeforeWrite);
    EXPECT_EQ(rows[0].first.document, "shop.dat");
    EXPECT_EQ(rows[0].second.left(0x3F40), old.left(0x3F40));
    EXPECT_EQ(rows[1].first.kind, OperationKind::Write);

    const QString id = QString::number(rows[0].first.id);
    ASSERT_EQ(cli(home, {"history", "--extract", id, dir.path("back.dat")}).status, 0);
    ASSERT_EQ(cli(home, {"write", dir.path("back.dat"), "--port", sim.device()}).status, 0);
    EXPECT_EQ(dir.read("radio.img").left(0x3F40), old.left(0x3F40));

    // A radio that cannot be read first is not written: the write fails as the link did.
    SimProcess silent({"--fault", "silent", "--save", dir.path("silent.img")});
    const CliRun refused = cli(home, {"write", doc, "--port", silent.device(), "--backup-first"});
    EXPECT_EQ(refused.status, 4);
    EXPECT_TRUE(refused.out.isEmpty()) << refused.out.toStdString();
    const auto after = operations(home);
    ASSERT_EQ(after.size(), 4);
    EXPECT_EQ(after[3].first.kind, OperationKind::Write);
    EXPECT_EQ(after[3].first.outcome, Outcome::Failed);
}

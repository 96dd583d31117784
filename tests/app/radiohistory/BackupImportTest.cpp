#include "radiohistory/BackupImport.h"

#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"
#include "history/HistoryQuery.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

struct BackupFolder {
    BackupFolder() { writeBuiltInDefaults(doc, settings, 1, QDate(2024, 1, 1)); }

    // Sets one second apart, reads and writes taking turns; a read's image differs each time.
    void fill(int count) {
        for (int i = 0; i < count; ++i) {
            now = now.addSecs(1);
            QByteArray image = encoded();
            image[0x3F80 + i % 64] = char(i);
            ASSERT_TRUE(i % 2 ? backups.saveBeforeWrite(doc, settings)
                              : backups.saveRead(image, doc.curImage, doc.chTable, settings));
        }
    }

    QByteArray encoded() const {
        QByteArray image = prepareRadioBuf();
        EXPECT_FALSE(encodeImage(doc.curImage, doc.chTable, image));
        return image;
    }

    test::TempDir dir;
    QDateTime now{QDate(2025, 3, 1), QTime(10, 0)};
    LinkBackups backups{dir.path("backups"), 1000, [this] { return now; }};
    Document doc;
    AppSettings settings;
    HistoryDatabase db{dir.path("history.sqlite")};
    HistoryLog log{db};
};

TEST(BackupImport, FiftySetsBecomeFiftyOperationsOnce) {
    BackupFolder f;
    f.fill(50);
    const BackupImportResult first = importBackupSets(f.log, f.backups, f.settings);
    EXPECT_EQ(first.imported, 50);
    EXPECT_EQ(first.skipped, 0);
    EXPECT_TRUE(first.finished);

    QList<HistoryRow> rows;
    for (QSqlQuery q = historyQuery(f.db.connection(), {}); q.next();)
        rows << historyRow(q);
    ASSERT_EQ(rows.size(), 50);
    // Newest first: set 50 was a write, set 49 a read, each at its set's time.
    EXPECT_EQ(rows[0].kind, OperationKind::Write);
    EXPECT_EQ(rows[1].kind, OperationKind::Read);
    EXPECT_EQ(rows[0].started, QDateTime(QDate(2025, 3, 1), QTime(10, 0, 50)));
    EXPECT_EQ(rows[0].document, "20250301-100050-000-write.dat");
    // A read keeps the radio's own bytes; a write the document as it was sent.
    QByteArray firstRead = f.encoded();
    firstRead[0x3F80] = char(0);
    EXPECT_EQ(operationImage(f.db.connection(), rows.last().id), firstRead);
    EXPECT_EQ(operationImage(f.db.connection(), rows[0].id), f.encoded());
    // The files stay; a second start adds nothing.
    EXPECT_EQ(f.backups.sets().size(), 50);
    f.fill(2);
    const BackupImportResult again = importBackupSets(f.log, f.backups, f.settings);
    EXPECT_EQ(again.imported, 0);
    EXPECT_TRUE(again.finished);
}

TEST(BackupImport, AnUnreadableSetIsSkippedAndTheRestComeIn) {
    BackupFolder f;
    f.fill(4);
    // The second set is a write: without its document there is nothing to import.
    ASSERT_TRUE(QFile::remove(f.dir.path("backups/20250301-100002-000-write.dat")));
    const BackupImportResult result = importBackupSets(f.log, f.backups, f.settings);
    EXPECT_EQ(result.imported, 3);
    EXPECT_EQ(result.skipped, 1);
}

} // namespace
} // namespace r5k27

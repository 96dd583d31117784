#include "radio/LinkBackups.h"

#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "support/TempDir.h"

#include <QDate>
#include <QDir>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

struct Backups {
    Backups() { writeBuiltInDefaults(doc, settings, 1, QDate(2024, 1, 1)); }

    test::TempDir dir;
    QDateTime now{QDate(2025, 3, 1), QTime(10, 0)};
    LinkBackups backups{dir.path("b"), LinkBackups::kKeptSets, [this] { return now; }};
    Document doc;
    AppSettings settings;
};

TEST(LinkBackups, KeepsTheNewestFiftySets) {
    Backups b;
    const QByteArray image(16384, '\x5A');
    for (int i = 0; i < 55; ++i) {
        b.now = b.now.addSecs(1);
        ASSERT_TRUE(i % 2 ? b.backups.saveRead(image, b.doc.curImage, b.doc.chTable, b.settings)
                          : b.backups.saveBeforeWrite(b.doc, b.settings));
    }
    const QStringList sets = b.backups.sets();
    ASSERT_EQ(sets.size(), 50);
    EXPECT_EQ(sets.first(), "20250301-100006-000-read"); // the five oldest are gone
    EXPECT_EQ(sets.last(), "20250301-100055-000-write");
    // Three files per read, two per write, nothing else left over.
    EXPECT_EQ(QDir(b.dir.path("b")).entryList(QDir::Files).size(), 25 * 3 + 25 * 2);
}

TEST(LinkBackups, SetsOfTheSameMomentDoNotOverwriteEachOther) {
    Backups b;
    b.doc.docPath = "/somewhere/mine.dat";
    ASSERT_TRUE(b.backups.saveBeforeWrite(b.doc, b.settings));
    b.doc.chTable.at({1, 1, 1}).rogerTone = 5;
    ASSERT_TRUE(b.backups.saveBeforeWrite(b.doc, b.settings));
    const QStringList sets = b.backups.sets();
    ASSERT_EQ(sets.size(), 2);

    Document first;
    Document second;
    AppSettings s;
    ASSERT_TRUE(readPlainFile(first, s, b.dir.path("b/20250301-100000-000-write.dat")));
    ASSERT_TRUE(readPlainFile(second, s, b.dir.path("b/20250301-100000-000-2-write.dat")));
    EXPECT_NE(first.chTable.at({1, 1, 1}).rogerTone, 5);
    EXPECT_EQ(second.chTable.at({1, 1, 1}).rogerTone, 5);
    EXPECT_EQ(b.doc.docPath, "/somewhere/mine.dat"); // the open document is not renamed
}

TEST(LinkBackups, UnwritableFolderIsReported) {
    Backups b;
    b.dir.write("file", "x");
    LinkBackups blocked(b.dir.path("file/b"));
    EXPECT_FALSE(blocked.saveBeforeWrite(b.doc, b.settings));
}

} // namespace
} // namespace r5k27

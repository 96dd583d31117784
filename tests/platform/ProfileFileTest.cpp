#include "platform/ProfileFile.h"

#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace r5k27 {
namespace {

TEST(ProfileFile, ReadsAndWritesOneKeyOnDisk) {
    test::TempDir dir;
    const QString path = dir.write("mysetup.ini", "[language]\r\ncomPort=3\r\n");
    const ProfileFile file(path);
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(file.read("language", "comPort"), "3");
    EXPECT_EQ(file.read("language", "missing", "dflt"), "dflt");
    ASSERT_TRUE(file.write("language", "comPort", "4"));
    EXPECT_EQ(dir.read("mysetup.ini"), QByteArray("[language]\r\ncomPort=4\r\n"));
}

TEST(ProfileFile, MissingFileReadsDefaultsAndIsCreatedOnWrite) {
    test::TempDir dir;
    const ProfileFile file(dir.path("new.ini"));
    EXPECT_FALSE(file.exists());
    EXPECT_EQ(file.read("language", "comPort", "1"), "1");
    ASSERT_TRUE(file.write("language", "comPort", "2"));
    EXPECT_EQ(file.read("language", "comPort"), "2");
}

TEST(ProfileFile, ValueIsCutAtItsFirstNul) {
    test::TempDir dir;
    const ProfileFile file(dir.write("a.ini", QByteArray("[s]\nk=12\0xyz\n", 13)));
    EXPECT_EQ(file.read("s", "k"), "12");
}

// UTF-16 text (saved so by an editor) is left as it is rather than given ASCII keys; a snapshot
// reads what the file held when it was taken.
TEST(ProfileFile, Utf16FilesAreNotWrittenAndSnapshotsReadOnce) {
    test::TempDir dir;
    const QString text = "[language]\r\ncomPort=3\r\n";
    for (const QByteArray& bom : {QByteArray("\xFF\xFE"), QByteArray()}) {
        QByteArray utf16 = bom;
        for (const QChar c : text)
            utf16 += QByteArray(1, char(c.unicode())) + '\0';
        const QString path = dir.write("u.ini", utf16);
        EXPECT_FALSE(ProfileFile(path).write("language", "comPort", "4"));
        EXPECT_EQ(dir.read("u.ini"), utf16);
    }

    const ProfileFile file(dir.write("a.ini", "[s]\nk=1\n"));
    const ProfileFile::Snapshot before = file.snapshot();
    ASSERT_TRUE(file.write("s", "k", "2"));
    EXPECT_EQ(before.read("s", "k"), "1");
    EXPECT_EQ(file.snapshot().read("s", "k"), "2");
    EXPECT_EQ(file.snapshot().read("s", "none", "dflt"), "dflt");
}

TEST(ProfileFile, FailedWriteLeavesTheOldFile) {
    test::TempDir dir;
    // The target is a folder: nothing can be written there, and nothing may be destroyed.
    const QString folder = dir.path("folder.ini");
    QDir().mkpath(folder + "/inside");
    EXPECT_FALSE(ProfileFile(folder).write("s", "k", "1"));
    EXPECT_TRUE(QFileInfo(folder + "/inside").isDir());

    // A FIFO in its place reads as the defaults and is not written, without waiting for a writer.
    const QString fifo = dir.path("fifo.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString report = test::runInChild([&]() -> QString {
        ::alarm(20);
        const ProfileFile file(fifo);
        return file.read("s", "k", "dflt") + (file.write("s", "k", "1") ? "written" : "");
    });
    EXPECT_EQ(report, "dflt");
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

} // namespace
} // namespace r5k27

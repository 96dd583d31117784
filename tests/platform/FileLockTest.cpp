// The save lock is taken only on a regular file of its own; anything planted at its name stops
// the save and is left as it was.
#include "platform/FileLock.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace r5k27;
using namespace std::chrono_literals;

TEST(FileLock, SomethingPlantedAtTheLocksNameIsNoLockAndStays) {
    const test::TempDir dir;
    const QString target = dir.write("target", "kept");
    const auto link = [&](const QString& to) {
        return [&, to](const QString& at) {
            return ::symlink(QFile::encodeName(to).constData(),
                             QFile::encodeName(at).constData()) == 0;
        };
    };
    const struct {
        const char* name;
        std::function<bool(const QString&)> plant;
    } planted[] = {
        {"folder", [](const QString& at) { return QDir().mkdir(at); }},
        {"fifo",
         [](const QString& at) { return ::mkfifo(QFile::encodeName(at).constData(), 0600) == 0; }},
        {"link to a file", link(target)},
        {"dangling link", link(dir.path("nothing"))},
    };
    for (const auto& p : planted) {
        const QString lockPath = dir.path(QString("%1.r5k27-lock").arg(p.name));
        ASSERT_TRUE(p.plant(lockPath)) << p.name;
        const QFileInfo before(lockPath);
        int error = 0;
        EXPECT_FALSE(FileLock::acquire(lockPath, 50ms, error).has_value()) << p.name;
        EXPECT_NE(error, 0) << p.name;
        const QFileInfo after(lockPath);
        EXPECT_TRUE(after.exists() || after.isSymLink()) << p.name << " was removed";
        EXPECT_EQ(after.isDir(), before.isDir()) << p.name;
        EXPECT_EQ(after.isSymLink(), before.isSymLink()) << p.name;
    }
    EXPECT_EQ(dir.read("target"), "kept");
    int error = 0;
    EXPECT_TRUE(FileLock::acquire(dir.path("own.r5k27-lock"), 50ms, error).has_value()) << error;
}

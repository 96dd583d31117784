// Saving against careless and hostile neighbours: relative paths, planted links and FIFOs at the
// temporary names, crafted markers, outputs that are no files, a second saver, and the order of
// the system calls that makes a commit survive a crash.
#include "core/common/CommitMarker.h"
#include "core/lang/Language.h"
#include "platform/FileLock.h"
#include "platform/SystemFileCalls.h"
#include "platform/SystemFileCommit.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace r5k27 {
namespace {

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// The set of a data file as the program writes it: a .dat and a .fre beside it.
struct PairSet {
    explicit PairSet(const QString& dataPath)
        : data(dataPath)
        , channels(QString(dataPath).replace(".dat", ".fre"))
        , marker(markerPathOf(dataPath)) {}
    QList<FileOutput> outputs(const QByteArray& tag) const {
        return {{channels, "channels " + tag}, {data, "data " + tag}};
    }
    QStringList paths() const { return {data, channels}; }
    QString data;
    QString channels;
    QString marker;
};

TEST(FileCommit, RelativePathsThroughAFolderLandInThatFolder) {
    test::TempDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QDir().mkpath("sub");
    const PairSet set("sub/car.dat");
    const auto committed = commitFileSet(set.marker, set.outputs("new"));
    // Staged, then finished by the recovery an open makes.
    const PairSet staged("sub/boat.dat");
    const auto stagedFailure = stageFileSet(staged.marker, staged.outputs("new"));
    const auto recovered = recoverFileSet(staged.marker, staged.paths());
    QDir::setCurrent(previous);

    EXPECT_FALSE(committed);
    EXPECT_FALSE(stagedFailure);
    EXPECT_FALSE(recovered);
    EXPECT_EQ(filesIn(dir.path("sub")),
              QStringList({"boat.dat", "boat.fre", "car.dat", "car.fre"}));
    EXPECT_EQ(test::fileBytes(dir.path("sub/boat.fre")), "channels new");
}

// A symlink, a hard link or a FIFO at a temporary's or the marker's name: the save fails naming
// it, without writing through it or waiting, and the files it leads to stay as they were.
TEST(FileCommit, PlantedLinksAndFifosAtTemporaryNamesAreNeverFollowed) {
    test::TempDir dir;
    const QString victim = dir.write("other/victim.txt", "someone else's");
    const QString report = test::runInChild([&]() -> QString {
        ::alarm(20); // a save that waits on the FIFO ends the child and fails the test
        QString seen;
        const PairSet set(dir.path("car.dat"));
        for (const QString& planted :
             {temporaryPathOf(set.data), temporaryPathOf(set.channels), set.marker}) {
            for (const char* kind : {"symlink", "hardlink", "fifo"}) {
                const QString what = QFileInfo(planted).fileName() + ' ' + kind + ": ";
                const QByteArray to = native(planted);
                if (kind == QByteArray("symlink"))
                    ::symlink(native(victim).constData(), to.constData());
                else if (kind == QByteArray("hardlink"))
                    ::link(native(victim).constData(), to.constData());
                else
                    ::mkfifo(to.constData(), 0600);
                const auto failure = commitFileSet(set.marker, set.outputs("new"));
                if (!failure || failure->path != planted || failure->error != EEXIST)
                    seen += what + (failure ? failure->path : "saved") + "; ";
                if (planted != set.marker) {
                    const QString single = planted.chopped(kTemporarySuffix.size());
                    if (!writeFileChecked(single, "single"))
                        seen += what + "single file saved; ";
                }
                if (test::fileBytes(victim) != "someone else's")
                    seen += what + "victim changed; ";
                QFile::remove(planted);
            }
        }
        return seen;
    });
    EXPECT_EQ(report, QString());
    EXPECT_EQ(filesIn(dir.path()), QStringList());
}

// Markers that name paths outside their folder, another set, a folder, or that another user
// could have written: removed with the set's own temporaries, and nothing else is touched.
TEST(FileCommit, CraftedMarkersNeverReachOutsideTheirSet) {
    test::TempDir dir;
    const QString outside = dir.write("home/x", "outside");
    dir.write("home/x" + kTemporarySuffix, "planted");
    const PairSet set(dir.path("work/car.dat"));
    dir.write("work/car.dat", "data old");
    dir.write("work/car.fre", "channels old");
    dir.write("work/boat.dat", "boat old");
    dir.write("work/boat.dat" + kTemporarySuffix, "boat planted");
    QDir().mkpath(dir.path("work/folder"));
    dir.write("work/folder" + kTemporarySuffix, "planted");

    const QList<QStringList> crafted{{"../home/x"},          {outside}, {"boat.dat"}, {"folder"},
                                     {"car.fre", "car.fre"}, {}};
    for (const QStringList& names : crafted) {
        QByteArray text = commitMarkerText(names);
        // The encoder would percent-encode a slash; a crafted marker need not.
        text.replace("%2F", "/");
        dir.write("work/car.dat" + kMarkerSuffix, text);
        dir.write("work/car.fre" + kTemporarySuffix, "channels interrupted");
        EXPECT_FALSE(recoverFileSet(set.marker, set.paths())) << names.join(',').toStdString();
        EXPECT_EQ(filesIn(dir.path("work")),
                  QStringList({"boat.dat", "boat.dat" + kTemporarySuffix, "car.dat", "car.fre",
                               "folder" + kTemporarySuffix}))
            << names.join(',').toStdString();
        EXPECT_EQ(test::fileBytes(set.channels), "channels old");
    }
    EXPECT_EQ(test::fileBytes(outside), "outside");
    EXPECT_TRUE(QFileInfo::exists(outside + kTemporarySuffix));
    EXPECT_TRUE(QFileInfo(dir.path("work/folder")).isDir());

    // A complete marker of the set whose companion became a folder: reported by name, no rename.
    QFile::remove(set.channels);
    QDir().mkpath(set.channels);
    dir.write("work/car.fre" + kTemporarySuffix, "channels new");
    dir.write("work/car.dat" + kMarkerSuffix, commitMarkerText({"car.fre", "car.dat"}));
    const auto failure = recoverFileSet(set.marker, set.paths());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, set.channels);
    EXPECT_EQ(writeFailureMessage("file error.", *failure, Language::English),
              "file error.\n" + set.channels + ": Is a directory");
}

// A folder, a FIFO, a socket or a link at the lock's name: a lock that cannot be had fails the
// save naming the lock file, at once, and the save never goes on without it.
TEST(FileCommit, AnythingPlantedAtTheLockFailsTheSave) {
    test::TempDir dir;
    const QString victim = dir.write("other/victim.txt", "someone else's");
    const PairSet set(dir.path("car.dat"));
    const QString lock = set.data + kLockSuffix;
    const QString report = test::runInChild([&]() -> QString {
        ::alarm(20);
        QString seen;
        const std::map<QByteArray, int> reasons{{"folder", EISDIR},
                                                {"fifo", kNotRegularFile},
                                                {"socket", kNotRegularFile},
                                                {"symlink", EEXIST},
                                                {"dangling", EEXIST}};
        for (const auto& [kind, reason] : reasons) {
            dir.write("car.dat", "data old");
            dir.write("car.fre", "channels old");
            const QByteArray at = native(lock);
            if (kind == "folder")
                QDir().mkpath(lock);
            else if (kind == "fifo")
                ::mkfifo(at.constData(), 0600);
            else if (kind == "socket")
                ::mknod(at.constData(), S_IFSOCK | 0600, 0);
            else
                ::symlink(kind == "symlink" ? native(victim).constData() : "nowhere",
                          at.constData());
            const auto pair = commitFileSet(set.marker, set.outputs("new"));
            const auto single = writeFileChecked(set.data, "single");
            for (const auto& failure : {pair, single})
                if (!failure || failure->path != lock || failure->error != reason)
                    seen += QString(kind) + ": " + (failure ? failure->path : "saved") + ' ' +
                            QString::number(failure ? failure->error : 0) + "; ";
            if (test::fileBytes(set.data) != "data old" ||
                test::fileBytes(set.channels) != "channels old")
                seen += QString(kind) + ": pair changed; ";
            // The lock's name is listed unless a folder is there; nothing else is added.
            QStringList left = filesIn(dir.path());
            left.removeOne("car.dat" + kLockSuffix);
            if (left != QStringList({"car.dat", "car.fre"}))
                seen += QString(kind) + ": " + left.join(' ') + "; ";
            QDir(lock).removeRecursively();
            QFile::remove(lock);
        }
        return seen;
    });
    EXPECT_EQ(report, QString());
    EXPECT_EQ(test::fileBytes(victim), "someone else's");
}

// Interrupted saves of car.dat + car.fre (both temporaries written) whose marker names only part
// of the set, more than it, or whose companion's temporary became a link: the pair stays the old
// one, the set's own temporaries and the marker go, the link and what it leads to stay.
TEST(FileCommit, MarkersOfPartOfTheSetOrWithForeignTemporariesChangeNothing) {
    test::TempDir dir;
    const QString victim = dir.write("other/victim.txt", "someone else's");
    const PairSet set(dir.path("car.dat"));
    const QString linkedTemporary = temporaryPathOf(set.channels);
    const QList<QStringList> markers{{"car.dat"},
                                     {"car.fre"},
                                     {"car.dat", "car.fre", "boat.dat"},
                                     {"car.dat", "car.fre", "car.dat"},
                                     {"car.dat", "car.fre"}};
    for (const QStringList& names : markers) {
        const bool withLink = names.size() == 2;
        const std::string label = names.join(',').toStdString();
        dir.write("car.dat", "data old");
        dir.write("car.fre", "channels old");
        dir.write("car.dat" + kTemporarySuffix, "data new");
        if (withLink)
            ASSERT_EQ(::symlink(native(victim).constData(), native(linkedTemporary).constData()),
                      0);
        else
            dir.write("car.fre" + kTemporarySuffix, "channels new");
        dir.write("car.dat" + kMarkerSuffix, commitMarkerText(names));

        EXPECT_FALSE(recoverFileSet(set.marker, set.paths())) << label;
        EXPECT_EQ(test::fileBytes(set.data), "data old") << label;
        EXPECT_EQ(test::fileBytes(set.channels), "channels old") << label;
        EXPECT_EQ(filesIn(dir.path()),
                  withLink ? QStringList({"car.dat", "car.fre", "car.fre" + kTemporarySuffix})
                           : QStringList({"car.dat", "car.fre"}))
            << label;
        QFile::remove(linkedTemporary);
    }
    EXPECT_EQ(test::fileBytes(victim), "someone else's");
}

// A save whose companion's temporary is swapped for a link after the marker is written: no file
// of the set is renamed, and the recovery an open makes keeps the old pair.
TEST(FileCommit, ATemporarySwappedBeforeTheRenamesStopsTheWholeSet) {
    test::TempDir dir;
    const QString victim = dir.write("other/victim.txt", "someone else's");
    const PairSet set(dir.path("car.dat"));
    dir.write("car.dat", "data old");
    dir.write("car.fre", "channels old");
    struct SwappingCalls : SystemFileCalls {
        QString temporary;
        QString target;
        void syncFolder(const QString& folder) override {
            if (!temporary.isEmpty() && QFile::remove(temporary))
                ::symlink(native(target).constData(), native(temporary).constData());
            temporary.clear();
            SystemFileCalls::syncFolder(folder);
        }
    } calls;
    calls.temporary = temporaryPathOf(set.channels);
    calls.target = victim;

    const auto failure = commitFileSet(set.marker, set.outputs("new"), {}, calls);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, temporaryPathOf(set.channels));
    EXPECT_EQ(test::fileBytes(set.data), "data old");
    EXPECT_FALSE(recoverFileSet(set.marker, set.paths()));
    EXPECT_EQ(test::fileBytes(set.data), "data old");
    EXPECT_EQ(test::fileBytes(set.channels), "channels old");
    EXPECT_EQ(test::fileBytes(victim), "someone else's");
    EXPECT_EQ(filesIn(dir.path()),
              QStringList({"car.dat", "car.fre", "car.fre" + kTemporarySuffix}));
}

TEST(FileCommit, MarkerParserAcceptsOnlyCompleteMarkersOfTheSet) {
    const QStringList set{"car.dat", "car.fre"};
    const QByteArray good = commitMarkerText({"car.fre", "car.dat"});
    EXPECT_EQ(parseCommitMarker(good, set), QStringList({"car.fre", "car.dat"}));
    EXPECT_EQ(parseCommitMarker(commitMarkerText({"a b%.dat"}), {"a b%.dat"}),
              QStringList({"a b%.dat"}));
    EXPECT_FALSE(parseCommitMarker(good.chopped(1), set));
    EXPECT_FALSE(parseCommitMarker(good.mid(1), set));
    EXPECT_FALSE(parseCommitMarker(commitMarkerText({"car.fre", "car.fre%00"}), set));
    EXPECT_FALSE(parseCommitMarker(commitMarkerText({"sub/car.fre"}), {"car.fre"}));
    EXPECT_FALSE(parseCommitMarker(commitMarkerText({"car.dat"}), set));
    EXPECT_FALSE(parseCommitMarker(commitMarkerText({"car.dat", "car.fre", "car.dat"}), set));
}

// Outputs that are no regular files, directly or through a link, are refused and stay as they
// were; a link to a regular file is replaced, its target left alone.
TEST(FileCommit, OutputsThatAreNoRegularFilesAreRefused) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(native(dir.path("fifo.csv")).constData(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/null", native(dir.path("null.csv")).constData()), 0);
    const QString target = dir.write("target.csv", "target");
    ASSERT_EQ(::symlink(native(target).constData(), native(dir.path("link.csv")).constData()), 0);
    const QString report = test::runInChild([&]() -> QString {
        ::alarm(20);
        QString seen;
        for (const char* name : {"fifo.csv", "null.csv"}) {
            const auto failure = writeFileChecked(dir.path(name), "x");
            if (!failure || failure->error != kNotRegularFile)
                seen += QString(name) + " written; ";
        }
        return seen;
    });
    EXPECT_EQ(report, QString());
    EXPECT_EQ(QFileInfo(dir.path("null.csv")).symLinkTarget(), "/dev/null");
    EXPECT_FALSE(writeFileChecked(dir.path("link.csv"), "new"));
    EXPECT_EQ(test::fileBytes(dir.path("link.csv")), "new");
    EXPECT_EQ(test::fileBytes(target), "target");
    EXPECT_EQ(writeFailureMessage("file error.", {"out.csv", kNotRegularFile}, Language::English),
              "file error.\nout.csv: Not a regular file");
}

// A save of a set another program is saving waits, and then fails naming the set.
TEST(FileCommit, ASecondSaverWaitsForTheLockAndThenFails) {
    test::TempDir dir;
    const PairSet set(dir.path("car.dat"));
    int error = 0;
    auto held = FileLock::acquire(set.data + kLockSuffix, std::chrono::milliseconds(0), error);
    ASSERT_TRUE(held);
    const auto wait = saveLockWait();
    setSaveLockWait(std::chrono::milliseconds(100));
    const auto failure = commitFileSet(set.marker, set.outputs("new"));
    dir.write("car.fre" + kTemporarySuffix, "another saver's");
    const auto recovered = recoverFileSet(set.marker, set.paths());
    setSaveLockWait(wait);
    ASSERT_TRUE(failure);
    EXPECT_EQ(writeFailureMessage("file error.", *failure, Language::English),
              set.data + " is being saved by another program.");
    EXPECT_EQ(writeFailureMessage("file error.", *failure, Language::Chinese),
              set.data + " 正在被另一个程序保存。");
    // Recovery does not take away the other saver's temporary either.
    EXPECT_TRUE(recovered);
    EXPECT_TRUE(QFileInfo::exists(set.channels + kTemporarySuffix));

    held.reset();
    EXPECT_FALSE(commitFileSet(set.marker, set.outputs("new")));
    EXPECT_EQ(filesIn(dir.path()), QStringList({"car.dat", "car.fre"}));
}

// The real calls, each one logged by the file name it concerns; the call numbered failAt fails.
class RecordingCalls : public SystemFileCalls {
public:
    QStringList log;
    int failAt = -1;

    int createNew(const QString& path, const QString& modeFrom, int& fd) override {
        if (const int error = note("create " + name(path)))
            return error;
        const int error = SystemFileCalls::createNew(path, modeFrom, fd);
        names_[fd] = name(path);
        return error;
    }
    int writeAll(int fd, const QByteArray& bytes) override {
        const int error = note("write " + names_[fd]);
        return error ? error : SystemFileCalls::writeAll(fd, bytes);
    }
    int sync(int fd) override {
        const int error = note("sync " + names_[fd]);
        return error ? error : SystemFileCalls::sync(fd);
    }
    int close(int fd) override {
        const int closed = SystemFileCalls::close(fd);
        const int error = note("close " + names_[fd]);
        return error ? error : closed;
    }
    int rename(const QString& from, const QString& to) override {
        const int error = note("rename " + name(from) + " " + name(to));
        return error ? error : SystemFileCalls::rename(from, to);
    }
    int remove(const QString& path) override {
        const int error = note("remove " + name(path));
        return error ? error : SystemFileCalls::remove(path);
    }
    void syncFolder(const QString& folder) override {
        note("sync folder");
        SystemFileCalls::syncFolder(folder);
    }

private:
    int note(const QString& call) {
        log << call;
        return log.size() - 1 == failAt ? EIO : 0;
    }
    static QString name(const QString& path) {
        return QFileInfo(path).fileName().replace(kTemporarySuffix, "~");
    }
    std::map<int, QString> names_;
};

// Temporaries written and synced, the marker written and synced, the folder synced, the
// renames, the folder synced, the marker removed, the folder synced: dropping any sync or
// moving a step shows here.
TEST(FileCommit, ACommitSyncsEachStepBeforeTheNext) {
    test::TempDir dir;
    const PairSet set(dir.path("car.dat"));
    RecordingCalls calls;
    ASSERT_FALSE(commitFileSet(set.marker, set.outputs("new"), {}, calls));
    const QStringList expected{"create car.fre~",
                               "write car.fre~",
                               "sync car.fre~",
                               "close car.fre~",
                               "create car.dat~",
                               "write car.dat~",
                               "sync car.dat~",
                               "close car.dat~",
                               "create car.dat.r5k27-commit",
                               "write car.dat.r5k27-commit",
                               "sync car.dat.r5k27-commit",
                               "close car.dat.r5k27-commit",
                               "sync folder",
                               "rename car.fre~ car.fre",
                               "rename car.dat~ car.dat",
                               "sync folder",
                               "remove car.dat.r5k27-commit",
                               "sync folder"};
    EXPECT_EQ(calls.log, expected);

    RecordingCalls single;
    ASSERT_FALSE(writeFileChecked(dir.path("out.csv"), "csv", single));
    EXPECT_EQ(single.log,
              QStringList({"create out.csv~", "write out.csv~", "sync out.csv~", "close out.csv~",
                           "rename out.csv~ out.csv", "sync folder"}));
}

// Any one call failing: the save reports it and, after the recovery an open makes, the pair is
// the old or the new one with nothing else left.
TEST(FileCommit, AFailureAtAnyCallLeavesTheOldOrTheNewPair) {
    test::TempDir dir;
    const PairSet set(dir.path("car.dat"));
    for (int failAt = 0; failAt < 18; ++failAt) {
        dir.write("car.dat", "data old");
        dir.write("car.fre", "channels old");
        RecordingCalls calls;
        calls.failAt = failAt;
        const auto failure = commitFileSet(set.marker, set.outputs("new"), {}, calls);
        const QString call = calls.log.value(failAt);
        EXPECT_EQ(!failure, call.startsWith("sync folder") || call.startsWith("remove"))
            << call.toStdString();
        EXPECT_FALSE(recoverFileSet(set.marker, set.paths())) << call.toStdString();
        const QByteArray data = test::fileBytes(set.data);
        EXPECT_EQ(test::fileBytes(set.channels),
                  data == "data new" ? "channels new" : "channels old")
            << call.toStdString();
        EXPECT_EQ(filesIn(dir.path()), QStringList({"car.dat", "car.fre"})) << call.toStdString();
    }
}

} // namespace
} // namespace r5k27

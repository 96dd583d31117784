#include "DocumentSamples.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFile.h"
#include "platform/SystemFileCommit.h"
#include "support/ChildProcess.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>

namespace r5k27 {
namespace {

struct Session {
    Document doc;
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    DataFileContext ctx{doc, settings, versions, prompter, systemFileCalls()};
};

// A valid document with `records` channels, all in group A of CB: a small pair, so a test can
// afford every byte limit.
Document smallDocument(std::uint32_t seed, int records) {
    QRandomGenerator rng(seed);
    Document doc = test::randomDocument(rng);
    doc.curImage.verTag.assign("V200");
    doc.curImage.chCount.fill(0);
    doc.curImage.chCount(0, 1) = std::int16_t(records);
    for (int slot = 1; slot <= records; ++slot)
        doc.chTable.at({0, 1, slot}).chNo = std::int16_t(slot);
    return doc;
}

// Both files of a saved pair.
struct Pair {
    QByteArray data;
    QByteArray channels;
    bool operator==(const Pair&) const = default;
};

Pair pairAt(const QString& path) {
    return {test::fileBytes(path), test::fileBytes(companionPath(path))};
}

// The files of a pair as a save writes them, made in a folder of their own.
Pair savedPair(const Document& doc) {
    test::TempDir scratch{test::TempDir::InMemory{}};
    Session s;
    s.doc = doc;
    const QString path = scratch.path("x.dat");
    return saveDataFile(s.ctx, path) ? pairAt(path) : Pair{};
}

QStringList filesIn(const test::TempDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}

class DataFileCrash : public ::testing::Test {
protected:
    void SetUp() override {
        oldDoc = smallDocument(1, 3);
        newDoc = smallDocument(2, 5);
        oldPair = savedPair(oldDoc);
        newPair = savedPair(newDoc);
        ASSERT_FALSE(oldPair.data.isEmpty());
        ASSERT_NE(oldPair.channels.size(), newPair.channels.size());
        path = dir.path("doc.dat");
        restoreOld();
    }

    void restoreOld() {
        test::putFileBytes(path, oldPair.data);
        test::putFileBytes(companionPath(path), oldPair.channels);
    }

    test::TempDir dir{test::TempDir::InMemory{}};
    Document oldDoc;
    Document newDoc;
    Pair oldPair;
    Pair newPair;
    QString path;
    const QStringList pairNames{"doc.dat", "doc.fre"};
};

// Every byte limit from nothing to beyond the pair: the save fails with the file and the reason
// and leaves the old pair alone, or succeeds with the whole new pair; never a temporary left.
TEST_F(DataFileCrash, FullDiskAtEveryByteLimitFailsCleanlyOrSavesEverything) {
    const qint64 largest = std::max(newPair.data.size(), newPair.channels.size());
    const QString report = test::runInChild([&]() -> QString {
        for (qint64 limit = 0; limit <= newPair.data.size() + newPair.channels.size(); ++limit) {
            Session s;
            s.doc = newDoc;
            test::setFileSizeLimit(limit);
            const bool saved = saveDataFile(s.ctx, path);
            test::setFileSizeLimit(-1);
            const QString at = QStringLiteral("limit %1: ").arg(limit);
            if (saved != (limit >= largest))
                return at + QStringLiteral("saved %1").arg(saved);
            if (filesIn(dir) != pairNames)
                return at + filesIn(dir).join(u' ');
            if (pairAt(path) != (saved ? newPair : oldPair))
                return at + QStringLiteral("wrong files");
            const QString file = limit < newPair.channels.size() ? companionPath(path) : path;
            if (!saved &&
                s.prompter.texts() != QStringList{"file error.\n" + file + ": File too large"})
                return at + s.prompter.texts().join(u'|');
            if (saved)
                restoreOld();
        }
        return {};
    });
    EXPECT_EQ(report, QString());
}

// A save killed at random moments, over and over: the next open finds the old or the new pair,
// whole, and leaves nothing else behind.
TEST_F(DataFileCrash, KilledSavesLeaveTheOldOrTheNewPair) {
    // How long one save takes in a forked child, so the kills spread over all of it. Measured
    // there: copy-on-write after the fork makes it slower than the same save in this process.
    qint64 saveMicros = 50;
    for (int k = 0; k < 5; ++k) {
        const QString micros = test::runInChild([&] {
            QElapsedTimer timer;
            timer.start();
            Session s;
            s.doc = newDoc;
            return saveDataFile(s.ctx, path) ? QString::number(timer.nsecsElapsed() / 1000)
                                             : QStringLiteral("save failed");
        });
        bool ok = false;
        saveMicros = std::max(saveMicros, micros.toLongLong(&ok));
        ASSERT_TRUE(ok) << micros.toStdString();
    }

    std::mt19937 rng(20261207);
    std::uniform_int_distribution<qint64> delay(0, saveMicros * 2);
    int interrupted = 0;
    int newOnes = 0;
    for (int kill = 0; kill < 500; ++kill) {
        restoreOld();
        test::killDuring(
            [&] {
                Session s;
                s.doc = newDoc;
                saveDataFile(s.ctx, path);
            },
            std::chrono::microseconds(delay(rng)));
        if (filesIn(dir) != pairNames)
            ++interrupted;

        Session reader;
        ASSERT_TRUE(openDataFile(reader.ctx, path)) << "kill " << kill;
        const Pair found = pairAt(path);
        ASSERT_TRUE(found == oldPair || found == newPair) << "kill " << kill;
        newOnes += found == newPair;
        ASSERT_EQ(filesIn(dir), pairNames) << "kill " << kill;
    }
    // The kills must have hit saves under way, not only before or after them.
    EXPECT_GT(interrupted, 10);
    EXPECT_GT(newOnes, 10);
    EXPECT_LT(newOnes, 490);
}

// A crash between the renames: the channel file is new, the data file still old. Opening rolls
// the save forward; temporaries without a complete marker are thrown away instead.
TEST_F(DataFileCrash, OpeningFinishesACommittedSaveAndDropsAnUncommittedOne) {
    const QString marker = commitMarkerPath(path);
    const QList<FileOutput> files{{companionPath(path), newPair.channels}, {path, newPair.data}};
    ASSERT_FALSE(stageFileSet(marker, files));
    ASSERT_EQ(::rename(QFile::encodeName(temporaryPathOf(companionPath(path))).constData(),
                       QFile::encodeName(companionPath(path)).constData()),
              0);
    Session reader;
    ASSERT_TRUE(openDataFile(reader.ctx, path));
    EXPECT_EQ(pairAt(path), newPair);
    EXPECT_EQ(filesIn(dir), pairNames);
    EXPECT_EQ(reader.doc.curImage.chCount(0, 1), 5);

    // Torn marker (no closing line) or none at all: the save never began to replace anything.
    for (bool torn : {true, false}) {
        restoreOld();
        ASSERT_FALSE(stageFileSet(marker, files));
        if (torn)
            test::putFileBytes(marker, test::fileBytes(marker).chopped(4));
        else
            QFile::remove(marker);
        ASSERT_TRUE(openDataFile(reader.ctx, path));
        EXPECT_EQ(pairAt(path), oldPair);
        EXPECT_EQ(filesIn(dir), pairNames);
        EXPECT_EQ(reader.doc.curImage.chCount(0, 1), 3);
    }
}

} // namespace
} // namespace r5k27

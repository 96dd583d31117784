#include "core/document/DataFile.h"

#include "DocumentSamples.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFileLayout.h"
#include "core/document/ModifiedCheck.h"
#include "platform/SystemFileCommit.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// One open document with everything opening and saving needs.
struct Session {
    Document doc;
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    QStringList started;
    DataFileContext ctx{
        doc,      settings,          versions,
        prompter, systemFileCalls(), [this](const QString& tag) { started << tag; }};
};

// A document the program could have written: counts in range and a "V200" tag.
Document validDocument(std::uint32_t seed) {
    QRandomGenerator rng(seed);
    Document doc = test::randomDocument(rng);
    doc.curImage.verTag.assign("V200");
    return doc;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class DataFileOpen : public ::testing::Test {
protected:
    void SetUp() override {
        session.doc = validDocument(1);
        before = session.doc;
        const Document other = validDocument(2);
        good = dir.path("good.dat");
        test::writeFilesRaw(good, other.curImage, other.chTable);
    }

    // The open was refused with exactly this one message and changed nothing.
    void expectRefused(const QString& path, const QString& message) {
        session.prompter.shown.clear();
        EXPECT_FALSE(openDataFile(session.ctx, path));
        EXPECT_EQ(session.prompter.texts(), QStringList{message});
        EXPECT_TRUE(test::sameDocument(session.doc, before));
    }

    test::TempDir dir;
    Session session;
    Document before;
    QString good;
};

TEST_F(DataFileOpen, ReplacesTheWholeDocumentAndItsDerivedValues) {
    QByteArray data = fileBytes(good);
    data.replace(0, 4, "V200");
    data[4] = 0; // work mode CB
    data[5] = 0;
    data.replace(94, 7, QByteArray("XY12 \0\0", 7));
    QFile out(good);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(data);
    out.close();

    ASSERT_TRUE(openDataFile(session.ctx, good));
    EXPECT_TRUE(session.prompter.shown.isEmpty());
    EXPECT_EQ(serializeImage(session.doc.curImage), data);
    EXPECT_EQ(session.doc.fileImage, session.doc.curImage);
    EXPECT_EQ(serializeChannelFile(session.doc.curImage, session.doc.chTable),
              fileBytes(dir.path("good.fre")));
    EXPECT_FALSE(isModified(session.doc));
    EXPECT_EQ(session.doc.docPath, good);
    EXPECT_FALSE(session.doc.docUntitled);
    EXPECT_EQ(session.settings.modelCodeText, "XY12");
    EXPECT_EQ(session.settings.dataVersion, "V200");
}

TEST_F(DataFileOpen, RefusalsShowTheirMessageAndChangeNothing) {
    EXPECT_FALSE(QFileInfo::exists(dir.path("none.dat")));
    expectRefused(dir.path("none.dat"), "file error.");
    EXPECT_FALSE(QFileInfo::exists(dir.path("none.dat"))); // nothing created
    expectRefused(dir.path(), "file error.");              // a folder

    QByteArray data = fileBytes(good);
    for (const char* tag : {"VABC", "X200", "V20 "}) {
        data.replace(0, 4, tag);
        expectRefused(dir.write("bad.dat", data), "Unknown version Of DataFile!");
    }
    expectRefused(dir.write("empty.dat", ""), "Unknown version Of DataFile!");

    expectRefused(dir.write("long.dat", fileBytes(good) + "x"),
                  "Wrong data file length: 1345 bytes (1344 expected).");
    expectRefused(dir.write("short.dat", "V200"),
                  "Wrong data file length: 4 bytes (1344 expected).");

    QFile::remove(dir.path("good.fre"));
    expectRefused(good, "file error.");
    const Document other = validDocument(2);
    const QByteArray channels = serializeChannelFile(other.curImage, other.chTable);
    dir.write("good.fre", channels.chopped(1));
    expectRefused(good, "file error.");

    data = fileBytes(good);
    data[54] = 47; // ChCount(0,1)
    dir.write("good.fre", QByteArray(100000, '\0'));
    expectRefused(dir.write("good.dat", data), "file error.");
}

TEST_F(DataFileOpen, RefusalMessagesInChinese) {
    session.settings.language = Language::Chinese;
    before = session.doc;
    expectRefused(dir.path("none.dat"), "文件错误。");
    expectRefused(dir.write("x.dat", QByteArray("V200") + QByteArray(6, ' ')),
                  "数据文件长度错误：10 字节（应为 1344 字节）。");
    expectRefused(dir.write("y.dat", "X200"), "未能识别的数据版本!");
}

TEST_F(DataFileOpen, IncompatibleVersionAsksAndStartsTheOtherProgramOnYes) {
    QByteArray data = fileBytes(good);
    data.replace(0, 4, "V100");
    const QString old = dir.write("old.dat", data);
    dir.write("old.fre", fileBytes(dir.path("good.fre")));
    const QString question =
        incompatibleMessage("V200", "V100", VersionKind::DataFile, Language::English);
    EXPECT_TRUE(
        question.endsWith("\r\nDataFile version is V1.00\r\nprogramming software is V2.00"));

    session.prompter.answers = {Answer::No};
    expectRefused(old, question);
    EXPECT_TRUE(session.started.isEmpty());

    session.prompter.answers = {Answer::Yes};
    expectRefused(old, question);
    EXPECT_EQ(session.started, QStringList{"V100"});
    EXPECT_EQ(session.prompter.shown.front().buttons, Buttons::YesNo);

    // Without a way to start another version, Yes says there is none.
    session.ctx.startVersionProgram = nullptr;
    session.prompter.shown.clear();
    EXPECT_FALSE(openDataFile(session.ctx, old));
    EXPECT_EQ(session.prompter.texts(),
              QStringList({question, "Fail to start the software. This version does not exist."}));

    // A list that pairs V200 with V100 opens the file as this program's own.
    session.versions = VersionList::load([](const QString&, const QString& key) {
        return key == "FirmVersionCount" ? QString("1") : key == "Firm0" ? "V200V100" : "";
    });
    session.prompter.shown.clear();
    ASSERT_TRUE(openDataFile(session.ctx, old));
    EXPECT_EQ(session.doc.curImage.verTag.raw(), "V200");
}

class DataFileSave : public ::testing::Test {
protected:
    test::TempDir dir;
    Session session;
};

TEST_F(DataFileSave, WritesBothFilesAndStoresTheDocumentAsSaved) {
    session.doc = validDocument(3);
    session.settings.modelCodeText = "  ZT6666 ";
    session.doc.curImage.workMode = 0;
    const QString path = dir.path("out.dat");
    dir.write("out.fre", QByteArray(1 << 16, 'z')); // a longer old file leaves nothing behind
    ASSERT_TRUE(saveDataFile(session.ctx, path));

    const QByteArray data = fileBytes(path);
    ASSERT_EQ(data.size(), 1344);
    EXPECT_EQ(data.left(4), "V200");
    EXPECT_EQ(data.mid(94, 7), QByteArray("ZT6666\0", 7));
    EXPECT_EQ(data.mid(101, 4), QByteArray("\xF8\x00\x00\x00", 4)); // 248, CB flag
    EXPECT_EQ(data.mid(118, 6), QByteArray("ZT6666"));
    EXPECT_EQ(session.settings.modelCodeText, "ZT6666");
    EXPECT_EQ(fileBytes(dir.path("out.fre")),
              serializeChannelFile(session.doc.curImage, session.doc.chTable));
    EXPECT_EQ(fileBytes(dir.path("out.fre")).size(), 54 * *usedRecordCount(session.doc.curImage));
    EXPECT_FALSE(isModified(session.doc));
    EXPECT_EQ(session.doc.fileImage, session.doc.curImage);
    EXPECT_EQ(session.doc.docPath, path);
    EXPECT_FALSE(session.doc.docUntitled);
    EXPECT_TRUE(session.prompter.shown.isEmpty());
    // No temporaries left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"out.dat", "out.fre"}));
}

TEST_F(DataFileSave, FailedSaveKeepsTheOldFilesAndTheUnsavedState) {
    session.doc = validDocument(4);
    session.doc.docPath = dir.path("old.dat");
    const QString path = dir.write("old.dat", "previous data");
    QDir().mkpath(dir.path("old.fre")); // the channel file cannot be written
    const MemoryImage savedBefore = session.doc.fileImage;
    ASSERT_TRUE(isModified(session.doc));

    EXPECT_FALSE(saveDataFile(session.ctx, path));
    EXPECT_EQ(session.prompter.texts(),
              QStringList{"file error.\n" + dir.path("old.fre") + ": Is a directory"});
    EXPECT_EQ(fileBytes(path), "previous data");
    EXPECT_TRUE(isModified(session.doc));
    EXPECT_EQ(session.doc.fileImage, savedBefore);

    // Saving somewhere unreachable or over the data file itself fails the same way.
    session.prompter.shown.clear();
    EXPECT_FALSE(saveDataFile(session.ctx, dir.path("no/such/folder/x.dat")));
    EXPECT_FALSE(saveDataFile(session.ctx, dir.path("clash.fre")));
    EXPECT_FALSE(QFileInfo::exists(dir.path("clash.fre")));
    EXPECT_EQ(session.prompter.texts(),
              QStringList({"file error.\n" + dir.path("no/such/folder/x.dat") +
                               ": No such file or directory",
                           "file error."}));
    EXPECT_EQ(session.doc.docPath, dir.path("old.dat"));
    EXPECT_TRUE(isModified(session.doc));

    // The reason is in the user's language too.
    session.prompter.shown.clear();
    session.settings.language = Language::Chinese;
    EXPECT_FALSE(saveDataFile(session.ctx, path));
    EXPECT_EQ(session.prompter.texts(),
              QStringList{"文件错误。\n" + dir.path("old.fre") + ": 是一个文件夹"});
}

TEST_F(DataFileSave, FailedSaveLeavesAnUnmodifiedDocumentAsItWas) {
    // A file from another writer: identity bytes the program would write differently.
    Document other = validDocument(5);
    other.curImage.radioInfo.modelCode.assign("ZT6666");
    other.curImage.radioInfo.modelNo = 7;
    const QString path = dir.path("in.dat");
    test::writeFilesRaw(path, other.curImage, other.chTable);
    ASSERT_TRUE(openDataFile(session.ctx, path));
    ASSERT_FALSE(isModified(session.doc));
    const Document opened = session.doc;

    EXPECT_FALSE(saveDataFile(session.ctx, dir.path("no/such/folder/x.dat")));
    EXPECT_TRUE(test::sameDocument(session.doc, opened));
    EXPECT_FALSE(isModified(session.doc));
}

// Random valid documents survive save -> open unchanged, and saving again is byte-identical.
TEST(DataFileRoundTrip, RandomDocumentsSurviveSaveAndOpen) {
    test::TempDir dir;
    for (std::uint32_t seed = 100; seed < 140; ++seed) {
        Session writer;
        writer.doc = validDocument(seed);
        ASSERT_TRUE(saveDataFile(writer.ctx, dir.path("a.dat"))) << seed;

        Session reader;
        reader.doc = validDocument(seed + 1000);
        ASSERT_TRUE(openDataFile(reader.ctx, dir.path("a.dat"))) << seed;
        EXPECT_EQ(reader.doc.curImage, writer.doc.curImage) << seed;
        EXPECT_EQ(serializeChannelFile(reader.doc.curImage, reader.doc.chTable),
                  serializeChannelFile(writer.doc.curImage, writer.doc.chTable))
            << seed;
        EXPECT_FALSE(isModified(reader.doc));

        ASSERT_TRUE(saveDataFile(reader.ctx, dir.path("b.dat")));
        EXPECT_EQ(fileBytes(dir.path("b.dat")), fileBytes(dir.path("a.dat"))) << seed;
        EXPECT_EQ(fileBytes(dir.path("b.fre")), fileBytes(dir.path("a.fre"))) << seed;
    }
}

TEST(DataFileRoundTrip, PlainReadKeepsTheTagAndFailsWithoutChanges) {
    test::TempDir dir;
    Document source = validDocument(5);
    source.curImage.verTag.assign("V1.0");
    source.curImage.workMode = 1;
    test::writeFilesRaw(dir.path("d.dat"), source.curImage, source.chTable);

    Session session;
    session.doc = validDocument(6);
    Document before = session.doc;
    EXPECT_FALSE(readPlainFile(session.doc, session.settings, dir.path("missing.dat")));
    QFile::remove(dir.path("d.fre"));
    EXPECT_FALSE(readPlainFile(session.doc, session.settings, dir.path("d.dat")));
    EXPECT_TRUE(test::sameDocument(session.doc, before));

    test::writeFilesRaw(dir.path("d.dat"), source.curImage, source.chTable);
    ASSERT_TRUE(readPlainFile(session.doc, session.settings, dir.path("d.dat")));
    EXPECT_EQ(session.doc.curImage, source.curImage);
    EXPECT_EQ(session.settings.dataVersion, "V1.0");
    EXPECT_FALSE(isModified(session.doc));
    EXPECT_EQ(session.doc.docPath, before.docPath); // a default file names nothing
    EXPECT_TRUE(session.prompter.shown.isEmpty());
}

// Random and cut files never crash and a refused one never changes the open document.
TEST(DataFileRobustness, RandomAndTruncatedFilesNeverChangeTheDocumentUnlessAccepted) {
    test::TempDir dir;
    QRandomGenerator rng(2024);
    const Document valid = validDocument(7);
    test::writeFilesRaw(dir.path("v.dat"), valid.curImage, valid.chTable);
    const QByteArray validData = fileBytes(dir.path("v.dat"));
    const QByteArray validChannels = fileBytes(dir.path("v.fre"));
    const auto randomBytes = [&](int size) {
        QByteArray b(size, '\0');
        for (auto& c : b)
            c = char(rng.bounded(256));
        return b;
    };

    for (int round = 0; round < 300; ++round) {
        QByteArray data;
        QByteArray channels;
        switch (round % 4) {
        case 0: // anything
            data = randomBytes(rng.bounded(3000));
            channels = randomBytes(rng.bounded(60000));
            break;
        case 1: // right tag and length, random content (counts out of range or too few records)
            data = "V200" + randomBytes(1340);
            channels = randomBytes(rng.bounded(60000));
            break;
        case 2: // a cut data file
            data = validData.left(rng.bounded(validData.size()));
            channels = validChannels;
            break;
        default: // a cut channel file
            data = validData;
            channels = validChannels.left(rng.bounded(validChannels.size()));
            break;
        }
        dir.write("r.dat", data);
        dir.write("r.fre", channels);

        Session session;
        session.doc = validDocument(8);
        const Document before = session.doc;
        session.prompter.answers = {Answer::No};
        const bool mustFail = round % 4 >= 2;
        if (openDataFile(session.ctx, dir.path("r.dat"))) {
            EXPECT_FALSE(mustFail) << round;
            EXPECT_EQ(serializeImage(session.doc.fileImage).mid(4), data.mid(4)) << round;
        } else {
            EXPECT_TRUE(test::sameDocument(session.doc, before)) << round;
            EXPECT_EQ(session.prompter.shown.size(), 1) << round;
        }

        Document plain = validDocument(9);
        const Document plainBefore = plain;
        AppSettings settings;
        if (!readPlainFile(plain, settings, dir.path("r.dat"))) {
            EXPECT_TRUE(test::sameDocument(plain, plainBefore)) << round;
        }
    }
}

} // namespace
} // namespace r5k27

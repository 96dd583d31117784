#include "core/document/InitialValues.h"

#include "DocumentSamples.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/DefaultChannels.h"
#include "core/common/DocumentEvents.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFile.h"
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

const QDate kToday(2026, 12, 7);

// 16-bit little-endian values as they lie in the record.
QByteArray ints(const std::vector<int>& values) {
    QByteArray out;
    for (int v : values) {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    }
    return out;
}

// Saves the built-in document of a work mode, with one group renamed so it can be recognised.
void installDefaultFile(const QString& path, int workMode, const QString& firstGroupName) {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, workMode, kToday);
    doc.curImage.optFeat.groupName(workMode, 1).assign(firstGroupName);
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    DataFileContext ctx{doc, settings, versions, prompter, systemFileCalls()};
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(saveDataFile(ctx, path));
}

TEST(NewDocument, WithoutDefaultFilesItIsTheBuiltInCbDocument) {
    Document doc;
    AppSettings settings; // HF band, as after the settings step
    doc.docPath = "old.dat";
    doc.docUntitled = false;
    newDocumentAtStart(doc, settings, "/nonexistent/program", kToday);

    EXPECT_TRUE(doc.docUntitled);
    EXPECT_EQ(doc.docPath, "new.dat");
    EXPECT_FALSE(isModified(doc));
    EXPECT_EQ(doc.fileImage, doc.curImage);
    EXPECT_EQ(doc.curImage.workMode, 0);

    const MemoryImage& m = doc.curImage;
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (int group = 1; group <= kGroupCount; ++group) {
            ASSERT_EQ(m.chCount(mode, group), 7);
            EXPECT_EQ(m.optFeat.groupName(mode, group).clean(), QString(QChar('A' + group - 1)));
            for (int slot = 1; slot <= 6; ++slot)
                EXPECT_EQ(doc.chTable.at({mode, group, slot}).chNo, 40 + slot);
            EXPECT_EQ(doc.chTable.at({mode, group, 7}).chNo, 1);
        }
    }
    const ChannelRec& g7 = doc.chTable.at({1, 7, 7});
    EXPECT_EQ(g7.rxFreq.raw(), "28015000");
    EXPECT_EQ(g7.txFreq.raw(), "28015000");
    EXPECT_EQ(doc.chTable.at({0, 10, 7}).rxFreq.raw(), "28085000");
    EXPECT_EQ(doc.chTable.at({0, 3, 2}).rxFreq.raw(), "28145000"); // M2
    EXPECT_EQ(g7.scanAdd, 1);
    EXPECT_EQ(g7.decodeTone, 8);
    EXPECT_EQ(g7.encodeTone, 8);
    EXPECT_EQ(g7.nbAnl, 1);
    EXPECT_EQ(g7.mode, 0);
}

TEST(NewDocument, BuiltInValuesLandWhereTheRecordKeepsThem) {
    Document doc;
    AppSettings settings;
    newDocumentAtStart(doc, settings, "/nonexistent/program", kToday);
    const QByteArray d = serializeImage(doc.curImage);

    EXPECT_EQ(d.mid(0, 4), "V200");
    EXPECT_EQ(d.mid(4, 6), ints({0, 1, 1}));
    EXPECT_EQ(d.mid(10, 44), ints(std::vector<int>(22, 1)));
    EXPECT_EQ(d.mid(54, 40), ints(std::vector<int>(20, 7)));
    EXPECT_EQ(d.mid(94, 7), QByteArray("ZT6666\0", 7));
    EXPECT_EQ(d.mid(101, 4), ints({248, 0})); // CB identity
    EXPECT_EQ(d.mid(105, 8), "20261207");
    EXPECT_EQ(d.mid(113, 5), "V2.00");
    EXPECT_EQ(d.mid(118, 10), QByteArray("ZT6666") + ints({0, 67}));
    EXPECT_EQ(d.mid(128, 40), ints(std::vector<int>(20, 1)));
    EXPECT_EQ(d.mid(168, 8), QByteArray("A\0  A\0  ", 8));
    EXPECT_EQ(d.mid(244, 4), QByteArray("J\0  ", 4));
    EXPECT_EQ(d.mid(248, 80), ints(std::vector<int>(40, 1)));
    EXPECT_EQ(d.mid(328, 14), ints({2, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(d.mid(342, 120), ints(std::vector<int>(60, 1)));
    EXPECT_EQ(d.mid(462, 40), ints(std::vector<int>(20, 41)));
    EXPECT_EQ(d.mid(502, 12), ints({0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(d.mid(514, 18), ints({1, 0, 0, 0, 0, 1, 0, 30, 0}));
    EXPECT_EQ(d.mid(532, 20), ints({0, 1, 1, 0, 0, 0, 1, 97, 168, 160}));
    EXPECT_EQ(d.mid(552, 12), ints({1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(d.mid(564, 12), ints({1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(d.mid(576, 16), QByteArray("\0               ", 16));
    EXPECT_EQ(d.mid(816, 16), QByteArray("\0               ", 16));
    // Tone 1: seven steps, then untouched zeros, then the trailing pair.
    EXPECT_EQ(d.mid(832, 60), ints({210, 10, 0, 10, 210, 10, 0, 10, 210, 10, 0, 10, 210, 10, 0,
                                    0,   0,  0, 0,  0,   0,  0, 0,  0,   0,  0, 0,  0,   1,  0}));
    EXPECT_EQ(d.mid(892, 8), ints({80, 4, 0, 4}));
    EXPECT_EQ(d.mid(892 + 52, 8), ints({0, 4, 1, 0}));   // tone 2 step 14, trailing pair
    EXPECT_EQ(d.mid(952 + 24, 8), ints({170, 3, 0, 0})); // tone 3 step 7, step 8
    EXPECT_EQ(d.mid(1012, 20), ints({64, 6, 94, 6, 134, 6, 163, 6, 192, 6}));
    EXPECT_EQ(d.mid(1072 + 20, 8), ints({70, 20, 0, 0}));
    EXPECT_EQ(d.mid(1132, 180), QByteArray(180, '\0')); // tones 6..8 not set
    EXPECT_EQ(d.mid(1312, 8), QByteArray("\x64\0\0\0\0\0\x05\0", 8));
    EXPECT_EQ(d.mid(1320, 24), ints({0, 3, 10, 14, 24, 35, 0, 5, 8, 12, 23, 35}));
}

TEST(NewDocument, OverlaysTheNewDefaultFileOfTheStartUpBand) {
    test::TempDir dir;
    installDefaultFile(dir.path("Init/0_ZT6666_New.dat"), 0, "CB");
    Document doc;
    AppSettings settings;
    newDocumentAtStart(doc, settings, dir.path(), kToday);
    // The band at start is HF, so the CB file is not the one looked for.
    EXPECT_EQ(doc.curImage.optFeat.groupName(0, 1).clean(), "A");

    installDefaultFile(dir.path("Init/1_ZT6666_New.dat"), 1, "HF");
    settings = AppSettings();
    newDocumentAtStart(doc, settings, dir.path(), kToday);
    EXPECT_EQ(doc.curImage.optFeat.groupName(1, 1).clean(), "HF");
    EXPECT_EQ(doc.curImage.workMode, 1);
    EXPECT_FALSE(isModified(doc));
    EXPECT_TRUE(doc.docUntitled);
}

TEST(NewDocument, UneditedSaveOpenSaveIsByteIdentical) {
    test::TempDir dir;
    Document doc;
    AppSettings settings;
    newDocumentAtStart(doc, settings, dir.path(), kToday);
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    DataFileContext ctx{doc, settings, versions, prompter, systemFileCalls()};
    ASSERT_TRUE(saveDataFile(ctx, dir.path("a.dat")));
    ASSERT_TRUE(openDataFile(ctx, dir.path("a.dat")));
    ASSERT_TRUE(saveDataFile(ctx, dir.path("b.dat")));
    const auto read = [&](const char* name) { return dir.read(name); };
    EXPECT_EQ(read("a.dat"), read("b.dat"));
    EXPECT_EQ(read("a.fre"), read("b.fre"));
    EXPECT_EQ(read("a.dat").at(103), 0);
    EXPECT_EQ(read("a.fre").size(), 140 * 54);
}

TEST(DefaultFile, LoadsByKindAndBandAndChangesNothingWhenMissing) {
    test::TempDir dir;
    installDefaultFile(dir.path("Init/0_ZT6666.dat"), 0, "FAC0");
    installDefaultFile(dir.path("Init/1_ZT6666.dat"), 1, "FAC1");
    Document doc;
    AppSettings settings;
    newDocumentAtStart(doc, settings, dir.path(), kToday); // CB built-in document
    doc.docPath = "mine.dat";
    doc.docUntitled = false;
    doc.curImage.extFreq = 555; // an unsaved edit
    const Document before = doc;

    EXPECT_FALSE(loadDefaultFile(doc, settings, dir.path(), DefaultFileKind::New));
    EXPECT_TRUE(test::sameDocument(doc, before));

    ASSERT_TRUE(loadDefaultFile(doc, settings, dir.path(), DefaultFileKind::Factory));
    EXPECT_EQ(doc.curImage.optFeat.groupName(0, 1).clean(), "FAC0");
    EXPECT_EQ(doc.docPath, "mine.dat");
    EXPECT_FALSE(doc.docUntitled);

    QFile::remove(dir.path("Init/0_ZT6666.fre"));
    const Document loaded = doc;
    EXPECT_FALSE(loadDefaultFile(doc, settings, dir.path(), DefaultFileKind::Factory));
    EXPECT_TRUE(test::sameDocument(doc, loaded));
    EXPECT_EQ(defaultFilePath("/p", kBandTextHF, DefaultFileKind::Factory), "/p/Init/1_ZT6666.dat");
    EXPECT_EQ(defaultFilePath("/p", kBandTextCB, DefaultFileKind::New), "/p/Init/0_ZT6666_New.dat");
}

TEST(ResetGroupFirstChannel, AddsChannelOneOnce) {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, kToday);

    deleteChannel(doc.curImage, doc.chTable, {1, 9, 7}); // channel 1 of HF group I
    ASSERT_EQ(findChannel(doc.curImage, doc.chTable, {1, 9, 1}), 0);
    resetGroupFirstChannel(doc.curImage, doc.chTable, 1, 9);
    EXPECT_EQ(findChannel(doc.curImage, doc.chTable, {1, 9, 1}), 7);
    EXPECT_EQ(doc.chTable.at({1, 9, 7}).rxFreq.raw(), "28115000");

    const MemoryImage image = doc.curImage;
    const ChTable table = doc.chTable;
    resetGroupFirstChannel(doc.curImage, doc.chTable, 1, 9);  // already there
    resetGroupFirstChannel(doc.curImage, doc.chTable, 0, 11); // "MEM": nothing
    EXPECT_EQ(doc.curImage, image);
    EXPECT_EQ(doc.chTable, table);
}

} // namespace
} // namespace r5k27

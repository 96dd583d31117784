#include "EditorWindows.h"
#include "app/mainwindow/MainWindowHarness.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelWindow.h"
#include "core/channels/ChannelTable.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFile.h"
#include "core/document/DataFileLayout.h"
#include "core/document/DocumentDiff.h"
#include "core/document/InitialValues.h"
#include "core/link/FieldReports.h"
#include "core/link/MemoryMap.h"

#include <QComboBox>
#include <QFile>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// A data file pair holding a value outside its range, opened as a user opens it, then read by
// the model, the channel window, the encoder for the radio and compare. Each says what the
// value is the same way; where the radio cannot take it, the write is refused naming it, and a
// choice in the window repairs it.
class OutOfRangeDocumentsTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    // A CB document with A1 at 27.0150, spoiled and written to a file pair, then opened.
    bool openSpoiled(const std::function<void(MemoryImage&, ChannelRec& a1)>& spoil) {
        Document doc;
        writeBuiltInDefaults(doc, ctx.settings, 0, QDate(2026, 1, 5));
        enterFrequency(doc.curImage, doc.chTable, {0, 1, 1}, Frequency::parse(u"27.015"));
        spoil(doc.curImage,
              doc.chTable.at({0, 1, findChannel(doc.curImage, doc.chTable, {0, 1, 1})}));
        QByteArray channels;
        forEachUsedSlot(doc.curImage,
                        [&](const SlotKey& s) { channels += serializeChannel(doc.chTable.at(s)); });
        writeFile(dir.path("spoiled.dat"), serializeImage(doc.curImage));
        writeFile(dir.path("spoiled.fre"), channels + QByteArray(47 * ChannelRec::kFileSize, '\0'));
        writeBuiltInDefaults(ctx.doc, ctx.settings, 1, QDate(2026, 1, 5));
        opened = ctx.doc;
        if (!readPlainFile(ctx.doc, ctx.settings, dir.path("spoiled.dat")))
            return false;
        ctx.model.documentReplaced();
        window = makeWindow();
        registerChannelWindow(ctx, *window, prompter);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->showChild(ChildKind::Channel);
        channels_ = test::openChild<ChannelWindow>(*window, ChildKind::Channel);
        channels_->grid().setCurrentCell(0, ChannelGrid::kFrequencyColumn);
        return true;
    }
    static void writeFile(const QString& path, const QByteArray& data) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    QComboBox* list(const char* name) {
        return channels_->findChild<QComboBox*>(QLatin1String(name));
    }
    void choose(const char* name, const QString& text) {
        QComboBox* box = list(name);
        const int index = box->findText(text, Qt::MatchStartsWith);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // The encoder's refusal, or "written".
    QString encoded() {
        QByteArray buf = prepareRadioBuf();
        const auto refusal = encodeImage(ctx.doc.curImage, ctx.doc.chTable, buf);
        return refusal ? refusal->field : QStringLiteral("written");
    }
    QStringList differencesFrom(const std::function<void(MemoryImage&)>& repair) {
        MemoryImage repaired = ctx.doc.curImage;
        repair(repaired);
        QStringList lines;
        for (const FieldDifference& d : documentDifferences(
                 ctx.doc.curImage, ctx.doc.chTable, repaired, ctx.doc.chTable, Language::English))
            lines << d.line();
        return lines;
    }

    Document opened;
    std::unique_ptr<MainWindow> window;
    ChannelWindow* channels_ = nullptr;
};

TEST_F(OutOfRangeDocumentsTest, AWorkModeOutsideCbAndHfReadsAsHfUntilChosen) {
    ASSERT_TRUE(openSpoiled([](MemoryImage& image, ChannelRec&) { image.workMode = 5; }));
    EXPECT_EQ(ctx.model.workMode(), 1) << "model";
    EXPECT_TRUE(list("Combo2")->currentText().startsWith(u"HF")) << "channel window";
    EXPECT_EQ(list("Combo6")->count(), 10) << "HF offers groups A..I and MEM";
    EXPECT_TRUE(window->windowTitle().contains(u"[28.0000 - 29.6990 MHz]")) << "caption";
    EXPECT_EQ(encoded(), "WorkMode") << "the radio takes only 0 or 1";
    EXPECT_EQ(differencesFrom([](MemoryImage& m) { m.workMode = 1; }), QStringList())
        << "compare reads it as HF";
    choose("Combo2", QStringLiteral("HF"));
    EXPECT_EQ(ctx.doc.curImage.workMode, 1);
    EXPECT_EQ(encoded(), "written");
}

// The window's list can only show its first entry, and choosing an entry there repairs it.
TEST_F(OutOfRangeDocumentsTest, AWorkGroupOutsideItsGroupsShowsTheFirstUntilChosen) {
    ASSERT_TRUE(
        openSpoiled([](MemoryImage& image, ChannelRec&) { image.optFeat.workGroup[0] = 12; }));
    EXPECT_EQ(list("Combo3")->currentText(), "A") << "channel window";
    EXPECT_EQ(differencesFrom([](MemoryImage& m) { m.optFeat.workGroup[0] = 1; }),
              QStringList{"WorkGroup(0) 12 / 1"})
        << "compare";
    choose("Combo3", QStringLiteral("A"));
    EXPECT_EQ(ctx.doc.curImage.optFeat.workGroup[0], 1);
}

// A stored mode, tone or shift without an entry shows as its number everywhere, and the radio
// gets it only where it can give the same value back.
TEST_F(OutOfRangeDocumentsTest, ChannelValuesOutsideTheirListsShowAsTheirNumbers) {
    ASSERT_TRUE(openSpoiled([](MemoryImage&, ChannelRec& a1) {
        a1.mode = 7;
        a1.repShift = 3;
    }));
    EXPECT_EQ(list("Combo8_12")->currentText(), "7") << "mode in the channel window";
    EXPECT_EQ(list("Combo8_7")->currentText(), "3") << "shift in the channel window";
    QByteArray buf = prepareRadioBuf();
    ASSERT_FALSE(encodeImage(ctx.doc.curImage, ctx.doc.chTable, buf));
    MemoryImage readBack = ctx.doc.curImage;
    ChTable readTable = ctx.doc.chTable;
    ASSERT_TRUE(decodeImage(buf, readBack, readTable));
    EXPECT_TRUE(documentDifferences(ctx.doc.curImage, ctx.doc.chTable, readBack, readTable,
                                    Language::English)
                    .isEmpty())
        << "the radio gives back what it got";

    const int slot = findChannel(ctx.doc.curImage, ctx.doc.chTable, {0, 1, 1});
    ctx.doc.chTable.at({0, 1, slot}).decodeTone = 150;
    EXPECT_EQ(encoded(), "DecodeTone") << "a tone outside the list would come back as Off";
}

TEST_F(OutOfRangeDocumentsTest, AGroupCountOutsideZeroTo46IsNotOpened) {
    EXPECT_FALSE(openSpoiled([](MemoryImage& image, ChannelRec&) { image.chCount(0, 2) = 47; }));
    EXPECT_TRUE(ctx.doc.curImage == opened.curImage && ctx.doc.chTable == opened.chTable);
    EXPECT_FALSE(openSpoiled([](MemoryImage& image, ChannelRec&) { image.chCount(1, 4) = -1; }));
    EXPECT_TRUE(ctx.doc.curImage == opened.curImage && ctx.doc.chTable == opened.chTable);
}

} // namespace
} // namespace r5k27

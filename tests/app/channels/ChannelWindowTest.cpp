#include "channels/ChannelWindow.h"

#include "EditorWindows.h"
#include "app/mainwindow/MainWindowHarness.h"
#include "app/options/OptionsWindowDriver.h"
#include "channels/ChannelGrid.h"
#include "core/channels/ChannelTable.h"
#include "core/document/ChannelDetails.h"
#include "core/document/InitialValues.h"
#include "core/signalling/DtmfReferences.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr int kHF = 1;

using test::OptionsWindowDriver;
QStringList entries(const QComboBox* combo) {
    return OptionsWindowDriver::entries(combo);
}

// The channel window inside a shown main window, over the HF document a new program starts with.
class ChannelWindowTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    ChannelWindowTest() {
        writeBuiltInDefaults(ctx.doc, ctx.settings, kHF, QDate(2024, 5, 1));
        QObject::connect(
            &ctx.model.history(), &EditHistory::recorded,
            [this](const EditName& name, const QString&) { edits << name.in(Language::English); });
    }

    void open() {
        window = makeWindow();
        registerChannelWindow(ctx, *window, prompter);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_NE(channels(), nullptr);
    }

    ChannelWindow* channels() {
        return test::openChild<ChannelWindow>(*window, ChildKind::Channel);
    }
    template <class T> T* control(const char* name) {
        T* found = channels()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    ChannelGrid& grid() { return channels()->grid(); }
    // The frequency entry while it is open.
    QLineEdit* editor() { return control<QLineEdit>("Text1"); }
    bool editing() { return grid().entry() && grid().entry()->isVisible(); }

    // What a user's choice in a list does.
    void choose(const char* list, const QString& text) {
        OptionsWindowDriver::choose(control<QComboBox>(list), text);
    }
    void goToRow(int row) {
        grid().setCurrentCell(row - 1, ChannelGrid::kFrequencyColumn);
        grid().setFocus();
    }
    // Starts typing on a cell, as a user does, and goes on in the editor that opens.
    void typeOnRow(int row, const QString& text) {
        goToRow(row);
        QTest::keyClick(&grid(), text.at(0).toLatin1());
        ASSERT_TRUE(editing());
        QTest::keyClicks(editor(), text.mid(1));
    }
    const ChannelRec* channel(int group, int chNo) const {
        const int slot = findChannel(ctx.doc.curImage, ctx.doc.chTable, {kHF, group, chNo});
        return slot ? &ctx.doc.chTable.at({kHF, group, slot}) : nullptr;
    }

    std::unique_ptr<MainWindow> window;
    QStringList edits;
};

TEST_F(ChannelWindowTest, OpensWithTheDocumentsGroupsAndFollowsTheWorkMode) {
    ctx.doc.curImage.curGroup = {3, 10}; // HF has no group "J"
    open();
    EXPECT_EQ(entries(control<QComboBox>("Combo6")),
              QStringList({"A", "B", "C", "D", "E", "F", "G", "H", "I", "MEM"}));
    EXPECT_EQ(control<QComboBox>("Combo6")->currentText(), "A");
    // The grid commits into the group it shows, never into the hidden "J".
    EXPECT_EQ(ctx.doc.curImage.curGroup[kHF], 1);
    EXPECT_EQ(grid().rowCount(), 40);
    EXPECT_EQ(grid().frequency(1), "28.0150");

    choose("Combo2", "CB -- 25.6150 - 30.1050 MHz");
    EXPECT_EQ(ctx.doc.curImage.workMode, 0);
    EXPECT_TRUE(window->windowTitle().contains("[25.6150 - 30.1050 MHz]"));
    EXPECT_EQ(control<QComboBox>("Combo6")->count(), 11);
    EXPECT_EQ(control<QComboBox>("Combo6")->currentText(), "C");
    EXPECT_EQ(grid().frequency(1), "28.1150");
    EXPECT_EQ(edits, QStringList({"Work mode CB"}));

    choose("Combo6", "MEM");
    EXPECT_EQ(grid().rowCount(), 6);
    EXPECT_EQ(grid().name(2), "M2");
    EXPECT_EQ(grid().frequency(2), "28.1450");
    EXPECT_FALSE(control<QGroupBox>("Frame2")->isVisible());
}

TEST_F(ChannelWindowTest, EnterInAnEmptyEditorOnTheLastRowWrapsAndDeletesOnlyThatChannel) {
    addChannel(ctx.doc.curImage, ctx.doc.chTable, {kHF, 1, 40}, "28.4000");
    addChannel(ctx.doc.curImage, ctx.doc.chTable, {kHF, 1, 39}, "28.3900");
    open();
    EXPECT_EQ(grid().frequency(40), "28.4000");

    goToRow(40);
    QTest::keyClick(&grid(), Qt::Key_Return);
    ASSERT_TRUE(editing());
    EXPECT_EQ(editor()->selectedText(), "28.4000");
    QTest::keyClick(editor(), Qt::Key_Backspace);
    QTest::keyClick(editor(), Qt::Key_Return);

    EXPECT_EQ(grid().currentGridRow(), 1);
    EXPECT_TRUE(grid().hasFocus());
    EXPECT_FALSE(editing());
    EXPECT_EQ(channel(1, 40), nullptr);
    EXPECT_NE(channel(1, 39), nullptr);
    EXPECT_NE(channel(1, 1), nullptr);
    EXPECT_EQ(grid().frequency(40), "");
    EXPECT_EQ(ctx.doc.curImage.groupWorkCh(kHF, 1), 40);
    EXPECT_EQ(edits, QStringList({"Channel A40 cleared"}));

    // On an empty row the same creates nothing and is no change.
    const ChTable before = ctx.doc.chTable;
    goToRow(12);
    QTest::keyClick(&grid(), Qt::Key_Return);
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_TRUE(ctx.doc.chTable == before);
    EXPECT_EQ(edits.size(), 1);
}

TEST_F(ChannelWindowTest, OnlyDigitsAndPointReachTheEditorAndEntriesAreFormatted) {
    open();
    QApplication::clipboard()->setText("29.1");
    typeOnRow(5, "2x8.a5");
    QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(editor(), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(editor(), Qt::MiddleButton);
    EXPECT_EQ(editor()->text(), "28.5");

    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(grid().frequency(5), "28.5000");
    EXPECT_EQ(grid().currentGridRow(), 6);
    ASSERT_NE(channel(1, 5), nullptr);
    EXPECT_EQ(channel(1, 5)->rxFreq.raw(), "285000  ");
    EXPECT_EQ(edits, QStringList({"Frequency A5"}));

    // Typing on through a group without the mouse; an entry outside the band is refused.
    typeOnRow(6, "28.61");
    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClick(&grid(), '3');
    QTest::keyClicks(editor(), "1");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(grid().frequency(6), "28.6100");
    EXPECT_EQ(channel(1, 7), nullptr);
    EXPECT_EQ(prompter.texts(),
              QStringList({"Frequency is out of range.\nA7: 28.0000 - 29.6990 MHz"}));
    // The entry stays open on what was typed, so it can be corrected.
    ASSERT_TRUE(editing());
    EXPECT_EQ(editor()->text(), "31");
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_EQ(grid().frequency(7), "");

    // A double click opens the cell's text for editing.
    const QRect cell = grid().visualRect(grid().model()->index(4, ChannelGrid::kFrequencyColumn));
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(editing());
    EXPECT_EQ(editor()->selectedText(), "28.5000");
    QTest::keyClick(editor(), Qt::Key_Backspace);
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_FALSE(editing());
    EXPECT_TRUE(grid().hasFocus());
    EXPECT_NE(channel(1, 5), nullptr);

    // Delete clears the channel under the same rule as an empty entry.
    goToRow(6);
    QTest::keyClick(&grid(), Qt::Key_Delete);
    EXPECT_EQ(channel(1, 6), nullptr);
    EXPECT_EQ(grid().frequency(6), "");
}

TEST_F(ChannelWindowTest, TheEntryStaysOnItsCellAndUndoShowsTheChannelItTookBack) {
    open();
    choose("Combo6", "C");
    typeOnRow(25, "28.25");
    QTest::keyClick(editor(), Qt::Key_Return);
    ASSERT_NE(channel(3, 25), nullptr);

    // The entry is the grid's own: it follows its cell through a resize and a scroll.
    typeOnRow(30, "28.3");
    const auto cell = [this] { return grid().visualRect(grid().model()->index(29, 1)); };
    QWidget* frame = channels()->parentWidget();
    frame->resize(frame->width() + 120, frame->height() - 90);
    QApplication::processEvents();
    EXPECT_EQ(editor()->geometry(), cell());
    grid().verticalScrollBar()->setValue(grid().verticalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_EQ(editor()->geometry(), cell());
    QTest::keyClick(editor(), Qt::Key_Escape);

    // Undo from another group brings back the group and the channel it took back.
    choose("Combo6", "A");
    window->undo();
    EXPECT_EQ(channel(3, 25), nullptr);
    EXPECT_EQ(control<QComboBox>("Combo6")->currentText(), "C");
    EXPECT_EQ(grid().currentGridRow(), 25);
    choose("Combo6", "B");
    window->redo();
    EXPECT_EQ(control<QComboBox>("Combo6")->currentText(), "C");
    EXPECT_EQ(grid().currentGridRow(), 25);
    EXPECT_EQ(grid().frequency(25), "28.2500");
}

TEST_F(ChannelWindowTest, DetailListsStoreTheirFieldsAndPublicGreysWithoutChangingValues) {
    ChannelRec& rec =
        ctx.doc.chTable.at({kHF, 1, findChannel(ctx.doc.curImage, ctx.doc.chTable, {kHF, 1, 1})});
    rec.mode = 2;
    rec.botCode = 3;
    storeDtmfCode(ctx.doc.curImage, 3, "123");
    open();
    goToRow(1);
    EXPECT_EQ(control<QComboBox>("Combo8_12")->currentText(), "USB");
    EXPECT_EQ(entries(control<QComboBox>("Combo8_13")), QStringList({"OFF", "3"}));
    EXPECT_EQ(control<QComboBox>("Combo8_13")->currentText(), "3");

    choose("Combo8_9", "ON");
    EXPECT_EQ(rec.publicCh, 1);
    for (const char* greyed :
         {"Combo8_2", "Combo8_5", "Combo8_11", "Combo8_12", "Combo8_13", "Combo8_15", "Label5_12"})
        EXPECT_FALSE(control<QWidget>(greyed)->isEnabled()) << greyed;
    for (const char* open : {"Combo8_0", "Combo8_6", "Combo8_7", "Combo8_10"})
        EXPECT_TRUE(control<QWidget>(open)->isEnabled()) << open;
    EXPECT_EQ(control<QComboBox>("Combo8_12")->currentText(), "USB");
    EXPECT_EQ(rec.mode, 2);
    EXPECT_EQ(rec.botCode, 3);

    choose("Combo8_0", "C_001(67.0Hz)");
    choose("Combo8_7", "-");
    choose("Combo8_13", "OFF");
    EXPECT_EQ(rec.decodeTone, 1);
    EXPECT_EQ(rec.repShift, 2);
    EXPECT_EQ(rec.botCode, 0);
    EXPECT_EQ(edits, QStringList({"Public of channel A1", "TSQ of channel A1", "REP of channel A1",
                                  "BOT of channel A1"}));

    // Another window emptying the code rebuilds the list.
    ctx.model.setDtmfCode(3, "", {}, {});
    EXPECT_EQ(entries(control<QComboBox>("Combo8_14")), QStringList({"OFF"}));
}

// Every detail list says what it holds, on hover and in the status bar when the pointer enters
// it; a list greyed on a public channel says why.
TEST_F(ChannelWindowTest, EveryDetailListSaysWhatItHoldsAndWhyItGreys) {
    open();
    for (int i = 0; i < kDetailCount; ++i) {
        SCOPED_TRACE(i);
        const auto* list = channels()->findChild<QComboBox*>(QString("Combo8_%1").arg(i));
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(list->toolTip().isEmpty());
        if (!detailField(i)) // the two without a setting say so
            continue;
        EXPECT_EQ(list->statusTip(), list->toolTip());
        EXPECT_EQ(list->toolTip().contains("public channel"), isGreyedWhenPublic(i));
    }
    // So does every other list the window shows.
    for (const QComboBox* list : channels()->findChildren<QComboBox*>()) {
        if (!list->isVisible())
            continue;
        EXPECT_FALSE(list->toolTip().isEmpty()) << list->objectName().toStdString();
    }
    auto* mode = control<QComboBox>("Combo8_12");
    QStatusTipEvent tip(mode->statusTip());
    QApplication::sendEvent(mode, &tip);
    EXPECT_EQ(window->findChild<QLabel*>("sbStatusBar_Panel1")->text(),
              "The modes switched on in Options; the MEM channels have no PA. Greyed on a public "
              "channel: the radio ignores it there.");
}

TEST_F(ChannelWindowTest, MemoryViewNeverOffersPA) {
    open();
    choose("Combo6", "MEM");
    goToRow(1);
    EXPECT_EQ(entries(control<QComboBox>("Combo8_12")), QStringList({"FM", "AM", "USB", "LSB"}));
    // Switching a mode off elsewhere rebuilds the list, still without PA.
    ctx.model.setModeEnable(1, false, {});
    EXPECT_EQ(entries(control<QComboBox>("Combo8_12")), QStringList({"FM", "USB", "LSB"}));
    choose("Combo6", "B");
    goToRow(1);
    EXPECT_EQ(entries(control<QComboBox>("Combo8_12")), QStringList({"FM", "USB", "LSB", "PA"}));
}

TEST_F(ChannelWindowTest, GroupValidRefusesTheOnlyGroupAndRefillsAGroupSwitchedOn) {
    for (int group = 2; group <= kGroupCount; ++group)
        ctx.doc.curImage.optFeat.groupValid(kHF, group) = 0;
    ctx.doc.curImage.optFeat.groupValid(kHF, 2) = 1;
    ctx.doc.curImage.optFeat.workGroup[kHF] = 2;
    open();
    EXPECT_EQ(entries(control<QComboBox>("Combo3")), QStringList({"A", "B"}));

    choose("Combo6", "B");
    choose("Combo1_6", "OFF");
    EXPECT_EQ(ctx.doc.curImage.optFeat.groupValid(kHF, 2), 0);
    EXPECT_EQ(entries(control<QComboBox>("Combo3")), QStringList({"A"}));
    EXPECT_EQ(ctx.doc.curImage.optFeat.workGroup[kHF], 1);

    choose("Combo6", "A");
    choose("Combo1_6", "OFF");
    EXPECT_EQ(control<QComboBox>("Combo1_6")->currentText(), "ON");
    EXPECT_EQ(ctx.doc.curImage.optFeat.groupValid(kHF, 1), 1);

    // A group whose last channel went is switched back on with channel 1 at its default.
    choose("Combo6", "C");
    ASSERT_NE(channel(3, 1), nullptr);
    goToRow(1);
    QTest::keyClick(&grid(), Qt::Key_Delete);
    EXPECT_EQ(channel(3, 1), nullptr);
    EXPECT_EQ(ctx.doc.curImage.optFeat.workCh(kHF, 3), 0);
    choose("Combo1_6", "ON");
    ASSERT_NE(channel(3, 1), nullptr);
    EXPECT_EQ(grid().frequency(1), "28.1150");
    EXPECT_EQ(ctx.doc.curImage.optFeat.workCh(kHF, 3), 1);
    EXPECT_EQ(edits.first(), "Group B switched off");
    EXPECT_EQ(edits.last(), "Group C switched on");
}

TEST_F(ChannelWindowTest, GroupNameAndReferenceListsStoreIntoTheGroup) {
    addChannel(ctx.doc.curImage, ctx.doc.chTable, {kHF, 1, 9}, "28.3000");
    open();
    EXPECT_EQ(entries(control<QComboBox>("Combo1_3")), QStringList({"1", "9"}));
    choose("Combo1_3", "9");
    EXPECT_EQ(ctx.doc.curImage.optFeat.dwCh(kHF, 1, 0), 9);

    auto* name = control<QLineEdit>("Text2");
    name->selectAll();
    QTest::keyClicks(name, "ROADS");
    EXPECT_EQ(ctx.doc.curImage.optFeat.groupName(kHF, 1).raw(), "ROAD");
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(ctx.doc.curImage.optFeat.groupName(kHF, 1).raw(), "ROA ");
    // A character the radio cannot show is refused with a message; the name stays.
    name->setFocus();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("组"));
    QApplication::sendEvent(name, &press);
    EXPECT_EQ(name->text(), "ROA");
    EXPECT_EQ(prompter.shown.size(), 1);

    // The dual-watch channel goes with its channel, and the list follows.
    goToRow(9);
    QTest::keyClick(&grid(), Qt::Key_Delete);
    EXPECT_EQ(ctx.doc.curImage.optFeat.dwCh(kHF, 1, 0), 1);
    EXPECT_EQ(entries(control<QComboBox>("Combo1_3")), QStringList({"1"}));
}

TEST_F(ChannelWindowTest, AReloadShowsTheDocumentAgain) {
    open();

    ctx.doc.curImage.workMode = 0;
    ctx.doc.curImage.curGroup[0] = 2;
    emit ctx.events.changed(DocumentChange{});
    EXPECT_EQ(control<QComboBox>("Combo2")->currentIndex(), 0);
    EXPECT_TRUE(window->windowTitle().contains("[25.6150 - 30.1050 MHz]"));
    EXPECT_EQ(control<QComboBox>("Combo6")->currentText(), "B");
    EXPECT_EQ(grid().frequency(1), "28.1450");
    EXPECT_TRUE(edits.isEmpty());
}

TEST_F(ChannelWindowTest, SaveAndNewTakeTheFrequencyStillBeingTyped) {
    open();
    ctx.doc.docUntitled = false;
    ctx.doc.docPath = dir.path("mine.dat");
    typeOnRow(8, "28.77");
    prompter.answers = {Answer::Ok};
    window->commands().save();
    ASSERT_EQ(store.saved.size(), 1);
    ASSERT_NE(channel(1, 8), nullptr);
    EXPECT_EQ(channel(1, 8)->rxFreq.clean(), "287700");

    // So does the question before leaving the program.
    typeOnRow(10, "28.9");
    EXPECT_TRUE(window->commands().confirmExit());
    EXPECT_NE(channel(1, 10), nullptr);

    // New closes the window and opens a fresh one on the new document.
    typeOnRow(9, "28.8");
    window->loadNewDoc();
    EXPECT_NE(channel(1, 9), nullptr);
    EXPECT_NE(channels(), nullptr);
}

} // namespace
} // namespace r5k27

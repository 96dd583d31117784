#include "channelsheet/ChannelSheetWindow.h"

#include "EditorWindows.h"
#include "app/mainwindow/MainWindowHarness.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelWindow.h"
#include "channelsheet/ChannelSheetModel.h"
#include "channelsheet/ChannelSheetView.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/ModeCodec.h"
#include "core/document/InitialValues.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr int kCB = 0;
constexpr int kFrequency = ChannelSheetModel::kFrequencyColumn;

// The channel list beside the channel window in a shown main window, over a CB document whose
// group A holds channels 1..12.
class ChannelSheetWindowTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    ChannelSheetWindowTest() {
        writeBuiltInDefaults(ctx.doc, ctx.settings, kCB, QDate(2024, 5, 1));
        for (int chNo = 1; chNo <= 12; ++chNo)
            ctx.model.setFrequency({kCB, 1, chNo}, QStringLiteral("27.%1").arg(100 + chNo * 10),
                                   {});
        ctx.model.history().reset();
        window = makeWindow();
        registerChannelWindow(ctx, *window, prompter);
        registerChannelSheetWindow(ctx, *window, prompter);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->showChild(ChildKind::ChannelList);
    }

    ChannelSheetWindow& sheetWindow() {
        auto* found = test::openChild<ChannelSheetWindow>(*window, ChildKind::ChannelList);
        EXPECT_NE(found, nullptr);
        return *found;
    }
    ChannelSheetView& sheet() { return sheetWindow().sheet(); }
    ChannelSheetModel& rows() { return sheetWindow().rows(); }
    // The sheet's row of a channel of group A..J (all groups shown: 40 rows each).
    static int rowOf(int group, int chNo) { return (group - 1) * kOrdinaryChannels + chNo - 1; }
    int column(ChannelField field) {
        for (int c = 0; c < rows().columnCount(); ++c)
            if (rows().fieldOf(c) == field)
                return c;
        ADD_FAILURE() << "no column";
        return 0;
    }

    void click(int row, int col, Qt::KeyboardModifiers modifiers = {}) {
        const QModelIndex index = rows().index(row, col);
        sheet().scrollTo(index);
        QTest::mouseClick(sheet().viewport(), Qt::LeftButton, modifiers,
                          sheet().visualRect(index).center());
    }
    void key(int k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&sheet(), Qt::Key(k), modifiers);
    }
    // A digit on a frequency cell opens the entry; the rest is typed there and Enter takes it.
    void typeFrequency(int row, const QString& text) {
        click(row, kFrequency);
        QTest::keyClicks(&sheet(), text.left(1));
        auto* entry = qobject_cast<QLineEdit*>(sheet().indexWidget(sheet().currentIndex()));
        ASSERT_NE(entry, nullptr);
        QTest::keyClicks(entry, text.mid(1));
        QTest::keyClick(entry, Qt::Key_Return);
        QApplication::processEvents();
    }
    const ChannelRec* channel(int group, int chNo) const {
        return ctx.model.channel({kCB, group, chNo});
    }
    QString undoName() { return ctx.model.history().undoName().in(Language::English); }

    std::unique_ptr<MainWindow> window;
};

TEST_F(ChannelSheetWindowTest, SixSelectedRowsTakeOneModeInOneStepAndUndoTakesItBack) {
    const int mode = column(ChannelField::Mode);
    click(rowOf(1, 1), mode);
    click(rowOf(1, 6), mode, Qt::ShiftModifier);
    key(Qt::Key_A); // the first entry beginning with "A": AM
    for (int chNo = 1; chNo <= 6; ++chNo)
        EXPECT_EQ(modeTextFromCode(channel(1, chNo)->mode), QStringLiteral("AM")) << chNo;
    EXPECT_EQ(modeTextFromCode(channel(1, 7)->mode), QStringLiteral("FM"));
    EXPECT_EQ(ctx.model.history().undoCount(), 1);
    EXPECT_EQ(undoName(), QStringLiteral("Mode of 6 channels"));
    EXPECT_EQ(rows().index(rowOf(1, 4), mode).data().toString(), QStringLiteral("AM"));

    ctx.model.undo();
    for (int chNo = 1; chNo <= 6; ++chNo)
        EXPECT_EQ(modeTextFromCode(channel(1, chNo)->mode), QStringLiteral("FM")) << chNo;
    EXPECT_EQ(rows().index(rowOf(1, 4), mode).data().toString(), QStringLiteral("FM"));
}

TEST_F(ChannelSheetWindowTest, ChannelsCopiedFromA1ToA3PasteAtB10WithTheSameFields) {
    ctx.model.setChannelValue({kCB, 1, 2}, ChannelField::Echo, 1, {});
    ctx.model.setChannelValue({kCB, 1, 3}, ChannelField::DecodeTone, 12, {});
    ctx.model.setChannelValue({kCB, 1, 1}, ChannelField::ScanAdd, 0, {});
    click(rowOf(1, 1), kFrequency);
    click(rowOf(1, 3), kFrequency, Qt::ShiftModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    click(rowOf(2, 10), kFrequency);
    const int steps = ctx.model.history().undoCount();
    key(Qt::Key_V, Qt::ControlModifier);

    EXPECT_EQ(ctx.model.history().undoCount(), steps + 1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(channel(2, 10 + i), nullptr) << i;
        ChannelRec pasted = *channel(2, 10 + i);
        pasted.chNo = std::int16_t(1 + i);
        EXPECT_TRUE(sameComparedFields(pasted, *channel(1, 1 + i))) << i;
    }
    EXPECT_EQ(channel(2, 13), nullptr);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ChannelSheetWindowTest, PastedCsvRowsAreTakenButTheOutOfBandOneIsReported) {
    QApplication::clipboard()->setText(QStringLiteral("Location,Frequency,Mode\n"
                                                      "1,27.1000,AM\n"
                                                      "2,41.0000,FM\n"
                                                      "3,27.1200,USB\n"));
    click(rowOf(3, 1), kFrequency);
    key(Qt::Key_V, Qt::ControlModifier);

    EXPECT_EQ(modeTextFromCode(channel(3, 1)->mode), QStringLiteral("AM"));
    EXPECT_EQ(modeTextFromCode(channel(3, 3)->mode), QStringLiteral("USB"));
    EXPECT_EQ(channel(3, 2), nullptr);
    ASSERT_EQ(prompter.shown.size(), 1);
    const QString report = prompter.shown[0].text;
    EXPECT_TRUE(report.contains(QStringLiteral("Line 3 → C2"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("41.0000"))) << report.toStdString();
    EXPECT_FALSE(report.contains(QStringLiteral("Line 4"))) << report.toStdString();
    EXPECT_EQ(sheetWindow().findChild<QLabel*>(QStringLiteral("SheetStatus"))->text(),
              QStringLiteral("2 channels pasted."));
}

TEST_F(ChannelSheetWindowTest, DeleteOfARangeIsOneStepAndCutKeepsWhatItTook) {
    click(rowOf(1, 2), kFrequency);
    click(rowOf(1, 5), column(ChannelField::Mode), Qt::ShiftModifier);
    key(Qt::Key_Delete);
    for (int chNo = 2; chNo <= 5; ++chNo)
        EXPECT_EQ(channel(1, chNo), nullptr) << chNo;
    EXPECT_NE(channel(1, 6), nullptr);
    EXPECT_EQ(ctx.model.history().undoCount(), 1);
    EXPECT_EQ(undoName(), QStringLiteral("4 channels cleared"));
    EXPECT_EQ(rows().index(rowOf(1, 3), kFrequency).data().toString(), QString());
    // Undo brings the channels back, and the first of them into view.
    sheet().scrollToBottom();
    ctx.model.undo();
    EXPECT_NE(channel(1, 3), nullptr);
    const QRect shown = sheet().visualRect(rows().index(rowOf(1, 2), kFrequency));
    EXPECT_TRUE(sheet().viewport()->rect().contains(shown));

    click(rowOf(1, 7), kFrequency);
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(channel(1, 7), nullptr);
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("27.170000")));
}

TEST_F(ChannelSheetWindowTest, TheListAndTheChannelWindowFollowEachOther) {
    auto* channels = test::openChild<ChannelWindow>(*window, ChildKind::Channel);
    ASSERT_NE(channels, nullptr);
    ASSERT_EQ(channels->shownGroup(), 1);

    typeFrequency(rowOf(1, 20), QStringLiteral("27.2"));
    EXPECT_EQ(channels->grid().frequency(20), QStringLiteral("27.2000"));
    EXPECT_EQ(sheet().currentIndex().row(), rowOf(1, 21)) << "Enter goes on to the row below";

    // A frequency outside the band is refused as the channel window refuses it, naming the cell.
    typeFrequency(rowOf(1, 21), QStringLiteral("45"));
    EXPECT_EQ(channel(1, 21), nullptr);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].text.contains(QStringLiteral("Cell A21, Frequency")));

    ChannelGrid& grid = channels->grid();
    grid.setCurrentCell(4, ChannelGrid::kFrequencyColumn);
    grid.setFocus();
    QTest::keyClick(&grid, '2');
    ASSERT_NE(grid.entry(), nullptr);
    QTest::keyClicks(grid.entry(), QStringLiteral("7.3"));
    QTest::keyClick(grid.entry(), Qt::Key_Return);
    EXPECT_EQ(rows().index(rowOf(1, 5), kFrequency).data().toString(), QStringLiteral("27.3000"));
}

// A stored frequency that is no number (from a file) is shown as stored in both windows, marked,
// with the reason as tooltip and in the status bar when its cell becomes the current one.
TEST_F(ChannelSheetWindowTest, AStoredFrequencyThatIsNoNumberIsShownAsStoredAndMarked) {
    auto* channels = test::openChild<ChannelWindow>(*window, ChildKind::Channel);
    ASSERT_NE(channels, nullptr);
    const int slot = findChannel(ctx.doc.curImage, ctx.doc.chTable, {kCB, 1, 5});
    ASSERT_GT(slot, 0);
    ctx.doc.chTable.at({kCB, 1, slot}).rxFreq.assign(QStringLiteral("28A305"));
    emit ctx.events.changed(DocumentChange{});
    const QString hint = QStringLiteral("A5: the stored frequency \"28A305\" is not a number; the "
                                        "radio gets this channel without a frequency.");
    auto* status = window->findChild<QLabel*>("sbStatusBar_Panel1");
    ASSERT_NE(status, nullptr);

    const QModelIndex listed = rows().index(rowOf(1, 5), kFrequency);
    EXPECT_EQ(listed.data().toString(), QStringLiteral("28A305"));
    EXPECT_EQ(listed.data(Qt::ToolTipRole).toString(), hint);
    EXPECT_TRUE(listed.data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(rows().index(rowOf(1, 4), kFrequency).data(Qt::ToolTipRole), QVariant());
    click(rowOf(1, 5), kFrequency);
    EXPECT_EQ(status->text(), hint);

    ChannelGrid& grid = channels->grid();
    EXPECT_EQ(grid.frequency(5), QStringLiteral("28A305"));
    const QModelIndex cell = grid.model()->index(4, ChannelGrid::kFrequencyColumn);
    EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), hint);
    status->clear();
    grid.setCurrentCell(3, ChannelGrid::kFrequencyColumn);
    grid.setCurrentCell(4, ChannelGrid::kFrequencyColumn);
    EXPECT_EQ(status->text(), hint);
    EXPECT_EQ(channel(1, 5)->rxFreq.raw().trimmed(), QStringLiteral("28A305")); // kept as stored
}

TEST_F(ChannelSheetWindowTest, FillDownStepsFromTheFirstSelectedFrequency) {
    typeFrequency(rowOf(4, 1), QStringLiteral("28.015"));
    click(rowOf(4, 1), kFrequency);
    click(rowOf(4, 4), kFrequency, Qt::ShiftModifier);
    const int steps = ctx.model.history().undoCount();
    QTest::mouseClick(sheetWindow().findChild<QPushButton*>(QStringLiteral("FillDown")),
                      Qt::LeftButton);
    EXPECT_EQ(ctx.model.history().undoCount(), steps + 1);
    EXPECT_EQ(rows().index(rowOf(4, 4), kFrequency).data().toString(), QStringLiteral("28.0450"));
    EXPECT_EQ(rows().index(rowOf(4, 2), kFrequency).data().toString(), QStringLiteral("28.0250"));
}

// Ctrl+D is Fill Down, though X11 also binds it to Delete: the channels below stay and take
// the steps, and the status line says what the fill did instead of an earlier paste's count.
TEST_F(ChannelSheetWindowTest, CtrlDFillsDownAndTheStatusLineSaysSo) {
    QApplication::clipboard()->setText(QStringLiteral("41.0"));
    click(rowOf(2, 1), kFrequency);
    key(Qt::Key_V, Qt::ControlModifier);
    prompter.shown.clear();
    auto* status = sheetWindow().findChild<QLabel*>(QStringLiteral("SheetStatus"));
    EXPECT_EQ(status->text(), QStringLiteral("0 channels pasted."));

    sheetWindow().findChild<QDoubleSpinBox*>(QStringLiteral("FillStep"))->setValue(5);
    click(rowOf(1, 3), kFrequency);
    click(rowOf(1, 6), kFrequency, Qt::ShiftModifier);
    key(Qt::Key_D, Qt::ControlModifier);
    for (int chNo = 3; chNo <= 6; ++chNo)
        ASSERT_NE(channel(1, chNo), nullptr) << chNo;
    EXPECT_EQ(rows().index(rowOf(1, 6), kFrequency).data().toString(), QStringLiteral("27.1450"));
    EXPECT_EQ(undoName(), QStringLiteral("Fill down of 3 channels"));
    EXPECT_EQ(status->text(), QStringLiteral("3 channels filled."));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

// "AM" pasted onto selected Mode cells is the list's AM for each, one step; a value the list
// lacks is reported with its cell, and a column of values goes one to a row.
TEST_F(ChannelSheetWindowTest, ValuesPastedIntoAListColumnAreEntriesOfItsList) {
    const int mode = column(ChannelField::Mode);
    click(rowOf(1, 2), mode);
    click(rowOf(1, 4), mode, Qt::ShiftModifier);
    QApplication::clipboard()->setText(QStringLiteral("AM\n"));
    key(Qt::Key_V, Qt::ControlModifier);
    for (int chNo = 2; chNo <= 4; ++chNo)
        EXPECT_EQ(modeTextFromCode(channel(1, chNo)->mode), QStringLiteral("AM")) << chNo;
    EXPECT_EQ(ctx.model.history().undoCount(), 1);
    EXPECT_EQ(undoName(), QStringLiteral("Mode of 3 channels"));
    EXPECT_TRUE(prompter.shown.isEmpty());
    auto* status = sheetWindow().findChild<QLabel*>(QStringLiteral("SheetStatus"));
    EXPECT_EQ(status->text(), QStringLiteral("3 values pasted."));

    click(rowOf(1, 6), mode);
    QApplication::clipboard()->setText(QStringLiteral("usb\nXYZ\nLSB"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(modeTextFromCode(channel(1, 6)->mode), QStringLiteral("USB"));
    EXPECT_EQ(modeTextFromCode(channel(1, 7)->mode), QStringLiteral("FM"));
    EXPECT_EQ(modeTextFromCode(channel(1, 8)->mode), QStringLiteral("LSB"));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].text.endsWith("Line 2 → A7: not in the list of Mode (XYZ)"))
        << prompter.shown[0].text.toStdString();

    // A table with a header: the columns it lacks get what a typed channel gets.
    QApplication::clipboard()->setText(QStringLiteral("Frequency\tMode\n27.5\tAM\n"));
    click(rowOf(1, 30), kFrequency);
    key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_NE(channel(1, 30), nullptr);
    ChannelRec typed;
    fillNewChannel(typed, 30, QString());
    EXPECT_EQ(channel(1, 30)->decodeTone, typed.decodeTone);
    EXPECT_EQ(channel(1, 30)->mode, 1);
}

// The sheet says which work mode it shows and switches it, as one step of the document.
TEST_F(ChannelSheetWindowTest, TheWorkModeIsShownAndCanBeSwitchedFromTheList) {
    auto* list = sheetWindow().findChild<QComboBox*>(QStringLiteral("SheetWorkMode"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), QStringLiteral("CB -- 25.6150 - 30.1050 MHz"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(ctx.doc.curImage.workMode, 1);
    EXPECT_EQ(rows().mode(), 1);
    EXPECT_EQ(list->currentText(), QStringLiteral("HF -- 28.0000 - 29.6990 MHz"));
    EXPECT_EQ(undoName(), QStringLiteral("Work mode HF"));
    ctx.model.undo();
    EXPECT_EQ(rows().mode(), 0);
    EXPECT_EQ(list->currentIndex(), 0);
}

} // namespace
} // namespace r5k27

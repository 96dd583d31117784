#include "dtmf/DtmfWindow.h"

#include "EditorWindows.h"
#include "app/mainwindow/MainWindowHarness.h"
#include "core/channels/ChannelTable.h"
#include "core/document/InitialValues.h"
#include "core/options/OptionLists.h"
#include "core/signalling/DtmfReferences.h"
#include "support/EventRecorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

class DtmfWindowTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    DtmfWindowTest() {
        writeBuiltInDefaults(ctx.doc, ctx.settings, 0, QDate(2024, 5, 1));
        window = makeWindow();
        registerDtmfWindow(ctx, *window);
        QObject::connect(&ctx.model.history(), &EditHistory::recorded,
                         [this](const EditName& name, const QString& key) {
                             edits << name.in(Language::English) + " | " +
                                          name.in(Language::Chinese) + " | " + key;
                         });
    }

    DtmfWindow* open() {
        window->show();
        EXPECT_TRUE(window->showChild(ChildKind::Dtmf));
        auto* dtmf = test::openChild<DtmfWindow>(*window, ChildKind::Dtmf);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dtmf));
        return dtmf;
    }
    QTableWidget* grid(DtmfWindow* w) { return w->findChild<QTableWidget*>("MSFlexGrid1"); }
    QLineEdit* editor(DtmfWindow* w) { return w->findChild<QLineEdit*>("Text3"); }
    QComboBox* list(DtmfWindow* w, int i) {
        return w->findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(i));
    }
    QStringList shownLists(DtmfWindow* w) {
        QStringList texts;
        for (int i = 0; i < 5; ++i)
            texts << list(w, i)->currentText();
        return texts;
    }
    void clickRow(DtmfWindow* w, int row) {
        w->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(2);
        QTableWidget* g = grid(w);
        const QRect cell = g->visualRect(g->model()->index(row - 1, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QString code(int n) const { return dtmfCodeText(ctx.doc.curImage, n); }
    QStringList dtmfRefList() const {
        return optionList(OptionList::DtmfRef, ctx.doc.curImage, Language::English);
    }

    std::unique_ptr<MainWindow> window;
    QStringList edits;
};

TEST_F(DtmfWindowTest, NewDocumentShowsEmptyCodesAndFirstEntries) {
    auto* w = open();
    EXPECT_EQ(shownLists(w), QStringList({"10", "100", "100", "0", "D Code"}));
    EXPECT_FALSE(w->findChild<QCheckBox*>("Check1")->isChecked());
    EXPECT_FALSE(w->findChild<QTabWidget*>("SSTab1")->isTabEnabled(1));
    EXPECT_TRUE(edits.isEmpty());

    // Stored values without an entry are shown as themselves; opening changes nothing.
    window->children().closeAll();
    QApplication::processEvents();
    OptFeatRec& o = ctx.doc.curImage.optFeat;
    o.dtmfSendTime = 55;
    o.firstDigitTime = 10;
    o.firstDigitDelay = 0;
    o.starHashTime = 5;
    o.dCodeAssign = 17;
    o.dtmfDisplay = 2;
    const MemoryImage before = ctx.doc.curImage;
    w = open();
    EXPECT_EQ(shownLists(w), QStringList({"550", "1000", "0", "500", "17"}));
    EXPECT_TRUE(ctx.doc.curImage == before);
    EXPECT_TRUE(edits.isEmpty());
    // Choosing the shown value again stores nothing; another entry is stored.
    emit list(w, 0)->activated(list(w, 0)->count() - 1);
    EXPECT_EQ(o.dtmfSendTime, 55);
    emit list(w, 0)->activated(0);
    EXPECT_EQ(o.dtmfSendTime, 1);
}

TEST_F(DtmfWindowTest, EncodeChoicesAreStoredAsTheirCodes) {
    auto* w = open();
    for (auto [i, index] : {std::pair{0, 4}, {3, 2}, {4, 16}}) {
        list(w, i)->setCurrentIndex(index);
        emit list(w, i)->activated(index);
    }
    QTest::mouseClick(w->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
    const OptFeatRec& o = ctx.doc.curImage.optFeat;
    EXPECT_EQ(o.dtmfSendTime, 5);
    EXPECT_EQ(o.starHashTime, 5);
    EXPECT_EQ(o.dCodeAssign, 16);
    EXPECT_EQ(o.dtmfDisplay, 1);
    EXPECT_EQ(edits, QStringList({"DTMF Send Time | DTMF 发送时间 | ", "* and # Tone | *和#音 | ",
                                  "D Code Assignment | D键设定 | ", "DTMF DISP | DTMF 显示 | "}));
}

TEST_F(DtmfWindowTest, TypedCodeIsStoredAndBecomesReferable) {
    auto* w = open();
    test::EventRecorder events(ctx.events);
    EXPECT_FALSE(dtmfRefList().contains("3"));
    clickRow(w, 3);
    EXPECT_EQ(w->editRow(), 3);
    ASSERT_TRUE(editor(w)->isVisible());
    QTest::keyClicks(editor(w), "12ab*#xE 9");
    EXPECT_EQ(code(3), "");
    QTest::keyClick(editor(w), Qt::Key_Return);
    EXPECT_EQ(code(3), "12AB*#9");
    EXPECT_EQ(ctx.doc.curImage.optFeat.dtmf(3).raw(), QString::fromLatin1("12AB*#9\0        ", 16));
    EXPECT_TRUE(dtmfRefList().contains("3"));
    // The code is stored once, when the entry is left: one step, one change.
    EXPECT_EQ(edits, QStringList{"DTMF code 3 | DTMF 码 3 | "});
    EXPECT_EQ(events.lines.count("changed Dtmf -1 0 0"), 1);

    // Sixteen characters fit whole; a seventeenth does not get in.
    clickRow(w, 16);
    QTest::keyClicks(editor(w), "0123456789ABCD*#7");
    QTest::keyClick(editor(w), Qt::Key_Return);
    EXPECT_EQ(code(16), "0123456789ABCD*#");
    EXPECT_EQ(grid(w)->item(15, 1)->text(), "0123456789ABCD*#");
    EXPECT_EQ(code(3), "12AB*#9");
}

TEST_F(DtmfWindowTest, ClearingACodeDropsEveryReferenceToIt) {
    storeDtmfCode(ctx.doc.curImage, 3, "123");
    storeDtmfCode(ctx.doc.curImage, 4, "4");
    ASSERT_GE(usedSlots(ctx.doc.curImage, 0, 1), 1);
    ChannelRec& channel = ctx.doc.chTable.at({0, 1, 1});
    channel.callCode = 3;
    channel.botCode = 4;
    OptFeatRec& o = ctx.doc.curImage.optFeat;
    o.pubEotCode = 3;
    auto* w = open();
    EXPECT_EQ(grid(w)->item(2, 1)->text(), "123");

    clickRow(w, 3);
    QTest::keyClick(editor(w), Qt::Key_Backspace);
    QTest::keyClick(editor(w), Qt::Key_Return);
    EXPECT_EQ(code(3), "");
    EXPECT_EQ(channel.callCode, 0);
    EXPECT_EQ(o.pubEotCode, 0);
    EXPECT_EQ(channel.botCode, 4);
    EXPECT_EQ(dtmfRefList(), QStringList({"OFF", "4"}));
}

TEST_F(DtmfWindowTest, PastedTextIsFilteredAndClipboardKeysDoNothing) {
    auto* w = open();
    clickRow(w, 2);
    QApplication::clipboard()->setText("12xy");
    editor(w)->paste(); // what the context menu does
    EXPECT_EQ(editor(w)->text(), "12");
    QApplication::clipboard()->setText("99");
    QTest::keyClick(editor(w), Qt::Key_V, Qt::ControlModifier);
    editor(w)->selectAll();
    QTest::keyClick(editor(w), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(editor(w), Qt::Key_Return);
    EXPECT_EQ(code(2), "12");
    clickRow(w, 2);
    editor(w)->cut();
    QTest::keyClick(editor(w), Qt::Key_Return);
    EXPECT_EQ(code(2), "");
}

TEST_F(DtmfWindowTest, FirstClickOnRowOneEditsItAndEnterMovesOn) {
    auto* w = open();
    EXPECT_TRUE(editor(w)->isHidden());
    clickRow(w, 1);
    EXPECT_EQ(w->editRow(), 1);
    ASSERT_TRUE(editor(w)->hasFocus());
    QTest::keyClicks(editor(w), "5");
    QTest::keyClick(editor(w), Qt::Key_Return);
    EXPECT_EQ(code(1), "5");
    EXPECT_EQ(grid(w)->item(0, 1)->text(), "5");
    // Enter goes on to the next code, where typing starts its entry; a second Enter does not
    // close the window.
    EXPECT_EQ(grid(w)->currentRow(), 1);
    EXPECT_TRUE(grid(w)->hasFocus());
    QTest::keyClicks(grid(w), "6");
    EXPECT_EQ(w->editRow(), 2);
    QTest::keyClick(editor(w), Qt::Key_Return);
    EXPECT_EQ(code(2), "6");
    EXPECT_TRUE(w->isVisible());

    // A text the editor holds without an edit (set by a program) is stored before a write.
    clickRow(w, 1);
    editor(w)->setText("55");
    EXPECT_EQ(code(1), "5");
    emit window->commitPendingEdits();
    EXPECT_EQ(code(1), "55");
}

// By keyboard as the channel grid: Escape drops the entry and leaves no step, a row reached with
// the arrows or Tab takes typing (which replaces the code) or F2, and Delete clears a code.
TEST_F(DtmfWindowTest, KeyboardWorksTheGridAsTheChannelGrid) {
    storeDtmfCode(ctx.doc.curImage, 2, "777");
    storeDtmfCode(ctx.doc.curImage, 3, "123");
    auto* w = open();
    clickRow(w, 3);
    QTest::keyClicks(editor(w), "99");
    QTest::keyClick(editor(w), Qt::Key_Escape);
    EXPECT_EQ(code(3), "123");
    EXPECT_EQ(grid(w)->item(2, 1)->text(), "123");
    EXPECT_TRUE(editor(w)->isHidden());
    EXPECT_TRUE(grid(w)->hasFocus());
    EXPECT_TRUE(edits.isEmpty());
    EXPECT_FALSE(ctx.model.history().canUndo());

    // Down moves without editing; typing replaces the code of the row reached.
    QTest::keyClick(grid(w), Qt::Key_Down);
    EXPECT_TRUE(editor(w)->isHidden());
    QTest::keyClicks(grid(w), "4");
    EXPECT_EQ(w->editRow(), 4);
    QTest::keyClicks(editor(w), "#");
    QTest::keyClick(editor(w), Qt::Key_Up); // leaves the entry for the row above
    EXPECT_EQ(code(4), "4#");
    EXPECT_EQ(grid(w)->currentRow(), 2);

    // Tab from the page's tab bar into the grid, then F2 edits the code where it stands.
    auto* tabs = w->findChild<QTabWidget*>("SSTab1");
    tabs->tabBar()->setFocus();
    QTest::keyClick(tabs->tabBar(), Qt::Key_Tab);
    ASSERT_TRUE(grid(w)->hasFocus());
    QTest::keyClick(grid(w), Qt::Key_F2);
    ASSERT_EQ(w->editRow(), 3);
    QTest::keyClick(editor(w), Qt::Key_End);
    QTest::keyClicks(editor(w), "4");
    QTest::keyClick(editor(w), Qt::Key_Return);
    EXPECT_EQ(code(3), "1234");

    grid(w)->setCurrentCell(1, 1);
    QTest::keyClick(grid(w), Qt::Key_Delete);
    EXPECT_EQ(code(2), "");
    EXPECT_EQ(grid(w)->item(1, 1)->text(), "");
    EXPECT_EQ(edits.size(), 3);
}

TEST_F(DtmfWindowTest, ReloadedDocumentIsShownAgain) {
    auto* w = open();
    clickRow(w, 5);
    QTest::keyClicks(editor(w), "77");
    storeDtmfCode(ctx.doc.curImage, 5, "");
    storeDtmfCode(ctx.doc.curImage, 6, "#1");
    ctx.doc.curImage.optFeat.firstDigitDelay = 25;
    edits.clear();
    emit ctx.events.changed(DocumentChange{});
    EXPECT_EQ(grid(w)->item(4, 1)->text(), "");
    EXPECT_EQ(grid(w)->item(5, 1)->text(), "#1");
    EXPECT_EQ(list(w, 2)->currentText(), "2500");
    EXPECT_TRUE(editor(w)->isHidden());
    EXPECT_EQ(w->editRow(), 0);
    EXPECT_TRUE(edits.isEmpty());
    // The editor of the current row opens again on a click.
    clickRow(w, 5);
    EXPECT_EQ(w->editRow(), 5);
    EXPECT_EQ(editor(w)->text(), "");
}

} // namespace
} // namespace r5k27

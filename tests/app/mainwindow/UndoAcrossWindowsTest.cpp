// Undo and redo through Edit › Undo/Redo with the four editor windows open, each edited the
// way a user does: the document comes back byte for byte and every window shows it.
#include "EditorWindows.h"
#include "MainWindowHarness.h"
#include "app/options/OptionsWindowDriver.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelWindow.h"
#include "core/channels/BandIdentity.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/ChannelTable.h"
#include "core/document/InitialValues.h"
#include "core/signalling/DtmfReferences.h"
#include "dtmf/DtmfWindow.h"
#include "platform/ToneSink.h"
#include "rogerbeep/RogerBeepWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace r5k27 {
namespace {

constexpr int kHF = 1;

struct DocState {
    MemoryImage image;
    ChTable table;
};

class UndoAcrossWindowsTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    UndoAcrossWindowsTest() {
        writeBuiltInDefaults(ctx.doc, ctx.settings, kHF, QDate(2024, 5, 1));
        store.document = &ctx.doc;
    }

    // Opens all four windows on the document as saved.
    void open() {
        ctx.doc.fileImage = ctx.doc.curImage;
        ctx.doc.fileChTable = ctx.doc.chTable;
        window = makeWindow();
        registerOptionsWindow(ctx, *window);
        registerDtmfWindow(ctx, *window);
        registerRogerBeepWindow(ctx, *window, &sink);
        registerChannelWindow(ctx, *window, prompter);
        window->show();
        for (ChildKind kind : {ChildKind::Options, ChildKind::Dtmf, ChildKind::RogerBeep})
            ASSERT_TRUE(window->showChild(kind));
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        channels = test::openChild<ChannelWindow>(*window, ChildKind::Channel);
        options.options = test::openChild<OptionsWindow>(*window, ChildKind::Options);
        dtmf = test::openChild<DtmfWindow>(*window, ChildKind::Dtmf);
        roger = test::openChild<RogerBeepWindow>(*window, ChildKind::RogerBeep);
        ASSERT_TRUE(channels && options.options && dtmf && roger);
        ASSERT_FALSE(store.isModified());
        // Every user change is one step and one change event, whichever window made it.
        // (Undo and redo announce the whole document, and are no user change.)
        QObject::connect(&ctx.events, &DocumentEvents::changed, [this](const DocumentChange& c) {
            changes += c.kind == DocumentChange::Kind::Whole ? 0 : 1;
        });
        QObject::connect(&ctx.model.history(), &EditHistory::recorded, [this] { ++recorded; });
        stepDone();
    }

    // The user finished an edit: the document and what the windows show are kept to compare.
    void stepDone() {
        states.push_back(std::make_unique<DocState>(DocState{ctx.doc.curImage, ctx.doc.chTable}));
        shown.push_back(shownValues());
        EXPECT_EQ(window->history().undoCount(), int(states.size()) - 1) << "one step per edit";
        EXPECT_EQ(changes, recorded) << "one change event per recorded change";
        changes = recorded = 0;
    }

    // Every value the four windows show; the channel window shows the group the record names
    // (undo shows the group it changed) and its detail lists describe row 1.
    QStringList shownValues() {
        const MemoryImage& image = ctx.doc.curImage;
        chooseInChannels("Combo6",
                         groupTextFromNumber(image.curGroup[image.workMode == 0 ? 0 : 1]));
        channels->grid().setCurrentCell(0, ChannelGrid::kFrequencyColumn);
        // A frame put away (the group settings in the "MEM" view) shows nothing.
        auto inHiddenFrame = [](const QWidget* control) {
            for (const QWidget* p = control->parentWidget(); p; p = p->parentWidget())
                if (qobject_cast<const QGroupBox*>(p) && p->isHidden())
                    return true;
            return false;
        };
        QStringList values;
        for (QWidget* w : std::initializer_list<QWidget*>{channels, options.options, dtmf, roger}) {
            for (const QComboBox* box : w->findChildren<QComboBox*>())
                if (!inHiddenFrame(box))
                    values << box->objectName() + '=' + box->currentText() + " of " +
                                  test::OptionsWindowDriver::entries(box).join(u',');
            for (const QCheckBox* box : w->findChildren<QCheckBox*>())
                values << box->objectName() + (box->isChecked() ? "=on" : "=off");
            // The in-place editors of the grids show only while a cell is edited.
            for (const QLineEdit* field : w->findChildren<QLineEdit*>())
                if (!field->objectName().isEmpty() && field->objectName() != "Text1" &&
                    field->objectName() != "Text3" && !inHiddenFrame(field))
                    values << field->objectName() + '=' + field->text();
            for (const QTableView* grid : w->findChildren<QTableView*>())
                for (int row = 0; row < grid->model()->rowCount(); ++row)
                    values << grid->objectName() + QString::number(row) + '=' +
                                  grid->model()->index(row, 1).data().toString();
        }
        return values;
    }

    static QStringList differences(const QStringList& now, const QStringList& then) {
        QStringList out;
        for (qsizetype i = 0; i < std::max(now.size(), then.size()); ++i)
            if (now.value(i) != then.value(i))
                out << now.value(i).left(80) + " was " + then.value(i).left(80);
        return out;
    }

    // Undoes every step from the Edit menu, then redoes them all: at each step the document is
    // as it was then and every window shows what it showed then.
    void undoAndRedoEveryStep(const std::function<void(int step)>& check = {}) {
        QAction* undo = window->findChild<QAction*>("mnuEditUndo");
        QAction* redo = window->findChild<QAction*>("mnuEditRedo");
        const int last = int(states.size()) - 1;
        // Showing the restored document is no user change (an import reloads without the
        // history's guard, so a window announcing one would add a step).
        int announced = 0;
        const QMetaObject::Connection counting =
            QObject::connect(&ctx.model.history(), &EditHistory::recorded, [&] { ++announced; });
        auto expectStep = [&](int i) {
            EXPECT_TRUE(ctx.doc.curImage == states[i]->image) << "record at step " << i;
            EXPECT_TRUE(ctx.doc.chTable == states[i]->table) << "channels at step " << i;
            EXPECT_EQ(differences(shownValues(), shown[i]), QStringList()) << "shown at step " << i;
            if (check)
                check(i);
        };
        for (int i = last - 1; i >= 0; --i) {
            ASSERT_TRUE(undo->isEnabled());
            undo->trigger();
            expectStep(i);
        }
        EXPECT_FALSE(undo->isEnabled());
        EXPECT_FALSE(store.isModified());
        for (int i = 1; i <= last; ++i) {
            ASSERT_TRUE(redo->isEnabled());
            redo->trigger();
            expectStep(i);
        }
        EXPECT_FALSE(redo->isEnabled());
        EXPECT_EQ(announced, 0);
        QObject::disconnect(counting);
    }

    // Channel window drivers.
    template <class T> T* channelControl(const char* name) {
        T* found = channels->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void chooseInChannels(const char* list, const QString& text) {
        test::OptionsWindowDriver::choose(channelControl<QComboBox>(list), text);
    }
    void typeFrequency(int row, const QString& text) {
        channels->grid().setCurrentCell(row - 1, ChannelGrid::kFrequencyColumn);
        channels->grid().setFocus();
        QTest::keyClicks(&channels->grid(), text.left(1));
        QTest::keyClicks(channelControl<QLineEdit>("Text1"), text.mid(1));
    }
    ChannelRec& channelA1() {
        return ctx.doc.chTable.at(
            {kHF, 1, findChannel(ctx.doc.curImage, ctx.doc.chTable, {kHF, 1, 1})});
    }

    // DTMF window drivers.
    void clickCode(int row) {
        dtmf->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(2);
        auto* grid = dtmf->findChild<QTableWidget*>("MSFlexGrid1");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row - 1, 1)).center());
    }
    QLineEdit* codeEditor() { return dtmf->findChild<QLineEdit*>("Text3"); }

    NullToneSink sink;
    std::unique_ptr<MainWindow> window;
    ChannelWindow* channels = nullptr;
    test::OptionsWindowDriver options;
    DtmfWindow* dtmf = nullptr;
    RogerBeepWindow* roger = nullptr;
    int changes = 0;
    int recorded = 0;
    std::vector<std::unique_ptr<DocState>> states;
    std::vector<QStringList> shown;
};

TEST_F(UndoAcrossWindowsTest, ChannelEditsIncludingOneStillBeingTyped) {
    open();
    typeFrequency(12, QStringLiteral("28.305"));
    QTest::keyClick(channelControl<QLineEdit>("Text1"), Qt::Key_Return);
    stepDone();
    chooseInChannels("Combo6", "B");
    chooseInChannels("Combo1_6", "OFF");
    stepDone();
    chooseInChannels("Combo6", "A");
    channels->grid().setCurrentCell(0, ChannelGrid::kFrequencyColumn);
    chooseInChannels("Combo8_12", "USB");
    stepDone();
    ASSERT_EQ(channelA1().mode, 2);
    // A group name typed is one step; typing on after Enter is the next one.
    auto* name = channelControl<QLineEdit>("Text2");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "RD");
    QTest::keyClick(name, Qt::Key_Return);
    stepDone();
    QTest::keyClicks(name, "S");
    stepDone();
    chooseInChannels("Combo6", "MEM");
    typeFrequency(2, QStringLiteral("28.4"));
    QTest::keyClick(channelControl<QLineEdit>("Text1"), Qt::Key_Return);
    stepDone();
    chooseInChannels("Combo2", "CB -- " + bandTextOfWorkMode(0));
    stepDone();

    // Undo takes the frequency still in the editor into the document first, then takes it back.
    typeFrequency(13, QStringLiteral("28.315"));
    window->findChild<QAction*>("mnuEditUndo")->trigger();
    EXPECT_EQ(window->findChild<QAction*>("mnuEditRedo")->text(), "&Redo Frequency A13");
    EXPECT_TRUE(ctx.doc.curImage == states.back()->image);
    EXPECT_TRUE(ctx.doc.chTable == states.back()->table);
    window->findChild<QAction*>("mnuEditRedo")->trigger();
    EXPECT_EQ(channels->grid().frequency(13), "28.3150");
    stepDone();

    undoAndRedoEveryStep([this](int step) {
        // The grid commits into the group the list shows.
        EXPECT_EQ(channelControl<QComboBox>("Combo6")->currentText(),
                  groupTextFromNumber(channels->shownGroup()));
        EXPECT_TRUE(
            window->windowTitle().contains(bandTextOfWorkMode(states[step]->image.workMode)));
    });

    // Back at the saved state, Exit asks nothing.
    while (window->history().canUndo())
        window->undo();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(UndoAcrossWindowsTest, OptionEditsWithAModeSwitchThatMovesChannels) {
    channelA1().mode = 1; // AM
    open();
    options.choose(options.list("Combo1_9"), 3);
    stepDone();
    options.field("Text2_0")->setFocus();
    options.typeOver(options.field("Text2_0"), QStringLiteral("2.5"));
    QTest::keyClick(options.field("Text2_0"), Qt::Key_Return);
    stepDone();
    options.typeOver(options.field("Text2_0"), QStringLiteral("3"));
    QTest::keyClick(options.field("Text2_0"), Qt::Key_Return);
    stepDone();
    options.check("Check1_6")->click(); // AM off
    ASSERT_NE(channelA1().mode, 1);
    stepDone();

    undoAndRedoEveryStep([this](int step) {
        EXPECT_EQ(channelControl<QComboBox>("Combo8_12")->currentText(),
                  step < 4 ? "AM" : channelControl<QComboBox>("Combo8_12")->itemText(0));
    });
}

TEST_F(UndoAcrossWindowsTest, CtrlZInAFieldUndoesTheDocumentNotJustTheField) {
    open();
    options.field("Text2_0")->setFocus();
    options.typeOver(options.field("Text2_0"), QStringLiteral("3"));
    QTest::keyClick(options.field("Text2_0"), Qt::Key_Z, Qt::ControlModifier);
    // What was typed became a step and was taken back, so Redo brings it again.
    EXPECT_TRUE(ctx.doc.curImage == states[0]->image);
    EXPECT_EQ(window->history().redoCount(), 1);
    QTest::keyClick(options.field("Text2_0"), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(options.field("Text2_0")->text(), "3.0");
    EXPECT_EQ(window->history().undoCount(), 1);
}

TEST_F(UndoAcrossWindowsTest, DtmfEditsAndACodeClearedWithItsReferences) {
    storeDtmfCode(ctx.doc.curImage, 3, "123");
    ctx.doc.curImage.optFeat.pubEotCode = 3;
    channelA1().callCode = 3;
    open();
    clickCode(5);
    QTest::keyClicks(codeEditor(), "45");
    QTest::keyClick(codeEditor(), Qt::Key_Return);
    stepDone();
    // Back to the same code later: a new step, not more of the first one.
    clickCode(6);
    clickCode(5);
    QTest::keyClick(codeEditor(), Qt::Key_End);
    QTest::keyClick(codeEditor(), Qt::Key_Backspace);
    QTest::keyClick(codeEditor(), Qt::Key_Return);
    stepDone();
    options.choose(dtmf->findChild<QComboBox*>("Combo1_0"), 2);
    stepDone();
    clickCode(3);
    QTest::keyClick(codeEditor(), Qt::Key_Backspace);
    QTest::keyClick(codeEditor(), Qt::Key_Return);
    ASSERT_EQ(ctx.doc.curImage.optFeat.pubEotCode, 0);
    ASSERT_EQ(channelA1().callCode, 0);
    stepDone();

    undoAndRedoEveryStep([this](int step) {
        const QString reference = step < 4 ? "3" : "OFF";
        EXPECT_EQ(options.list("Combo2_7")->currentText(), reference);
        EXPECT_EQ(channelControl<QComboBox>("Combo8_15")->currentText(), reference);
        EXPECT_EQ(test::OptionsWindowDriver::entries(options.list("Combo2_6")).contains("3"),
                  step < 4);
    });
}

TEST_F(UndoAcrossWindowsTest, RogerBeepEditsAndASequenceSilencedWithItsReferences) {
    ctx.doc.curImage.optFeat.pubRogerTone = 1;
    channelA1().rogerTone = 1;
    open();
    auto choose = [this](const char* name, int index) {
        auto* box = roger->findChild<QComboBox*>(QString::fromLatin1(name));
        box->setCurrentIndex(index);
        emit box->activated(index);
        emit box->textActivated(box->itemText(index));
    };
    choose("Combo4_0", 3);
    stepDone();
    choose("Combo3_1", 5);
    stepDone();
    choose("Combo4_1", 0);
    stepDone();
    choose("Combo1", 0); // no repeat: sequence 1 no longer plays
    ASSERT_EQ(ctx.doc.curImage.optFeat.pubRogerTone, 0);
    ASSERT_EQ(channelA1().rogerTone, 0);
    stepDone();
    undoAndRedoEveryStep([this](int step) {
        const QString reference = step < 4 ? "1" : "OFF";
        EXPECT_EQ(options.list("Combo2_5")->currentText(), reference);
        EXPECT_EQ(channelControl<QComboBox>("Combo8_11")->currentText(), reference);
    });
}

} // namespace
} // namespace r5k27

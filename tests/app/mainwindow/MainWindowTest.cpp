#include "MainWindowHarness.h"
#include "mainwindow/Background.h"
#include "mainwindow/TreePane.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

QAction* findAction(QWidget& window, const char* name) {
    auto* a = window.findChild<QAction*>(QString::fromUtf8(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

class MainWindowTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    // The band in the caption and the status bar is the document's: HF, as after start-up.
    MainWindowTest() { ctx.doc.curImage.workMode = kStartWorkMode; }
};

TEST_F(MainWindowTest, MenusFollowTheTableInBothLanguages) {
    auto window = makeWindow();
    for (const char* hidden :
         {"mnuTestFre", "mnuTest", "mnuEmbeddedMsg", "mnuEMG", "mnuTools",
          "mnuWindowTileHorizontal", "mnuWindowTileVertical", "mnuWindowArrangeIcons"})
        EXPECT_FALSE(findAction(*window, hidden)->isVisible()) << hidden;
    EXPECT_TRUE(findAction(*window, "mnuMWriteToRadio")->isVisible());
    EXPECT_TRUE(findAction(*window, "MWriteRadio")->isVisible());
    EXPECT_EQ(findAction(*window, "mnuFile")->text(), "&File");
    EXPECT_EQ(findAction(*window, "mnuHelpAbout")->text(), "&About BRELLOCK_R5K27");
    EXPECT_EQ(findAction(*window, "mnuFileNew")->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(findAction(*window, "mnuFileOpen")->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(findAction(*window, "mnuFileSave")->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(findAction(*window, "新建")->toolTip(), "New");
    EXPECT_EQ(findAction(*window, "CommSet")->toolTip(), "Communication Port");
    EXPECT_EQ(window->findChild<QLabel*>("sbStatusBar_Panel3")->text(), "COM1");

    ctx.settings.language = Language::Chinese;
    ctx.settings.comPortNo = 4;
    window->changeLanguage();
    EXPECT_EQ(findAction(*window, "mnuFile")->text(), QStringLiteral("文件(&F)"));
    EXPECT_EQ(findAction(*window, "mnuToneTips")->text(), QStringLiteral("RB音(&B)"));
    EXPECT_EQ(findAction(*window, "About")->toolTip(), QStringLiteral("关于 BRELLOCK_R5K27"));
    EXPECT_EQ(window->findChild<QLabel*>("sbStatusBar_Panel3")->text(), QStringLiteral("通信口4"));
    EXPECT_EQ(window->findChild<QLabel*>("sbStatusBar_Panel2")->text(),
              "BRELLOCK R5K27[28.0000 - 29.6990 MHz]");
    const QTreeWidgetItem* root = window->findChild<QTreeWidget*>("TreeView1")->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 6);
    EXPECT_EQ(root->text(0), "BRELLOCK R5K27");
    EXPECT_EQ(root->child(0)->text(0), QStringLiteral("信道信息"));
    EXPECT_EQ(root->child(1)->text(0), QStringLiteral("信道列表"));
    EXPECT_EQ(root->child(3)->text(0), QStringLiteral("RB音"));
    EXPECT_EQ(root->child(5)->text(0), QStringLiteral("对讲机历史"));
}

TEST_F(MainWindowTest, NewAsksFromTheMenuButNotFromTheToolbar) {
    auto window = makeWindow();
    EXPECT_EQ(store.defaultsLoaded.size(), 1); // the window starts with a new document
    prompter.answers << Answer::Ok;
    findAction(*window, "mnuFileNew")->trigger();
    EXPECT_EQ(prompter.texts(), QStringList{"All data will be cleared."});
    EXPECT_EQ(store.defaultsLoaded.size(), 2);
    findAction(*window, "新建")->trigger();
    EXPECT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(store.defaultsLoaded.size(), 3);

    window->loadNewDocSoon();
    EXPECT_EQ(store.defaultsLoaded.size(), 3); // not before the event loop runs
    EXPECT_TRUE(QTest::qWaitFor([this] { return store.defaultsLoaded.size() == 4; }, 2000));
    EXPECT_EQ(prompter.shown.size(), 1);

    // Unsaved changes: the toolbar asks as the menu does, and Cancel keeps them.
    store.modified = true;
    prompter.answers << Answer::Cancel;
    findAction(*window, "新建")->trigger();
    EXPECT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[1].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(store.defaultsLoaded.size(), 4);
    EXPECT_TRUE(store.modified);
}

TEST_F(MainWindowTest, StatusBarSaysModifiedWhileChangesAreUnsaved) {
    auto window = makeWindow();
    store.document = &ctx.doc;
    auto* modified = window->findChild<QLabel*>("sbModified");
    EXPECT_EQ(modified->text(), "");
    ctx.model.setOptionFromText(OptionId::MicLevel,
                                QString::number(ctx.doc.fileImage.optFeat.micLevel + 1),
                                Language::English, EditName(QStringLiteral("Mic")));
    EXPECT_EQ(modified->text(), "Modified");
    ctx.settings.language = Language::Chinese;
    window->changeLanguage();
    EXPECT_EQ(modified->text(), QStringLiteral("已修改"));
    window->undo();
    EXPECT_EQ(modified->text(), "");
}

TEST_F(MainWindowTest, FailedOpenKeepsTheOpenWindows) {
    auto window = makeWindow();
    window->registerChildWindow(ChildKind::Options, [] { return new QWidget; });
    window->showChild(ChildKind::Options);
    QMdiSubWindow* options = window->children().openWindow(ChildKind::Options);
    store.openWorks = false;
    dialogs.openAnswers << dir.path("car.dat");
    findAction(*window, "mnuFileOpen")->trigger();
    EXPECT_EQ(store.opened.size(), 1);
    EXPECT_EQ(window->children().openWindow(ChildKind::Options), options);
}

TEST_F(MainWindowTest, CaptionFollowsTheDocument) {
    auto window = makeWindow();
    EXPECT_EQ(window->windowTitle(), "BRELLOCK R5K27[28.0000 - 29.6990 MHz][File Name:new.dat]");
    dialogs.saveAnswers << dir.path("car.dat");
    findAction(*window, "mnuFileSave")->trigger();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(window->windowTitle(), "BRELLOCK R5K27[28.0000 - 29.6990 MHz][File Name:car.dat]");
}

TEST_F(MainWindowTest, ExitWithChangesAsksAndCancelKeepsWindowAndStoredPosition) {
    auto window = makeWindow();
    window->show();
    window->move(150, 90);
    store.modified = true;
    prompter.answers << Answer::Cancel;
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompter.texts(), QStringList{"File has been modify,save it now?"});
    EXPECT_FALSE(userSettings.contains(Settings::mainLeft));

    prompter.answers << Answer::No;
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(store.saved.isEmpty());
    EXPECT_EQ(userSettings.readInt(Settings::mainLeft), window->pos().x() * 15);
    EXPECT_EQ(userSettings.readInt(Settings::mainTop), window->pos().y() * 15);
    EXPECT_EQ(userSettings.readInt(Settings::mainWidth), window->width() * 15);
    EXPECT_EQ(userSettings.readInt(Settings::mainHeight), window->height() * 15);
}

TEST_F(MainWindowTest, PlacedFromTheStoreWithDefaultsInTwips) {
    {
        // 14500 x 10500 twips is 967 x 700, more than the test screen has: fitted to it.
        auto window = makeWindow();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(screen.contains(window->geometry()));
        // Room left for the frame and title bar the stored rectangle does not include.
        EXPECT_EQ(window->size(), QSize(967, 700).boundedTo(screen.size() - QSize(16, 40)));
    }
    userSettings.writeInt(Settings::mainLeft, 600);
    userSettings.writeInt(Settings::mainTop, 300);
    userSettings.writeInt(Settings::mainWidth, 9000);
    userSettings.writeInt(Settings::mainHeight, 7500);
    auto window = makeWindow();
    EXPECT_EQ(window->pos(), QPoint(40, 20));
    EXPECT_EQ(window->size(), QSize(600, 500));
}

void dragSplitter(QWidget* bar, int dx) {
    const QPointF start(2, 10);
    const QPointF startGlobal = bar->mapToGlobal(start);
    QMouseEvent press(QEvent::MouseButtonPress, start, startGlobal, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    QMouseEvent move(QEvent::MouseMove, start + QPointF(dx, 0), startGlobal + QPointF(dx, 0),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, start + QPointF(dx, 0),
                        startGlobal + QPointF(dx, 0), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &release);
}

TEST_F(MainWindowTest, SplitterStopsAtThreeHundredTwips) {
    auto window = makeWindow();
    window->show();
    auto* pane = window->findChild<QWidget*>("Picture1");
    auto* bar = window->findChild<QWidget*>("CommandMove");
    ASSERT_TRUE(pane && bar);
    const int start = pane->width();
    dragSplitter(bar, 40);
    EXPECT_EQ(pane->width(), start + 40);
    dragSplitter(bar, -1000);
    EXPECT_EQ(pane->width(), 20); // 300 twips
    dragSplitter(bar, 5000);
    EXPECT_LE(pane->width(), window->centralWidget()->width());

    // Without a press first, moving over the bar changes nothing.
    const int before = pane->width();
    QMouseEvent hover(QEvent::MouseMove, QPointF(2, 2), bar->mapToGlobal(QPointF(-100, 2)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &hover);
    EXPECT_EQ(pane->width(), before);
}

TEST(TreeWidth, DraggedWidthIsHeldBetweenTheLimits) {
    EXPECT_EQ(draggedTreeWidth(100, -30, 20, 500), 70);
    EXPECT_EQ(draggedTreeWidth(100, -95, 20, 500), 20);
    EXPECT_EQ(draggedTreeWidth(100, 900, 20, 500), 500);
    EXPECT_EQ(draggedTreeWidth(30, 5, 20, 10), 20); // a window narrower than the minimum
}

TEST_F(MainWindowTest, EditorWindowsAreGreyedUntilRegisteredAndOpenOnce) {
    auto window = makeWindow();
    QAction* channelItem = findAction(*window, "mnuChannelInfo");
    EXPECT_FALSE(channelItem->isEnabled());
    EXPECT_FALSE(findAction(*window, "mnuReadFromRadio")->isEnabled());
    EXPECT_FALSE(findAction(*window, "ReadRadio")->isEnabled());
    EXPECT_FALSE(window->showChild(ChildKind::Channel));
    auto* tree = window->findChild<QTreeWidget*>("TreeView1");
    EXPECT_TRUE(tree->topLevelItem(0)->child(0)->isDisabled());

    int made = 0;
    window->registerChildWindow(ChildKind::Channel, [&made] {
        ++made;
        return new QWidget;
    });
    window->registerChildWindow(ChildKind::Options, [] { return new QWidget; });
    EXPECT_TRUE(channelItem->isEnabled());
    channelItem->trigger();
    channelItem->trigger();
    EXPECT_EQ(made, 1);
    findAction(*window, "mnuOptFeature")->trigger();
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(window->mdiArea()->activeSubWindow(),
              window->children().openWindow(ChildKind::Options));

    findAction(*window, "mnuCloseAll")->trigger();
    QTreeWidgetItem* channelEntry = tree->topLevelItem(0)->child(0);
    EXPECT_FALSE(channelEntry->isDisabled());
    emit tree->itemClicked(channelEntry, 0);
    EXPECT_EQ(made, 2);

    int reads = 0;
    window->registerCommand(MenuItem::ReadFromRadio, [&reads] { ++reads; });
    findAction(*window, "ReadRadio")->trigger();
    findAction(*window, "mnuReadFromRadio")->trigger();
    EXPECT_EQ(reads, 2);
}

TEST_F(MainWindowTest, ViewItemsToggleThePanes) {
    auto window = makeWindow();
    window->show();
    QAction* treeItem = findAction(*window, "mnuTreeView");
    findAction(*window, "删除")->trigger();
    EXPECT_FALSE(treeItem->isChecked());
    EXPECT_FALSE(window->findChild<QWidget*>("Picture1")->isVisible());
    treeItem->trigger();
    EXPECT_TRUE(window->findChild<QWidget*>("Picture1")->isVisible());
    findAction(*window, "mnuViewToolbar")->trigger();
    EXPECT_FALSE(window->findChild<QToolBar*>("tbToolBar")->isVisible());
}

TEST_F(MainWindowTest, LanguageChosenElsewhereIsAppliedOnActivation) {
    int made = 0;
    auto window = makeWindow();
    window->registerChildWindow(ChildKind::Channel, [&made] {
        ++made;
        return new QWidget;
    });
    window->registerChildWindow(ChildKind::Options, [] { return new QWidget; });
    window->showChild(ChildKind::Options);
    ctx.settings.language = Language::Chinese;
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(ctx.settings.appliedLanguage, Language::Chinese);
    EXPECT_EQ(findAction(*window, "mnuFileOpen")->text(), QStringLiteral("打开(&O)"));
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("BRELLOCK R5K27[28.0000 - 29.6990 MHz][文件名:new.dat]"));
    EXPECT_EQ(made, 1);
    EXPECT_EQ(window->children().openWindow(ChildKind::Options), nullptr);
}

TEST(Background, TilesThePictureWithoutItsBorderAndStaysPlainWithout) {
    test::TempDir dir;
    QImage picture(10, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir.path("BK_1.jpg"), "JPG"));
    const QBrush brush = tiledBackground(dir.path("BK_1.jpg"));
    EXPECT_EQ(brush.texture().size(), QSize(8, 6));
    EXPECT_EQ(tiledBackground(dir.path("missing.jpg")).style(), Qt::NoBrush);
    dir.write("broken.jpg", "not a picture");
    EXPECT_EQ(tiledBackground(dir.path("broken.jpg")).style(), Qt::NoBrush);
}

} // namespace
} // namespace r5k27

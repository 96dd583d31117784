#include "MainWindowHarness.h"
#include "common/FolderMemory.h"
#include "core/channels/ChannelTable.h"
#include "core/document/InitialValues.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// The main window's Edit › Undo/Redo and File › Recent Files, with an editor simulated by the
// model functions the windows call.
class HistoryMenuTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    HistoryMenuTest() { writeBuiltInDefaults(ctx.doc, ctx.settings, 0, QDate(2026, 1, 5)); }

    QAction* item(const char* name) {
        auto* a = window->findChild<QAction*>(QString::fromUtf8(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    void typeFrequency(int row, const QString& text) {
        ctx.model.setFrequency(
            {0, 1, row}, text,
            {QStringLiteral("Frequency A%1").arg(row), QStringLiteral("频率 A%1").arg(row)});
    }
    QString frequency(int chNo) {
        const int slot = findChannel(ctx.doc.curImage, ctx.doc.chTable, {0, 1, chNo});
        return slot ? ctx.doc.chTable.at({0, 1, slot}).rxFreq.clean() : QString();
    }

    std::unique_ptr<MainWindow> window = makeWindow();
};

TEST_F(HistoryMenuTest, UndoAndRedoNameTheStepCommitTheEditInProgressAndRestore) {
    QAction* undo = item("mnuEditUndo");
    QAction* redo = item("mnuEditRedo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(item("Undo")->isEnabled());
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_EQ(redo->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));

    typeFrequency(12, QStringLiteral("28.3050"));
    EXPECT_EQ(undo->text(), "&Undo Frequency A12");
    EXPECT_TRUE(item("Undo")->isEnabled());

    // An editor still holds a typed value: it is committed first and is what Undo takes back.
    QObject::connect(
        window.get(), &MainWindow::commitPendingEdits, window.get(),
        [this] { typeFrequency(13, QStringLiteral("28.3150")); }, Qt::SingleShotConnection);
    int reloads = 0;
    QObject::connect(&ctx.events, &DocumentEvents::changed, [&](const DocumentChange& change) {
        reloads += change.kind == DocumentChange::Kind::Whole ? 1 : 0;
    });
    undo->trigger();
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(frequency(12), "283050");
    EXPECT_EQ(frequency(13), "");
    EXPECT_EQ(redo->text(), "&Redo Frequency A13");

    item("Undo")->trigger();
    EXPECT_EQ(frequency(12), "");
    EXPECT_FALSE(undo->isEnabled());
    ctx.settings.language = Language::Chinese;
    window->changeLanguage();
    EXPECT_EQ(redo->text(), QStringLiteral("重做 频率 A12(&R)"));
    EXPECT_EQ(undo->text(), QStringLiteral("撤销(&U)"));
    item("Redo")->trigger();
    EXPECT_EQ(frequency(12), "283050");
}

TEST_F(HistoryMenuTest, NewOpenAndInitialSettingStartAFreshHistory) {
    EditHistory& history = window->history();
    typeFrequency(2, QStringLiteral("28.2000"));
    item("新建")->trigger();
    EXPECT_FALSE(history.canUndo());

    typeFrequency(2, QStringLiteral("28.2100"));
    store.openWorks = false; // a failed open keeps the document and its history
    dialogs.openAnswers << dir.path("bad.dat");
    item("mnuFileOpen")->trigger();
    EXPECT_TRUE(history.canUndo());
    store.openWorks = true;
    dialogs.openAnswers << dir.path("car.dat");
    prompter.answers << Answer::No;
    item("mnuFileOpen")->trigger();
    EXPECT_FALSE(history.canUndo());

    typeFrequency(3, QStringLiteral("28.3000"));
    item("MnuInitial")->trigger();
    EXPECT_FALSE(history.canUndo());

    EXPECT_FALSE(item("mnuEditUndo")->isEnabled());
}

TEST_F(HistoryMenuTest, RecentFilesSurviveARestartAndDropAFileThatIsGone) {
    QStringList files;
    for (int i = 1; i <= 9; ++i) {
        files << dir.write(QStringLiteral("f%1.dat").arg(i), "x");
        dialogs.openAnswers << files.last();
        item("mnuFileOpen")->trigger();
    }
    dialogs.saveAnswers << dir.path("saved.dat");
    item("mnuFileSaveAs")->trigger();
    QFile::copy(files[0], dir.path("saved.dat"));

    window.reset();
    window = makeWindow();
    auto* first = item("mnuRecentFile1");
    EXPECT_EQ(first->text(), "&1 " + QDir::toNativeSeparators(dir.path("saved.dat")));
    EXPECT_EQ(item("mnuRecentFile8")->text(), "&8 " + QDir::toNativeSeparators(files[2]));
    EXPECT_EQ(window->findChild<QAction*>("mnuRecentFile9"), nullptr);

    QFile::remove(files[8]);
    item("mnuRecentFile2")->trigger();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, "The file \"" + QDir::toNativeSeparators(files[8]) +
                                          "\" no longer exists. It has been removed from the "
                                          "list of recent files.");
    EXPECT_EQ(item("mnuRecentFile2")->text(), "&2 " + QDir::toNativeSeparators(files[7]));
    EXPECT_EQ(store.opened.size(), 9);

    item("mnuRecentFile2")->trigger();
    EXPECT_EQ(store.opened.last(), files[7]);
    EXPECT_EQ(item("mnuRecentFile1")->text(), "&1 " + QDir::toNativeSeparators(files[7]));
}

TEST_F(HistoryMenuTest, DialogsStartInTheFolderLastChosen) {
    FolderMemory memory(userSettings);
    EXPECT_EQ(memory.startPath("new.dat"), "new.dat");
    QDir().mkpath(dir.path("radios"));
    memory.remember(dir.path("radios/car.dat"));
    FolderMemory afterRestart(userSettings);
    EXPECT_EQ(afterRestart.folder(), dir.path("radios"));
    EXPECT_EQ(afterRestart.startPath("new.dat"), dir.path("radios/new.dat"));
    EXPECT_EQ(afterRestart.startPath(dir.path("car.dat")), dir.path("car.dat"));
    QDir(dir.path("radios")).removeRecursively();
    EXPECT_EQ(afterRestart.folder(), "");
}

} // namespace
} // namespace r5k27

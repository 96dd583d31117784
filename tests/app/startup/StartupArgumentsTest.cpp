#include "startup/StartupArguments.h"

#include "app/mainwindow/MainWindowHarness.h"
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "core/document/ModifiedCheck.h"
#include "mainwindow/DataFileStore.h"
#include "platform/SystemFileCommit.h"

#include <QDir>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// The program as main() starts it with a file argument: the real data-file module under the
// main window, then the argument opened.
class StartupArgumentsTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    StartupArgumentsTest() {
        newDocumentAtStart(ctx.doc, ctx.settings, ctx.paths.programFolder);
        window = std::make_unique<MainWindow>(
            ctx, MainWindowServices{realStore, dialogs, prompter, userSettings});
    }

    bool startWith(const QString& argument) {
        const QString file = dataFileArgument({"r5k27", argument});
        return !file.isEmpty() && window->commands().openPath(file);
    }

    DataFileStore realStore{ctx, prompter};
    std::unique_ptr<MainWindow> window;
};

TEST_F(StartupArgumentsTest, DataFileArgumentIsOpenedWithItsName) {
    Document other;
    AppSettings settings;
    writeBuiltInDefaults(other, settings, 0, QDate(2025, 3, 4));
    other.curImage.optFeat.groupName(0, 3).assign("TRK1");
    DataFileContext files{other, settings, ctx.versions, prompter, systemFileCalls()};
    ASSERT_TRUE(saveDataFile(files, dir.path("truck.dat")));

    // Relative to the folder the program was started in.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const bool opened = startWith("truck.dat");
    QDir::setCurrent(before);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(ctx.doc.docPath, dir.path("truck.dat"));
    EXPECT_FALSE(ctx.doc.docUntitled);
    EXPECT_EQ(ctx.doc.curImage.optFeat.groupName(0, 3).clean(), "TRK1");
    EXPECT_FALSE(isModified(ctx.doc));
    EXPECT_TRUE(window->windowTitle().endsWith("[File Name:truck.dat]"));
}

TEST_F(StartupArgumentsTest, BadArgumentGivesOpensMessageAndKeepsTheStartDocument) {
    dir.write("notes.dat", "shopping list");
    dialogs.openAnswers << dir.path("notes.dat");
    window->commands().open();
    const QStringList openSays = prompter.texts();
    ASSERT_FALSE(openSays.isEmpty());
    prompter.shown.clear();

    for (const QString& bad : {dir.path("notes.dat"), dir.path("missing.dat"), dir.path()}) {
        EXPECT_FALSE(startWith(bad)) << bad.toStdString();
        EXPECT_EQ(ctx.doc.docPath, "new.dat");
        EXPECT_TRUE(ctx.doc.docUntitled);
        EXPECT_FALSE(isModified(ctx.doc));
    }
    EXPECT_EQ(prompter.texts().first(), openSays.first());
    EXPECT_EQ(prompter.shown.size(), 3);
    EXPECT_TRUE(window->windowTitle().endsWith("[File Name:new.dat]"));

    // Options and nothing at all open nothing and ask nothing.
    EXPECT_EQ(dataFileArgument({"r5k27", "--verbose"}), "");
    EXPECT_EQ(dataFileArgument({"r5k27"}), "");
    EXPECT_EQ(prompter.shown.size(), 3);
}

} // namespace
} // namespace r5k27

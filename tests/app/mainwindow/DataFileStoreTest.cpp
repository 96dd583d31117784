#include "mainwindow/DataFileStore.h"

#include "Fakes.h"
#include "core/document/InitialValues.h"
#include "mainwindow/DocumentCommands.h"
#include "startup/AppContext.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

struct NullShell : DocumentShell {
    void closeAllChildren() override {}
    void showChannelWindow() override {}
    void cascadeChildren() override {}
    void applyLanguageTexts() override {}
    void refreshCaption() override {}
};

// The document commands on the real data-file module and real files.
class DataFileStoreTest : public ::testing::Test {
protected:
    DataFileStoreTest() {
        initCaptionTables(ctx.captions);
        ctx.paths = InstallPaths::forProgramFolder(dir.path("R5K27/V200"), u'/');
        newDocumentAtStart(ctx.doc, ctx.settings, ctx.paths.programFolder);
    }

    QString saveAs(const QString& name) {
        dialogs.saveAnswers << dir.path(name);
        commands.saveAs();
        return dir.path(name);
    }

    QByteArray bytesOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    test::TempDir dir;
    AppContext ctx;
    test::ScriptedPrompter prompter;
    test::ScriptedFileDialogs dialogs;
    NullShell shell;
    DataFileStore store{ctx, prompter};
    DocumentCommands commands{
        ctx.doc, ctx.settings, ctx.captions, {store, dialogs, prompter, shell}};
};

TEST_F(DataFileStoreTest, OpenAsksOnlyAboutRealChangesNotTheWorkMode) {
    const QString car = saveAs("car.dat");
    ASSERT_FALSE(store.isModified());
    ctx.doc.curImage.workMode = ctx.doc.curImage.workMode == 0 ? 1 : 0;
    dialogs.openAnswers << car;
    commands.open();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(ctx.doc.docPath, car);
    EXPECT_FALSE(ctx.doc.docUntitled);

    ctx.doc.chTable.at({0, 1, 1}).rxFreq.assign("2802500");
    prompter.answers << Answer::Cancel;
    commands.open();
    EXPECT_EQ(prompter.texts(), QStringList{"File has been modify,save it now?"});
    EXPECT_EQ(dialogs.openShown, 1); // Cancel: no file dialog
}

TEST_F(DataFileStoreTest, SaveAfterNewLeavesTheOpenedFileAlone) {
    const QString car = saveAs("car.dat");
    const QByteArray before = bytesOf(car);
    commands.loadNewDoc();
    ctx.doc.curImage.optFeat.micLevel = 12;
    commands.save(); // untitled: Save As, cancelled
    EXPECT_EQ(dialogs.saveShown, 2);
    EXPECT_EQ(bytesOf(car), before);
    EXPECT_TRUE(store.isModified());
}

TEST_F(DataFileStoreTest, FailedOpenKeepsTheDocumentAndItsPath) {
    const QString car = saveAs("car.dat");
    ctx.doc.curImage.optFeat.micLevel = 12;
    const MemoryImage edited = ctx.doc.curImage;
    dir.write("short.dat", "V200" + QByteArray(96, '\0'));
    prompter.answers << Answer::No;
    dialogs.openAnswers << dir.path("short.dat");
    commands.open();
    EXPECT_EQ(prompter.texts().last(),
              "short.dat: Wrong data file length: 100 bytes (1344 expected).");
    EXPECT_EQ(ctx.doc.docPath, car);
    EXPECT_EQ(ctx.doc.curImage, edited);

    dir.write("bad.dat", "XYZW" + QByteArray(1340, '\0'));
    dialogs.openAnswers << dir.path("bad.dat");
    prompter.answers << Answer::No;
    commands.open();
    EXPECT_EQ(prompter.texts().last(), "bad.dat: Unknown version Of DataFile!");
}

TEST_F(DataFileStoreTest, DataFileOfAnotherVersionOffersToStartThatVersion) {
    const QString car = saveAs("car.dat");
    QByteArray old = bytesOf(car);
    old.replace(0, 4, "V100");
    dir.write("old.dat", old);
    QFile::copy(dir.path("car.fre"), dir.path("old.fre"));
    QStringList started;
    store.setVersionStarter([&](const QString& tag) { started << tag; });
    prompter.answers << Answer::Yes;
    dialogs.openAnswers << dir.path("old.dat");
    commands.open();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].text.contains("DataFile version is V1.00"));
    EXPECT_EQ(started, QStringList{"V100"});
    EXPECT_EQ(ctx.doc.docPath, car);
}

} // namespace
} // namespace r5k27

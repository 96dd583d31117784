#include "mainwindow/DocumentCommands.h"

#include "Fakes.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

struct RecordingShell : DocumentShell {
    QStringList calls;
    void closeAllChildren() override { calls << "close"; }
    void showChannelWindow() override { calls << "channel"; }
    void cascadeChildren() override { calls << "cascade"; }
    void applyLanguageTexts() override { calls << "texts"; }
    void refreshCaption() override { calls << "caption"; }
};

class DocumentCommandsTest : public ::testing::Test {
protected:
    DocumentCommandsTest() { initCaptionTables(captions); }

    // A document opened from disk, unmodified.
    void openCar() {
        dialogs.openAnswers << "/radios/car.dat";
        commands.open();
        prompter.shown.clear();
        store.opened.clear();
    }

    Document doc;
    AppSettings settings;
    CaptionTables captions;
    test::FakeDocumentStore store;
    test::ScriptedFileDialogs dialogs;
    test::ScriptedPrompter prompter;
    RecordingShell shell;
    DocumentCommands commands{doc, settings, captions, {store, dialogs, prompter, shell}};
};

TEST_F(DocumentCommandsTest, NewFromTheMenuAsksAndCancelKeepsTheDocument) {
    openCar();
    prompter.answers << Answer::Cancel;
    commands.newFromMenu();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, "All data will be cleared.");
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(prompter.shown[0].icon, Icon::Warning);
    EXPECT_TRUE(store.defaultsLoaded.isEmpty());
    EXPECT_EQ(doc.docPath, "/radios/car.dat");

    settings.language = Language::Chinese;
    prompter.answers << Answer::Ok;
    commands.newFromMenu();
    EXPECT_EQ(prompter.shown[1].text, QStringLiteral("所有数据将被清空。"));
    EXPECT_EQ(store.defaultsLoaded, QList<DefaultFileKind>{DefaultFileKind::New});
}

TEST_F(DocumentCommandsTest, NewWithUnsavedChangesOffersToSaveFromMenuAndToolbar) {
    openCar();
    store.modified = true;
    const QString question = "All data will be cleared.\nFile has been modify,save it now?";
    prompter.answers << Answer::Cancel << Answer::Cancel;
    commands.newFromMenu();
    commands.newFromToolbar();
    EXPECT_EQ(prompter.texts(), QStringList({question, question}));
    EXPECT_EQ(prompter.shown[1].buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(store.defaultsLoaded.isEmpty());
    EXPECT_EQ(doc.docPath, "/radios/car.dat");

    prompter.answers << Answer::Yes;
    commands.newFromToolbar();
    EXPECT_EQ(store.saved, QStringList{"/radios/car.dat"});
    EXPECT_EQ(store.defaultsLoaded.size(), 1);

    prompter.shown.clear();
    commands.newFromToolbar(); // nothing to lose
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(store.defaultsLoaded.size(), 2);
}

TEST_F(DocumentCommandsTest, SaveAfterNewNeverTouchesThePreviouslyOpenedFile) {
    openCar();
    commands.loadNewDoc();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(doc.docPath, "new.dat");
    EXPECT_TRUE(doc.docUntitled);
    EXPECT_EQ(shell.calls.mid(shell.calls.lastIndexOf("close")),
              QStringList({"close", "texts", "channel", "caption", "cascade"}));

    dialogs.saveAnswers << "";
    commands.save();
    EXPECT_TRUE(prompter.shown.isEmpty()); // straight to Save As, no overwrite question
    EXPECT_EQ(dialogs.saveShown, 1);
    EXPECT_EQ(dialogs.savePresets, QStringList{"new.dat"});
    EXPECT_TRUE(store.saved.isEmpty());
}

TEST_F(DocumentCommandsTest, SaveOnAnUntitledDocumentGoesStraightToSaveAs) {
    dialogs.saveAnswers << "/radios/base.dat";
    commands.save();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(dialogs.filters, QStringList{"Data File (*.dat)|*.dat"});
    EXPECT_EQ(store.saved, QStringList{"/radios/base.dat"});
    EXPECT_EQ(doc.docPath, "/radios/base.dat");
    EXPECT_FALSE(doc.docUntitled);
    EXPECT_TRUE(shell.calls.contains("caption"));
}

TEST_F(DocumentCommandsTest, SaveOnAFileAsksBeforeOverwriting) {
    openCar();
    prompter.answers << Answer::Cancel << Answer::Ok;
    commands.save();
    EXPECT_TRUE(store.saved.isEmpty());
    commands.save();
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[0].text, "\"car.dat\"file will be Overwrite,Continue?");
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(prompter.shown[0].icon, Icon::Question);
    EXPECT_EQ(store.saved, QStringList{"/radios/car.dat"});
    EXPECT_EQ(dialogs.saveShown, 0);
}

TEST_F(DocumentCommandsTest, FailedOrCancelledSaveAsKeepsTheDocumentPath) {
    commands.saveAs(); // cancelled
    store.saveWorks = false;
    dialogs.saveAnswers << "/readonly/x.dat";
    EXPECT_FALSE(commands.saveAs());
    EXPECT_EQ(store.saved, QStringList{"/readonly/x.dat"});
    EXPECT_EQ(doc.docPath, "new.dat");
    EXPECT_TRUE(doc.docUntitled);
}

TEST_F(DocumentCommandsTest, OpenOfAnUnmodifiedDocumentAsksNothing) {
    dialogs.openAnswers << "/radios/car.dat";
    commands.open();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(dialogs.filters, QStringList{"Data File (*.dat)|*.dat"});
    EXPECT_EQ(store.opened, QStringList{"/radios/car.dat"});
    EXPECT_EQ(doc.docPath, "/radios/car.dat");
    EXPECT_FALSE(doc.docUntitled);
    EXPECT_EQ(shell.calls.first(), "close");
    EXPECT_TRUE(shell.calls.contains("channel"));
}

TEST_F(DocumentCommandsTest, FailedOpenRestoresThePreviousPath) {
    openCar();
    shell.calls.clear();
    store.openWorks = false;
    dialogs.openAnswers << "/radios/broken.dat";
    commands.open();
    EXPECT_EQ(store.opened, QStringList{"/radios/broken.dat"});
    EXPECT_EQ(doc.docPath, "/radios/car.dat");
    EXPECT_FALSE(shell.calls.contains("close")); // the windows on the old document stay
    EXPECT_FALSE(doc.docUntitled);

    dialogs.openAnswers.clear();
    commands.open(); // dialog cancelled
    EXPECT_EQ(store.opened.size(), 1);
}

TEST_F(DocumentCommandsTest, OpenOfAModifiedDocumentFollowsTheAnswer) {
    openCar();
    store.modified = true;
    prompter.answers << Answer::Cancel;
    commands.open();
    EXPECT_EQ(prompter.shown[0].text, "File has been modify,save it now?");
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(prompter.shown[0].icon, Icon::Warning);
    EXPECT_EQ(dialogs.openShown, 1); // only the one of openCar()

    prompter.answers << Answer::No;
    dialogs.openAnswers << "/radios/other.dat";
    commands.open();
    EXPECT_TRUE(store.saved.isEmpty());
    EXPECT_EQ(store.opened, QStringList{"/radios/other.dat"});

    store.modified = true;
    prompter.answers << Answer::Yes;
    dialogs.openAnswers << "/radios/third.dat";
    commands.open();
    EXPECT_EQ(store.saved, QStringList{"/radios/other.dat"}); // saved in place, no dialog
    EXPECT_EQ(dialogs.saveShown, 0);
    EXPECT_EQ(store.opened.last(), "/radios/third.dat");
}

TEST_F(DocumentCommandsTest, OpenStopsWhenTheRequestedSaveDoesNotHappen) {
    store.modified = true; // untitled: Yes goes through Save As
    prompter.answers << Answer::Yes;
    commands.open();
    EXPECT_EQ(dialogs.saveShown, 1);
    EXPECT_EQ(dialogs.openShown, 0);
    EXPECT_TRUE(store.saved.isEmpty());

    store.modified = false;
    openCar();
    store.modified = true;
    store.saveWorks = false;
    prompter.answers << Answer::Yes;
    dialogs.openAnswers << "/radios/other.dat";
    commands.open();
    EXPECT_EQ(store.saved, QStringList{"/radios/car.dat"});
    EXPECT_TRUE(store.opened.isEmpty());
}

TEST_F(DocumentCommandsTest, ExitQuestionOnlyWithChangesAndCancelOrFailedSaveKeepsRunning) {
    EXPECT_TRUE(commands.confirmExit());
    EXPECT_TRUE(prompter.shown.isEmpty());

    store.modified = true;
    settings.language = Language::Chinese;
    prompter.answers << Answer::Cancel << Answer::Yes << Answer::No;
    EXPECT_FALSE(commands.confirmExit());
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("当前文件已被修改，是否现在保存？"));
    EXPECT_FALSE(commands.confirmExit()); // Yes, but Save As was cancelled
    EXPECT_EQ(dialogs.saveShown, 1);
    EXPECT_EQ(dialogs.filters.last(), QStringLiteral("数据文件 (*.dat)|*.dat"));
    EXPECT_TRUE(commands.confirmExit()); // No: leave without saving
    EXPECT_TRUE(store.saved.isEmpty());
}

TEST_F(DocumentCommandsTest, InitialSettingAsksAboutUnsavedEditsAndLeavesAnUntitledDocument) {
    openCar();
    commands.initialSetting(); // nothing to lose: no question
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(store.defaultsLoaded, QList<DefaultFileKind>{DefaultFileKind::Factory});
    EXPECT_EQ(shell.calls.first(), "close");
    EXPECT_TRUE(shell.calls.contains("channel"));
    EXPECT_EQ(doc.docPath, "new.dat");
    EXPECT_TRUE(doc.docUntitled);

    openCar();
    store.defaultsLoaded.clear();
    shell.calls.clear();
    store.modified = true;
    prompter.answers << Answer::Cancel;
    commands.initialSetting();
    EXPECT_EQ(prompter.texts(), QStringList{"File has been modify,save it now?"});
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(store.defaultsLoaded.isEmpty());
    EXPECT_TRUE(shell.calls.isEmpty());
    EXPECT_TRUE(store.modified);
    EXPECT_EQ(doc.docPath, "/radios/car.dat");

    // Yes saves over the opened file first, then the factory document is untitled.
    prompter.answers << Answer::Yes;
    commands.initialSetting();
    EXPECT_EQ(store.saved, QStringList{"/radios/car.dat"});
    EXPECT_EQ(store.defaultsLoaded.size(), 1);
    EXPECT_TRUE(doc.docUntitled);

    // A later Save goes to Save As instead of overwriting the opened file.
    commands.save();
    EXPECT_EQ(dialogs.saveShown, 1);
    EXPECT_EQ(store.saved.size(), 1);

    store.modified = true;
    store.saveWorks = false; // Yes, but the write failed: the edits stay
    prompter.answers << Answer::Yes;
    dialogs.saveAnswers << "/radios/other.dat";
    commands.initialSetting();
    EXPECT_EQ(store.defaultsLoaded.size(), 1);
    prompter.answers << Answer::No;
    commands.initialSetting();
    EXPECT_EQ(store.defaultsLoaded.size(), 2);
}

} // namespace
} // namespace r5k27

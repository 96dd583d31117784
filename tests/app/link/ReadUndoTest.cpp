// A read replaces the document: unsaved edits are offered for saving first, and the read is a
// step of Undo, so the edited document can be had back.
#include "RadioHarness.h"
#include "mainwindow/ChildWindows.h"
#include "support/VirtualRadio.h"

#include <QAction>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

const QString kSaveQuestion = "File has been modify,save it now?";
const QString kReadConfirm = "Read data from radio.\r\nDo you wish continue?";
const QString kReadDone = "Read Data Completed.";

class ReadUndoTest : public ::testing::Test, protected test::RadioHarness {
protected:
    ReadUndoTest() {
        window->registerChildWindow(ChildKind::Channel, [] { return new QWidget; });
        ctx.doc.docPath = dir.path("mine.dat");
        ctx.doc.docUntitled = false;
        // The user's edit, not yet saved.
        ctx.model.setFrequency({1, 1, 7}, QStringLiteral("28.7770"),
                               EditName(QStringLiteral("edit")));
        store.modified = true;
        edited = ctx.doc;
    }

    QAction* item(const char* name) { return window->findChild<QAction*>(name); }
    void readFromMenu() {
        item("mnuReadFromRadio")->trigger();
        ASSERT_TRUE(waitUntil([&] { return !radio().isBusy(); }));
    }
    bool showsEdited() const {
        return ctx.doc.curImage == edited.curImage && ctx.doc.chTable == edited.chTable;
    }

    // The radio holds a CB document; the edited one is HF.
    test::SimRadioProcess sim{{"--image", dir.write("radio.img", radioImageOf([] {
                                                        Document doc;
                                                        AppSettings settings;
                                                        writeBuiltInDefaults(doc, settings, 0,
                                                                             QDate(2023, 2, 3));
                                                        return doc;
                                                    }()))}};
    Document edited;
};

TEST_F(ReadUndoTest, CancelAtTheSaveQuestionReadsNothing) {
    ctx.settings.comPortName = sim.device();
    prompter.answers = {Answer::Cancel};
    readFromMenu();
    EXPECT_EQ(prompter.texts(), QStringList{kSaveQuestion});
    EXPECT_TRUE(showsEdited());
    EXPECT_FALSE(radio().link().port.isOpen());
    EXPECT_TRUE(store.saved.isEmpty());
}

// Yes saves first; No goes on without saving. Either way the read can be undone back to the
// edited document and redone, and the step is named in both languages.
TEST_F(ReadUndoTest, AReadIsOneStepOfUndoAfterTheSaveQuestion) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(int(answer));
        ctx.settings.comPortName = sim.device();
        prompter.shown.clear();
        store.saved.clear();
        store.modified = true;
        prompter.answers = {answer, Answer::Ok, Answer::Ok};
        readFromMenu();
        EXPECT_EQ(prompter.texts(), QStringList({kSaveQuestion, kReadConfirm, kReadDone}));
        EXPECT_EQ(store.saved,
                  answer == Answer::Yes ? QStringList{dir.path("mine.dat")} : QStringList{});
        EXPECT_EQ(ctx.doc.curImage.workMode, 0);
        EXPECT_TRUE(ctx.doc.docUntitled);
        EXPECT_NE(window->children().openWindow(ChildKind::Channel), nullptr);

        QAction* undo = item("mnuEditUndo");
        ASSERT_TRUE(undo->isEnabled());
        EXPECT_EQ(undo->text(), "&Undo Read from Radio");
        EXPECT_EQ(window->history().undoName().in(Language::Chinese), "从对讲机读取数据");
        undo->trigger();
        EXPECT_TRUE(showsEdited());
        EXPECT_EQ(ctx.doc.curImage.workMode, 1);
        item("mnuEditRedo")->trigger();
        EXPECT_EQ(ctx.doc.curImage.workMode, 0);
        undo->trigger();
        EXPECT_TRUE(showsEdited());
    }
}

} // namespace
} // namespace r5k27

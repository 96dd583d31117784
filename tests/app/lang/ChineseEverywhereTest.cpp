// Every window and dialog of the program opened in Chinese: nothing the user sees may still be
// the English text.
#include "about/AboutWindow.h"
#include "app/link/RadioHarness.h"
#include "common/MessageBoxPrompter.h"
#include "common/QtFileDialogs.h"
#include "lang/LanguageWindow.h"
#include "support/ShownTexts.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

using test::leftInEnglish;
using test::shownTexts;
using test::shownTextsOfModal;

// The files, folders and dates a file dialog lists are the user's, not the program's texts.
test::ShownTexts withoutFileListing(test::ShownTexts texts) {
    texts.removeIf([](const auto& entry) {
        const QString& where = entry.key();
        return (where.contains("treeView ") || where.contains("listView ") ||
                where.contains("sidebar ") || where.contains("lookInCombo ")) &&
               !where.contains(" header ");
    });
    return texts;
}

class ChineseEverywhereTest : public ::testing::Test, protected test::RadioHarness {
protected:
    ChineseEverywhereTest() {
        ports = {{"ttyUSB0", "/dev/ttyUSB0", 0, "USB Serial", "WCH CH340"}};
        window->registerChildWindow(ChildKind::Channel, [] { return new QWidget; });
        registerLanguageWindow(*window, ctx.settings, ctx.captions, ctx.settingsFile);
    }

    // What the main window does when it becomes active after a change of language.
    void setLanguage(int lang) {
        ctx.settings.langIndex = lang;
        window->changeLanguage();
        window->children().closeAll();
        window->showChild(ChildKind::Channel);
    }
};

TEST_F(ChineseEverywhereTest, MainWindowWithMenusToolbarTreeAndStatusBar) {
    window->show();
    EXPECT_EQ(leftInEnglish([this](int lang) {
                  setLanguage(lang);
                  return shownTexts(*window);
              }),
              QStringList());
    // Started in Chinese rather than switched to it.
    EXPECT_EQ(leftInEnglish([this](int lang) {
                  ctx.settings.langIndex = lang;
                  RadioHarness fresh;
                  fresh.ctx.settings.langIndex = lang;
                  auto other = fresh.makeWindow();
                  return shownTexts(*other);
              }),
              QStringList());
}

TEST_F(ChineseEverywhereTest, DialogsOfTheSetupAndHelpMenus) {
    // What the cable says of itself is the same in any language.
    const QStringList sameInBoth =
        test::kSameInBothLanguages + QStringList{"ttyUSB0", "USB Serial", "WCH CH340"};
    for (const char* command : {"mnuComm", "mnuLanguage", "mnuHelpAbout"}) {
        EXPECT_EQ(leftInEnglish(
                      [&](int lang) {
                          setLanguage(lang);
                          return shownTextsOfModal(
                              [&] { window->findChild<QAction*>(command)->trigger(); });
                      },
                      sameInBoth),
                  QStringList())
            << command;
    }
}

TEST_F(ChineseEverywhereTest, MessageBoxesFileDialogsAndTheGroupSizeQuestion) {
    MessageBoxPrompter boxes(ctx.settings);
    for (const Buttons buttons : {Buttons::Ok, Buttons::OkCancel, Buttons::YesNo,
                                  Buttons::YesNoCancel, Buttons::RetryCancel}) {
        EXPECT_EQ(leftInEnglish([&](int lang) {
                      setLanguage(lang);
                      return shownTextsOfModal([&] {
                          boxes.ask(ctx.captions.messages.fileModifiedSaveNow.text(lang), buttons,
                                    Icon::Warning);
                      });
                  }),
                  QStringList());
    }

    QtFileDialogs fileDialogs;
    EXPECT_EQ(leftInEnglish([&](int lang) {
                  setLanguage(lang);
                  return withoutFileListing(shownTextsOfModal(
                      [&] { fileDialogs.openFileName(window->commands().dialogFilter()); }));
              }),
              QStringList());
    EXPECT_EQ(leftInEnglish([&](int lang) {
                  setLanguage(lang);
                  return withoutFileListing(shownTextsOfModal([&] {
                      fileDialogs.saveFileName(window->commands().dialogFilter(),
                                               dir.path("new.dat"));
                  }));
              }),
              QStringList());

    GroupSizeDialog question(ctx.captions, ctx.settings.langIndex, window.get());
    EXPECT_EQ(leftInEnglish([&](int lang) {
                  setLanguage(lang);
                  return shownTextsOfModal([&] { question.ask(1); });
              }),
              QStringList());
}

} // namespace
} // namespace r5k27

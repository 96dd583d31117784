// Every window and dialog of the program opened in Chinese: nothing the user sees may still be
// the English text.
#include "EditorWindows.h"
#include "about/AboutWindow.h"
#include "app/link/RadioHarness.h"
#include "channelcsv/ChannelCsvFeature.h"
#include "common/MessageBoxPrompter.h"
#include "common/QtFileDialogs.h"
#include "core/channels/ToneCodec.h"
#include "core/options/OptionLists.h"
#include "lang/LanguageWindow.h"
#include "link/CompareWindow.h"
#include "link/SeveralRadiosWindow.h"
#include "platform/ToneSink.h"
#include "print/PrintFeature.h"
#include "support/ShownTexts.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
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

// Outlives the main window, whose roger-beep window plays on it.
struct ToneOutput {
    NullToneSink sink;
};

class ChineseEverywhereTest : public ::testing::Test,
                              protected ToneOutput,
                              protected test::RadioHarness {
protected:
    ChineseEverywhereTest() {
        ports = {{"ttyUSB0", "/dev/ttyUSB0", 0, "USB Serial", "WCH CH340", {}}};
        registerChannelWindow(ctx, *window, prompter);
        registerOptionsWindow(ctx, *window);
        registerDtmfWindow(ctx, *window);
        registerRogerBeepWindow(ctx, *window, &sink);
        registerLanguageWindow(*window, ctx.settings, ctx.captions, ctx.settingsFile);
    }

    QtFileDialogs qtDialogs;
    ChannelCsvFeature channelCsv{ctx, *window, qtDialogs, prompter};
    PrintFeature printing{ctx, *window, qtDialogs, prompter};

    // What the main window does when it becomes active after a change of language. Marked as
    // applied, or the next activation would close the windows the test opens.
    void setLanguage(Language lang) {
        ctx.settings.language = lang;
        ctx.settings.appliedLanguage = lang;
        window->changeLanguage();
        window->children().closeAll();
        window->showChild(ChildKind::Channel);
    }
};

TEST_F(ChineseEverywhereTest, MainWindowWithMenusToolbarTreeAndStatusBar) {
    window->show();
    EXPECT_EQ(leftInEnglish([this](Language lang) {
                  setLanguage(lang);
                  return shownTexts(*window);
              }),
              QStringList());
    // Started in Chinese rather than switched to it.
    EXPECT_EQ(leftInEnglish([this](Language lang) {
                  ctx.settings.language = lang;
                  RadioHarness fresh;
                  fresh.ctx.settings.language = lang;
                  auto other = fresh.makeWindow();
                  return shownTexts(*other);
              }),
              QStringList());
}

// A tip shown in English (a control hovered) does not stay in the status bar in Chinese.
TEST_F(ChineseEverywhereTest, TheStatusBarFollowsAChangeOfLanguage) {
    window->show();
    setLanguage(Language::English);
    QWidget* channels = window->children().editor(ChildKind::Channel);
    ASSERT_NE(channels, nullptr);
    QString englishTip;
    for (QWidget* control : channels->findChildren<QWidget*>())
        if (englishTip = control->statusTip(); !englishTip.isEmpty()) {
            QStatusTipEvent hover(englishTip);
            QCoreApplication::sendEvent(control, &hover);
            break;
        }
    ASSERT_FALSE(englishTip.isEmpty());
    auto statusTexts = [this] {
        QStringList texts;
        for (const QLabel* panel : window->statusBar()->findChildren<QLabel*>())
            texts << panel->text();
        return texts;
    };
    ASSERT_TRUE(statusTexts().contains(englishTip));
    setLanguage(Language::Chinese);
    EXPECT_FALSE(statusTexts().contains(englishTip)) << englishTip.toStdString();
}

TEST_F(ChineseEverywhereTest, EveryModalDialog) {
    MessageBoxPrompter boxes(ctx.settings);
    QtFileDialogs fileDialogs;
    GroupSizeDialog question(ctx.captions, ctx.settings.language, window.get());
    auto trigger = [this](const char* command) {
        return [this, command] { window->findChild<QAction*>(command)->trigger(); };
    };
    std::vector<std::pair<QString, std::function<void()>>> dialogsToOpen = {
        {"mnuComm", trigger("mnuComm")},
        {"mnuLanguage", trigger("mnuLanguage")},
        {"mnuHelpAbout", trigger("mnuHelpAbout")},
        {"open file",
         [&] {
             fileDialogs.openFileName(window->commands().dialogFilter(),
                                      window->commands().dialogTitle(MenuItem::FileOpen));
         }},
        {"save file",
         [&] {
             fileDialogs.saveFileName(window->commands().dialogFilter(), dir.path("new.dat"),
                                      window->commands().dialogTitle(MenuItem::FileSaveAs));
         }},
        {"group size", [&] { question.ask(1); }},
        {"export channels", [&] { channelCsv.exportChannels(); }},
        {"import channels", [&] { channelCsv.importChannels(); }},
        {"export PDF", [&] { printing.exportPdf(); }},
        {"print", [&] { printing.print(); }},
        {"several radios",
         [&] { std::unique_ptr<QDialog>(feature->severalRadios().open())->exec(); }},
        {"compare",
         [&] { std::unique_ptr<QDialog>(feature->compare().windowFor(ctx.doc, true))->exec(); }},
    };
    for (const Buttons buttons : {Buttons::Ok, Buttons::OkCancel, Buttons::YesNo,
                                  Buttons::YesNoCancel, Buttons::RetryCancel})
        dialogsToOpen.emplace_back(
            QStringLiteral("message box %1").arg(int(buttons)), [&, buttons] {
                boxes.ask(ctx.captions.messages.fileModifiedSaveNow.in(ctx.settings.language),
                          buttons, Icon::Warning);
            });
    // What the cable says of itself, and a device path, are the same in any language.
    const QStringList sameInBoth =
        test::kSameInBothLanguages + QStringList{"/dev/", "ttyUSB0", "USB Serial", "WCH CH340"};
    for (const auto& [name, open] : dialogsToOpen) {
        EXPECT_EQ(leftInEnglish(
                      [&](Language lang) {
                          setLanguage(lang);
                          return withoutFileListing(shownTextsOfModal(open));
                      },
                      sameInBoth),
                  QStringList())
            << name.toStdString();
    }
}

TEST_F(ChineseEverywhereTest, EditorWindowsWithEveryTabPage) {
    sink.setAvailable(false); // the play button then tells why it is off
    // Tone codes and group letters are names the radio shows; "30s" is a time-out.
    const QStringList radioNames =
        test::kSameInBothLanguages + longToneList(Language::English) +
        shortToneList(Language::English) +
        optionList(OptionList::Tot, ctx.doc.curImage, Language::English) +
        optionList(OptionList::FinTone, ctx.doc.curImage, Language::English) +
        QStringList{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};
    for (const ChildKind kind :
         {ChildKind::Channel, ChildKind::Options, ChildKind::Dtmf, ChildKind::RogerBeep}) {
        EXPECT_EQ(leftInEnglish(
                      [&](Language lang) {
                          setLanguage(lang);
                          window->showChild(kind);
                          QWidget* editor = window->children().editor(kind);
                          auto* tabs = editor->findChild<QTabWidget*>();
                          if (!tabs)
                              return shownTexts(*editor);
                          test::ShownTexts all;
                          for (int i = 0; i < tabs->count(); ++i) {
                              tabs->setCurrentIndex(i);
                              const test::ShownTexts page = shownTexts(*editor);
                              for (auto it = page.cbegin(); it != page.cend(); ++it)
                                  all.insert(QStringLiteral("page %1 ").arg(i) + it.key(),
                                             it.value());
                          }
                          return all;
                      },
                      radioNames),
                  QStringList())
            << int(kind);
    }
}

TEST_F(ChineseEverywhereTest, UndoStepRecentFilesAndTheMissingFileMessage) {
    const QStringList sameInBoth =
        test::kSameInBothLanguages + QStringList{QDir::toNativeSeparators(dir.path("car.dat"))};
    const QString file = dir.path("car.dat");
    EXPECT_EQ(leftInEnglish(
                  [&](Language lang) {
                      setLanguage(lang);
                      dir.write("car.dat", "x");
                      dialogs.openAnswers << file;
                      window->findChild<QAction*>("mnuFileOpen")->trigger();
                      ctx.model.setOptionFromText(
                          OptionId::MicLevel, QString::number(10 + settingOf(lang)), lang,
                          {QStringLiteral("Frequency A12"), QStringLiteral("频率 A12")});
                      test::ShownTexts texts = shownTexts(*window);
                      EXPECT_TRUE(texts.values().join(u' ').contains(u"A12"));
                      QFile::remove(file);
                      window->findChild<QAction*>("mnuRecentFile1")->trigger();
                      texts.insert("missing file message", prompter.shown.value(0).text);
                      prompter.shown.clear();
                      return texts;
                  },
                  sameInBoth),
              QStringList());
}

TEST_F(ChineseEverywhereTest, ChannelImportReport) {
    const QString csv = dir.write("bad.csv", "Location,Frequency\n5,99\n999,27.0\n");
    EXPECT_EQ(leftInEnglish([&](Language lang) {
                  setLanguage(lang);
                  channelCsv.importFrom(csv);
                  auto* report = window->findChild<QDialog*>("ImportReport");
                  if (!report)
                      return test::ShownTexts();
                  const test::ShownTexts texts = shownTexts(*report);
                  delete report;
                  return texts;
              }),
              QStringList());
}

} // namespace
} // namespace r5k27

#include "lang/LanguageWindow.h"

#include "app/mainwindow/MainWindowHarness.h"
#include "platform/ProfileFile.h"
#include "startup/Startup.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

class LanguageWindowTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    // A whole start with the given settings file, then the main window with two editors.
    void start(const QByteArray& settingsFile) {
        dir.write("R5K27/language/mysetup.ini", settingsFile);
        ctx.settingsFile = ctx.paths.settingsFile();
        runStartup(ctx);
        window = makeWindow();
        registerLanguageWindow(*window, ctx.settings, ctx.captions, ctx.settingsFile);
        window->registerChildWindow(ChildKind::Channel, [this] {
            ++channelWindowsMade;
            return new QWidget;
        });
        window->registerChildWindow(ChildKind::Options, [] { return new QWidget; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->showChild(ChildKind::Channel);
        window->showChild(ChildKind::Options);
    }

    // Opens the language window from the menu; `use` runs on it while it is up.
    void chooseLanguage(const std::function<void(QDialog&)>& use) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            use(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        window->findChild<QAction*>("mnuLanguage")->trigger();
        EXPECT_TRUE(seen);
    }

    static QStringList entries(QDialog& dialog) {
        auto* list = dialog.findChild<QComboBox*>("Combo1");
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->itemText(i);
        return out;
    }

    QString savedLanguage() const {
        return ProfileFile(ctx.settingsFile).read("language", "CurrentLanguage");
    }
    QString menuText(const char* name) const { return window->findChild<QAction*>(name)->text(); }
    int openWindows() const { return int(window->mdiArea()->subWindowList().size()); }

    std::unique_ptr<MainWindow> window;
    int channelWindowsMade = 0;
};

TEST_F(LanguageWindowTest, ChineseFromTheSettingsFileThenEnglishChosenAppliesOnActivation) {
    start("\xEF\xBB\xBF[language]\r\nIsFirstRun=0\r\nCurrentLanguage=2\r\n");
    EXPECT_EQ(menuText("mnuLanguage"), QStringLiteral("语言设置(&L)"));
    ASSERT_EQ(openWindows(), 2);

    chooseLanguage([](QDialog& dialog) {
        EXPECT_EQ(entries(dialog), QStringList({QStringLiteral("英语"), QStringLiteral("中文")}));
        auto* list = dialog.findChild<QComboBox*>("Combo1");
        EXPECT_EQ(list->currentText(), QStringLiteral("中文"));
        list->setCurrentIndex(0);
        dialog.findChild<QPushButton*>("cmdOK")->click();
    });
    EXPECT_EQ(savedLanguage(), "1");
    EXPECT_TRUE(dir.read("R5K27/language/mysetup.ini").startsWith("\xEF\xBB\xBF[language]"));
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return ctx.settings.appliedLanguage == Language::English; }, 2000));
    EXPECT_EQ(menuText("mnuLanguage"), "&Language Setup");
    EXPECT_TRUE(window->windowTitle().endsWith("[File Name:new.dat]"));
    // Only the channel window, made afresh.
    EXPECT_EQ(openWindows(), 1);
    EXPECT_NE(window->children().openWindow(ChildKind::Channel), nullptr);
    EXPECT_EQ(channelWindowsMade, 2);
}

TEST_F(LanguageWindowTest, LanguageInUseOrCancelClosesNothing) {
    start("[language]\nIsFirstRun=0\nCurrentLanguage=1\n");
    chooseLanguage([](QDialog& dialog) { dialog.findChild<QPushButton*>("cmdOK")->click(); });
    chooseLanguage([](QDialog& dialog) {
        dialog.findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        dialog.findChild<QPushButton*>("cmdCancel")->click();
    });
    QTest::qWait(50);
    EXPECT_EQ(ctx.settings.language, Language::English);
    EXPECT_EQ(savedLanguage(), "1");
    EXPECT_EQ(openWindows(), 2);
    EXPECT_EQ(channelWindowsMade, 1);
    EXPECT_EQ(menuText("mnuFile"), "&File");
}

TEST_F(LanguageWindowTest, EnterInTheListMovesOnInsteadOfClosing) {
    start("[language]\nIsFirstRun=0\nCurrentLanguage=1\n");
    chooseLanguage([](QDialog& dialog) {
        auto* list = dialog.findChild<QComboBox*>("Combo1");
        list->setCurrentIndex(1);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_NE(QApplication::focusWidget(), list);
        EXPECT_EQ(list->currentText(), "Chinese");
        dialog.findChild<QPushButton*>("cmdOK")->click();
    });
    EXPECT_EQ(savedLanguage(), "2");
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return ctx.settings.appliedLanguage == Language::Chinese; }, 2000));
    EXPECT_EQ(menuText("mnuFile"), QStringLiteral("文件(&F)"));
}

} // namespace
} // namespace r5k27

// The guide against the program: every menu path it names can be followed in the menus of its
// language, Enter in its search field finds on, and the dialogs answer F1 with their section.
#include "EditorWindows.h"
#include "app/link/RadioHarness.h"
#include "channelcsv/ChannelCsvFeature.h"
#include "core/document/DataFile.h"
#include "core/lang/Accelerators.h"
#include "help/GuideText.h"
#include "help/HelpCaptions.h"
#include "help/HelpWindow.h"
#include "link/SeveralRadiosWindow.h"
#include "platform/SystemFileCommit.h"
#include "print/PrintFeature.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// A path as the guide writes it and as the menus read, without blanks ("File›Open").
QString pathKey(QString text) {
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>|\\s")));
    return text;
}

// Every menu path that can be followed through visible entries, from the menu bar down.
QSet<QString> menuPaths(QMenuBar* bar) {
    QSet<QString> paths;
    std::function<void(const QString&, const QList<QAction*>&)> walk =
        [&](const QString& above, const QList<QAction*>& entries) {
            for (QAction* a : entries) {
                if (!a->isVisible() || a->isSeparator())
                    continue;
                const QString path = (above.isEmpty() ? QString() : above + u'›') +
                                     pathKey(withoutAccelerator(a->text()));
                paths.insert(path);
                if (a->menu())
                    walk(path, a->menu()->actions());
            }
        };
    walk({}, bar->actions());
    return paths;
}

class GuideMenuPathsTest : public ::testing::Test, protected test::RadioHarness {
protected:
    GuideMenuPathsTest() {
        registerChannelWindow(ctx, *window, prompter);
        registerChannelSheetWindow(ctx, *window, prompter);
        registerOptionsWindow(ctx, *window);
        registerDtmfWindow(ctx, *window);
    }
    ~GuideMenuPathsTest() override {
        if (QWidget* help = openHelpWindow())
            help->close();
    }

    ChannelCsvFeature channelCsv{ctx, *window, dialogs, prompter};
    PrintFeature printing{ctx, *window, dialogs, prompter};
};

TEST_F(GuideMenuPathsTest, EveryMenuPathTheGuideNamesExistsInItsLanguage) {
    static const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    for (const Language lang : kLanguages) {
        SCOPED_TRACE(settingOf(lang));
        ctx.settings.language = ctx.settings.appliedLanguage = lang;
        window->changeLanguage();
        const QSet<QString> paths = menuPaths(window->menuBar());
        const QString guide = guideSource(lang);
        int named = 0;
        qsizetype inBold = 0;
        for (auto it = bold.globalMatch(guide); it.hasNext();) {
            const QString text = it.next().captured(1);
            if (!text.contains(u'›'))
                continue;
            ++named;
            inBold += text.count(u'›');
            // The radio history adds these Setup items only with a history database, which this
            // harness does not open.
            if (text.contains(QStringLiteral("Read the Radio Before Writing")) ||
                text.contains(QStringLiteral("写入前先读取对讲机")) ||
                text.contains(QStringLiteral("Read Each Radio Before Group Writing")) ||
                text.contains(QStringLiteral("成批写入前先读取每台对讲机")))
                continue;
            EXPECT_TRUE(paths.contains(pathKey(text))) << text.toStdString();
        }
        EXPECT_GE(named, 20);
        // A path outside bold type would escape the check.
        EXPECT_EQ(inBold, guide.count(u'›'));
    }
}

TEST_F(GuideMenuPathsTest, EnterInTheSearchFieldFindsTheNextMatch) {
    window->show();
    showHelp(QString::fromLatin1(HelpCaptions::kMainWindow), Language::English, window.get());
    QWidget* help = openHelpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    auto* search = help->findChild<QLineEdit*>(QStringLiteral("HelpSearch"));
    auto* text = help->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("radio"));
    const int first = text->textCursor().selectionStart();
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(help->isVisible());
    EXPECT_GT(text->textCursor().selectionStart(), first);
    EXPECT_EQ(text->textCursor().selectedText().toLower(), QStringLiteral("radio"));
    QTest::keyClick(search, Qt::Key_Enter);
    EXPECT_TRUE(help->isVisible());
}

// F1 in each dialog opens its section, in a help window the dialog does not block.
TEST_F(GuideMenuPathsTest, F1InThePortSeveralRadiosAndCompareWindowsOpensTheirSection) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QString shown;
    bool helpUsable = false;
    auto pressF1InDialog = [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog, Qt::Key_F1);
        shown = shownHelpSection();
        helpUsable = openHelpWindow() && openHelpWindow()->parentWidget() == dialog;
        dialog->close();
    };
    const std::pair<const char*, const char*> commands[] = {
        {"mnuComm", HelpCaptions::kPort},
        {"mnuWriteSeveralRadios", HelpCaptions::kSeveralRadios},
        {"mnuCompareWithFile", HelpCaptions::kCompare},
    };
    Document other = ctx.doc;
    AppSettings settings = ctx.settings;
    DataFileContext files{other, settings, ctx.versions, prompter, systemFileCalls()};
    ASSERT_TRUE(saveDataFile(files, dir.path("other.dat")));
    dialogs.openAnswers << dir.path("other.dat");
    for (const auto& [command, section] : commands) {
        SCOPED_TRACE(command);
        shown.clear();
        helpUsable = false;
        QTimer::singleShot(200, pressF1InDialog);
        window->findChild<QAction*>(QString::fromLatin1(command))->trigger();
        waitUntil([&] { return !shown.isEmpty(); }, 3000);
        EXPECT_EQ(shown, QString::fromLatin1(section));
        EXPECT_TRUE(helpUsable);
    }
}

} // namespace
} // namespace r5k27

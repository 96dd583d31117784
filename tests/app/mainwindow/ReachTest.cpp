// What a user can reach: every window's buttons on a 1024×600 screen, and an effect for every
// command the menus and the toolbar offer.
#include "EditorWindows.h"
#include "app/link/RadioHarness.h"
#include "channelcsv/ChannelCsvFeature.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFileLayout.h"
#include "help/HelpWindow.h"
#include "lang/LanguageWindow.h"
#include "mainwindow/ScrollingChild.h"
#include "mainwindow/WindowPlacement.h"
#include "platform/ToneSink.h"
#include "print/PrintFeature.h"
#include "support/ShownTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QDesktopServices>
#include <QKeySequence>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// Takes the folder a command would show in the file manager.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// Outlives the main window, whose roger-beep window plays on it.
struct ToneOutput {
    NullToneSink sink;
};

class ReachTest : public ::testing::Test, protected ToneOutput, protected test::RadioHarness {
protected:
    ReachTest() {
        ctx.settings.comPortName = dir.path("no-such-port");
        ports = {{"ttyUSB0", "/dev/ttyUSB0", 0, "USB Serial", "WCH CH340", {}}};
        registerChannelWindow(ctx, *window, prompter);
        registerChannelSheetWindow(ctx, *window, prompter);
        registerOptionsWindow(ctx, *window);
        registerDtmfWindow(ctx, *window);
        registerRogerBeepWindow(ctx, *window, &sink);
        registerLanguageWindow(*window, ctx.settings, ctx.captions, ctx.settingsFile);
        QDesktopServices::setUrlHandler("file", &urls, "open");
    }
    ~ReachTest() override {
        QDesktopServices::unsetUrlHandler("file");
        if (QWidget* help = openHelpWindow())
            help->close();
    }

    ChannelCsvFeature channelCsv{ctx, *window, dialogs, prompter};
    PrintFeature printing{ctx, *window, dialogs, prompter};
    UrlCatcher urls;
};

// The client area a maximised window gets on a 1024×600 screen under a title bar and a panel.
const QSize kSmallScreenClient(1024, 600 - 32 - 28);

TEST_F(ReachTest, OnA1024By600ScreenEveryWindowsButtonsCanBeReached) {
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    EXPECT_LE(minimum.width(), kSmallScreenClient.width());
    EXPECT_LE(minimum.height(), kSmallScreenClient.height());
    window->resize(kSmallScreenClient);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_LE(window->statusBar()->geometry().bottom(), kSmallScreenClient.height());

    QMdiArea* area = window->mdiArea();
    const QRect room(area->viewport()->mapTo(window.get(), QPoint(0, 0)), area->viewport()->size());
    for (const ChildKind kind : {ChildKind::Channel, ChildKind::Options, ChildKind::Dtmf,
                                 ChildKind::RogerBeep, ChildKind::ChannelList}) {
        window->children().closeAll();
        QMdiSubWindow* sub = window->children().show(kind);
        ASSERT_NE(sub, nullptr);
        QCoreApplication::processEvents();
        EXPECT_TRUE(area->viewport()->rect().contains(sub->geometry())) << int(kind);
        auto* scroll = qobject_cast<ScrollingChild*>(sub->widget());
        ASSERT_NE(scroll, nullptr);
        const auto buttons = scroll->widget()->findChildren<QAbstractButton*>();
        EXPECT_FALSE(buttons.isEmpty());
        for (QAbstractButton* button : buttons) {
            if (!button->isVisibleTo(scroll->widget()) || button->objectName().isEmpty())
                continue;
            scroll->ensureWidgetVisible(button, 0, 0);
            const QRect shown(button->mapTo(window.get(), QPoint(0, 0)), button->size());
            EXPECT_TRUE(room.contains(shown))
                << int(kind) << " " << button->objectName().toStdString();
        }
    }
}

TEST(WindowPlacement, APositionFromALargerScreenIsFittedToTheCurrentOne) {
    const QRect screen(0, 0, 1024, 560);
    EXPECT_EQ(fittedToScreen(QRect(1700, 50, 1600, 1000), screen), screen);
    EXPECT_EQ(fittedToScreen(QRect(900, -40, 400, 300), screen), QRect(624, 0, 400, 300));
    EXPECT_EQ(fittedToScreen(QRect(10, 20, 400, 300), screen), QRect(10, 20, 400, 300));
    // A second screen left of the first.
    EXPECT_EQ(fittedToScreen(QRect(-900, 20, 400, 300), QRect(-1280, 0, 1280, 1000)),
              QRect(-900, 20, 400, 300));
}

// What a command can be seen to do.
struct Observed {
    qsizetype prompts, fileDialogs, groupQuestions, urls;
    QList<QMdiSubWindow*> windows;
    QMdiSubWindow* active;
    QList<QRect> geometries;
    QList<bool> panes;
    bool helpShown, mainShown;
    QByteArray document;
    QString status;
    QList<bool> ticks; // settings switched from the menus
    bool operator==(const Observed&) const = default;
};

TEST_F(ReachTest, EveryEnabledCommandDoesSomething) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto observe = [&] {
        Observed o{prompter.shown.size(),
                   dialogs.openShown + dialogs.saveShown,
                   groupSize.presets.size(),
                   urls.urls.size(),
                   window->mdiArea()->subWindowList(),
                   window->mdiArea()->activeSubWindow(),
                   {},
                   {},
                   openHelpWindow() != nullptr,
                   window->isVisible(),
                   serializeImage(ctx.doc.curImage) +
                       serializeChannelFile(ctx.doc.curImage, ctx.doc.chTable),
                   window->findChild<QLabel*>("sbStatusBar_Panel1")->text(),
                   {}};
        for (QMdiSubWindow* sub : o.windows)
            o.geometries << sub->geometry();
        for (const char* pane : {"Picture1", "tbToolBar"})
            o.panes << window->findChild<QWidget*>(pane)->isVisible();
        o.panes << window->statusBar()->isVisible();
        for (const QAction* a : window->findChildren<QAction*>())
            if (a->isCheckable())
                o.ticks << a->isChecked();
        return o;
    };

    QList<QAction*> commands;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (a->menu()) {
                if (a->isVisible()) // a hidden menu's entries cannot be reached
                    walk(a->menu());
            } else if (!a->isSeparator()) {
                commands << a;
            }
        }
    };
    for (QAction* top : window->menuBar()->actions())
        walk(top->menu());
    commands << window->findChild<QToolBar*>("tbToolBar")->actions();
    // Exit last: it ends the walk.
    QAction* exitItem = window->findChild<QAction*>("mnuFileExit");
    commands.removeAll(exitItem);
    commands << exitItem;

    int tried = 0;
    for (QAction* command : std::as_const(commands)) {
        if (!command->isVisible() || !command->isEnabled() || command->isSeparator())
            continue;
        const std::string name = command->objectName().toStdString();
        // A window of another kind in front, moved off its cascade place.
        window->children().closeAll();
        const bool optionsItem = command->objectName() == "mnuOptFeature";
        window->showChild(optionsItem ? ChildKind::RogerBeep : ChildKind::Options);
        window->mdiArea()->subWindowList().first()->move(37, 23);
        if (QWidget* help = openHelpWindow())
            help->close();
        QCoreApplication::processEvents();

        const Observed before = observe();
        const test::ShownTexts dialog = test::shownTextsOfModal([&] {
            command->trigger();
            QTest::qWait(60); // Write to Radio starts from a timer
        });
        ++tried;
        EXPECT_TRUE(!dialog.isEmpty() || !(observe() == before)) << name << " did nothing";
    }
    EXPECT_GE(tried, 35);
    EXPECT_FALSE(window->isVisible());

    // What is greyed says why.
    for (const char* greyed : {"mnuKeyAssignm", "mnuScanInfo", "MnuFrequencyCheck"}) {
        QAction* a = window->findChild<QAction*>(greyed);
        EXPECT_FALSE(a->isEnabled()) << greyed;
        EXPECT_FALSE(a->toolTip().isEmpty()) << greyed;
    }
}

// Alt and a letter reach one entry: no menu, the menu bar included, has two visible entries with
// the same mnemonic, in either language.
TEST_F(ReachTest, NoMenuHasTwoEntriesWithTheSameMnemonic) {
    for (const Language lang : {Language::English, Language::Chinese}) {
        ctx.settings.language = ctx.settings.appliedLanguage = lang;
        window->changeLanguage();
        std::function<void(const QString&, const QList<QAction*>&)> check =
            [&](const QString& where, const QList<QAction*>& entries) {
                QMap<int, QString> taken;
                for (QAction* a : entries) {
                    if (!a->isVisible() || a->isSeparator())
                        continue;
                    if (const QKeySequence key = QKeySequence::mnemonic(a->text());
                        !key.isEmpty()) {
                        const int code = key[0].toCombined();
                        EXPECT_FALSE(taken.contains(code))
                            << settingOf(lang) << " " << where.toStdString() << ": "
                            << taken.value(code).toStdString() << " and "
                            << a->text().toStdString();
                        taken.insert(code, a->text());
                    }
                    if (a->menu())
                        check(a->text(), a->menu()->actions());
                }
            };
        check("menu bar", window->menuBar()->actions());
    }
}

} // namespace
} // namespace r5k27

#include "ReachTest.moc"

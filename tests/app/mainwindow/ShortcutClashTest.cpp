// Every key a window answers to reaches one command. Each window's actions are walked with the
// keys this platform binds them to (a standard key such as Delete is Delete and Ctrl+D on X11),
// together with the main window's while an editor is open in it.
#include "EditorWindows.h"
#include "app/link/RadioHarness.h"
#include "channelcsv/ChannelCsvFeature.h"
#include "core/document/DataFile.h"
#include "help/HelpWindow.h"
#include "link/SeveralRadiosWindow.h"
#include "platform/SystemFileCommit.h"
#include "platform/ToneSink.h"
#include "print/PrintFeature.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// The menus whose entries can be reached: from the menu bar down, and a sub-window's own menu.
// (A menu left over by a widget, which no one can open, has no keys that fire.)
QSet<const QMenu*> reachableMenus(const QWidget& root) {
    QSet<const QMenu*> menus;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& entries) {
        for (const QAction* a : entries)
            if (a->menu() && !menus.contains(a->menu())) {
                menus.insert(a->menu());
                walk(a->menu()->actions());
            }
    };
    for (const QMenuBar* bar : root.findChildren<QMenuBar*>())
        walk(bar->actions());
    for (const QMdiSubWindow* sub : root.findChildren<QMdiSubWindow*>())
        if (sub->systemMenu())
            menus.insert(sub->systemMenu());
    if (const auto* sub = qobject_cast<const QMdiSubWindow*>(&root); sub && sub->systemMenu())
        menus.insert(sub->systemMenu());
    return menus;
}

// The actions of a window whose keys can fire: of root and the widgets in it, leaving out
// those of skip and the entries of menus no one can open.
QList<QAction*> actionsIn(const QWidget& root, const QWidget* skip = nullptr) {
    const QSet<const QMenu*> menus = reachableMenus(root);
    QList<QAction*> all = root.actions();
    // By parent, not by window: a menu is a window of its own.
    auto inSkipped = [skip](const QObject* o) {
        for (; o && skip; o = o->parent())
            if (o == skip)
                return true;
        return false;
    };
    for (const QWidget* widget : root.findChildren<QWidget*>())
        if (!inSkipped(widget))
            all += widget->actions();
    QList<QAction*> found;
    for (QAction* action : all) {
        const QList<QObject*> owners = action->associatedObjects();
        const bool reachable = std::any_of(owners.begin(), owners.end(), [&](QObject* o) {
            const auto* menu = qobject_cast<const QMenu*>(o);
            return !menu || menus.contains(menu);
        });
        if (reachable && !found.contains(action))
            found << action;
    }
    return found;
}

QString nameOf(const QAction* a) {
    return a->objectName().isEmpty() ? a->text() : a->objectName();
}

// Two actions with one key, except actions that apply only while their own widget has the focus
// and belong to different widgets.
QStringList clashes(const QString& where, const QList<QAction*>& actions) {
    auto focusOnly = [](const QAction* a) { return a->shortcutContext() == Qt::WidgetShortcut; };
    auto owner = [](const QAction* a) {
        const QList<QObject*> objects = a->associatedObjects();
        return objects.isEmpty() ? a->parent() : objects.first();
    };
    QStringList found;
    for (qsizetype i = 0; i < actions.size(); ++i)
        for (qsizetype j = i + 1; j < actions.size(); ++j) {
            const QAction* a = actions[i];
            const QAction* b = actions[j];
            if (a == b || (focusOnly(a) && focusOnly(b) && owner(a) != owner(b)))
                continue;
            for (const QKeySequence& key : a->shortcuts())
                if (!key.isEmpty() && b->shortcuts().contains(key))
                    found << where + ": " + key.toString() + " is " + nameOf(a) + " and " +
                                 nameOf(b);
        }
    return found;
}

struct ToneOutput {
    NullToneSink sink;
};

class ShortcutClashTest : public ::testing::Test,
                          protected ToneOutput,
                          protected test::RadioHarness {
protected:
    ShortcutClashTest() {
        registerChannelWindow(ctx, *window, prompter);
        registerChannelSheetWindow(ctx, *window, prompter);
        registerOptionsWindow(ctx, *window);
        registerDtmfWindow(ctx, *window);
        registerRogerBeepWindow(ctx, *window, &sink);
    }
    ~ShortcutClashTest() override {
        if (QWidget* help = openHelpWindow())
            help->close();
    }

    ChannelCsvFeature channelCsv{ctx, *window, dialogs, prompter};
    PrintFeature printing{ctx, *window, dialogs, prompter};
};

TEST_F(ShortcutClashTest, NoKeyOfAnyWindowReachesTwoCommands) {
    window->show();
    QStringList found;
    int keys = 0;
    auto check = [&](const QString& where, const QList<QAction*>& actions) {
        for (const QAction* a : actions)
            keys += int(a->shortcuts().size());
        found += clashes(where, actions);
    };
    const QList<QAction*> mainActions = actionsIn(*window, window->mdiArea());
    check("main window", mainActions);
    for (int k = 0; k < int(ChildKind::Count); ++k) {
        window->children().closeAll();
        QMdiSubWindow* sub = window->children().show(ChildKind(k));
        ASSERT_NE(sub, nullptr);
        check(QStringLiteral("child window %1").arg(k), mainActions + actionsIn(*sub));
    }

    // The windows of their own: the main window's keys do not reach them.
    showHelp(QStringLiteral("main-window"), Language::English, window.get());
    check("help window", actionsIn(*openHelpWindow()));
    std::unique_ptr<SeveralRadiosWindow> several(feature->severalRadios().open());
    ASSERT_TRUE(several);
    check("several radios", actionsIn(*several));
    QTimer::singleShot(100, [&] {
        if (QWidget* port = QApplication::activeModalWidget()) {
            check("port window", actionsIn(*port));
            port->close();
        }
    });
    feature->showPortWindow();
    Document other = ctx.doc;
    AppSettings settings = ctx.settings;
    DataFileContext files{other, settings, ctx.versions, prompter, systemFileCalls()};
    ASSERT_TRUE(saveDataFile(files, dir.path("other.dat")));
    dialogs.openAnswers << dir.path("other.dat");
    window->findChild<QAction*>("mnuCompareWithFile")->trigger();
    QWidget* compare = QApplication::activeModalWidget();
    ASSERT_NE(compare, nullptr);
    check("compare window", actionsIn(*compare));
    compare->close();

    EXPECT_EQ(found, QStringList());
    // The walk saw the keys it is about: Fill Down, the sheet's clipboard keys, F1, Undo...
    EXPECT_GE(keys, 20);
}

} // namespace
} // namespace r5k27

#pragma once

#include "Fakes.h"
#include "mainwindow/MainWindow.h"
#include "platform/UserSettingsStore.h"
#include "startup/AppContext.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QMdiSubWindow>
#include <memory>

namespace r5k27::test {

// A main window over fakes: a program folder in a scratch directory, scripted answers and a
// per-user store in a file of its own.
struct MainWindowHarness {
    MainWindowHarness() {
        ctx.paths = InstallPaths::forProgramFolder(dir.path("R5K27/V200"), u'/');
        initCaptionTables(ctx.captions);
    }

    std::unique_ptr<MainWindow> makeWindow() {
        return std::make_unique<MainWindow>(
            ctx, MainWindowServices{store, dialogs, prompter, userSettings});
    }

    TempDir dir;
    AppContext ctx;
    FakeDocumentStore store;
    ScriptedFileDialogs dialogs;
    ScriptedPrompter prompter;
    UserSettingsStore userSettings = UserSettingsStore::inFile(dir.path("user.ini"));
};

// The content of the open child window of that kind, or null.
template <class Window> Window* openChild(MainWindow& window, ChildKind kind) {
    return qobject_cast<Window*>(window.children().editor(kind));
}

} // namespace r5k27::test

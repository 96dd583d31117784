#pragma once

#include "ChildKind.h"
#include "FileDialogs.h"
#include "MainMenuCaptions.h"
#include "core/lang/Language.h"

#include <QString>
#include <functional>

class QAction;
class QObject;
class QWidget;

namespace r5k27 {

// What a feature needs of the main window: its place in the menus, the status bar, the help,
// and the document's windows. The main window implements it, so a feature folder never
// includes the main window's own.
class FeatureHost {
public:
    using ChildFactory = std::function<QWidget*()>;

    virtual ~FeatureHost() = default;

    // Owner of the feature's windows and questions.
    virtual QWidget* widget() = 0;
    virtual FileDialogs& dialogs() = 0;

    // Until a feature registers them, the menu items, toolbar buttons and tree entries that
    // lead to them stay greyed.
    virtual void registerChildWindow(ChildKind kind, ChildFactory factory) = 0;
    virtual void registerCommand(MenuItem item, std::function<void()> handler) = 0;
    // A File menu entry of a feature, placed before Print, with its text in both languages;
    // separated: a line follows it (entries that belong together leave it out).
    virtual QAction* addFileCommand(const char* objectName, const LocalText& text,
                                    std::function<void()> handler, bool separated = true) = 0;
    // A feature's own entry at the end of a menu of the bar (Program, Setup), retranslated with
    // the menus.
    virtual QAction* addMenuCommand(MenuItem menu, const char* objectName, const LocalText& text,
                                    std::function<void()> handler) = 0;

    // Says in the status bar what a command did; the text stays until the next one.
    virtual void showStatus(const QString& text) = 0;
    // The status bar's port panel after the port choice changed.
    virtual void refreshPortStatus() = 0;
    // The user guide at a section of HelpCaptions; over: the modal window that asks for it.
    virtual void showHelp(const QString& sectionId, QWidget* over = nullptr) = 0;

    // Open editor windows validate and commit the edit in progress.
    virtual void commitEditsInProgress() = 0;
    // commit runs whenever edits in progress are committed, as long as receiver lives.
    virtual void whenCommittingEdits(QObject* receiver, std::function<void()> commit) = 0;
    virtual void closeAllChildren() = 0;
    // The unsaved-changes question of New and Open (Yes saves first); false when the user backs
    // out.
    virtual bool mayReplaceDocument() = 0;
    // After a read or an entry taken from elsewhere: texts, caption and the channel window for
    // the new document.
    virtual void startShowData() = 0;
    // A feature holding something a close would cut short (a radio operation) returns false to
    // hold the close back; it closes the window again itself once that has ended.
    virtual void addCloseGuard(std::function<bool()> mayCloseNow) = 0;
};

} // namespace r5k27

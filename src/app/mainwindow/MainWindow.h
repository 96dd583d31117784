#pragma once

#include "ChildWindows.h"
#include "DocumentCommands.h"
#include "DocumentStore.h"
#include "RecentFiles.h"
#include "common/FeatureHost.h"
#include "common/MainMenuCaptions.h"
#include "core/document/EditHistory.h"
#include "core/lang/Language.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QMdiArea;
class QToolBar;

namespace r5k27 {

struct AppContext;
class TreePane;
class TreeSplitterBar;
class UserSettingsStore;

struct MainWindowServices {
    DocumentStore& store;
    FileDialogs& dialogs;
    Prompter& prompter;
    UserSettingsStore& userSettings;
};

// The main window: the menus, toolbar, tree of editor windows and status bar around the child
// windows; owns the document commands and the exit question.
class MainWindow : public QMainWindow, public FeatureHost, private DocumentShell {
    Q_OBJECT
public:
    MainWindow(AppContext& ctx, const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Re-reads every text for the current language and rebuilds the tree.
    void changeLanguage();
    void loadNewDoc();
    // LoadNewDoc once the caller has returned to the event loop (after a radio operation).
    void loadNewDocSoon();
    // After a radio read: shows the new document (the read itself is a step of Undo).
    void startShowData() override;
    void loadBackgroundPicture();
    void refreshCaption() override;

    // Features register their editor windows and radio commands here (FeatureHost).
    void registerChildWindow(ChildKind kind, ChildFactory factory) override;
    void registerCommand(MenuItem item, std::function<void()> handler) override;
    bool showChild(ChildKind kind);
    QAction* addFileCommand(const char* objectName, const LocalText& text,
                            std::function<void()> handler, bool separated = true) override;
    QAction* addMenuCommand(MenuItem menu, const char* objectName, const LocalText& text,
                            std::function<void()> handler) override;
    QWidget* widget() override { return this; }
    FileDialogs& dialogs() override { return services_.dialogs; }
    void refreshPortStatus() override;
    void showStatus(const QString& text) override;
    void showHelp(const QString& sectionId, QWidget* over = nullptr) override;
    void whenCommittingEdits(QObject* receiver, std::function<void()> commit) override;
    bool mayReplaceDocument() override { return commands_->mayReplaceDocument(); }
    // A feature holding something a close would cut short (a radio operation) returns false to
    // hold the close back; it closes the window again itself once that has ended.
    void addCloseGuard(std::function<bool()> mayCloseNow) override;

    // Edit › Undo and Redo: open windows first commit the edit in progress.
    void undo();
    void redo();
    EditHistory& history();
    // A file of File › Recent Files; a file that is gone is dropped from the list.
    void openRecentFile(const QString& path);

    ChildWindows& children() { return children_; }
    DocumentCommands& commands() { return *commands_; }
    QMdiArea* mdiArea() const { return mdiArea_; }

signals:
    // Open editor windows validate and commit the edit in progress (before a radio write).
    void commitPendingEdits();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A status tip from an editor (a typed value changed to fit) goes to the message panel.
    bool event(QEvent* event) override;

private:
    // Both the document commands and the features close the editors and commit their edits.
    void closeAllChildren() override;
    void showChannelWindow() override;
    void cascadeChildren() override;
    void applyLanguageTexts() override;
    void commitEditsInProgress() override { emit commitPendingEdits(); }
    void documentReplaced() override;
    void documentFileUsed(const QString& path) override;

    QAction* action(MenuItem item) const { return actions_[static_cast<std::size_t>(item)]; }
    QAction* addItem(QMenu* menu, MenuItem item, std::function<void()> onTrigger = {});
    QMenu* addMenu(QMenu* parent, MenuItem item);
    void buildMenus();
    void buildFileMenu();
    void buildEditMenus();
    void buildProgramMenus();
    void buildViewMenus();
    void buildToolbar();
    void buildStatusBar();
    void buildTree();
    void buildLayout();
    void placeWindow();
    void runCommand(MenuItem item);
    void updateAvailability();
    void showAbout();
    void showModelInformation();
    // The help section of the window in front, or of the main window.
    QString activeHelpSection() const;
    // Connects a new editor's Help button to its section.
    void editorOpened(ChildKind kind, QWidget* editor);
    // Commands the radio has nothing for stay greyed and say why in their tool tip.
    void explainUnavailableCommands();
    void refreshModifiedPanel();
    void refreshUndoItems();
    void refreshRecentFiles();
    // Caption and band panel after the document's values were replaced in place.
    void followDocument(const DocumentChange& change);
    QString text(const LocalText& table) const;

    AppContext& ctx_;
    MainWindowServices services_;
    QMdiArea* mdiArea_;
    ChildWindows children_;
    RecentFiles recentFiles_;
    QMenu* recentMenu_ = nullptr;
    QAction* undoButton_ = nullptr;
    QAction* redoButton_ = nullptr;
    std::unique_ptr<DocumentCommands> commands_;
    TreePane* treePane_ = nullptr;
    TreeSplitterBar* splitter_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::array<QLabel*, 3> statusPanels_{};
    QLabel* modifiedPanel_ = nullptr;
    std::array<QAction*, kMenuItemCount> actions_{};
    std::array<std::function<void()>, kMenuItemCount> commandHandlers_;
    QList<std::pair<QAction*, MenuItem>> toolbarTips_;
    QMenu* fileMenu_ = nullptr;
    QList<std::pair<QAction*, LocalText>> featureFileItems_;
    QList<std::function<bool()>> closeGuards_;
    QTimer timerReNew_;
    bool groupWriteShown_ = true;
};

} // namespace r5k27

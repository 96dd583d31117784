// The menu bar and toolbar of the main window.
#include "MainWindow.h"
#include "TreePane.h"
#include "startup/AppContext.h"

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace r5k27 {

QAction* MainWindow::addItem(QMenu* menu, MenuItem item, std::function<void()> onTrigger) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(QString::fromLatin1(menuCaption(item).control));
    actions_[static_cast<std::size_t>(item)] = a;
    if (onTrigger)
        connect(a, &QAction::triggered, this, std::move(onTrigger));
    return a;
}

QMenu* MainWindow::addMenu(QMenu* parent, MenuItem item) {
    QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(menuCaption(item).control));
    menu->menuAction()->setObjectName(menu->objectName());
    actions_[static_cast<std::size_t>(item)] = menu->menuAction();
    return menu;
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildEditMenus();
    buildProgramMenus();
    buildViewMenus();
}

void MainWindow::buildFileMenu() {
    using enum MenuItem;
    auto command = [this](MenuItem item) { return [this, item] { runCommand(item); }; };

    QMenu* file = addMenu(nullptr, File);
    fileMenu_ = file;
    addItem(file, FileNew, [this] { commands_->newFromMenu(); })->setShortcut(QKeySequence::New);
    addItem(file, FileOpen, [this] { commands_->open(); })->setShortcut(QKeySequence::Open);
    addItem(file, FileSave, [this] { commands_->save(); })->setShortcut(QKeySequence::Save);
    addItem(file, FileSaveAs, [this] { commands_->saveAs(); });
    recentMenu_ = file->addMenu(QString());
    recentMenu_->setObjectName(QStringLiteral("mnuRecentFiles"));
    recentMenu_->menuAction()->setObjectName(recentMenu_->objectName());
    file->addSeparator();
    addItem(file, RadioHistory, [this] { showChild(ChildKind::History); });
    file->addSeparator();
    addItem(file, FilePrint, command(FilePrint))->setShortcut(QKeySequence::Print);
    file->addSeparator();
    addItem(file, FileExit, [this] { close(); });
}

// Model and Edit; their greyed commands say why in their tool tip.
void MainWindow::buildEditMenus() {
    using enum MenuItem;
    auto child = [this](ChildKind kind) { return [this, kind] { showChild(kind); }; };

    QMenu* model = addMenu(nullptr, Model);
    addItem(model, ModelInfo, [this] { showModelInformation(); });
    QMenu* band = addMenu(model, Band);
    addItem(band, CheckRadioBand);
    addItem(band, FrequencyCheck);

    QMenu* edit = addMenu(nullptr, Edit);
    addItem(edit, EditUndo, [this] { undo(); })->setShortcut(QKeySequence::Undo);
    addItem(edit, EditRedo, [this] { redo(); })
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    addItem(edit, ChannelInfo, child(ChildKind::Channel));
    addItem(edit, ChannelList, child(ChildKind::ChannelList));
    addItem(edit, OptFeature, child(ChildKind::Options));
    addItem(edit, ToneTips, child(ChildKind::RogerBeep));
    addItem(edit, Dtmf, child(ChildKind::Dtmf));
    addItem(edit, KeyAssignm);
    addItem(edit, ScanInfo);
    addItem(edit, TestFre)->setVisible(false);
    addItem(edit, EmbeddedMsg)->setVisible(false);
    addItem(edit, Emg)->setVisible(false);

    for (QMenu* menu : {model, band, edit})
        menu->setToolTipsVisible(true);
}

void MainWindow::buildProgramMenus() {
    using enum MenuItem;
    auto command = [this](MenuItem item) { return [this, item] { runCommand(item); }; };

    QMenu* program = addMenu(nullptr, Program);
    addItem(program, ReadFromRadio, command(ReadFromRadio));
    addItem(program, WriteToRadio, command(WriteToRadio));
    addItem(program, MWriteToRadio, command(MWriteToRadio))->setVisible(groupWriteShown_);
    addItem(program, Test)->setVisible(false);
    QMenu* tools = addMenu(program, Tools);
    tools->menuAction()->setVisible(false);
    addItem(tools, RadioInfo, command(RadioInfo));
    addItem(tools, SetRadioInfo)->setEnabled(false);

    QMenu* setup = addMenu(nullptr, Set);
    addItem(setup, Comm, command(Comm));
    addItem(setup, Language, command(Language));
    addItem(setup, Initial, [this] { commands_->initialSetting(); });
}

void MainWindow::buildViewMenus() {
    using enum MenuItem;

    QMenu* view = addMenu(nullptr, View);
    QAction* tree = addItem(view, TreeView);
    QAction* bar = addItem(view, ViewToolbar);
    QAction* status = addItem(view, ViewStatusBar);
    for (QAction* a : {tree, bar, status}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(tree, &QAction::toggled, this, [this](bool on) {
        treePane_->setVisible(on);
        splitter_->setVisible(on);
    });
    connect(bar, &QAction::toggled, this, [this](bool on) { toolbar_->setVisible(on); });
    connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu* window = addMenu(nullptr, Window);
    addItem(window, WindowCascade, [this] { children_.cascade(); });
    addItem(window, WindowTileHorizontal, [this] {
        mdiArea_->tileSubWindows();
    })->setVisible(false);
    addItem(window, WindowTileVertical, [this] { mdiArea_->tileSubWindows(); })->setVisible(false);
    addItem(window, WindowArrangeIcons)->setVisible(false);
    addItem(window, CloseAll, [this] { children_.closeAll(); });

    QMenu* help = addMenu(nullptr, Help);
    addItem(help, HelpTopic, [this] {
        showHelp(activeHelpSection());
    })->setShortcut(QKeySequence::HelpContents);
    addItem(help, HelpAbout, [this] { showAbout(); });
}

void MainWindow::buildToolbar() {
    using enum MenuItem;
    toolbar_ = addToolBar(QString());
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));

    auto add = [this](const char* key, QStyle::StandardPixmap icon, const char* themeIcon,
                      MenuItem tipOf, std::function<void()> onTrigger) {
        QAction* a = toolbar_->addAction(
            QIcon::fromTheme(QString::fromLatin1(themeIcon), style()->standardIcon(icon)),
            QString());
        a->setObjectName(QString::fromUtf8(key));
        connect(a, &QAction::triggered, this, std::move(onTrigger));
        toolbarTips_.append({a, tipOf});
        return a;
    };
    auto command = [this](MenuItem item) { return [this, item] { runCommand(item); }; };

    add("新建", QStyle::SP_FileIcon, "document-new", FileNew,
        [this] { commands_->newFromToolbar(); });
    add("打开", QStyle::SP_DialogOpenButton, "document-open", FileOpen,
        [this] { commands_->open(); });
    add("保存", QStyle::SP_DialogSaveButton, "document-save", FileSave,
        [this] { commands_->save(); });
    toolbar_->addSeparator();
    undoButton_ = add("Undo", QStyle::SP_ArrowBack, "edit-undo", EditUndo, [this] { undo(); });
    redoButton_ = add("Redo", QStyle::SP_ArrowForward, "edit-redo", EditRedo, [this] { redo(); });
    toolbar_->addSeparator();
    add("打印", QStyle::SP_FileDialogContentsView, "document-print", FilePrint, command(FilePrint));
    toolbar_->addSeparator();
    add("ReadRadio", QStyle::SP_ArrowDown, "go-down", ReadFromRadio, command(ReadFromRadio));
    add("CommSet", QStyle::SP_ComputerIcon, "preferences-system", Comm, command(Comm));
    add("WriteRadio", QStyle::SP_ArrowUp, "go-up", WriteToRadio, command(WriteToRadio));
    add("MWriteRadio", QStyle::SP_FileDialogListView, "go-top", MWriteToRadio,
        command(MWriteToRadio))
        ->setVisible(groupWriteShown_);
    toolbar_->addSeparator();
    add("About", QStyle::SP_MessageBoxInformation, "help-about", HelpAbout,
        [this] { showAbout(); });
}

QAction* MainWindow::addFileCommand(const char* objectName, const LocalText& text,
                                    std::function<void()> handler, bool separated) {
    QAction* print = action(MenuItem::FilePrint);
    auto* a = new QAction(text.in(ctx_.settings.language), fileMenu_);
    a->setObjectName(QString::fromLatin1(objectName));
    connect(a, &QAction::triggered, this, std::move(handler));
    fileMenu_->insertAction(print, a);
    if (separated)
        fileMenu_->insertSeparator(print);
    featureFileItems_.append({a, text});
    return a;
}

QAction* MainWindow::addMenuCommand(MenuItem menu, const char* objectName, const LocalText& text,
                                    std::function<void()> handler) {
    QMenu* parent = action(menu)->menu();
    auto* a = new QAction(text.in(ctx_.settings.language), parent);
    a->setObjectName(QString::fromLatin1(objectName));
    connect(a, &QAction::triggered, this, std::move(handler));
    parent->addAction(a);
    featureFileItems_.append({a, text});
    return a;
}

void MainWindow::runCommand(MenuItem item) {
    if (const auto& handler = commandHandlers_[static_cast<std::size_t>(item)])
        handler();
}

void MainWindow::registerCommand(MenuItem item, std::function<void()> handler) {
    commandHandlers_[static_cast<std::size_t>(item)] = std::move(handler);
    updateAvailability();
}

void MainWindow::registerChildWindow(ChildKind kind, ChildFactory factory) {
    children_.setFactory(kind, std::move(factory));
    updateAvailability();
    buildTree();
}

void MainWindow::whenCommittingEdits(QObject* receiver, std::function<void()> commit) {
    connect(this, &MainWindow::commitPendingEdits, receiver, std::move(commit));
}

void MainWindow::updateAvailability() {
    using enum MenuItem;
    for (const auto& [item, kind] : {std::pair{ChannelInfo, ChildKind::Channel},
                                     {ChannelList, ChildKind::ChannelList},
                                     {OptFeature, ChildKind::Options},
                                     {ToneTips, ChildKind::RogerBeep},
                                     {Dtmf, ChildKind::Dtmf},
                                     {RadioHistory, ChildKind::History}})
        action(item)->setEnabled(children_.canShow(kind));
    for (const MenuItem item :
         {FilePrint, ReadFromRadio, WriteToRadio, MWriteToRadio, RadioInfo, Comm, Language})
        action(item)->setEnabled(bool(commandHandlers_[static_cast<std::size_t>(item)]));
    for (const auto& [button, item] : std::as_const(toolbarTips_))
        button->setEnabled(action(item)->isEnabled());
}

} // namespace r5k27

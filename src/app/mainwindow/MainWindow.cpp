#include "MainWindow.h"

#include "Background.h"
#include "Caption.h"
#include "EditorUndoKeys.h"
#include "TreePane.h"
#include "WindowPlacement.h"
#include "about/AboutWindow.h"
#include "common/PortChoice.h"
#include "common/QtTexts.h"
#include "mainwindow/LanguageState.h"
#include "platform/UserSettingsStore.h"
#include "startup/AppContext.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

namespace r5k27 {

namespace {
const QString kChannelKey = QStringLiteral("N1");
const QString kOptionsKey = QStringLiteral("N2");
const QString kRogerBeepKey = QStringLiteral("N12");
const QString kDtmfKey = QStringLiteral("N5");
const QString kChannelListKey = QStringLiteral("N6");
const QString kHistoryKey = QStringLiteral("N7");
} // namespace

MainWindow::MainWindow(AppContext& ctx, const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent)
    , ctx_(ctx)
    , services_(services)
    , mdiArea_(new QMdiArea)
    , children_(*mdiArea_)
    , recentFiles_(services.userSettings) {
    setObjectName(QStringLiteral("frmMain"));
    commands_ = std::make_unique<DocumentCommands>(
        ctx_.doc, ctx_.settings, ctx_.captions,
        DocumentCommands::Services{services.store, services.dialogs, services.prompter, *this});

    timerReNew_.setObjectName(QStringLiteral("TimerReNew"));
    timerReNew_.setSingleShot(true);
    timerReNew_.setInterval(200);
    connect(&timerReNew_, &QTimer::timeout, this, &MainWindow::loadNewDoc);
    connect(&history(), &EditHistory::changed, this, &MainWindow::refreshUndoItems);
    connect(&ctx_.events, &DocumentEvents::changed, this, &MainWindow::followDocument);
    children_.setOpenedHandler(
        [this](ChildKind kind, QWidget* editor) { editorOpened(kind, editor); });

    placeWindow();
    buildLayout();
    buildMenus();
    buildToolbar();
    buildStatusBar();
    updateAvailability();
    applyLanguageTexts();
    buildTree();
    qApp->installEventFilter(new EditorUndoKeys(
        *mdiArea_, *action(MenuItem::EditUndo), *action(MenuItem::EditRedo), [this] { undo(); },
        [this] { redo(); }, this));
    loadNewDoc();
}

MainWindow::~MainWindow() = default;

QString MainWindow::text(const LocalText& table) const {
    return table.in(ctx_.settings.language);
}

void MainWindow::placeWindow() {
    QRect rect = readMainWindowPlacement(services_.userSettings).inPixels();
    // A position from another screen layout would put the window out of reach.
    QScreen* screen = QGuiApplication::screenAt(rect.topLeft() + QPoint(20, 20));
    if (!screen) {
        rect = WindowPlacement{}.inPixels();
        screen = QGuiApplication::primaryScreen();
    }
    // Window frame and title bar, which the stored rectangle leaves out.
    constexpr int kFrame = 8;
    constexpr int kTitleBar = 32;
    if (screen)
        rect = fittedToScreen(
            rect, screen->availableGeometry().adjusted(0, 0, -2 * kFrame, -kTitleBar - kFrame));
    move(rect.topLeft());
    resize(rect.size());
}

void MainWindow::buildLayout() {
    auto* central = new QWidget(this);
    treePane_ = new TreePane(central);
    splitter_ = new TreeSplitterBar(treePane_, central);
    mdiArea_->setParent(central);
    mdiArea_->setObjectName(QStringLiteral("MDIForm"));
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(treePane_);
    layout->addWidget(splitter_);
    layout->addWidget(mdiArea_, 1);
    setCentralWidget(central);

    connect(treePane_, &TreePane::closeRequested, this,
            [this] { action(MenuItem::TreeView)->setChecked(false); });
    connect(treePane_, &TreePane::entryClicked, this, [this](const QString& key) {
        if (key == kChannelKey)
            showChild(ChildKind::Channel);
        else if (key == kOptionsKey)
            showChild(ChildKind::Options);
        else if (key == kRogerBeepKey)
            showChild(ChildKind::RogerBeep);
        else if (key == kDtmfKey)
            showChild(ChildKind::Dtmf);
        else if (key == kChannelListKey)
            showChild(ChildKind::ChannelList);
        else if (key == kHistoryKey)
            showChild(ChildKind::History);
    });
}

void MainWindow::buildStatusBar() {
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("sbStatusBar_Panel%1").arg(i + 1));
        statusPanels_[i] = panel;
        statusBar()->addPermanentWidget(panel, i == 0 ? 1 : 0);
        if (i == 0) {
            modifiedPanel_ = new QLabel(this);
            modifiedPanel_->setObjectName(QStringLiteral("sbModified"));
            statusBar()->addPermanentWidget(modifiedPanel_);
        }
    }
}

void MainWindow::buildTree() {
    const Language lang = ctx_.settings.language;
    auto entry = [lang, this](MenuItem item) {
        return withoutAccelerator(ctx_.captions.menuText(item, lang));
    };
    treePane_->build(ctx_.settings.modelName,
                     {{kChannelKey, entry(MenuItem::ChannelInfo)},
                      {kChannelListKey, entry(MenuItem::ChannelList)},
                      {kOptionsKey, entry(MenuItem::OptFeature)},
                      {kRogerBeepKey, text(ctx_.captions.messages.treeRogerBeep)},
                      {kDtmfKey, entry(MenuItem::Dtmf)},
                      {kHistoryKey, entry(MenuItem::RadioHistory).remove(u'…')}});
    for (const auto& [key, kind] : {std::pair{kChannelKey, ChildKind::Channel},
                                    {kChannelListKey, ChildKind::ChannelList},
                                    {kOptionsKey, ChildKind::Options},
                                    {kRogerBeepKey, ChildKind::RogerBeep},
                                    {kDtmfKey, ChildKind::Dtmf},
                                    {kHistoryKey, ChildKind::History}})
        treePane_->setEntryEnabled(key, children_.canShow(kind));
}

void MainWindow::applyLanguageTexts() {
    const Language lang = ctx_.settings.language;
    useQtTexts(lang);
    refreshPortStatus();
    loadBackgroundPicture();
    refreshCaption();
    for (const MenuCaption& caption : mainMenuCaptions())
        action(caption.item)->setText(ctx_.captions.menuText(caption.item, lang));
    for (const auto& [item, bilingual] : std::as_const(featureFileItems_))
        item->setText(bilingual.in(lang));
    for (const auto& [button, item] : std::as_const(toolbarTips_))
        button->setToolTip(withoutAccelerator(ctx_.captions.menuText(item, lang)));
    treePane_->setCloseToolTip(withoutAccelerator(text(ctx_.captions.buttons.close)));
    explainUnavailableCommands();
    refreshUndoItems();
    refreshRecentFiles();
}

void MainWindow::refreshPortStatus() {
    statusPanels_[2]->setText(portStatusText(ctx_.settings, text(ctx_.captions.commPort.com)));
}

void MainWindow::changeLanguage() {
    // A tip or message of the old language would stay until the next one.
    showStatus(QString());
    applyLanguageTexts();
    buildTree();
}

void MainWindow::refreshCaption() {
    const int workMode = ctx_.doc.curImage.workMode;
    setWindowTitle(mainWindowCaption(ctx_.settings, workMode, ctx_.doc.docPath));
    // The band panel names the same band as the caption.
    statusPanels_[1]->setText(bandStatusText(ctx_.settings, workMode));
    refreshModifiedPanel();
}

void MainWindow::loadBackgroundPicture() {
    const QBrush picture = tiledBackground(ctx_.paths.inProgramFolder(
        QStringLiteral("PIC/BK_%1.jpg").arg(settingOf(ctx_.settings.language))));
    mdiArea_->setBackground(picture.style() == Qt::NoBrush ? palette().brush(QPalette::Dark)
                                                           : picture);
}

void MainWindow::loadNewDoc() {
    commands_->loadNewDoc();
}

void MainWindow::loadNewDocSoon() {
    timerReNew_.start();
}

void MainWindow::startShowData() {
    closeAllChildren();
    applyLanguageTexts();
    showChannelWindow();
    refreshCaption();
    cascadeChildren();
}

bool MainWindow::showChild(ChildKind kind) {
    return children_.show(kind) != nullptr;
}

void MainWindow::closeAllChildren() {
    children_.closeAll();
}
void MainWindow::showChannelWindow() {
    showChild(ChildKind::Channel);
}
void MainWindow::cascadeChildren() {
    children_.cascade();
}

void MainWindow::showAbout() {
    showAboutWindow(ctx_, services_.prompter, this);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    if (!takePendingLanguageChange(ctx_.settings))
        return;
    changeLanguage();
    closeAllChildren();
    showChannelWindow();
    cascadeChildren();
}

void MainWindow::addCloseGuard(std::function<bool()> mayCloseNow) {
    closeGuards_ << std::move(mayCloseNow);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const bool held = std::count_if(closeGuards_.begin(), closeGuards_.end(),
                                    [](const auto& mayClose) { return !mayClose(); }) > 0;
    if (held || !commands_->confirmExit()) {
        event->ignore();
        return;
    }
    if (!isMinimized())
        writeMainWindowPlacement(services_.userSettings,
                                 WindowPlacement::fromPixels(QRect(pos(), size())));
    event->accept();
}

} // namespace r5k27

// What the main window tells the user: status-bar messages, the unsaved-changes mark, help,
// model information, and why some commands are greyed.
#include "MainWindow.h"
#include "core/image/ModelInformation.h"
#include "core/lang/ShellCaptions.h"
#include "help/HelpCaptions.h"
#include "help/HelpWindow.h"
#include "startup/AppContext.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusTipEvent>

namespace r5k27 {

namespace {

const char* helpSectionOf(ChildKind kind) {
    switch (kind) {
    case ChildKind::Channel:
        return HelpCaptions::kChannels;
    case ChildKind::Options:
        return HelpCaptions::kOptions;
    case ChildKind::RogerBeep:
        return HelpCaptions::kRogerBeep;
    case ChildKind::Dtmf:
        return HelpCaptions::kDtmf;
    case ChildKind::ChannelList:
        return HelpCaptions::kChannelList;
    case ChildKind::History:
        return HelpCaptions::kRadioHistory;
    case ChildKind::Count:
        break;
    }
    return HelpCaptions::kMainWindow;
}

} // namespace

void MainWindow::showStatus(const QString& text) {
    statusPanels_[0]->setText(text);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // Empty tips come from hovering menu entries; they must not wipe the last message.
        if (const QString tip = static_cast<QStatusTipEvent*>(event)->tip(); !tip.isEmpty())
            showStatus(tip);
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::refreshModifiedPanel() {
    modifiedPanel_->setText(services_.store.isModified()
                                ? ShellCaptions::modified.in(ctx_.settings.language)
                                : QString());
}

void MainWindow::showHelp(const QString& sectionId, QWidget* over) {
    r5k27::showHelp(sectionId, ctx_.settings.language, over ? over : this,
                    ctx_.paths.inProgramFolder(QStringLiteral("guide")));
}

QString MainWindow::activeHelpSection() const {
    if (QMdiSubWindow* active = mdiArea_->activeSubWindow())
        for (int k = 0; k < int(ChildKind::Count); ++k)
            if (children_.openWindow(ChildKind(k)) == active)
                return QString::fromLatin1(helpSectionOf(ChildKind(k)));
    return QString::fromLatin1(HelpCaptions::kMainWindow);
}

void MainWindow::editorOpened(ChildKind kind, QWidget* editor) {
    if (auto* help = editor->findChild<QPushButton*>(QStringLiteral("CommandHelp")))
        connect(help, &QPushButton::clicked, this,
                [this, kind] { showHelp(QString::fromLatin1(helpSectionOf(kind))); });
}

void MainWindow::showModelInformation() {
    services_.prompter.inform(modelInformationText(ctx_.settings, ctx_.versions));
}

void MainWindow::explainUnavailableCommands() {
    const Language lang = ctx_.settings.language;
    using enum MenuItem;
    for (const auto& [item, why] : {std::pair{KeyAssignm, ShellCaptions::noKeyAssignment},
                                    {ScanInfo, ShellCaptions::noScanSettings},
                                    {CheckRadioBand, ShellCaptions::noRadioBandCheck},
                                    {FrequencyCheck, ShellCaptions::noFrequencyCheck}}) {
        action(item)->setEnabled(false);
        action(item)->setToolTip(why.in(lang));
    }
}

} // namespace r5k27

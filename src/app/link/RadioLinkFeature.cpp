#include "RadioLinkFeature.h"

#include "common/FeatureHost.h"
#include "common/HelpKey.h"
#include "help/HelpCaptions.h"
#include "link/RadioTexts.h"
#include "startup/AppContext.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace r5k27 {

class RadioLinkFeature::Shell : public RadioShell {
public:
    explicit Shell(FeatureHost& window)
        : window_(window) {}
    QWidget* window() override { return window_.widget(); }
    void commitPendingEdits() override { window_.commitEditsInProgress(); }
    void closeAllChildren() override { window_.closeAllChildren(); }
    bool mayReplaceDocument() override { return window_.mayReplaceDocument(); }
    void showReadDocument() override { window_.startShowData(); }

private:
    FeatureHost& window_;
};

RadioLinkFeature::RadioLinkFeature(AppContext& ctx, FeatureHost& window, Prompter& prompter,
                                   RadioLinkOptions options)
    : ctx_(ctx)
    , window_(window)
    , prompter_(prompter)
    , listPorts_(std::move(options.listPorts))
    , backups_(std::move(options.backupFolder))
    , shell_(std::make_unique<Shell>(window))
    , groupSizeDialog_(ctx.captions, ctx.settings.language, window.widget()) {
    GroupSizeQuestion& groupSize = options.groupSize ? *options.groupSize : groupSizeDialog_;
    commands_ = std::make_unique<RadioCommands>(
        ctx, RadioCommands::Services{prompter, *shell_, groupSize, backups_,
                                     std::move(options.startVersion), options.listener});

    using enum MenuItem;
    window.registerCommand(ReadFromRadio, [this] { commands_->read(); });
    window.registerCommand(WriteToRadio, [this] { commands_->write(); });
    window.registerCommand(MWriteToRadio, [this] { commands_->groupWrite(); });
    window.registerCommand(RadioInfo, [this] { commands_->radioInfo(); });
    window.registerCommand(Comm, [this] { showPortWindow(); });
    window.addCloseGuard([this] { return commands_->mayExitNow(); });
    severalRadios_ = std::make_unique<SeveralRadiosFeature>(ctx, window, prompter, listPorts_,
                                                            backups_, options.listener);
    compare_ = std::make_unique<CompareFeature>(ctx, window, prompter, *commands_);
    window.addFileCommand("mnuOpenBackupFolder", RadioTexts::openBackupFolder,
                          [this] { openBackupFolder(); });
}

RadioLinkFeature::~RadioLinkFeature() = default;

void RadioLinkFeature::showPortWindow() {
    PortWindow portWindow(ctx_.settings, ctx_.captions, ctx_.settingsFile, listPorts_,
                          window_.widget());
    addHelpKey(portWindow, [this, &portWindow] {
        window_.showHelp(QString::fromLatin1(HelpCaptions::kPort), &portWindow);
    });
    if (portWindow.exec() == QDialog::Accepted)
        window_.refreshPortStatus();
}

void RadioLinkFeature::openBackupFolder() {
    const QString folder = backups_.folder();
    if (!QDir().mkpath(folder) || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        prompter_.error(RadioTexts::backupFolderFailed.in(ctx_.settings.language).arg(folder));
}

} // namespace r5k27

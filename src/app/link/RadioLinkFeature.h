#pragma once

#include "CompareFeature.h"
#include "GroupSizeQuestion.h"
#include "PortWindow.h"
#include "RadioCommands.h"
#include "SeveralRadiosFeature.h"
#include "radio/LinkBackups.h"

#include <memory>

namespace r5k27 {

class FeatureHost;

struct RadioLinkOptions {
    QString backupFolder = LinkBackups::defaultFolder();
    PortWindow::PortLister listPorts = &listSerialPorts;
    // Null: the number dialog.
    GroupSizeQuestion* groupSize = nullptr;
    std::function<void(const QString& tag)> startVersion = {};
    // Hears every radio operation's start and end (reads, writes, several radios, compare).
    RadioJobListener* listener = nullptr;
};

// Puts the radio commands, the port window and the backup folder into the main window.
class RadioLinkFeature {
public:
    RadioLinkFeature(AppContext& ctx, FeatureHost& window, Prompter& prompter,
                     RadioLinkOptions options = {});
    ~RadioLinkFeature();

    RadioCommands& commands() { return *commands_; }
    LinkBackups& backups() { return backups_; }
    SeveralRadiosFeature& severalRadios() { return *severalRadios_; }
    CompareFeature& compare() { return *compare_; }
    // The port window, modal; the status bar follows an OK.
    void showPortWindow();
    void openBackupFolder();

private:
    class Shell;

    AppContext& ctx_;
    FeatureHost& window_;
    Prompter& prompter_;
    PortWindow::PortLister listPorts_;
    LinkBackups backups_;
    std::unique_ptr<Shell> shell_;
    GroupSizeDialog groupSizeDialog_;
    std::unique_ptr<RadioCommands> commands_;
    std::unique_ptr<SeveralRadiosFeature> severalRadios_;
    std::unique_ptr<CompareFeature> compare_;
};

} // namespace r5k27

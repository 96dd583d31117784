#pragma once

#include "GroupProgressWindow.h"
#include "GroupSizeQuestion.h"
#include "LinkBackups.h"
#include "RadioShell.h"
#include "common/MessageQueue.h"
#include "core/lang/Language.h"
#include "platform/SerialLink.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace r5k27 {

struct AppContext;

// Read, write, group write and radio information as the user runs them from the main window:
// port, confirmation, progress window (whose event loop carries the link) and what the document
// becomes afterwards.
class RadioCommands : public QObject, private LinkObserver {
    Q_OBJECT
public:
    struct Services {
        Prompter& prompter;
        RadioShell& shell;
        GroupSizeQuestion& groupSize;
        LinkBackups& backups;
        // Starts the program version that handles a firmware tag (asks before leaving).
        std::function<void(const QString& tag)> startVersion = {};
    };

    static constexpr int kTimerWriteMs = 20;

    RadioCommands(AppContext& ctx, const Services& services, QObject* parent = nullptr);
    ~RadioCommands() override;

    void read();
    // Commits open edits, then starts the write once the menu command has returned.
    void write();
    void groupWrite();
    // A handshake only: the radio names its model and firmware.
    void radioInfo();
    // Reads the radio with the read's progress and questions but leaves the document alone;
    // done gets the radio's image after a successful read.
    void readForCompare(const std::function<void(const QByteArray&)>& done);

    bool isBusy() const;
    SerialLink& link() { return link_; }
    int groupSize() const { return groupSize_; }
    // The progress window while an operation shows one.
    LinkProgressWindow* progressWindow() const { return window_; }

private:
    void progress(int percent) override;
    void radioCompleted(int radiosDone) override;
    void closeProgress() override;
    void decide(const LinkDecision& decision) override;
    void finished(const LinkOutcome& outcome) override;
    void readSucceeded(const QByteArray& image);

    Language lang() const;
    // False while another operation holds the link; a pending radio-information handshake
    // gives way.
    bool claimLink();
    bool openPort();
    bool confirm(const LocalText& what);
    void runWrite(int groupSize);
    void runInfo();
    // Shows the window modally; start runs once its event loop carries the link.
    void runProgressWindow(LinkProgressWindow* window, std::function<void()> start);
    void onCloseRequested();
    QString radiosWrittenLine(int radiosDone) const;
    // Setup › Verify After Writing: the written radio is read back in a second progress window;
    // the write's completion box waits for the comparison.
    void verifyWrite(const QByteArray& sent);
    void finishVerify(const LinkOutcome& outcome);

    AppContext& ctx_;
    Services s_;
    // Messages of the command itself, shown once the operation has ended.
    MessageQueue messages_;
    SerialLink link_;
    QTimer timerWrite_;
    QPointer<LinkProgressWindow> window_;
    QPointer<GroupProgressWindow> groupWindow_;
    int groupSize_ = GroupSizeQuestion::kMinRadios;
    bool stopAfterRadio_ = false;
    // A write's completion text held back until its verify has compared.
    QString pendingCompletion_;
    QByteArray verifySent_;
    bool verifying_ = false;
    // A read for a comparison: its image is kept here instead of becoming the document.
    bool comparing_ = false;
    QByteArray comparedImage_;
};

} // namespace r5k27

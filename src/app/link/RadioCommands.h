#pragma once

#include "GroupProgressWindow.h"
#include "GroupSizeQuestion.h"
#include "RadioShell.h"
#include "common/MessageQueue.h"
#include "core/lang/Language.h"
#include "radio/LinkBackups.h"
#include "radio/RadioJob.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

namespace r5k27 {

struct AppContext;

// Read, write, group write and radio information as the user runs them from the main window:
// the confirmation, the progress window (whose event loop carries the radio job) and what the
// document becomes afterwards. The radio's side of each is the job's.
class RadioCommands : public QObject, private RadioJobObserver {
    Q_OBJECT
public:
    struct Services {
        Prompter& prompter;
        RadioShell& shell;
        GroupSizeQuestion& groupSize;
        LinkBackups& backups;
        // Starts the program version that handles a firmware tag (asks before leaving).
        std::function<void(const QString& tag)> startVersion = {};
        // Hears every operation's start and end.
        RadioJobListener* listener = nullptr;
    };

    static constexpr int kTimerWriteMs = 20;

    RadioCommands(AppContext& ctx, const Services& services, QObject* parent = nullptr);
    ~RadioCommands() override;

    void read();
    // Commits open edits, then starts the write once the menu command has returned.
    void write();
    void groupWrite();
    // Writes a stored radio memory as it is, after the usual confirmation; documentName is the
    // file it was known by.
    void writeImage(const QByteArray& image, const QString& documentName);
    // A handshake only: the radio names its model and firmware.
    void radioInfo();
    // Reads the radio with the read's progress and questions but leaves the document alone;
    // done gets the radio's memory decoded onto the document after a successful read.
    void readForCompare(const std::function<void(const Document&)>& done);

    bool isBusy() const;
    // Asked before the program closes: false while an operation runs, which is then stopped as
    // closing its progress window stops it; the program closes once it has ended and said so.
    // A write not yet begun is dropped.
    bool mayExitNow();
    SerialConnection& link() { return job_.link(); }
    int groupSize() const { return groupSize_; }
    // The progress window while an operation shows one.
    LinkProgressWindow* progressWindow() const { return window_; }

private:
    void progress(ProgressPhase phase, int percent) override;
    void radioCompleted(int radiosDone) override;
    void closeProgress() override;
    void finished(const RadioJobResult& result) override;
    // What a read image does to the document: it becomes it.
    void readSucceeded(const RadioJobResult& result);

    Language lang() const;
    // False while another operation holds the link; a pending radio-information handshake
    // gives way.
    bool claimLink();
    RadioJobRequest request(RadioJobKind kind, int groupSize = 1) const;
    bool prepare(RadioJobKind kind, int groupSize = 1);
    bool confirm(const LocalText& what);
    void runWrite(int groupSize);
    void runInfo();
    // Shows the window modally; start runs once its event loop carries the link.
    void runProgressWindow(LinkProgressWindow* window, std::function<void()> start);
    void onCloseRequested();
    QString radiosWrittenLine(int radiosDone) const;

    AppContext& ctx_;
    Services s_;
    RadioJob job_;
    QTimer timerWrite_;
    QPointer<LinkProgressWindow> window_;
    QPointer<GroupProgressWindow> groupWindow_;
    int groupSize_ = GroupSizeQuestion::kMinRadios;
    bool exitWhenDone_ = false;
    // A read for a comparison: the radio's document is kept here instead of becoming the open one.
    std::optional<Document> compared_;
};

} // namespace r5k27

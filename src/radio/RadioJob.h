#pragma once

#include "RadioJobEvents.h"
#include "core/common/Prompter.h"
#include "platform/SerialConnection.h"

#include <QString>

namespace r5k27 {

class LinkBackups;

// One radio operation on one port, without windows: encode the document, open the port, keep
// the backup, run the engine, decode what a read brought. The windows and the command-line tool
// run every read, write, group write, compare read, identify and radio information through it;
// the caller's event loop carries it (a progress window's, or a plain loop). Questions go to the
// prompter, progress to the observer, and every operation's start and end to the listener.
class RadioJob : private LinkObserver {
public:
    RadioJob(const AppSettings& settings, const VersionList& versions, Prompter& prompter);
    ~RadioJob() override;
    RadioJob(const RadioJob&) = delete;
    RadioJob& operator=(const RadioJob&) = delete;

    void setObserver(RadioJobObserver* observer) { observer_ = observer ? observer : &none_; }
    void setListener(RadioJobListener* listener) { listener_ = listener; }
    // Where a write keeps the document sent and a read the radio's image; null: no backups.
    void setBackups(LinkBackups* backups) { backups_ = backups; }
    // A port that cannot open is told through the prompter (default) or only in failureText().
    void setTellOpenFailure(bool tell) { tellOpenFailure_ = tell; }

    // Encodes doc for a write (a refusal is told before the port is touched), starts the trace
    // and opens the port. doc is also what a read is decoded onto. False: told, port closed.
    bool prepare(const RadioJobRequest& request, const Document& doc);
    // The person declined after prepare(): the port closes, nothing was sent.
    void cancel();
    // Keeps a write's backup and starts the engine; the job ends in observer's finished().
    void start();

    // As closing a progress window: ends at once where no radio is left half written,
    // otherwise once the radio in progress has its last block.
    void requestStop();
    // Ends now (the radio still gets its end request).
    void stopNow();

    bool isRunning() const { return link_.engine.isRunning(); }
    bool stopRequested() const { return stopped_; }
    const RadioJobRequest& request() const { return request_; }
    // Why prepare() failed, in the user's language, when the port did not open.
    const QString& failureText() const { return failureText_; }
    SerialConnection& link() { return link_; }
    const RadioJobResult& result() const { return result_; }

private:
    void progress(int percent) override;
    void verifying() override;
    void readingFirst() override;
    bool priorContentsRead(const QByteArray& image,
                           const LinkFrames::RadioIdentity& identity) override;
    void radioCompleted(int radiosDone) override;
    void closeProgress() override;
    void decide(const LinkDecision& decision) override;
    void finished(const LinkOutcome& outcome) override;

    bool openPort();
    void startEngine();
    void keepReadResult(const QByteArray& radioImage);
    Language lang() const { return settings_.language; }

    const AppSettings& settings_;
    Prompter& prompter_;
    SerialConnection link_;
    RadioJobObserver none_;
    RadioJobObserver* observer_ = &none_;
    RadioJobListener* listener_ = nullptr;
    LinkBackups* backups_ = nullptr;
    bool tellOpenFailure_ = true;

    RadioJobRequest request_;
    Document base_;
    RadioOperation operation_;
    ProgressPhase phase_ = ProgressPhase::Transfer;
    bool stopped_ = false;
    QDateTime priorStarted_;
    // Told when the operation has ended, before its own messages.
    QStringList heldMessages_;
    QString failureText_;
    RadioJobResult result_;
};

} // namespace r5k27

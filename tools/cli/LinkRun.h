#pragma once

#include "CliSession.h"
#include "Command.h"
#include "ProgressLine.h"
#include "platform/StopSignals.h"
#include "radio/LinkBackups.h"
#include "radio/RadioJob.h"

#include <QEventLoop>
#include <optional>

namespace r5k27::cli {

// One radio job on the session's document, run by a local event loop until it ends. Questions
// go to the session's prompter; progress goes to standard error when that is a terminal. Ctrl+C
// or SIGTERM stops the job as closing the progress window does (a write whose blocks are going
// out runs to its end, a group write ends after the radio in progress); a second one stops it
// at once. Either way the radio gets its end request. Writes and reads keep the program's
// backups.
class LinkRun : public RadioJobObserver {
public:
    explicit LinkRun(Session& session);
    ~LinkRun() override;

    // A read that only feeds a comparison keeps its completion line off standard output.
    void setQuietCompletion(bool quiet) { quietCompletion_ = quiet; }
    // Prepares the job on the session's document (a write encodes it, a read is decoded onto
    // it) and runs it; the outcome was already told. Nullopt when it never started (the reason
    // was told).
    std::optional<RadioJobResult> run(const RadioJobRequest& request);
    // A stop signal came while the job ran.
    bool interrupted() const { return stopSignals_.count() > 0; }

    void progress(ProgressPhase phase, int percent) override;
    void radioCompleted(int radiosDone) override;
    void closeProgress() override;
    void finished(const RadioJobResult& result) override;

private:
    void clearProgressLine();
    void onStopSignal();

    Session& session_;
    LinkBackups backups_;
    RadioJob job_;
    QEventLoop loop_;
    bool ended_ = false;
    bool progressShown_ = false;
    ProgressLine progressLine_;
    bool quietCompletion_ = false;
    // 0 outside a group write; otherwise the radio being written.
    int radio_ = 0;
    StopSignals stopSignals_;
};

// A read's document becomes the session's; values the decode replaced are named.
void takeReadDocument(Session& s, const RadioJobResult& read);

// After a first stop signal a write finishes its radio, so the radio is never left half
// written; says so, since that can take a while.
void tellStopPending(Session& s);

} // namespace r5k27::cli

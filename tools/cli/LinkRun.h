#pragma once

#include "CliSession.h"
#include "ProgressLine.h"
#include "platform/SerialLink.h"
#include "platform/StopSignals.h"

#include <QEventLoop>
#include <functional>

namespace r5k27::cli {

// One link operation of the engine on the serial port, run by a local event loop until the
// engine reports its end. Questions go to the session's prompter; progress goes to standard
// error when that is a terminal. Ctrl+C or SIGTERM stops the operation as closing the progress
// window does (a write whose blocks are going out runs to its end, a group write ends after the
// radio in progress); a second one stops it at once. Either way the radio gets its end request.
class LinkRun : public LinkObserver {
public:
    explicit LinkRun(Session& session);
    ~LinkRun() override;

    // Starts tracing into tracePath (when not empty) and opens the port. Failures are reported.
    bool open(const QString& portName, const QString& tracePath);
    // A read that only feeds a comparison keeps its completion line off standard output.
    void setQuietCompletion(bool quiet) { quietCompletion_ = quiet; }
    // Starts the operation with start and waits for its end; the outcome was already told.
    LinkOutcome run(const std::function<void(RadioLink&)>& start);
    // A stop signal came while the operation ran.
    bool interrupted() const { return stopSignals_.count() > 0; }

    void progress(int percent) override;
    void radioCompleted(int radiosDone) override;
    void closeProgress() override;
    void decide(const LinkDecision& decision) override;
    void finished(const LinkOutcome& outcome) override;

private:
    void clearProgressLine();
    void onStopSignal();

    Session& session_;
    SerialLink link_;
    QEventLoop loop_;
    bool ended_ = false;
    LinkOutcome outcome_;
    bool progressShown_ = false;
    ProgressLine progressLine_;
    bool quietCompletion_ = false;
    // 0 outside a group write; otherwise the radio being written.
    int radio_ = 0;
    StopSignals stopSignals_;
    bool stopAfterRadio_ = false;
};

// Exit status of a command ended by a stop signal, as a shell reports one.
inline constexpr int kInterruptedStatus = 130;

// Opens the trace file on port; reports "file error." when it cannot be written.
bool startTrace(Session& session, SerialLinkPort& port, const QString& tracePath);

} // namespace r5k27::cli

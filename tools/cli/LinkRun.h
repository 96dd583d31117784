#pragma once

#include "CliSession.h"
#include "common/MessageQueue.h"
#include "platform/SerialLink.h"

#include <QEventLoop>

namespace r5k27::cli {

// One link operation of the engine on the serial port, run by a local event loop until the
// engine reports its end. Progress goes to standard error when that is a terminal.
class LinkRun : public LinkObserver {
public:
    explicit LinkRun(Session& session);
    ~LinkRun() override;

    RadioLink& engine() { return link_.engine; }

    // Starts tracing into tracePath (when not empty) and opens the port for op. Failures are
    // reported; the engine is idle again.
    bool open(LinkOp op, const QString& portName, const QString& tracePath);
    // Starts the handshake and waits for the end of the operation; true when it succeeded.
    bool run();

    void progress(int percent) override;
    void radioCompleted(int radiosDone) override;
    void closeProgress() override;
    void finished(bool success) override;

private:
    void clearProgressLine();

    Session& session_;
    MessageQueue messages_;
    SerialLink link_;
    QEventLoop loop_;
    bool ended_ = false;
    bool succeeded_ = false;
    bool progressShown_ = false;
    int radio_ = 1;
};

// Opens the trace file on port; reports "file error." when it cannot be written.
bool startTrace(Session& session, SerialLinkPort& port, const QString& tracePath);

} // namespace r5k27::cli

#pragma once

#include "CliSession.h"
#include "link/LinkFrames.h"
#include "platform/QtLinkTimer.h"
#include "platform/SerialLinkPort.h"

#include <QEventLoop>

namespace r5k27::cli {

// Asks the attached radio who it is: program request, identify request, end request. The
// engine's read and write go on to move memory after the identification, so this runs the
// same requests and the same reply timer rules on its own: each request is sent twice before
// the connection question is asked, and a missing acknowledgement of the end does not matter.
class RadioIdentify {
public:
    explicit RadioIdentify(Session& session);

    // Opens the port (tracing into tracePath when set) and runs until the radio has identified
    // itself or the user gave up. Failures are reported.
    std::optional<LinkFrames::RadioIdentity> run(const QString& portName, const QString& tracePath);

private:
    enum class Step { ProgramSent, IdentifySent, EndSent };

    void send(Step step);
    void onReceived(const QByteArray& bytes);
    void onTimeout();
    void finish(bool success);

    Session& session_;
    SerialLinkPort port_;
    QtLinkTimer timer_;
    QEventLoop loop_;
    Step step_ = Step::ProgramSent;
    bool resent_ = false;
    bool succeeded_ = false;
    LinkFrames::RadioIdentity identity_;
};

} // namespace r5k27::cli

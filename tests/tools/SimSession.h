#pragma once

#include "platform/SerialConnection.h"
#include "support/ScriptedPrompter.h"
#include "support/VirtualRadio.h"

#include <QProcess>
#include <QStringList>

namespace r5k27::test {

// One link operation over the serial layer, driven by the event loop with a time bound.
// Decisions and outcomes go through the scripted prompter as the program shows them.
class LinkSession : public LinkObserver {
public:
    LinkSession();

    // Opens the port and starts op (a write sends image), then runs until the operation ends or
    // limitMs pass. False when it did not end in time (or the port did not open).
    bool run(LinkOp op, const QString& device, int groupSize = 0, int limitMs = 30000);
    // Opens the port and starts op; the caller's event loop carries it.
    bool start(LinkOp op, const QString& device, int groupSize = 0);

    void decide(const LinkDecision& decision) override;
    void finished(const LinkOutcome& result) override;

    ScriptedPrompter prompter;
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    SerialConnection link{settings, versions};
    QByteArray image = QByteArray(kRadioBufSize, '\xFF');
    bool ended = false;
    bool succeeded = false;
    LinkOutcome outcome;
    qint64 elapsedMs = 0;

private:
    std::function<void()> quit_;
};

using SimProcess = SimRadioProcess;

} // namespace r5k27::test

#pragma once

#include "platform/SerialLink.h"
#include "support/ScriptedPrompter.h"
#include "support/VirtualRadio.h"

#include <QProcess>
#include <QStringList>

namespace r5k27::test {

// One link operation over the serial layer, driven by the event loop with a time bound.
class LinkSession : public LinkObserver {
public:
    LinkSession();

    // Opens the port, starts the handshake and runs until the operation ends or limitMs pass.
    // False when it did not end in time (or the port did not open).
    bool run(LinkOp op, const QString& device, int groupSize = 0, int limitMs = 30000);

    void finished(bool success) override;

    ScriptedPrompter prompter;
    MessageQueue messages;
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    SerialLink link{prompter, messages, settings, versions};
    bool ended = false;
    bool succeeded = false;
    qint64 elapsedMs = 0;

private:
    std::function<void()> quit_;
};

using SimProcess = SimRadioProcess;

} // namespace r5k27::test

#pragma once

#include "QtLinkTimer.h"
#include "SerialLinkPort.h"
#include "core/link/RadioLink.h"

namespace r5k27 {

// The protocol engine wired to a serial port and a Qt reply timer; what the program, the
// command-line tool and the integration tests drive. Each instance has its own port, timer and
// trace, so several radios can be served at once.
class SerialConnection {
public:
    SerialConnection(const AppSettings& settings, const VersionList& versions);
    SerialConnection(const SerialConnection&) = delete;
    SerialConnection& operator=(const SerialConnection&) = delete;

    SerialLinkPort port;
    QtLinkTimer waitTimer;
    RadioLink engine;
};

} // namespace r5k27

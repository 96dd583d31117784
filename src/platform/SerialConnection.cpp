#include "SerialConnection.h"

namespace r5k27 {

SerialConnection::SerialConnection(const AppSettings& settings, const VersionList& versions)
    : waitTimer([this] { engine.onReplyTimeout(); })
    , engine(port, waitTimer, settings, versions) {
    port.setReceiveHandler([this](const QByteArray& bytes) { engine.onReceived(bytes); });
}

} // namespace r5k27

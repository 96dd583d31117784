#pragma once

#include "SerialLinkPort.h"
#include "common/Prompter.h"
#include "link/RadioLink.h"

#include <QString>

namespace r5k27 {

// Prepares the link for op and opens the port. On failure the user is told why and the link is
// idle again.
bool openRadioPort(RadioLink& link, LinkOp op, SerialLinkPort& port, const QString& portName,
                   Prompter& prompter, int lang);

// "Cannot Open Communication Port.", with the group to join when access was refused.
QString portOpenFailureText(const QString& portName, QSerialPort::SerialPortError error, int lang);

// Group that owns the device (Linux); empty when it cannot be told.
QString deviceOwnerGroup(const QString& portName);

} // namespace r5k27

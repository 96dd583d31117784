#pragma once

#include "SerialLinkPort.h"
#include "core/common/Prompter.h"
#include "core/lang/Language.h"

#include <QString>

namespace r5k27 {

// Opens the radio's port for one link operation. On failure the user is told why and the port
// stays closed.
bool openRadioPort(SerialLinkPort& port, const QString& portName, Prompter& prompter,
                   Language lang);

// "Cannot Open Communication Port.", with a line saying why when that can be told: the port is
// in use, or access was refused and the user is not in the group that owns the device.
QString portOpenFailureText(const QString& portName, QSerialPort::SerialPortError error,
                            Language lang);

// Why a refused port was refused, as far as the device's permissions tell.
enum class PortRefusal { Unknown, InUse, NotInGroup };
PortRefusal portRefusal(const QString& portName, QSerialPort::SerialPortError error);
QString portOpenFailureText(PortRefusal refusal, const QString& ownerGroup, Language lang);

// Group that owns the device (Linux); empty when it cannot be told.
QString deviceOwnerGroup(const QString& portName);

} // namespace r5k27

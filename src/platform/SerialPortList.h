#pragma once

#include "core/common/AppSettings.h"

#include <QList>
#include <QString>
#include <optional>

namespace r5k27 {

struct SerialPortEntry {
    QString name = {};    // as listed: "COM3" on Windows, the system's name (ttyUSB0) elsewhere
    QString device = {};  // full device path
    int number = 0;       // trailing digits of the name; 0 when it has none
    QString product = {}; // what the device calls itself (USB product name); may be empty
    QString chip = {};    // the USB-serial chip when it is a known one ("WCH CH340")
    QString serial = {};  // the USB serial number; may be empty
};

// "ttyUSB0 — USB Serial (WCH CH340)": the name with whatever the system knows of the device,
// so a user with two cables can tell them apart.
QString portLabel(const SerialPortEntry& entry);

// The machine's serial ports in the order the system lists them.
QList<SerialPortEntry> listSerialPorts();

// The listed port a link operation names by its name or its device path.
std::optional<SerialPortEntry> findSerialPort(const QString& port);

int portNumberOf(const QString& portName);

// The port a link operation opens: the chosen device where one is set, else "COM" and the
// port number on Windows; empty when there is nothing to open.
QString radioPortName(const AppSettings& settings);

} // namespace r5k27

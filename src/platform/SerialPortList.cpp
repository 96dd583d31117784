#include "SerialPortList.h"

#include "UsbSerialChips.h"

#include <QSerialPortInfo>

namespace r5k27 {

QList<SerialPortEntry> listSerialPorts() {
    QList<SerialPortEntry> entries;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString chip =
            info.hasVendorIdentifier() && info.hasProductIdentifier()
                ? usbSerialChipName(info.vendorIdentifier(), info.productIdentifier())
                : QString();
        entries.append({info.portName(), info.systemLocation(), portNumberOf(info.portName()),
                        info.description().trimmed(), chip, info.serialNumber().trimmed()});
    }
    return entries;
}

std::optional<SerialPortEntry> findSerialPort(const QString& port) {
    for (const SerialPortEntry& entry : listSerialPorts())
        if (entry.name == port || entry.device == port)
            return entry;
    return std::nullopt;
}

QString portLabel(const SerialPortEntry& entry) {
    QString about = entry.product;
    if (!entry.chip.isEmpty())
        about = about.isEmpty() ? entry.chip : about + QStringLiteral(" (") + entry.chip + u')';
    return about.isEmpty() ? entry.name : entry.name + QStringLiteral(" \u2014 ") + about;
}

int portNumberOf(const QString& portName) {
    qsizetype start = portName.size();
    while (start > 0 && portName.at(start - 1).isDigit())
        --start;
    // Port numbers have at most three digits.
    const QString digits = portName.mid(start).right(3);
    return digits.isEmpty() ? 0 : digits.toInt();
}

QString radioPortName(const AppSettings& settings) {
    if (!settings.comPortName.trimmed().isEmpty())
        return settings.comPortName.trimmed();
#ifdef Q_OS_WIN
    if (settings.comPortNo > 0)
        return QStringLiteral("COM") + QString::number(settings.comPortNo);
#endif
    return {};
}

} // namespace r5k27

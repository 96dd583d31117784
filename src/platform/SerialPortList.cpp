#include "SerialPortList.h"

#include <QSerialPortInfo>

namespace r5k27 {

QList<SerialPortEntry> listSerialPorts() {
    QList<SerialPortEntry> entries;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        entries.append({info.portName(), info.systemLocation(), portNumberOf(info.portName())});
    return entries;
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

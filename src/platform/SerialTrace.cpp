#include "SerialTrace.h"

#include <QDateTime>

namespace r5k27 {

bool SerialTrace::open(const QString& path) {
    file_.close();
    file_.setFileName(path);
    return file_.open(QIODevice::WriteOnly | QIODevice::Append);
}

QString SerialTrace::fileFromEnvironment() {
    return qEnvironmentVariable(kTraceEnvVar);
}

QString SerialTrace::hex(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.toByteArray().toHex(' ').toUpper());
}

void SerialTrace::line(const QString& direction, const QString& text) {
    if (!file_.isOpen())
        return;
    const QString stamp = QDateTime::currentDateTime().toString(Qt::ISODateWithMs);
    const QString port =
        label_.isEmpty() ? QString() : QStringLiteral("[") + label_ + QStringLiteral("] ");
    file_.write((stamp + u' ' + port + direction + u' ' + text + u'\n').toUtf8());
    file_.flush();
}

} // namespace r5k27

#include "SerialTrace.h"

#include <QDateTime>
#include <QFileInfo>

namespace r5k27 {

bool SerialTrace::open(const QString& path) {
    file_.close();
    failed_ = false;
    file_.setFileName(path);
    // A device (a terminal, /dev/full) cannot be appended to: Qt would try to seek its end and
    // warn on the user's terminal. Lines go straight through, unbuffered.
    const QFileInfo info(path);
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (!info.exists() || info.isFile())
        mode |= QIODevice::Append;
    return file_.open(mode);
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
    const QByteArray bytes = (stamp + u' ' + port + direction + u' ' + text + u'\n').toUtf8();
    if (file_.write(bytes) != bytes.size())
        failed_ = true;
}

} // namespace r5k27

#include "SerialTrace.h"

#include <QDateTime>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace r5k27 {

// A trace is appended to a regular file only: opening a FIFO would wait for a reader forever,
// a device (/dev/full) takes lines it never keeps, and a link would lead the lines elsewhere.
// The open itself never waits.
bool SerialTrace::open(const QString& path) {
    file_.close();
    failed_ = false;
    file_.setFileName(path);
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(path).constData(),
               O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat st {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    // Lines go straight through, so a full disk is noticed at the line that did not fit.
    return file_.open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                      QFileDevice::AutoCloseHandle);
#else
    return file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
#endif
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

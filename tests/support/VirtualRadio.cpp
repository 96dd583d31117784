#include "VirtualRadio.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace r5k27::test {

namespace {

bool makeRaw(int fd) {
    termios mode{};
    if (::tcgetattr(fd, &mode) != 0)
        return false;
    ::cfmakeraw(&mode);
    return ::tcsetattr(fd, TCSANOW, &mode) == 0;
}

void writeAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno != EAGAIN && errno != EINTR)
                return;
            ::usleep(200);
            continue;
        }
        data += n;
        size -= n;
    }
}

} // namespace

QString simPath() {
    return QStringLiteral(R5K27_SIM_PATH);
}

SimRadioProcess::SimRadioProcess(const QStringList& args) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(simPath(), args);
    if (!process_.waitForStarted(5000))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

SimRadioProcess::~SimRadioProcess() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished(1000);
}

bool SimRadioProcess::stopsOnTerminate() {
    process_.terminate();
    return process_.waitForFinished(5000) && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
}

RadioSocket::RadioSocket() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    char name[256] = {};
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name, sizeof name) != 0)
        return;
    // A handle of our own keeps the line up between the program's connections.
    ownDevice_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (ownDevice_ < 0 || !makeRaw(ownDevice_))
        return;
    device_ = QString::fromLocal8Bit(name);
    programNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(programNotifier_, &QSocketNotifier::activated, this, [this] { fromProgram(); });
}

RadioSocket::~RadioSocket() {
    detach();
    delete programNotifier_;
    if (ownDevice_ >= 0)
        ::close(ownDevice_);
    if (master_ >= 0)
        ::close(master_);
}

bool RadioSocket::attach(const QString& radioDevice) {
    detach();
    radio_ = ::open(radioDevice.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (radio_ < 0 || !makeRaw(radio_)) {
        detach();
        return false;
    }
    ::tcflush(radio_, TCIOFLUSH);
    radioNotifier_ = new QSocketNotifier(radio_, QSocketNotifier::Read, this);
    connect(radioNotifier_, &QSocketNotifier::activated, this, [this] { fromRadio(); });
    return true;
}

void RadioSocket::detach() {
    delete radioNotifier_;
    radioNotifier_ = nullptr;
    if (radio_ >= 0)
        ::close(radio_);
    radio_ = -1;
}

void RadioSocket::fromProgram() {
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(master_, buffer, sizeof buffer)) > 0) {
        if (radio_ >= 0)
            writeAll(radio_, buffer, n);
    }
}

void RadioSocket::fromRadio() {
    char buffer[4096];
    ssize_t n;
    while (radio_ >= 0 && (n = ::read(radio_, buffer, sizeof buffer)) > 0)
        writeAll(master_, buffer, n);
}

} // namespace r5k27::test

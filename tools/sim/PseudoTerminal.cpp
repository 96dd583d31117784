#include "PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace r5k27::sim {

PseudoTerminal::~PseudoTerminal() {
    if (ownDevice_ >= 0)
        ::close(ownDevice_);
    if (master_ >= 0)
        ::close(master_);
}

bool PseudoTerminal::fail(const char* what) {
    error_ =
        QString::fromLatin1(what) + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
    return false;
}

bool PseudoTerminal::open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return fail("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return fail("unlockpt");
    char name[256] = {};
    if (::ptsname_r(master_, name, sizeof name) != 0)
        return fail("ptsname");
    devicePath_ = QString::fromLocal8Bit(name);

    // Without a handle on the device the other end reports hang-ups between connections.
    ownDevice_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (ownDevice_ < 0)
        return fail("open device");
    termios mode{};
    if (::tcgetattr(ownDevice_, &mode) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&mode);
    if (::tcsetattr(ownDevice_, TCSANOW, &mode) != 0)
        return fail("tcsetattr");

    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail("fcntl");
    return true;
}

} // namespace r5k27::sim

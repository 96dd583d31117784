#include "LowLatency.h"

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace r5k27 {

LowLatency requestLowLatency(qintptr handle) {
#ifdef Q_OS_LINUX
    serial_struct serial{};
    const int fd = int(handle);
    if (fd < 0 || ::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return LowLatency::Refused;
    if (serial.flags & ASYNC_LOW_LATENCY)
        return LowLatency::AlreadyOn;
    serial.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(fd, TIOCSSERIAL, &serial) == 0 ? LowLatency::Granted : LowLatency::Refused;
#else
    // Elsewhere the latency timer is a driver setting outside the program's reach.
    Q_UNUSED(handle);
    return LowLatency::Refused;
#endif
}

const char* lowLatencyText(LowLatency result) {
    switch (result) {
    case LowLatency::Granted:
        return "low latency: granted";
    case LowLatency::AlreadyOn:
        return "low latency: already on";
    case LowLatency::Refused:
        break;
    }
    return "low latency: refused by the port";
}

} // namespace r5k27

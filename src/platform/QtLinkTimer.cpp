#include "QtLinkTimer.h"

namespace r5k27 {

QtLinkTimer::QtLinkTimer(std::function<void()> onExpired) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(onExpired));
}

} // namespace r5k27

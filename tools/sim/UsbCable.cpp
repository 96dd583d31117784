#include "UsbCable.h"

namespace r5k27::sim {

void UsbCable::put(const QByteArray& bytes, Clock::time_point now) {
    if (held_.isEmpty())
        since_ = now;
    held_ += bytes;
}

QByteArray UsbCable::take(Clock::time_point now) {
    if (held_.isEmpty())
        return {};
    if (now >= since_ + latency_) {
        since_ = now;
        return std::exchange(held_, {});
    }
    // Full packets leave at once; the rest waits on the timer, which each packet restarts.
    const qsizetype full = held_.size() / kPacketBytes * kPacketBytes;
    if (full == 0)
        return {};
    since_ = now;
    QByteArray out = held_.left(full);
    held_.remove(0, full);
    return out;
}

std::optional<UsbCable::Clock::time_point> UsbCable::release() const {
    if (held_.isEmpty())
        return std::nullopt;
    return since_ + latency_;
}

} // namespace r5k27::sim

#pragma once

#include <QByteArray>
#include <chrono>
#include <optional>

namespace r5k27::sim {

// The USB-serial chip of a programming cable: the radio's bytes wait in its buffer until its
// latency timer runs out or a full USB packet's worth is waiting.
class UsbCable {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kPacketBytes = 62;

    explicit UsbCable(std::chrono::microseconds latency)
        : latency_(latency) {}

    void put(const QByteArray& bytes, Clock::time_point now);
    // What the chip hands to the host by now.
    QByteArray take(Clock::time_point now);
    // When held bytes go out at the latest; nullopt while nothing is held.
    std::optional<Clock::time_point> release() const;

private:
    std::chrono::microseconds latency_;
    QByteArray held_;
    Clock::time_point since_;
};

} // namespace r5k27::sim

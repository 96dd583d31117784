#pragma once

#include "core/link/LinkInterfaces.h"

#include <QTimer>
#include <functional>

namespace r5k27 {

// The reply timer on the Qt event loop: fires once per start.
class QtLinkTimer : public LinkTimer {
public:
    explicit QtLinkTimer(std::function<void()> onExpired);
    void start(int ms) override { timer_.start(ms); }
    void stop() override { timer_.stop(); }
    bool isActive() const { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace r5k27

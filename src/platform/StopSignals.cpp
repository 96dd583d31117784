#include "StopSignals.h"

#include <atomic>
#include <csignal>

namespace r5k27 {
namespace {

// A handler may only set a lock-free atomic; the event loop looks at it often.
std::atomic<int> arrived{0};
static_assert(std::atomic<int>::is_always_lock_free);

constexpr int kPollMs = 20;

extern "C" void noteStop(int) {
    arrived.fetch_add(1);
}

using Handler = void (*)(int);
Handler formerInt = SIG_DFL;
Handler formerTerm = SIG_DFL;
// Instances alive on the one thread; the outermost installs and restores the handlers.
int instances = 0;

} // namespace

StopSignals::StopSignals() {
    if (instances++ == 0) {
        arrived = 0;
        formerInt = std::signal(SIGINT, noteStop);
        formerTerm = std::signal(SIGTERM, noteStop);
    }
    connect(&timer_, &QTimer::timeout, this, &StopSignals::poll);
    timer_.start(kPollMs);
}

StopSignals::~StopSignals() {
    if (--instances == 0) {
        std::signal(SIGINT, formerInt);
        std::signal(SIGTERM, formerTerm);
    }
}

int StopSignals::count() const {
    return arrived.load();
}

void StopSignals::poll() {
    for (const int now = arrived.load(); seen_ < now;) {
        ++seen_;
        emit stopRequested();
    }
}

} // namespace r5k27

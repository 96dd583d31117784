#include "SimLoop.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace r5k27::sim {
namespace {

using Clock = SimLoop::Clock;

// A partial request that gets no more bytes for this long is line noise.
constexpr auto kPartialRequestLife = std::chrono::milliseconds(200);
// Gap between the two pieces of a split reply, long enough to arrive as two reads.
constexpr auto kSplitGap = std::chrono::milliseconds(20);
// A paced reply is slept towards and then waited for by spinning for this long: waking an
// idle core can take a good part of a millisecond, more than the pacing may be off by.
constexpr auto kSpinLead = std::chrono::microseconds(300);

Clock::duration wireTime(int bytes, int baud) {
    // Start bit, eight data bits and a stop bit per byte.
    return std::chrono::nanoseconds(std::int64_t(bytes) * 10 * 1'000'000'000 / baud);
}

} // namespace

SimLoop::SimLoop(const SimOptions& options, PseudoTerminal& terminal, std::FILE* log)
    : options_(options)
    , terminal_(terminal)
    , radio_(options.radio, options.image)
    , log_(log) {
    if (options.usbLatency)
        cable_.emplace(*options.usbLatency);
}

std::optional<QString> SimLoop::run(const volatile std::sig_atomic_t& stop,
                                    const sigset_t& waitMask) {
    while (!stop) {
        const Clock::time_point now = Clock::now();
        sendDue(now);
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(nextWait(now)).count();
        const timespec timeout{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
        pollfd fd{terminal_.fd(), POLLIN, 0};
        const int ready = ::ppoll(&fd, 1, &timeout, &waitMask);
        if (ready < 0 && errno != EINTR)
            return QStringLiteral("poll failed");
        if (ready == 0 && outgoing_.empty() && radio_.hasPartialRequest() &&
            Clock::now() - lastInput_ >= kPartialRequestLife)
            radio_.dropPartialRequest();
        if (ready > 0 && (fd.revents & POLLIN))
            readRequests();
    }
    return std::nullopt;
}

void SimLoop::sendDue(Clock::time_point now) {
    while (!outgoing_.empty() && outgoing_.front().due <= now) {
        if (outgoing_.front().note)
            logReply(*outgoing_.front().note, outgoing_.front().due, now);
        if (cable_)
            cable_->put(outgoing_.front().bytes, now);
        else
            toHost_ += outgoing_.front().bytes;
        outgoing_.pop_front();
    }
    if (cable_)
        toHost_ += cable_->take(now);
    if (!toHost_.isEmpty()) {
        const ssize_t n = ::write(terminal_.fd(), toHost_.constData(), size_t(toHost_.size()));
        if (n > 0) // a full terminal takes the rest on a later turn
            toHost_.remove(0, n);
    }
}

void SimLoop::logReply(const ReplyNote& note, Clock::time_point due, Clock::time_point sent) {
    if (!log_)
        return;
    const auto since = [this](Clock::time_point t) {
        return static_cast<long long>(
            std::chrono::duration_cast<std::chrono::microseconds>(t - started_).count());
    };
    std::fprintf(log_, "%lld %lld %lld %d %lld\n", since(note.arrived), since(due), since(sent),
                 note.requestLen, static_cast<long long>(note.replyLen));
    std::fflush(log_);
}

// How long the loop may sleep before something is due.
Clock::duration SimLoop::nextWait(Clock::time_point now) const {
    using std::chrono::milliseconds;
    constexpr Clock::duration zero = Clock::duration::zero();
    Clock::duration wait = std::chrono::hours(1);
    if (!toHost_.isEmpty()) {
        wait = milliseconds(1);
    } else if (!outgoing_.empty()) {
        const Clock::duration left = outgoing_.front().due - now;
        wait = options_.paceBaud > 0 ? std::max<Clock::duration>(left - kSpinLead, zero)
                                     : std::max<Clock::duration>(left, milliseconds(1));
    }
    if (cable_ && cable_->release())
        wait = std::min(wait, std::max<Clock::duration>(*cable_->release() - now, zero));
    if (radio_.hasPartialRequest())
        wait =
            std::min(wait, std::max<Clock::duration>(lastInput_ + kPartialRequestLife - now, zero));
    return wait;
}

void SimLoop::readRequests() {
    char buffer[4096];
    const ssize_t n = ::read(terminal_.fd(), buffer, sizeof buffer);
    if (n <= 0)
        return;
    const Clock::time_point arrived = Clock::now();
    lastInput_ = arrived;
    for (const SimReply& reply : radio_.feed(QByteArray(buffer, n))) {
        Clock::time_point due = arrived;
        if (options_.paceBaud > 0)
            due += wireTime(reply.requestLen + int(reply.bytes.size()), options_.paceBaud);
        const ReplyNote note{arrived, reply.requestLen, reply.bytes.size()};
        if (reply.split) {
            const qsizetype half = reply.bytes.size() / 2;
            outgoing_.push_back({reply.bytes.left(half), due, note});
            outgoing_.push_back({reply.bytes.mid(half), due + kSplitGap, std::nullopt});
        } else {
            outgoing_.push_back({reply.bytes, due, note});
        }
    }
    if (const QString problem = radio_.takeSaveError(); !problem.isEmpty())
        std::fprintf(stderr, "r5k27-sim: cannot save: %s\n", qPrintable(problem));
}

} // namespace r5k27::sim

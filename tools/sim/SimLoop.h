#pragma once

#include "PseudoTerminal.h"
#include "SimRadio.h"
#include "UsbCable.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <deque>
#include <optional>
#include <signal.h>

namespace r5k27::sim {

struct SimOptions {
    SimRadioSettings radio;
    QByteArray image;
    int paceBaud = 0;
    QString logPath;
    // A USB cable's latency timer; none when the line is a plain serial port.
    std::optional<std::chrono::microseconds> usbLatency;
};

// Passes requests from the terminal to the radio and its replies back, each when it is due.
class SimLoop {
public:
    using Clock = std::chrono::steady_clock;

    // log, when given, gets a line per reply (see the --log option).
    SimLoop(const SimOptions& options, PseudoTerminal& terminal, std::FILE* log);

    // Until stop is set by a signal, which waitMask lets through only while waiting; an error
    // text when the terminal cannot be polled.
    std::optional<QString> run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask);

private:
    // What the log says of a reply: when its request was complete and how many bytes both had.
    struct ReplyNote {
        Clock::time_point arrived;
        int requestLen = 0;
        qsizetype replyLen = 0;
    };
    struct Outgoing {
        QByteArray bytes;
        Clock::time_point due;
        std::optional<ReplyNote> note; // on the first piece of each reply
    };

    void sendDue(Clock::time_point now);
    void logReply(const ReplyNote& note, Clock::time_point due, Clock::time_point sent);
    Clock::duration nextWait(Clock::time_point now) const;
    void readRequests();

    const SimOptions& options_;
    PseudoTerminal& terminal_;
    SimRadio radio_;
    std::FILE* log_;
    const Clock::time_point started_ = Clock::now();
    std::deque<Outgoing> outgoing_;
    Clock::time_point lastInput_ = Clock::now();
    std::optional<UsbCable> cable_;
    QByteArray toHost_;
};

} // namespace r5k27::sim

// r5k27-sim: a virtual R5K27 on a pseudo-terminal, for tests, benchmarks and trying the program
// without a radio.
#include "PseudoTerminal.h"
#include "SimRadio.h"
#include "UsbCable.h"
#include "core/document/InitialValues.h"
#include "core/link/LinkTypes.h"
#include "core/link/MemoryMap.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <deque>
#include <optional>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace r5k27;
using namespace r5k27::sim;
using Clock = std::chrono::steady_clock;

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void requestStop(int) {
    stopRequested = 1;
}

// A partial request that gets no more bytes for this long is line noise.
constexpr auto kPartialRequestLife = std::chrono::milliseconds(200);
// Gap between the two pieces of a split reply, long enough to arrive as two reads.
constexpr auto kSplitGap = std::chrono::milliseconds(20);

struct Outgoing {
    QByteArray bytes;
    Clock::time_point due;
};

// What a radio holds after the program wrote its start-up document to it.
std::optional<QByteArray> startupImage(const QString& programFolder) {
    Document doc;
    AppSettings settings;
    newDocumentAtStart(doc, settings, programFolder);
    QByteArray image = prepareRadioBuf();
    if (encodeImage(doc.curImage, doc.chTable, image))
        return std::nullopt;
    return image;
}

int fail(const QString& text) {
    std::fprintf(stderr, "r5k27-sim: %s\n", qPrintable(text));
    return 2;
}

struct Options {
    SimRadioSettings radio;
    QByteArray image;
    int paceBaud = 0;
    // A USB cable's latency timer; none when the line is a plain serial port.
    std::optional<std::chrono::microseconds> usbLatency;
};

std::optional<QString> readLineTiming(const QCommandLineParser& parser,
                                      const QCommandLineOption& pace,
                                      const QCommandLineOption& usbLatency, Options& options) {
    if (parser.isSet(pace)) {
        bool ok = false;
        options.paceBaud = parser.value(pace).toInt(&ok);
        if (!ok || options.paceBaud <= 0)
            return QStringLiteral("--pace needs a positive baud rate");
    }
    if (parser.isSet(usbLatency)) {
        bool ok = false;
        const double ms = parser.value(usbLatency).toDouble(&ok);
        if (!ok || ms < 0 || ms > 1000)
            return QStringLiteral("--usb-latency needs 0 to 1000 milliseconds");
        options.usbLatency = std::chrono::microseconds(std::int64_t(ms * 1000));
    }
    return std::nullopt;
}

// The memory the radio starts with: the file given, else what the program writes at start-up.
std::optional<QString> readStartImage(const QString& path, Options& options) {
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return file.fileName() + QStringLiteral(": ") + file.errorString();
        options.image = file.readAll();
        if (options.image.size() != kRadioBufSize)
            return file.fileName() + QStringLiteral(" does not hold 16384 bytes");
    } else if (const auto start = startupImage(QCoreApplication::applicationDirPath())) {
        options.image = *start;
    } else {
        return QStringLiteral("the start-up document does not fit the radio");
    }
    return std::nullopt;
}

std::optional<QString> readOptions(const QCoreApplication& app, Options& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Answers as a radio on a new pseudo-terminal; its device path is the first output line."));
    parser.addHelpOption();
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("Model text."),
                                   QStringLiteral("TEXT"), QStringLiteral("ZT6666"));
    const QCommandLineOption firmware(QStringLiteral("firmware"),
                                      QStringLiteral("Firmware version."), QStringLiteral("TAG"),
                                      QStringLiteral("V200"));
    const QCommandLineOption image(QStringLiteral("image"),
                                   QStringLiteral("16384-byte memory image to start from "
                                                  "(default: the start-up document)."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("Write the memory here after each end request."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption pace(
        QStringLiteral("pace"),
        QStringLiteral("Answer as slowly as a line at this rate (keeps one core busy, "
                       "like a radio that never sleeps)."),
        QStringLiteral("BAUD"));
    const QCommandLineOption fault(QStringLiteral("fault"),
                                   QStringLiteral("Misbehave (repeatable): ") + faultKindsHelp() +
                                       QStringLiteral("; kind:N picks the Nth request."),
                                   QStringLiteral("KIND[:N]"));
    const QCommandLineOption usbLatency(
        QStringLiteral("usb-latency"),
        QStringLiteral("Hold replies as a USB-serial cable does: until its latency timer of MS "
                       "milliseconds runs out or 62 bytes are waiting."),
        QStringLiteral("MS"));
    parser.addOptions({model, firmware, image, save, pace, fault, usbLatency});
    parser.process(app);

    options.radio.model = parser.value(model);
    options.radio.firmware = parser.value(firmware);
    if (options.radio.model.size() > 7 || options.radio.firmware.size() > 4)
        return QStringLiteral("the model has at most 7 characters, the firmware 4");
    options.radio.savePath = parser.value(save);
    if (const auto problem = readLineTiming(parser, pace, usbLatency, options))
        return problem;
    for (const QString& text : parser.values(fault)) {
        const auto parsed = parseFault(text);
        if (!parsed)
            return QStringLiteral("unknown fault ") + text;
        options.radio.faults.append(*parsed);
    }
    return readStartImage(parser.isSet(image) ? parser.value(image) : QString(), options);
}

Clock::duration wireTime(int bytes, int baud) {
    // Start bit, eight data bits and a stop bit per byte.
    return std::chrono::nanoseconds(std::int64_t(bytes) * 10 * 1'000'000'000 / baud);
}

void installStopHandlers(sigset_t& waitMask) {
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGTERM);
    sigprocmask(SIG_BLOCK, &blocked, &waitMask);
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // Signals are let through only while waiting, so none is lost between checks.
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGTERM);
}

// Passes requests from the terminal to the radio and its replies back, each when it is due.
class SimLoop {
public:
    SimLoop(const Options& options, PseudoTerminal& terminal)
        : options_(options)
        , terminal_(terminal)
        , radio_(options.radio, options.image) {
        if (options.usbLatency)
            cable_.emplace(*options.usbLatency);
    }

    // Until a stop signal; an error text when the terminal cannot be polled.
    std::optional<QString> run(const sigset_t& waitMask) {
        while (!stopRequested) {
            const Clock::time_point now = Clock::now();
            sendDue(now);
            const auto ns =
                std::chrono::duration_cast<std::chrono::nanoseconds>(nextWait(now)).count();
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

private:
    void sendDue(Clock::time_point now) {
        while (!outgoing_.empty() && outgoing_.front().due <= now) {
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

    Clock::duration nextWait(Clock::time_point now) const {
        Clock::duration wait = std::chrono::hours(1);
        if (options_.paceBaud > 0)
            // A radio's controller never sleeps. A paced sim that did would add an idle core's
            // wake-up time (a good part of a millisecond) to every block it times.
            wait = Clock::duration::zero();
        else if (!toHost_.isEmpty())
            wait = std::chrono::milliseconds(1);
        else if (!outgoing_.empty())
            wait = std::max<Clock::duration>(outgoing_.front().due - now,
                                             std::chrono::milliseconds(1));
        if (options_.paceBaud == 0 && cable_ && cable_->release())
            wait = std::min<Clock::duration>(
                wait, std::max<Clock::duration>(*cable_->release() - now, Clock::duration::zero()));
        else if (radio_.hasPartialRequest())
            wait = std::max<Clock::duration>(lastInput_ + kPartialRequestLife - now,
                                             Clock::duration::zero());
        return wait;
    }

    void readRequests() {
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
            if (reply.split) {
                const qsizetype half = reply.bytes.size() / 2;
                outgoing_.push_back({reply.bytes.left(half), due});
                outgoing_.push_back({reply.bytes.mid(half), due + kSplitGap});
            } else {
                outgoing_.push_back({reply.bytes, due});
            }
        }
        if (const QString problem = radio_.takeSaveError(); !problem.isEmpty())
            fail(QStringLiteral("cannot save: ") + problem);
    }

    const Options& options_;
    PseudoTerminal& terminal_;
    SimRadio radio_;
    std::deque<Outgoing> outgoing_;
    Clock::time_point lastInput_ = Clock::now();
    std::optional<UsbCable> cable_;
    QByteArray toHost_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    if (const auto problem = readOptions(app, options))
        return fail(*problem);

    PseudoTerminal terminal;
    if (!terminal.open())
        return fail(terminal.error());
    std::printf("%s\n", qPrintable(terminal.devicePath()));
    std::fflush(stdout);

    sigset_t waitMask;
    installStopHandlers(waitMask);
    // Paced replies are timed to the microsecond; the default 50 us wake-up slack would add up
    // over a thousand blocks.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);

    SimLoop loop(options, terminal);
    if (const auto problem = loop.run(waitMask))
        return fail(*problem);
    return 0;
}

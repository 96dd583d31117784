// r5k27-sim: a virtual R5K27 on a pseudo-terminal, for tests, benchmarks and trying the program
// without a radio.
#include "PseudoTerminal.h"
#include "SimRadio.h"
#include "UsbCable.h"
#include "image/InitialValues.h"
#include "link/LinkTypes.h"
#include "link/MemoryMap.h"

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
    for (const QString& text : parser.values(fault)) {
        const auto parsed = parseFault(text);
        if (!parsed)
            return QStringLiteral("unknown fault ") + text;
        options.radio.faults.append(*parsed);
    }
    if (parser.isSet(image)) {
        QFile file(parser.value(image));
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

    SimRadio radio(options.radio, options.image);
    std::deque<Outgoing> outgoing;
    Clock::time_point lastInput = Clock::now();

    std::optional<UsbCable> cable;
    if (options.usbLatency)
        cable.emplace(*options.usbLatency);
    QByteArray toHost;

    while (!stopRequested) {
        const Clock::time_point now = Clock::now();
        while (!outgoing.empty() && outgoing.front().due <= now) {
            if (cable)
                cable->put(outgoing.front().bytes, now);
            else
                toHost += outgoing.front().bytes;
            outgoing.pop_front();
        }
        if (cable)
            toHost += cable->take(now);
        if (!toHost.isEmpty()) {
            const ssize_t n = ::write(terminal.fd(), toHost.constData(), size_t(toHost.size()));
            if (n > 0) // a full terminal takes the rest on a later turn
                toHost.remove(0, n);
        }

        Clock::duration wait = std::chrono::hours(1);
        if (options.paceBaud > 0)
            // A radio's controller never sleeps. A paced sim that did would add an idle core's
            // wake-up time (a good part of a millisecond) to every block it times.
            wait = Clock::duration::zero();
        else if (!toHost.isEmpty())
            wait = std::chrono::milliseconds(1);
        else if (!outgoing.empty())
            wait =
                std::max<Clock::duration>(outgoing.front().due - now, std::chrono::milliseconds(1));
        if (options.paceBaud == 0 && cable && cable->release())
            wait = std::min<Clock::duration>(
                wait, std::max<Clock::duration>(*cable->release() - now, Clock::duration::zero()));
        else if (radio.hasPartialRequest())
            wait = std::max<Clock::duration>(lastInput + kPartialRequestLife - now,
                                             Clock::duration::zero());
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
        const timespec timeout{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
        pollfd fd{terminal.fd(), POLLIN, 0};
        const int ready = ::ppoll(&fd, 1, &timeout, &waitMask);
        if (ready < 0 && errno != EINTR)
            return fail(QStringLiteral("poll failed"));
        if (ready == 0 && outgoing.empty() && radio.hasPartialRequest() &&
            Clock::now() - lastInput >= kPartialRequestLife)
            radio.dropPartialRequest();
        if (ready <= 0 || !(fd.revents & POLLIN))
            continue;

        char buffer[4096];
        const ssize_t n = ::read(terminal.fd(), buffer, sizeof buffer);
        if (n <= 0)
            continue;
        const Clock::time_point arrived = Clock::now();
        lastInput = arrived;
        for (const SimReply& reply : radio.feed(QByteArray(buffer, n))) {
            Clock::time_point due = arrived;
            if (options.paceBaud > 0)
                due += wireTime(reply.requestLen + int(reply.bytes.size()), options.paceBaud);
            if (reply.split) {
                const qsizetype half = reply.bytes.size() / 2;
                outgoing.push_back({reply.bytes.left(half), due});
                outgoing.push_back({reply.bytes.mid(half), due + kSplitGap});
            } else {
                outgoing.push_back({reply.bytes, due});
            }
        }
        if (const QString problem = radio.takeSaveError(); !problem.isEmpty())
            fail(QStringLiteral("cannot save: ") + problem);
    }
    return 0;
}

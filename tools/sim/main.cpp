// r5k27-sim: a virtual R5K27 on a pseudo-terminal, for tests, benchmarks and trying the program
// without a radio.
#include "PseudoTerminal.h"
#include "SimLoop.h"
#include "core/document/InitialValues.h"
#include "core/link/LinkTypes.h"
#include "core/link/MemoryMap.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/prctl.h>

using namespace r5k27;
using namespace r5k27::sim;

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void requestStop(int) {
    stopRequested = 1;
}

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

using Options = SimOptions;

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
    const QCommandLineOption pace(QStringLiteral("pace"),
                                  QStringLiteral("Answer as slowly as a line at this rate."),
                                  QStringLiteral("BAUD"));
    const QCommandLineOption log(
        QStringLiteral("log"),
        QStringLiteral("Write a line per reply: microseconds from start to its request's end, "
                       "to when it is due and to its first byte sent; request and reply bytes."),
        QStringLiteral("FILE"));
    const QCommandLineOption fault(QStringLiteral("fault"),
                                   QStringLiteral("Misbehave (repeatable): ") + faultKindsHelp() +
                                       QStringLiteral("; kind:N picks the Nth request."),
                                   QStringLiteral("KIND[:N]"));
    const QCommandLineOption usbLatency(
        QStringLiteral("usb-latency"),
        QStringLiteral("Hold replies as a USB-serial cable does: until its latency timer of MS "
                       "milliseconds runs out or 62 bytes are waiting."),
        QStringLiteral("MS"));
    parser.addOptions({model, firmware, image, save, pace, fault, usbLatency, log});
    parser.process(app);

    options.radio.model = parser.value(model);
    options.radio.firmware = parser.value(firmware);
    if (options.radio.model.size() > 7 || options.radio.firmware.size() > 4)
        return QStringLiteral("the model has at most 7 characters, the firmware 4");
    options.radio.savePath = parser.value(save);
    options.logPath = parser.value(log);
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

    std::FILE* log = nullptr;
    if (!options.logPath.isEmpty() && !(log = std::fopen(qPrintable(options.logPath), "w")))
        return fail(options.logPath + QStringLiteral(": cannot be written"));
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

    SimLoop loop(options, terminal, log);
    const auto problem = loop.run(stopRequested, waitMask);
    if (log)
        std::fclose(log);
    return problem ? fail(*problem) : 0;
}

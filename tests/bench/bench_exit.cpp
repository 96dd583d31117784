// Exit cost: the time from the main window closing (after its last question) until the process
// has ended, in a fresh process per run with every feature of the program installed as main()
// installs them, the editor windows open; and the same in a working session, after a read from
// and a write to the virtual radio on the configured port.
#include "BenchSupport.h"
#include "EditorWindows.h"
#include "channelcsv/ChannelCsvFeature.h"
#include "common/MessageBoxPrompter.h"
#include "common/QtFileDialogs.h"
#include "lang/LanguageWindow.h"
#include "link/RadioCommands.h"
#include "link/RadioLinkFeature.h"
#include "mainwindow/DataFileStore.h"
#include "mainwindow/MainWindow.h"
#include "platform/UserSettingsStore.h"
#include "print/PrintFeature.h"
#include "startup/AppContext.h"
#include "startup/ProgramExit.h"
#include "startup/Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

using r5k27::bench::percentile;

namespace {

// Comparable between processes: both read the same clock.
double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

constexpr double kTargetMs = 300;

// The user of a working session: goes on with every question and saves nothing at the end.
struct GoingOn : r5k27::Prompter {
    r5k27::Answer ask(const QString&, r5k27::Buttons buttons, r5k27::Icon) override {
        using r5k27::Answer;
        using r5k27::Buttons;
        return buttons == Buttons::YesNoCancel   ? Answer::No
               : buttons == Buttons::RetryCancel ? Answer::Cancel
               : buttons == Buttons::YesNo       ? Answer::Yes
                                                 : Answer::Ok;
    }
};

// A read and then a write through the program's own commands; false when either failed.
bool readAndWrite(r5k27::RadioCommands& radio, r5k27::AppContext& ctx) {
    QProcess* sim = new QProcess(QCoreApplication::instance());
    sim->start(QStringLiteral(R5K27_SIM_PATH), {});
    if (!sim->waitForStarted(5000) || !sim->waitForReadyRead(5000))
        return false;
    ctx.settings.comPortName = QString::fromLocal8Bit(sim->readLine()).trimmed();
    // The radio stays on the line while the program ends; the parent stops it afterwards.
    std::printf("sim %lld\n", static_cast<long long>(sim->processId()));
    radio.read();
    QElapsedTimer clock;
    clock.start();
    radio.write();
    while (radio.isBusy() && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return !radio.isBusy();
}

enum class Session { Fresh, PlainTeardown, AfterLink };

// As main() runs the program; with plainTeardown every object is destroyed in turn instead.
int runChild(int argc, char** argv, Session session) {
    const bool plainTeardown = session == Session::PlainTeardown;
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    r5k27::AppContext ctx;
    ctx.paths = r5k27::InstallPaths::forProgramFolder(QStringLiteral(R5K27_PROGRAM_DIR), u'/');
    ctx.settingsFile = scratch.filePath(QStringLiteral("mysetup.ini"));
    // The start-up document, unmodified: the exit asks nothing.
    r5k27::runStartup(ctx);
    r5k27::MessageBoxPrompter boxes(ctx.settings);
    GoingOn goingOn;
    r5k27::Prompter& prompter =
        session == Session::AfterLink ? static_cast<r5k27::Prompter&>(goingOn) : boxes;
    r5k27::QtFileDialogs dialogs;
    auto userSettings =
        r5k27::UserSettingsStore::inFile(scratch.filePath(QStringLiteral("user.ini")));
    r5k27::DataFileStore store(ctx, prompter);
    auto window = std::make_unique<r5k27::MainWindow>(
        ctx, r5k27::MainWindowServices{store, dialogs, prompter, userSettings});
    r5k27::registerDtmfWindow(ctx, *window);
    r5k27::registerRogerBeepWindow(ctx, *window);
    auto radioLink = std::make_unique<r5k27::RadioLinkFeature>(ctx, *window, prompter);
    r5k27::registerOptionsWindow(ctx, *window);
    r5k27::registerLanguageWindow(*window, ctx.settings, ctx.captions, ctx.settingsFile);
    r5k27::registerChannelWindow(ctx, *window, prompter);
    auto channelCsv = std::make_unique<r5k27::ChannelCsvFeature>(ctx, *window, dialogs, prompter);
    auto printing = std::make_unique<r5k27::PrintFeature>(ctx, *window, dialogs, prompter);
    r5k27::quitOnClose(*window);
    window->show();
    for (const auto kind : {r5k27::ChildKind::Options, r5k27::ChildKind::RogerBeep,
                            r5k27::ChildKind::Dtmf, r5k27::ChildKind::Channel})
        window->showChild(kind);
    if (session == Session::AfterLink && !readAndWrite(radioLink->commands(), ctx))
        return 3;
    QTimer::singleShot(200, [&] {
        std::printf("closing %.3f\n", monotonicMs());
        std::fflush(stdout);
        window->close();
    });
    const int status = QApplication::exec();
    if (!plainTeardown)
        r5k27::endProgram(status);
    return status;
}

// Median and p99 of the exit time over runs of the child in the given mode.
bool measure(const char* mode, int runs) {
    std::vector<double> exitMs;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setStandardErrorFile(QProcess::nullDevice());
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(mode)});
        // The time is taken on the child's clock; its lines are read once it has ended.
        const bool ended = child.waitForFinished(20000);
        const double endedMs = monotonicMs();
        double closing = -1;
        while (child.canReadLine()) {
            const QList<QByteArray> words = child.readLine().trimmed().split(' ');
            if (words.size() == 2 && words[0] == "closing")
                closing = words[1].toDouble();
            else if (words.size() == 2 && words[0] == "sim" && words[1].toLongLong() > 0)
                ::kill(pid_t(words[1].toLongLong()), SIGTERM);
        }
        if (closing < 0 || !ended || child.exitCode() != 0) {
            std::fprintf(stderr, "bench_exit: %s run %d failed: %s\n", mode, i + 1,
                         qPrintable(child.errorString()));
            return false;
        }
        exitMs.push_back(endedMs - closing);
    }
    const auto [low, high] = std::minmax_element(exitMs.begin(), exitMs.end());
    std::printf("%-16s main window closed to process ended: median %.1f ms (%.1f - %.1f), "
                "target < %.0f ms\n",
                mode + 2, percentile(exitMs, 0.5), *low, *high, kTargetMs);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--program") == 0)
        return runChild(argc, argv, Session::Fresh);
    if (argc > 1 && qstrcmp(argv[1], "--plain-teardown") == 0)
        return runChild(argc, argv, Session::PlainTeardown);
    if (argc > 1 && qstrcmp(argv[1], "--after-link") == 0)
        return runChild(argc, argv, Session::AfterLink);

    QCoreApplication app(argc, argv);
    constexpr int kRuns = 10;
    std::printf("platform %s, %d runs each\n", qgetenv("QT_QPA_PLATFORM").constData(), kRuns);
    return measure("--program", kRuns) && measure("--plain-teardown", kRuns) &&
                   measure("--after-link", kRuns)
               ? 0
               : 1;
}

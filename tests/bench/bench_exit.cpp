// Exit cost: the time from the main window closing (after its last question) until the process
// has ended, in a fresh process per run with every feature of the program installed as main()
// installs them, the editor windows open.
#include "BenchSupport.h"
#include "EditorWindows.h"
#include "channelcsv/ChannelCsvFeature.h"
#include "common/MessageBoxPrompter.h"
#include "common/QtFileDialogs.h"
#include "lang/LanguageWindow.h"
#include "link/RadioLinkFeature.h"
#include "mainwindow/DataFileStore.h"
#include "mainwindow/MainWindow.h"
#include "platform/UserSettingsStore.h"
#include "print/PrintFeature.h"
#include "startup/AppContext.h"
#include "startup/ProgramExit.h"
#include "startup/Startup.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
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

// As main() runs the program; with plainTeardown every object is destroyed in turn instead.
int runChild(int argc, char** argv, bool plainTeardown) {
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    r5k27::AppContext ctx;
    ctx.paths = r5k27::InstallPaths::forProgramFolder(QStringLiteral(R5K27_PROGRAM_DIR), u'/');
    ctx.settingsFile = scratch.filePath(QStringLiteral("mysetup.ini"));
    // The start-up document, unmodified: the exit asks nothing.
    r5k27::runStartup(ctx);
    r5k27::MessageBoxPrompter prompter(ctx.settings);
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
    window->show();
    for (const auto kind : {r5k27::ChildKind::Options, r5k27::ChildKind::RogerBeep,
                            r5k27::ChildKind::Dtmf, r5k27::ChildKind::Channel})
        window->showChild(kind);
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
        }
        if (closing < 0 || !ended || child.exitCode() != 0) {
            std::fprintf(stderr, "bench_exit: %s run %d failed: %s\n", mode, i + 1,
                         qPrintable(child.errorString()));
            return false;
        }
        exitMs.push_back(endedMs - closing);
    }
    std::printf("%-16s main window closed to process ended: median %.1f ms, p99 %.1f ms\n",
                mode + 2, percentile(exitMs, 0.5), percentile(exitMs, 0.99));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--program") == 0)
        return runChild(argc, argv, false);
    if (argc > 1 && qstrcmp(argv[1], "--plain-teardown") == 0)
        return runChild(argc, argv, true);

    QCoreApplication app(argc, argv);
    constexpr int kRuns = 10;
    std::printf("platform %s, %d runs each\n", qgetenv("QT_QPA_PLATFORM").constData(), kRuns);
    return measure("--program", kRuns) && measure("--plain-teardown", kRuns) ? 0 : 1;
}

#include "BenchSupport.h"
// Start-up cost: a fresh process per run, timed from its launch to the splash being painted and
// to the main window being painted, with the resident memory at both points.
#include "common/MessageBoxPrompter.h"
#include "common/QtFileDialogs.h"
#include "mainwindow/DataFileStore.h"
#include "mainwindow/MainWindow.h"
#include "platform/UserSettingsStore.h"
#include "splash/SplashWindow.h"
#include "startup/AppContext.h"
#include "startup/Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using r5k27::bench::percentile;

namespace {

long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// One start of the program as main() does it, in a scratch install folder whose program
// folder is the built one (pictures included).
int runChild(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    r5k27::AppContext ctx;
    ctx.paths = r5k27::InstallPaths::forProgramFolder(QStringLiteral(R5K27_PROGRAM_DIR), u'/');
    ctx.settingsFile = scratch.filePath(QStringLiteral("mysetup.ini"));
    r5k27::MessageBoxPrompter prompter(ctx.settings);
    r5k27::QtFileDialogs dialogs;
    auto userSettings =
        r5k27::UserSettingsStore::inFile(scratch.filePath(QStringLiteral("user.ini")));
    r5k27::DataFileStore store(ctx, prompter);
    std::unique_ptr<r5k27::MainWindow> mainWindow;
    std::unique_ptr<r5k27::SplashWindow> splash;

    r5k27::runStartup(
        ctx, {.showSplash = [&] {
            splash = std::make_unique<r5k27::SplashWindow>(ctx, [&] {
                mainWindow = std::make_unique<r5k27::MainWindow>(
                    ctx, r5k27::MainWindowServices{store, dialogs, prompter, userSettings});
                mainWindow->show();
            });
            splash->show();
            splash->repaint();
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            std::printf("splash %ld\n", residentKb());
            std::fflush(stdout);
        }});
    // As if clicked at once.
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(splash.get(), &click);
    mainWindow->repaint();
    QApplication::processEvents();
    std::printf("main %ld\n", residentKb());
    std::fflush(stdout);
    return 0;
}

struct Sample {
    double splashMs = 0;
    double mainMs = 0;
    long splashKb = 0;
    long mainKb = 0;
};

bool runOnce(const QString& self, Sample& out) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(self, {QStringLiteral("--child")});
    for (int seen = 0; seen < 2;) {
        if (!child.canReadLine() && !child.waitForReadyRead(10000))
            return false;
        while (child.canReadLine() && seen < 2) {
            const QList<QByteArray> words = child.readLine().trimmed().split(' ');
            if (words.size() != 2)
                continue;
            const double ms = clock.nsecsElapsed() / 1e6;
            if (words[0] == "splash") {
                out.splashMs = ms;
                out.splashKb = words[1].toLong();
            } else if (words[0] == "main") {
                out.mainMs = ms;
                out.mainKb = words[1].toLong();
            }
            ++seen;
        }
    }
    return child.waitForFinished(10000) && child.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);

    QCoreApplication app(argc, argv);
    constexpr int kRuns = 15;
    std::vector<double> splashMs;
    std::vector<double> mainMs;
    long maxSplashKb = 0;
    long maxMainKb = 0;
    for (int i = 0; i < kRuns; ++i) {
        Sample s;
        if (!runOnce(QCoreApplication::applicationFilePath(), s)) {
            std::fprintf(stderr, "bench_startup: run %d failed\n", i + 1);
            return 1;
        }
        splashMs.push_back(s.splashMs);
        mainMs.push_back(s.mainMs);
        maxSplashKb = std::max(maxSplashKb, s.splashKb);
        maxMainKb = std::max(maxMainKb, s.mainKb);
    }
    std::printf("platform %s, %d runs\n", qgetenv("QT_QPA_PLATFORM").constData(), kRuns);
    std::printf("to splash painted:      median %.1f ms, p99 %.1f ms\n", percentile(splashMs, 0.5),
                percentile(splashMs, 0.99));
    std::printf("to main window painted: median %.1f ms, p99 %.1f ms\n", percentile(mainMs, 0.5),
                percentile(mainMs, 0.99));
    std::printf("RSS at splash %.1f MB, with main window %.1f MB (highest of all runs)\n",
                maxSplashKb / 1024.0, maxMainKb / 1024.0);
    return 0;
}

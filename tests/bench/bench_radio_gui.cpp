// Read and write through the main window's radio commands (port, confirmation, modal progress
// window, document update) against the virtual radio paced at 9600 baud, compared with the time
// the bytes need on the wire. With R5K27_SHOT_DIR set it also grabs the screen (X11 `import`)
// during a read and with the port window open.
#include "BenchWindows.h"
#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"
#include "link/PortWindow.h"
#include "link/RadioLinkFeature.h"
#include "mainwindow/MainWindow.h"
#include "platform/UserSettingsStore.h"
#include "startup/AppContext.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace r5k27;
using bench::NoDialogs;
using bench::NoStore;

namespace {

struct OkPrompter : Prompter {
    QStringList shown;
    Answer ask(const QString& text, Buttons buttons, Icon) override {
        shown << text;
        return buttons == Buttons::RetryCancel ? Answer::Cancel : Answer::Ok;
    }
};

void grabScreen(const QString& path) {
    QProcess::startDetached(QStringLiteral("import"),
                            {QStringLiteral("-window"), QStringLiteral("root"), path});
}

void waitFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString shots = qEnvironmentVariable("R5K27_SHOT_DIR");
    const int rounds = std::max(1, qEnvironmentVariableIntValue("R5K27_BENCH_ROUNDS"));
    QTemporaryDir dir;

    AppContext ctx;
    ctx.paths = InstallPaths::forProgramFolder(dir.filePath(QStringLiteral("R5K27/V200")), u'/');
    ctx.settingsFile = dir.filePath(QStringLiteral("mysetup.ini"));
    initCaptionTables(ctx.captions);
    writeBuiltInDefaults(ctx.doc, ctx.settings, 1, QDate::currentDate());

    OkPrompter prompter;
    NoStore store;
    NoDialogs dialogs;
    UserSettingsStore userSettings =
        UserSettingsStore::inFile(dir.filePath(QStringLiteral("user.ini")));
    MainWindow window(ctx, MainWindowServices{store, dialogs, prompter, userSettings});
    window.show();
    RadioLinkFeature feature(ctx, window, prompter,
                             RadioLinkOptions{.backupFolder = dir.filePath(QStringLiteral("b"))});
    RadioCommands& radio = feature.commands();

    // The radio holds a document the program can write back.
    QByteArray radioImage = prepareRadioBuf();
    encodeImage(ctx.doc.curImage, ctx.doc.chTable, radioImage);
    QFile imageFile(dir.filePath(QStringLiteral("radio.img")));
    if (!imageFile.open(QIODevice::WriteOnly) || imageFile.write(radioImage) != radioImage.size())
        return 1;
    imageFile.close();
    QProcess sim;
    sim.start(QStringLiteral(R5K27_SIM_PATH), {QStringLiteral("--pace"), QStringLiteral("9600"),
                                               QStringLiteral("--image"), imageFile.fileName()});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::printf("r5k27-sim did not start\n");
        return 1;
    }
    ctx.settings.comPortName = QString::fromLocal8Bit(sim.readLine()).trimmed();
    waitFor(500);

    const double readWire = 1024.0 * 26 * 10 / 9600;
    const double writeWire = 1012.0 * 23 * 10 / 9600;
    std::vector<double> reads;
    std::vector<double> writes;
    bool allOk = true;
    for (int round = 0; round < rounds; ++round) {
        if (round == 0 && !shots.isEmpty())
            QTimer::singleShot(10000, [&] { grabScreen(shots + QStringLiteral("/progress.png")); });
        prompter.shown.clear();
        QElapsedTimer clock;
        clock.start();
        radio.read();
        reads.push_back(double(clock.nsecsElapsed()) / 1e9);
        allOk &= prompter.shown.endsWith(QStringLiteral("Read Data Completed."));

        prompter.shown.clear();
        clock.start();
        radio.write();
        while (radio.isBusy())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents,
                                            50);
        writes.push_back(double(clock.nsecsElapsed()) / 1e9);
        allOk &= prompter.shown.endsWith(QStringLiteral("Write Data Completed."));
    }
    auto report = [](const char* name, const std::vector<double>& v, double wire) {
        std::printf("%-28s runs %zu  median %7.3f s  min %7.3f s  max %7.3f s  wire limit %.2f s  "
                    "ratio %.4f\n",
                    name, v.size(), median(v), *std::min_element(v.begin(), v.end()),
                    *std::max_element(v.begin(), v.end()), wire, median(v) / wire);
    };
    report("GUI read paced 9600", reads, readWire);
    report("GUI write paced 9600", writes, writeWire);
    if (!allOk)
        std::printf("some operation did not complete: %s\n",
                    qPrintable(prompter.shown.join(QStringLiteral(" | "))));

    if (!shots.isEmpty()) {
        PortWindow ports(ctx.settings, ctx.captions, ctx.settingsFile, &listSerialPorts, &window);
        ports.show();
        waitFor(1500);
        grabScreen(shots + QStringLiteral("/port.png"));
        waitFor(2500);
    }
    sim.terminate();
    sim.waitForFinished(5000);
    return allOk ? 0 : 1;
}

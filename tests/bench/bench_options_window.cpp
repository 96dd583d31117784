// Opening the options window from the main window on the largest document: the window is made,
// filled, laid out and painted; then it is closed again before the next run.
#include "BenchSupport.h"
#include "BenchWindows.h"
#include "EditorWindows.h"
#include "core/document/InitialValues.h"
#include "mainwindow/MainWindow.h"
#include "platform/UserSettingsStore.h"
#include "startup/AppContext.h"

#include <QApplication>
#include <QDate>
#include <QMdiSubWindow>
#include <QTemporaryDir>

using namespace r5k27;
using bench::NoDialogs;
using bench::NoStore;
using bench::OkPrompter;
using bench::threadCpuMicros;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppContext ctx;
    ctx.paths = InstallPaths::forProgramFolder(dir.filePath(QStringLiteral("R5K27/V200")), u'/');
    initCaptionTables(ctx.captions);
    writeBuiltInDefaults(ctx.doc, ctx.settings, 1, QDate(2024, 5, 1));
    bench::fillEveryGroup(ctx.doc);

    OkPrompter prompter;
    NoStore store;
    NoDialogs dialogs;
    auto userSettings = UserSettingsStore::inFile(dir.filePath(QStringLiteral("user.ini")));
    MainWindow window(ctx, MainWindowServices{store, dialogs, prompter, userSettings});
    registerOptionsWindow(ctx, window);
    window.show();
    QCoreApplication::processEvents();
    window.children().closeAll();
    QCoreApplication::processEvents();

    for (Language lang : {Language::English, Language::Chinese}) {
        ctx.settings.language = lang;
        std::vector<double> micros;
        std::vector<double> cpuMicros;
        QElapsedTimer timer;
        for (int run = 0; run < 200; ++run) {
            const double cpuStart = threadCpuMicros();
            timer.start();
            QMdiSubWindow* sub = window.children().show(ChildKind::Options);
            QCoreApplication::processEvents(); // layout and paint
            micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
            cpuMicros.push_back(threadCpuMicros() - cpuStart);
            if (!sub || !sub->isVisible()) {
                std::printf("the options window did not open\n");
                return 1;
            }
            window.children().closeAll();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        std::printf("%-28s runs %6zu  median %9.1f us  p99 %9.1f us  (CPU median %9.1f us)\n",
                    lang == Language::English ? "open options window (en)"
                                              : "open options window (zh)",
                    micros.size(), bench::percentile(micros, 0.5), bench::percentile(micros, 0.99),
                    bench::percentile(cpuMicros, 0.5));
    }
    return 0;
}

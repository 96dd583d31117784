#include "EditorWindows.h"
#include "channelcsv/ChannelCsvFeature.h"
#include "common/FolderMemory.h"
#include "common/MessageBoxPrompter.h"
#include "common/ProgramInfo.h"
#include "common/QtFileDialogs.h"
#include "lang/LanguageWindow.h"
#include "link/RadioLinkFeature.h"
#include "mainwindow/DataFileStore.h"
#include "mainwindow/MainWindow.h"
#include "platform/ProcessStart.h"
#include "platform/UserSettingsStore.h"
#include "print/PrintFeature.h"
#include "radio/HistoryRecorder.h"
#include "radiohistory/HistoryFeature.h"
#include "splash/SplashWindow.h"
#include "startup/AppContext.h"
#include "startup/ProgramExit.h"
#include "startup/Startup.h"
#include "startup/StartupArguments.h"
#include "startup/StartupSettings.h"
#include "startup/VersionLauncher.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <memory>

namespace {

using namespace r5k27;

void describeProgram() {
    QApplication::setApplicationName(kProgramTitle);
    QApplication::setOrganizationName(QStringLiteral("BRELLOCK"));
    QApplication::setApplicationVersion(QStringLiteral(R5K27_VERSION));
    QGuiApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(programIcon());
}

struct ProgramServices {
    MessageBoxPrompter& prompter;
    UserSettingsStore& userSettings;
    QtFileDialogs& dialogs;
    DataFileStore& store;
};

// The main window and the features that hang on it; they live until the program ends.
struct MainWindowParts {
    std::unique_ptr<MainWindow> window;
    // Outlives the radio commands it hears; keeps into the history once that is open.
    std::unique_ptr<HistoryRecorder> historyRecorder;
    std::unique_ptr<RadioLinkFeature> radioLink;
    std::unique_ptr<ChannelCsvFeature> channelCsv;
    std::unique_ptr<PrintFeature> printing;
    std::unique_ptr<HistoryFeature> history;
};

void openMainWindow(AppContext& ctx, const ProgramServices& s, MainWindowParts& parts) {
    parts.window = std::make_unique<MainWindow>(
        ctx, MainWindowServices{s.store, s.dialogs, s.prompter, s.userSettings});
    MainWindow& mainWindow = *parts.window;
    // A data file or radio of another version starts the program that handles it, after the
    // same unsaved-changes question as Exit.
    auto startVersion = [&ctx, &s, &mainWindow](const QString& tag) {
        startVersionProgram(tag, ctx.versions, ctx.paths,
                            QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                            ctx.settings.language, s.prompter,
                            {.mayExit = [&] { return mainWindow.commands().confirmExit(); },
                             .startProgram = startDetachedProgram,
                             .endThisProgram = [] { QCoreApplication::exit(0); }});
    };
    s.store.setVersionStarter(startVersion);
    registerDtmfWindow(ctx, mainWindow);
    registerRogerBeepWindow(ctx, mainWindow);
    parts.historyRecorder = std::make_unique<HistoryRecorder>(
        nullptr, [&ctx] { return QFileInfo(ctx.doc.docPath).fileName(); });
    parts.radioLink = std::make_unique<RadioLinkFeature>(
        ctx, mainWindow, s.prompter,
        RadioLinkOptions{.startVersion = startVersion, .listener = parts.historyRecorder.get()});
    registerOptionsWindow(ctx, mainWindow);
    registerLanguageWindow(mainWindow, ctx.settings, ctx.captions, ctx.settingsFile);
    registerChannelWindow(ctx, mainWindow, s.prompter);
    registerChannelSheetWindow(ctx, mainWindow, s.prompter);
    parts.channelCsv = std::make_unique<ChannelCsvFeature>(ctx, mainWindow, s.dialogs, s.prompter);
    parts.printing = std::make_unique<PrintFeature>(ctx, mainWindow, s.dialogs, s.prompter);
    parts.history = std::make_unique<HistoryFeature>(ctx, mainWindow, s.prompter, *parts.radioLink);
    parts.historyRecorder->setLog(&parts.history->log());
    quitOnClose(mainWindow);
    mainWindow.show();
    for (const QString& notice : startupNotices(ctx))
        s.prompter.warn(notice);
    // A data file named on the command line (a double click in the file manager).
    if (const QString file = dataFileArgument(QCoreApplication::arguments()); !file.isEmpty())
        mainWindow.commands().openPath(file);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    describeProgram();

    AppContext ctx;
    ctx.paths = InstallPaths::forRunningProgram();
    const QString installed = ctx.paths.settingsFile();
    ctx.settingsFile = resolveSettingsFile(
        installed, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
        isWritableLocation(installed));

    MessageBoxPrompter prompter(ctx.settings);
    UserSettingsStore userSettings(kProgramTitle);
    FolderMemory folderMemory(userSettings);
    QtFileDialogs dialogs;
    dialogs.setFolderMemory(&folderMemory);
    DataFileStore store(ctx, prompter);
    const ProgramServices services{prompter, userSettings, dialogs, store};
    MainWindowParts parts;
    std::unique_ptr<SplashWindow> splash;

    StartupSteps steps;
    steps.showSplash = [&] {
        splash = std::make_unique<SplashWindow>(ctx, [&] { openMainWindow(ctx, services, parts); });
        splash->show();
        // Paint it now, but leave clicks for the event loop: the main window may only open
        // once start-up has finished.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    runStartup(ctx, steps);
    endProgram(QApplication::exec());
}

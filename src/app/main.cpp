#include "EditorWindows.h"
#include "channellist/ChannelListFeature.h"
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

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(r5k27::kProgramTitle);
    QApplication::setOrganizationName(QStringLiteral("BRELLOCK"));
    QApplication::setApplicationVersion(QStringLiteral(R5K27_VERSION));
    QGuiApplication::setDesktopFileName(r5k27::kDesktopId);
    QApplication::setWindowIcon(r5k27::programIcon());

    r5k27::AppContext ctx;
    ctx.paths = r5k27::InstallPaths::forRunningProgram();
    const QString installed = ctx.paths.settingsFile();
    ctx.settingsFile = r5k27::resolveSettingsFile(
        installed, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
        r5k27::isWritableLocation(installed));

    r5k27::MessageBoxPrompter prompter(ctx.settings);
    r5k27::UserSettingsStore userSettings(r5k27::kProgramTitle);
    r5k27::FolderMemory folderMemory(userSettings);
    r5k27::QtFileDialogs dialogs;
    dialogs.setFolderMemory(&folderMemory);
    r5k27::DataFileStore store(ctx, prompter);
    std::unique_ptr<r5k27::MainWindow> mainWindow;
    std::unique_ptr<r5k27::SplashWindow> splash;
    std::unique_ptr<r5k27::RadioLinkFeature> radioLink;
    std::unique_ptr<r5k27::ChannelListFeature> channelList;
    std::unique_ptr<r5k27::PrintFeature> printing;

    r5k27::StartupSteps steps;
    steps.showSplash = [&] {
        splash = std::make_unique<r5k27::SplashWindow>(ctx, [&] {
            mainWindow = std::make_unique<r5k27::MainWindow>(
                ctx, r5k27::MainWindowServices{store, dialogs, prompter, userSettings});
            // A data file or radio of another version starts the program that handles it,
            // after the same unsaved-changes question as Exit.
            auto startVersion = [&](const QString& tag) {
                r5k27::startVersionProgram(
                    tag, ctx.versions, ctx.paths,
                    QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                    ctx.settings.language, prompter,
                    {.mayExit = [&] { return mainWindow->commands().confirmExit(); },
                     .startProgram = r5k27::startDetachedProgram,
                     .endThisProgram = [] { QCoreApplication::exit(0); }});
            };
            store.setVersionStarter(startVersion);
            r5k27::registerDtmfWindow(ctx, *mainWindow);
            r5k27::registerRogerBeepWindow(ctx, *mainWindow);
            radioLink = std::make_unique<r5k27::RadioLinkFeature>(
                ctx, *mainWindow, prompter, r5k27::RadioLinkOptions{.startVersion = startVersion});
            r5k27::registerOptionsWindow(ctx, *mainWindow);
            r5k27::registerLanguageWindow(*mainWindow, ctx.settings, ctx.captions,
                                          ctx.settingsFile);
            r5k27::registerChannelWindow(ctx, *mainWindow, prompter);
            r5k27::registerChannelSheetWindow(ctx, *mainWindow, prompter);
            channelList =
                std::make_unique<r5k27::ChannelListFeature>(ctx, *mainWindow, dialogs, prompter);
            printing = std::make_unique<r5k27::PrintFeature>(ctx, *mainWindow, dialogs, prompter);
            mainWindow->show();
            for (const QString& notice : r5k27::startupNotices(ctx))
                prompter.warn(notice);
            // A data file named on the command line (a double click in the file manager).
            if (const QString file = r5k27::dataFileArgument(QCoreApplication::arguments());
                !file.isEmpty())
                mainWindow->commands().openPath(file);
        });
        splash->show();
        // Paint it now, but leave clicks for the event loop: the main window may only open
        // once start-up has finished.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    r5k27::runStartup(ctx, steps);
    r5k27::endProgram(QApplication::exec());
}

#include "mainwindow/MainWindow.h"
#include "startup/AppContext.h"
#include "startup/Startup.h"
#include "startup/StartupSettings.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("R5K27 Programmer"));
    QApplication::setOrganizationName(QStringLiteral("BRELLOCK"));
    QApplication::setApplicationVersion(QStringLiteral(R5K27_VERSION));

    r5k27::AppContext ctx;
    ctx.paths = r5k27::InstallPaths::forRunningProgram();
    const QString installed = ctx.paths.settingsFile();
    ctx.settingsFile = r5k27::resolveSettingsFile(
        installed, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
        r5k27::isWritableLocation(installed));
    r5k27::runStartup(ctx);

    r5k27::MainWindow window(ctx);
    window.show();
    return QApplication::exec();
}

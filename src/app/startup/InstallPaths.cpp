#include "InstallPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace r5k27 {

QString installFolderOf(const QString& programFolder, QChar separator) {
    const qsizetype last = programFolder.lastIndexOf(separator);
    if (last <= 0)
        return programFolder;
    return programFolder.left(last);
}

InstallPaths InstallPaths::forProgramFolder(const QString& programFolder, QChar separator) {
    return {separator, programFolder, installFolderOf(programFolder, separator)};
}

InstallPaths InstallPaths::forRunningProgram() {
#ifdef Q_OS_WIN
    const QChar separator = u'\\';
#else
    const QChar separator = u'/';
#endif
    return forProgramFolder(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                            separator);
}

QString InstallPaths::inProgramFolder(const QString& relative) const {
    QString rel = relative;
    rel.replace(u'/', separator);
    return programFolder + separator + rel;
}

QString InstallPaths::inInstallFolder(const QString& relative) const {
    QString rel = relative;
    rel.replace(u'/', separator);
    return installFolder + separator + rel;
}

QString InstallPaths::settingsFile() const {
    return inInstallFolder(QStringLiteral("language/mysetup.ini"));
}

QString InstallPaths::versionListFile() const {
    return inInstallFolder(QStringLiteral("Version.ini"));
}

} // namespace r5k27

#pragma once

#include <QString>

namespace r5k27 {

// Where the program finds its files. The program folder is named by its data version tag and
// sits in an install folder shared with the other installed versions.
struct InstallPaths {
    QChar separator;
    QString programFolder;
    QString installFolder;

    static InstallPaths forProgramFolder(const QString& programFolder, QChar separator);
    // The running program, with the platform's separator ("\" on Windows, "/" elsewhere).
    static InstallPaths forRunningProgram();

    QString settingsFile() const;    // install folder/language/mysetup.ini
    QString versionListFile() const; // install folder/Version.ini
    QString inProgramFolder(const QString& relative) const;
    QString inInstallFolder(const QString& relative) const;
};

// The folder without its last path element; a path without a separator, or whose last separator
// is its first character, is kept whole.
QString installFolderOf(const QString& programFolder, QChar separator);

} // namespace r5k27

#include "StartupSettings.h"

#include "core/common/NumericText.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace r5k27 {
namespace {

bool isWord(const QString& text) {
    const QString t = text.trimmed();
    return !t.isEmpty() && t.front().isLetter();
}

} // namespace

void loadStartupSettings(const ProfileFile& file, AppSettings& settings, MemoryImage& curImage) {
    settings.comPortNo = 1;
    settings.language = Language::English;

    const bool fileMissing = !file.exists();
    const QString firstRunText = file.read(Settings::isFirstRun);
    const bool isFirstRun = fileMissing || settingFlag(Settings::isFirstRun, firstRunText);

    const AppSettings constants;
    settings.modelName = constants.modelName;
    settings.modelCodeText = constants.modelCodeText;
    curImage.workMode = kStartWorkMode;
    settings.dataVersion = constants.dataVersion;

    settings.comPortNo = settingInteger(Settings::comPort, file.read(Settings::comPort));
    settings.comPortName = file.read(Settings::comPortName).trimmed();
    settings.handshakeSetting =
        settingInteger(Settings::handshaking, file.read(Settings::handshaking));
    settings.stopBitSetting = settingInteger(Settings::stopBit, file.read(Settings::stopBit));
    settings.verifyAfterWriting =
        settingFlag(Settings::verifyAfterWriting, file.read(Settings::verifyAfterWriting));
    settings.readBeforeWriting =
        settingFlag(Settings::readBeforeWriting, file.read(Settings::readBeforeWriting));
    settings.readBeforeGroupWriting =
        settingFlag(Settings::readBeforeGroupWriting, file.read(Settings::readBeforeGroupWriting));
    settings.historyKeepOperations =
        std::max(1, settingInteger(Settings::historyKeepOperations,
                                   file.read(Settings::historyKeepOperations)));
    settings.historyKeepMegabytes =
        std::max(1, settingInteger(Settings::historyKeepMegabytes,
                                   file.read(Settings::historyKeepMegabytes)));

    if (isFirstRun) {
        // Answered in the file's own words, so a hand-edited "True" becomes "False".
        file.write(Settings::isFirstRun,
                   isWord(firstRunText) ? QStringLiteral("False") : QStringLiteral("0"));
    } else {
        const int stored =
            settingInteger(Settings::currentLanguage, file.read(Settings::currentLanguage));
        settings.language = languageFromSetting(stored).value_or(Language::English);
    }
    file.write(Settings::comPort, QString::number(settings.comPortNo));
    file.write(Settings::currentLanguage, QString::number(settingOf(settings.language)));
}

bool isWritableLocation(const QString& file) {
    const QFileInfo info(file);
    if (info.exists())
        return info.isWritable();
    const QFileInfo dir(info.absolutePath());
    return dir.isDir() && dir.isWritable();
}

QString resolveSettingsFile(const QString& installedFile, const QString& userConfigDir,
                            bool installedWritable) {
    if (installedWritable)
        return installedFile;
    const QString userFile = QDir(userConfigDir).filePath(QStringLiteral("mysetup.ini"));
    if (!QFileInfo::exists(userFile)) {
        QDir().mkpath(userConfigDir);
        if (QFileInfo::exists(installedFile))
            QFile::copy(installedFile, userFile);
        QFile(userFile).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return userFile;
}

} // namespace r5k27

#include "StartupSettings.h"

#include "core/common/NumericText.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace r5k27 {
namespace {

const QString kSection = QStringLiteral("language");

int integerOr(const QString& text, int fallback) {
    const auto value = parseInteger(text);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max())
        return fallback;
    return int(*value);
}

// Hand-edited files say "True"/"False" as often as 1/0; anything else is not a first run.
bool isTrue(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
        return true;
    return integerOr(t, 0) != 0;
}

bool isWord(const QString& text) {
    const QString t = text.trimmed();
    return !t.isEmpty() && t.front().isLetter();
}

} // namespace

void loadStartupSettings(const ProfileFile& file, AppSettings& settings, MemoryImage& curImage) {
    settings.comPortNo = 1;
    settings.language = Language::English;

    const bool fileMissing = !file.exists();
    const QString firstRunText = file.read(kSection, QStringLiteral("IsFirstRun"));
    const bool isFirstRun = fileMissing || isTrue(firstRunText);

    const AppSettings constants;
    settings.modelName = constants.modelName;
    settings.modelCodeText = constants.modelCodeText;
    curImage.workMode = kStartWorkMode;
    settings.dataVersion = constants.dataVersion;

    settings.comPortNo = integerOr(file.read(kSection, QStringLiteral("comPort")), 1);
    settings.comPortName = file.read(kSection, QStringLiteral("comPortName")).trimmed();
    settings.handshakeSetting = integerOr(file.read(kSection, QStringLiteral("Handshaking")), 0);
    settings.stopBitSetting = integerOr(file.read(kSection, QStringLiteral("StopBit")), 1);
    settings.verifyAfterWriting = isTrue(file.read(kSection, kVerifyAfterWritingKey));
    // Missing keys keep their defaults: an old settings file reads the radio before a write.
    const auto flagOr = [&file](const QString& key, bool fallback) {
        const QString text = file.read(kSection, key);
        return text.trimmed().isEmpty() ? fallback : isTrue(text);
    };
    settings.readBeforeWriting = flagOr(kReadBeforeWritingKey, constants.readBeforeWriting);
    settings.readBeforeGroupWriting =
        flagOr(kReadBeforeGroupWritingKey, constants.readBeforeGroupWriting);
    settings.historyKeepOperations =
        std::max(1, integerOr(file.read(kSection, kHistoryKeepOperationsKey),
                              constants.historyKeepOperations));
    settings.historyKeepMegabytes =
        std::max(1, integerOr(file.read(kSection, kHistoryKeepMegabytesKey),
                              constants.historyKeepMegabytes));

    if (isFirstRun) {
        // Answered in the file's own words, so a hand-edited "True" becomes "False".
        file.write(kSection, QStringLiteral("IsFirstRun"),
                   isWord(firstRunText) ? QStringLiteral("False") : QStringLiteral("0"));
    } else {
        const int stored = integerOr(file.read(kSection, QStringLiteral("CurrentLanguage")), 1);
        settings.language = languageFromSetting(stored).value_or(Language::English);
    }
    file.write(kSection, QStringLiteral("comPort"), QString::number(settings.comPortNo));
    file.write(kSection, QStringLiteral("CurrentLanguage"),
               QString::number(settingOf(settings.language)));
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

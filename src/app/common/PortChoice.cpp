#include "PortChoice.h"

#include "core/common/NumericText.h"
#include "platform/ProfileFile.h"

namespace r5k27 {

QString portStatusText(const AppSettings& settings, const QString& comCaption) {
#ifndef Q_OS_WIN
    if (!settings.comPortName.isEmpty())
        return settings.comPortName;
#endif
    return comCaption + QString::number(settings.comPortNo);
}

void keepPortChoice(AppSettings& settings, const QString& settingsFile, const QString& choice) {
    const QString name = choice.trimmed();
    if (name.isEmpty()) {
        settings.comPortNo = 0;
        settings.comPortName.clear();
        return;
    }
    const ProfileFile file(settingsFile);
    settings.comPortName = name;
    file.write(Settings::comPortName, name);
    if (!name.startsWith(QStringLiteral("COM"), Qt::CaseInsensitive))
        return;
    const auto number = parseInteger(name.mid(3));
    if (number && *number >= 0 && *number <= 32767) {
        settings.comPortNo = int(*number);
        file.write(Settings::comPort, QString::number(settings.comPortNo));
    }
}

} // namespace r5k27

#include "SettingsTable.h"

#include "NumericText.h"

#include <array>
#include <limits>

namespace r5k27 {

namespace {

constexpr std::array kAllSettings{
    Settings::isFirstRun,
    Settings::comPort,
    Settings::comPortName,
    Settings::handshaking,
    Settings::stopBit,
    Settings::currentLanguage,
    Settings::verifyAfterWriting,
    Settings::mainLeft,
    Settings::mainTop,
    Settings::mainWidth,
    Settings::mainHeight,
    Settings::lastFolder,
    Settings::recentFile,
    Settings::readBeforeWriting,
    Settings::readBeforeGroupWriting,
    Settings::historyKeepOperations,
    Settings::historyKeepMegabytes,
};

std::optional<int> wholeNumber(const QString& text) {
    const auto value = parseInteger(text);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*value);
}

} // namespace

std::span<const Setting> allSettings() {
    return kAllSettings;
}

int settingInteger(const Setting& setting, const QString& stored) {
    return wholeNumber(stored).value_or(wholeNumber(setting.defaultValue()).value_or(0));
}

bool settingFlag(const Setting& setting, const QString& stored) {
    const QString text = stored.trimmed();
    if (text.isEmpty())
        return settingInteger(setting, {}) != 0;
    if (text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
        return true;
    return wholeNumber(text).value_or(0) != 0;
}

} // namespace r5k27

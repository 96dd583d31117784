#include "UserSettingsStore.h"

#include <QSettings>

namespace r5k27 {

namespace {
QString keyPath(const Setting& setting, int number) {
    return QString(setting.section) + u'/' + setting.keyAt(number);
}
} // namespace

UserSettingsStore::UserSettingsStore(const QString& programTitle)
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            programTitle)) {}

UserSettingsStore::UserSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

UserSettingsStore UserSettingsStore::inFile(const QString& path) {
    return UserSettingsStore(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

UserSettingsStore::~UserSettingsStore() = default;
UserSettingsStore::UserSettingsStore(UserSettingsStore&&) noexcept = default;
UserSettingsStore& UserSettingsStore::operator=(UserSettingsStore&&) noexcept = default;

int UserSettingsStore::readInt(const Setting& setting) const {
    return settingInteger(setting, settings_->value(keyPath(setting, 0)).toString().trimmed());
}

void UserSettingsStore::writeInt(const Setting& setting, int value) {
    settings_->setValue(keyPath(setting, 0), QString::number(value));
}

QString UserSettingsStore::readText(const Setting& setting, int number) const {
    return settings_->value(keyPath(setting, number), setting.defaultValue()).toString();
}

void UserSettingsStore::writeText(const Setting& setting, const QString& value, int number) {
    settings_->setValue(keyPath(setting, number), value);
}

void UserSettingsStore::remove(const Setting& setting, int number) {
    settings_->remove(keyPath(setting, number));
}

bool UserSettingsStore::contains(const Setting& setting, int number) const {
    return settings_->contains(keyPath(setting, number));
}

void UserSettingsStore::sync() {
    settings_->sync();
}

} // namespace r5k27

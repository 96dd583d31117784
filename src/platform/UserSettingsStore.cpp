#include "UserSettingsStore.h"

#include <QSettings>

namespace r5k27 {

namespace {
QString keyPath(const QString& section, const QString& key) {
    return section + u'/' + key;
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

int UserSettingsStore::readInt(const QString& section, const QString& key, int fallback) const {
    bool ok = false;
    const int value = settings_->value(keyPath(section, key)).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

void UserSettingsStore::writeInt(const QString& section, const QString& key, int value) {
    settings_->setValue(keyPath(section, key), QString::number(value));
}

QString UserSettingsStore::readText(const QString& section, const QString& key) const {
    return settings_->value(keyPath(section, key)).toString();
}

void UserSettingsStore::writeText(const QString& section, const QString& key,
                                  const QString& value) {
    settings_->setValue(keyPath(section, key), value);
}

void UserSettingsStore::remove(const QString& section, const QString& key) {
    settings_->remove(keyPath(section, key));
}

bool UserSettingsStore::contains(const QString& section, const QString& key) const {
    return settings_->contains(keyPath(section, key));
}

void UserSettingsStore::sync() {
    settings_->sync();
}

} // namespace r5k27

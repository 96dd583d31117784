#pragma once

#include "core/common/SettingsTable.h"

#include <QString>
#include <memory>

class QSettings;

namespace r5k27 {

// The per-user settings store, keyed by the program title (the registry on Windows, a
// configuration file elsewhere). Holds only what belongs to one user, such as the window position.
class UserSettingsStore {
public:
    explicit UserSettingsStore(const QString& programTitle);
    // A store kept in one INI file, for tests and portable setups.
    static UserSettingsStore inFile(const QString& path);
    ~UserSettingsStore();
    UserSettingsStore(UserSettingsStore&&) noexcept;
    UserSettingsStore& operator=(UserSettingsStore&&) noexcept;

    // Every key is a row of the settings table; number fills a numbered key ("File%1").
    // The stored integer, or the row's default when missing or not a whole number.
    int readInt(const Setting& setting) const;
    void writeInt(const Setting& setting, int value);
    // The stored text, or the row's default when the key is missing.
    QString readText(const Setting& setting, int number = 0) const;
    void writeText(const Setting& setting, const QString& value, int number = 0);
    void remove(const Setting& setting, int number = 0);
    bool contains(const Setting& setting, int number = 0) const;
    void sync();

private:
    explicit UserSettingsStore(std::unique_ptr<QSettings> settings);
    std::unique_ptr<QSettings> settings_;
};

} // namespace r5k27

#pragma once

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

    // The stored integer, or fallback when the key is missing or not a whole number.
    int readInt(const QString& section, const QString& key, int fallback) const;
    void writeInt(const QString& section, const QString& key, int value);
    // The stored text, or an empty one when the key is missing.
    QString readText(const QString& section, const QString& key) const;
    void writeText(const QString& section, const QString& key, const QString& value);
    void remove(const QString& section, const QString& key);
    bool contains(const QString& section, const QString& key) const;
    void sync();

private:
    explicit UserSettingsStore(std::unique_ptr<QSettings> settings);
    std::unique_ptr<QSettings> settings_;
};

} // namespace r5k27

#pragma once

#include <QStringList>

namespace r5k27 {

class UserSettingsStore;

// The data files last opened or saved, newest first, kept per user.
class RecentFiles {
public:
    static constexpr int kMaxFiles = 8;

    explicit RecentFiles(UserSettingsStore& store);

    QStringList paths() const;
    // Puts the file at the top (moving it there when listed already); the oldest falls off.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void write(const QStringList& paths);

    UserSettingsStore& store_;
};

} // namespace r5k27

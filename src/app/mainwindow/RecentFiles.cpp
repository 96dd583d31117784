#include "RecentFiles.h"

#include "platform/UserSettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace r5k27 {
namespace {

// One spelling per file, so the same file reached by two routes is listed once.
QString normalized(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool samePath(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

void removeFrom(QStringList& paths, const QString& path) {
    paths.removeIf([&](const QString& p) { return samePath(p, path); });
}

} // namespace

RecentFiles::RecentFiles(UserSettingsStore& store)
    : store_(store) {}

QStringList RecentFiles::paths() const {
    QStringList paths;
    for (int n = 1; n <= kMaxFiles; ++n) {
        const QString path = store_.readText(Settings::recentFile, n);
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

void RecentFiles::add(const QString& path) {
    const QString file = normalized(path);
    QStringList list = paths();
    removeFrom(list, file);
    list.prepend(file);
    write(list.mid(0, kMaxFiles));
}

void RecentFiles::remove(const QString& path) {
    QStringList list = paths();
    removeFrom(list, path);
    removeFrom(list, normalized(path));
    write(list);
}

void RecentFiles::write(const QStringList& paths) {
    for (int n = 1; n <= kMaxFiles; ++n) {
        if (n <= paths.size())
            store_.writeText(Settings::recentFile, paths[n - 1], n);
        else
            store_.remove(Settings::recentFile, n);
    }
    store_.sync();
}

} // namespace r5k27

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace r5k27::test {

TempDir::TempDir() {
    Q_ASSERT(dir_.isValid());
}

namespace {
QString memoryFolderTemplate() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? QStringLiteral("/dev/shm/r5k27-XXXXXX") : QString();
}
} // namespace

TempDir::TempDir(InMemory)
    : dir_(memoryFolderTemplate()) {
    Q_ASSERT(dir_.isValid());
}

QString TempDir::path(const QString& relative) const {
    return relative.isEmpty() ? dir_.path() : dir_.filePath(relative);
}

QString TempDir::write(const QString& relative, const QByteArray& content) const {
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
    return file;
}

QByteArray TempDir::read(const QString& relative) const {
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace r5k27::test

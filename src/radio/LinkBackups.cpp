#include "LinkBackups.h"

#include "core/document/ChannelFile.h"
#include "core/document/DataFile.h"
#include "core/document/DataFileLayout.h"
#include "platform/SystemFileCommit.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace r5k27 {

namespace {

const QRegularExpression& backupFileName() {
    static const QRegularExpression re(
        QStringLiteral(R"(^(\d{8}-\d{6}-\d{3}(?:-\d+)?-(?:read|write))\.(?:img|dat|fre)$)"));
    return re;
}

} // namespace

LinkBackups::LinkBackups(QString folder, int keep, std::function<QDateTime()> clock)
    : folder_(std::move(folder))
    , keep_(std::max(1, keep))
    , clock_(std::move(clock)) {}

QString LinkBackups::defaultFolder() {
    // Named here rather than taken from the process, so the program and the command-line tool
    // keep their sets together.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/BRELLOCK/R5K27 Programmer/backups");
}

QString LinkBackups::newSetName(const QString& kind) const {
    const QString stamp = clock_().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QDir dir(folder_);
    QString name = stamp + u'-' + kind;
    // Two sets within one millisecond must not overwrite each other.
    for (int n = 2; dir.exists(name + QStringLiteral(".dat")); ++n)
        name = stamp + u'-' + QString::number(n) + u'-' + kind;
    return name;
}

bool LinkBackups::writeSet(const QString& setName, const QByteArray& radioImage,
                           const MemoryImage& image, const ChTable& table,
                           const AppSettings& settings) const {
    // Stamped as a save would stamp it, without touching the open document.
    MemoryImage stamped = image;
    AppSettings identity = settings;
    refreshIdentity(stamped, identity);
    stamped.verTag.assign(kDataVersionTag);
    if (!usedRecordCount(stamped))
        return false;
    const QDir dir(folder_);
    const QString dataPath = dir.filePath(setName + QStringLiteral(".dat"));
    QList<FileOutput> files{{companionPath(dataPath), serializeChannelFile(stamped, table)},
                            {dataPath, serializeImage(stamped)}};
    QList<FileOutput> alsoWrite;
    if (!radioImage.isEmpty())
        alsoWrite.append({dir.filePath(setName + QStringLiteral(".img")), radioImage});
    return !commitFileSet(commitMarkerPath(dataPath), files, alsoWrite);
}

bool LinkBackups::saveRead(const QByteArray& radioImage, const MemoryImage& image,
                           const ChTable& table, const AppSettings& settings) {
    if (!QDir().mkpath(folder_))
        return false;
    const QString name = newSetName(QStringLiteral("read"));
    const bool saved = writeSet(name, radioImage, image, table, settings);
    prune();
    return saved;
}

bool LinkBackups::saveBeforeWrite(const Document& doc, const AppSettings& settings) {
    if (!QDir().mkpath(folder_))
        return false;
    const bool saved =
        writeSet(newSetName(QStringLiteral("write")), {}, doc.curImage, doc.chTable, settings);
    prune();
    return saved;
}

QStringList LinkBackups::sets() const {
    QStringList names;
    for (const QString& file : QDir(folder_).entryList(QDir::Files)) {
        const auto match = backupFileName().match(file);
        if (match.hasMatch() && !names.contains(match.captured(1)))
            names << match.captured(1);
    }
    names.sort();
    return names;
}

QDateTime LinkBackups::setTime(const QString& setName) {
    return QDateTime::fromString(setName.left(19), QStringLiteral("yyyyMMdd-HHmmss-zzz"));
}

void LinkBackups::prune() const {
    const QStringList names = sets();
    if (names.size() <= keep_)
        return;
    const QStringList old = names.first(names.size() - keep_);
    QDir dir(folder_);
    for (const QString& file : dir.entryList(QDir::Files)) {
        const auto match = backupFileName().match(file);
        if (match.hasMatch() && old.contains(match.captured(1)))
            dir.remove(file);
    }
}

} // namespace r5k27

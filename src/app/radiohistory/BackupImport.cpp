#include "BackupImport.h"

#include "core/document/DataFile.h"
#include "core/link/LinkTypes.h"
#include "core/link/MemoryMap.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

namespace r5k27 {
namespace {

const QString kImportedKey = QStringLiteral("backups-imported");
constexpr LocalText kImportedNote{"Imported from the backup folder.", "从备份文件夹导入。"};

// The image a set stands for: the radio's own for a read, the document encoded for a write.
std::optional<QByteArray> setImage(const QDir& folder, const QString& set, bool isRead,
                                   const AppSettings& settings) {
    if (isRead) {
        QFile file(folder.filePath(set + QStringLiteral(".img")));
        if (file.open(QIODevice::ReadOnly))
            if (const QByteArray image = file.read(kRadioBufSize + 1);
                image.size() == kRadioBufSize)
                return image;
    }
    Document doc;
    AppSettings fileSettings = settings;
    if (!readPlainFile(doc, fileSettings, folder.filePath(set + QStringLiteral(".dat"))))
        return std::nullopt;
    QByteArray image = prepareRadioBuf();
    if (encodeImage(doc.curImage, doc.chTable, image))
        return std::nullopt;
    return image;
}

bool alreadyImported(QSqlDatabase& db, const QString& document, const QDateTime& started) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT 1 FROM operations WHERE document = ? AND started = ?"));
    query.addBindValue(document);
    query.addBindValue(started.toMSecsSinceEpoch());
    return query.exec() && query.next();
}

} // namespace

BackupImportResult importBackupSets(HistoryLog& log, const LinkBackups& backups,
                                    const AppSettings& settings) {
    BackupImportResult result;
    HistoryDatabase& db = log.database();
    if (!db.open())
        return result;
    if (!historyMeta(db.connection(), kImportedKey).isEmpty()) {
        result.finished = true;
        return result;
    }
    const QDir folder(backups.folder());
    for (const QString& set : backups.sets()) {
        const QDateTime started = LinkBackups::setTime(set);
        const bool isRead = set.endsWith(QStringLiteral("-read"));
        const QString document = set + QStringLiteral(".dat");
        if (alreadyImported(db.connection(), document, started))
            continue;
        const auto image = setImage(folder, set, isRead, settings);
        if (!image) {
            ++result.skipped;
            continue;
        }
        const LocalString note(kImportedNote);
        if (!log.record(
                {.kind = isRead ? OperationKind::Read : OperationKind::Write, .document = document},
                {.outcome = Outcome::Done,
                 .message = note.in(settings.language),
                 .model = settings.modelCodeText,
                 .image = *image},
                started, started))
            return result; // tried again at the next start
        ++result.imported;
    }
    result.finished = setHistoryMeta(db.connection(), kImportedKey, QStringLiteral("1"));
    return result;
}

} // namespace r5k27

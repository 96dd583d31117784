#include "HistoryPruning.h"

#include <QSqlQuery>
#include <QVariant>

namespace r5k27 {
namespace {

constexpr int kSizeBatch = 64;

const QString kDroppable =
    QStringLiteral("outcome <> 'running' AND id NOT IN (SELECT operation_id FROM newest_image)");

qint64 pragmaValue(QSqlDatabase& db, const char* name) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA ") + QLatin1String(name)) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

int dropByCount(QSqlDatabase& db, int maxOperations) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT MAX(id) FROM operations")) || !query.next())
        return 0;
    // Ids grow with each operation, so everything at or below the cut is older than the kept.
    const qint64 cut = query.value(0).toLongLong() - qMax(1, maxOperations);
    if (cut <= 0)
        return 0;
    query.prepare(QStringLiteral("DELETE FROM operations WHERE id <= ? AND ") + kDroppable);
    query.addBindValue(cut);
    return query.exec() ? query.numRowsAffected() : 0;
}

int dropOldest(QSqlDatabase& db, int count) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM operations WHERE id IN (SELECT id FROM operations "
                                 "WHERE ") +
                  kDroppable + QStringLiteral(" ORDER BY id LIMIT ?)"));
    query.addBindValue(count);
    return query.exec() ? query.numRowsAffected() : 0;
}

void dropUnusedImages(QSqlDatabase& db) {
    QSqlQuery query(db);
    query.exec(QStringLiteral("DELETE FROM images WHERE NOT EXISTS "
                              "(SELECT 1 FROM operations WHERE image_id = images.id)"));
}

} // namespace

qint64 historyBytesUsed(QSqlDatabase& db) {
    return (pragmaValue(db, "page_count") - pragmaValue(db, "freelist_count")) *
           pragmaValue(db, "page_size");
}

bool pruneHistory(QSqlDatabase& db, const HistoryLimits& limits) {
    bool dropped = dropByCount(db, limits.maxOperations) > 0;
    if (dropped)
        dropUnusedImages(db);
    while (historyBytesUsed(db) > limits.maxBytes) {
        if (dropOldest(db, kSizeBatch) == 0)
            break;
        dropUnusedImages(db);
        dropped = true;
    }
    return dropped;
}

} // namespace r5k27

#include "HistoryLog.h"

#include "HistoryPruning.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QVariant>

namespace r5k27 {
namespace {

QString programVersion() {
#ifdef R5K27_VERSION
    return QStringLiteral(R5K27_VERSION);
#else
    return {};
#endif
}

// A text the user gave no value is stored empty, never as NULL.
QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

QVariant imageVariant(std::optional<qint64> imageId) {
    return imageId ? QVariant(*imageId) : QVariant(QMetaType(QMetaType::LongLong));
}

// Ends the transaction it was given unless commit() was called.
class Transaction {
public:
    explicit Transaction(QSqlDatabase& db)
        : db_(db)
        , open_(execSql(db, QStringLiteral("BEGIN IMMEDIATE"))) {}
    ~Transaction() {
        if (open_)
            execSql(db_, QStringLiteral("ROLLBACK"));
    }
    explicit operator bool() const { return open_; }
    bool commit() {
        open_ = false;
        if (execSql(db_, QStringLiteral("COMMIT")))
            return true;
        execSql(db_, QStringLiteral("ROLLBACK"));
        return false;
    }

private:
    QSqlDatabase& db_;
    bool open_;
};

} // namespace

HistoryLog::HistoryLog(HistoryDatabase& db, HistoryLimits limits, Clock clock)
    : db_(db)
    , limits_(limits)
    , clock_(std::move(clock)) {}

OperationTicket HistoryLog::begin(const OperationStart& start) {
    OperationTicket ticket{0, start, clock_()};
    if (!db_.open())
        return ticket;
    QSqlQuery query(db_.connection());
    query.prepare(QStringLiteral(
        "INSERT INTO operations(started, kind, radio, port, cable_product, cable_serial, "
        "document, outcome, program_version, pid) VALUES(?, ?, ?, ?, ?, ?, ?, 'running', ?, ?)"));
    for (const QVariant& value :
         {QVariant(ticket.started.toMSecsSinceEpoch()), text(kindKey(start.kind)),
          QVariant(start.radioNumber), text(start.port), text(start.cableProduct),
          text(start.cableSerial), text(start.document), text(programVersion()),
          QVariant(db_.options().pid)})
        query.addBindValue(value);
    if (query.exec())
        ticket.id = query.lastInsertId().toLongLong();
    return ticket;
}

bool HistoryLog::end(const OperationTicket& ticket, const OperationEnd& end) {
    return writeEnd(ticket, end, clock_()).has_value();
}

std::optional<qint64> HistoryLog::record(const OperationStart& start, const OperationEnd& end,
                                         const QDateTime& started, const QDateTime& ended) {
    return writeEnd(OperationTicket{0, start, started}, end, ended);
}

std::optional<qint64> HistoryLog::writeEnd(const OperationTicket& ticket, const OperationEnd& end,
                                           const QDateTime& ended) {
    if (!db_.open())
        return std::nullopt;
    Transaction transaction(db_.connection());
    if (!transaction)
        return std::nullopt;
    std::optional<qint64> imageId;
    if (!end.image.isEmpty() && !(imageId = storeImage(end.image)))
        return std::nullopt;
    std::optional<qint64> id;
    // The row begin made, unless there is none (begin failed, or it was pruned meanwhile).
    if (ticket.id > 0 && updateRow(ticket, end, imageId, ended))
        id = ticket.id;
    else
        id = insertRow(ticket, end, imageId, ended);
    if (!id)
        return std::nullopt;
    if (imageId && !updateNewestImage(end.model, *id))
        return std::nullopt;
    const bool pruned = pruneHistory(db_.connection(), limits_);
    if (!transaction.commit())
        return std::nullopt;
    if (pruned)
        execSql(db_.connection(), QStringLiteral("PRAGMA incremental_vacuum"));
    return id;
}

bool HistoryLog::updateRow(const OperationTicket& ticket, const OperationEnd& end,
                           std::optional<qint64> imageId, const QDateTime& ended) {
    QSqlQuery query(db_.connection());
    // A group write learns at its end which radio it reached.
    query.prepare(QStringLiteral(
        "UPDATE operations SET ended = ?, radio = ?, model = ?, firmware = ?, image_id = ?, "
        "outcome = ?, message = ?, duration_ms = ? WHERE id = ?"));
    for (const QVariant& value :
         {QVariant(ended.toMSecsSinceEpoch()), QVariant(ticket.start.radioNumber), text(end.model),
          text(end.firmware), imageVariant(imageId), text(outcomeKey(end.outcome)),
          text(end.message), QVariant(qMax<qint64>(0, ticket.started.msecsTo(ended))),
          QVariant(ticket.id)})
        query.addBindValue(value);
    return query.exec() && query.numRowsAffected() == 1;
}

std::optional<qint64> HistoryLog::insertRow(const OperationTicket& ticket, const OperationEnd& end,
                                            std::optional<qint64> imageId, const QDateTime& ended) {
    const OperationStart& s = ticket.start;
    QSqlQuery query(db_.connection());
    query.prepare(QStringLiteral(
        "INSERT INTO operations(started, ended, kind, radio, port, cable_product, cable_serial, "
        "model, firmware, document, image_id, outcome, message, duration_ms, program_version, "
        "pid) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(ticket.started.toMSecsSinceEpoch()), QVariant(ended.toMSecsSinceEpoch()),
          text(kindKey(s.kind)), QVariant(s.radioNumber), text(s.port), text(s.cableProduct),
          text(s.cableSerial), text(end.model), text(end.firmware), text(s.document),
          imageVariant(imageId), text(outcomeKey(end.outcome)), text(end.message),
          QVariant(qMax<qint64>(0, ticket.started.msecsTo(ended))), text(programVersion()),
          QVariant(db_.options().pid)})
        query.addBindValue(value);
    if (!query.exec())
        return std::nullopt;
    return query.lastInsertId().toLongLong();
}

std::optional<qint64> HistoryLog::storeImage(const QByteArray& image) {
    const QByteArray hash = QCryptographicHash::hash(image, QCryptographicHash::Sha256);
    QSqlQuery query(db_.connection());
    query.prepare(QStringLiteral("SELECT id FROM images WHERE sha256 = ?"));
    query.addBindValue(hash);
    if (!query.exec())
        return std::nullopt;
    if (query.next())
        return query.value(0).toLongLong();
    query.prepare(QStringLiteral("INSERT INTO images(sha256, data) VALUES(?, ?)"));
    query.addBindValue(hash);
    query.addBindValue(qCompress(image, 9));
    if (!query.exec())
        return std::nullopt;
    return query.lastInsertId().toLongLong();
}

bool HistoryLog::updateNewestImage(const QString& model, qint64 operationId) {
    QSqlQuery query(db_.connection());
    query.prepare(QStringLiteral("INSERT INTO newest_image(model, operation_id) VALUES(?, ?) "
                                 "ON CONFLICT(model) DO UPDATE SET operation_id = "
                                 "MAX(operation_id, excluded.operation_id)"));
    query.addBindValue(text(model));
    query.addBindValue(operationId);
    return query.exec();
}

} // namespace r5k27

#include "HistoryQuery.h"

#include <QCryptographicHash>
#include <QTimeZone>
#include <QVariant>

namespace r5k27 {
namespace {

const QString kSelect = QStringLiteral(
    "SELECT o.id, o.started, o.ended, o.kind, o.radio, o.port, o.cable_product, o.cable_serial, "
    "o.model, o.firmware, o.document, lower(hex(i.sha256)), o.outcome, o.message, "
    "o.duration_ms, o.program_version FROM operations o LEFT JOIN images i ON i.id = o.image_id");

qint64 startOfDay(const QDate& date) {
    return date.startOfDay().toMSecsSinceEpoch();
}

QDateTime timeOf(const QVariant& msecs) {
    return msecs.isNull() ? QDateTime()
                          : QDateTime::fromMSecsSinceEpoch(msecs.toLongLong(), QTimeZone::utc());
}

QString isoTime(const QDateTime& time) {
    return time.isValid() ? time.toString(Qt::ISODateWithMs) : QString();
}

QString likePattern(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + text + QLatin1Char('%');
}

} // namespace

QSqlQuery historyQuery(QSqlDatabase& db, const HistoryFilter& filter, bool forwardOnly) {
    QStringList where;
    QVariantList values;
    if (filter.since.isValid()) {
        where << QStringLiteral("o.started >= ?");
        values << startOfDay(filter.since);
    }
    if (filter.until.isValid()) {
        where << QStringLiteral("o.started < ?");
        values << startOfDay(filter.until.addDays(1));
    }
    if (filter.kind) {
        where << QStringLiteral("o.kind = ?");
        values << kindKey(*filter.kind);
    }
    if (!filter.port.isEmpty()) {
        where << QStringLiteral("o.port = ?");
        values << filter.port;
    }
    if (filter.outcome) {
        where << QStringLiteral("o.outcome = ?");
        values << outcomeKey(*filter.outcome);
    }
    if (!filter.document.isEmpty()) {
        where << QStringLiteral("o.document LIKE ? ESCAPE '\\'");
        values << likePattern(filter.document);
    }
    QString sql = kSelect;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY o.started DESC, o.id DESC");
    QSqlQuery query(db);
    query.setForwardOnly(forwardOnly);
    if (!db.isOpen() || !query.prepare(sql))
        return query;
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.exec();
    return query;
}

HistoryRow historyRow(const QSqlQuery& query) {
    const auto at = [&query](HistoryColumn column) { return query.value(int(column)); };
    using enum HistoryColumn;
    HistoryRow row;
    row.id = at(Id).toLongLong();
    row.started = timeOf(at(Started));
    row.ended = timeOf(at(Ended));
    row.kind = kindFromKey(at(Kind).toString()).value_or(OperationKind::Read);
    row.radio = at(Radio).toInt();
    row.port = at(Port).toString();
    row.cableProduct = at(CableProduct).toString();
    row.cableSerial = at(CableSerial).toString();
    row.model = at(Model).toString();
    row.firmware = at(Firmware).toString();
    row.document = at(Document).toString();
    row.sha256 = at(Sha256).toString();
    row.outcome = outcomeFromKey(at(Outcome).toString()).value_or(Outcome::Interrupted);
    row.message = at(Message).toString();
    row.durationMs = at(DurationMs).toLongLong();
    row.programVersion = at(ProgramVersion).toString();
    return row;
}

std::optional<HistoryRow> operationRow(QSqlDatabase& db, qint64 operationId) {
    QSqlQuery query(db);
    if (!query.prepare(kSelect + QStringLiteral(" WHERE o.id = ?")))
        return std::nullopt;
    query.addBindValue(operationId);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return historyRow(query);
}

std::optional<QByteArray> operationImage(QSqlDatabase& db, qint64 operationId) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT i.sha256, i.data FROM operations o JOIN images i ON "
                                 "i.id = o.image_id WHERE o.id = ?"));
    query.addBindValue(operationId);
    if (!query.exec() || !query.next())
        return std::nullopt;
    const QByteArray image = qUncompress(query.value(1).toByteArray());
    // What goes back to a radio must be what was stored, bit for bit.
    if (image.isEmpty() ||
        QCryptographicHash::hash(image, QCryptographicHash::Sha256) != query.value(0).toByteArray())
        return std::nullopt;
    return image;
}

QStringList historyCsvHeader() {
    return {QStringLiteral("id"),
            QStringLiteral("started"),
            QStringLiteral("ended"),
            QStringLiteral("kind"),
            QStringLiteral("radio"),
            QStringLiteral("port"),
            QStringLiteral("cable_product"),
            QStringLiteral("cable_serial"),
            QStringLiteral("model"),
            QStringLiteral("firmware"),
            QStringLiteral("document"),
            QStringLiteral("sha256"),
            QStringLiteral("outcome"),
            QStringLiteral("message"),
            QStringLiteral("duration_ms"),
            QStringLiteral("program_version")};
}

QStringList historyCsvFields(const HistoryRow& row) {
    return {QString::number(row.id),
            isoTime(row.started),
            isoTime(row.ended),
            kindKey(row.kind),
            row.radio > 0 ? QString::number(row.radio) : QString(),
            row.port,
            row.cableProduct,
            row.cableSerial,
            row.model,
            row.firmware,
            row.document,
            row.sha256,
            outcomeKey(row.outcome),
            row.message,
            row.ended.isValid() ? QString::number(row.durationMs) : QString(),
            row.programVersion};
}

std::optional<QDate> parseHistoryDate(const QString& text) {
    const QDate date = QDate::fromString(text.trimmed(), Qt::ISODate);
    if (!date.isValid() || text.trimmed().size() != 10)
        return std::nullopt;
    return date;
}

} // namespace r5k27

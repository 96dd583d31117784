#pragma once

#include "HistoryTypes.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <optional>

namespace r5k27 {

// Which operations to show; an empty field lets every operation through.
struct HistoryFilter {
    QDate since = {}; // local dates, both days included
    QDate until = {};
    std::optional<OperationKind> kind = {};
    QString port = {}; // exactly as recorded
    std::optional<Outcome> outcome = {};
    QString document = {}; // a part of the document's file name, any case
};

// The columns of historyQuery, in order.
enum class HistoryColumn {
    Id,
    Started,
    Ended,
    Kind,
    Radio,
    Port,
    CableProduct,
    CableSerial,
    Model,
    Firmware,
    Document,
    Sha256,
    Outcome,
    Message,
    DurationMs,
    ProgramVersion,
    Count
};

// One operation as stored.
struct HistoryRow {
    qint64 id = 0;
    QDateTime started;
    QDateTime ended; // invalid while running
    OperationKind kind = OperationKind::Read;
    int radio = 0;
    QString port;
    QString cableProduct;
    QString cableSerial;
    QString model;
    QString firmware;
    QString document;
    QString sha256; // lower-case hex, empty without an image
    Outcome outcome = Outcome::Done;
    QString message;
    qint64 durationMs = 0;
    QString programVersion;
};

// The matching operations, newest first, as an executed query. Rows are fetched as they are
// read, so a view over a hundred thousand operations opens at once; a view that moves back and
// forth asks for a query that is not forward-only. Inactive when the history cannot be read.
QSqlQuery historyQuery(QSqlDatabase& db, const HistoryFilter& filter, bool forwardOnly = true);
HistoryRow historyRow(const QSqlQuery& query);

// The radio image an operation holds; nullopt when it has none or it cannot be read (a stored
// image whose hash no longer matches counts as none).
std::optional<QByteArray> operationImage(QSqlDatabase& db, qint64 operationId);
std::optional<HistoryRow> operationRow(QSqlDatabase& db, qint64 operationId);

// The CSV form of the rows: a header of keys, then one line per row with times in ISO 8601
// (UTC) and kinds and outcomes as their keys.
QStringList historyCsvHeader();
QStringList historyCsvFields(const HistoryRow& row);

// A DATE argument ("2025-03-01"); nullopt for anything else.
std::optional<QDate> parseHistoryDate(const QString& text);

} // namespace r5k27

#pragma once

#include "history/HistoryDatabase.h"
#include "history/HistoryLog.h"
#include "history/HistoryQuery.h"
#include "support/TempDir.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTimeZone>
#include <memory>

namespace r5k27::test {

// A history in a scratch folder, with a clock that moves one second per reading.
struct ScratchHistory {
    explicit ScratchHistory(HistoryOptions options = {}, HistoryLimits limits = {})
        : db(std::make_unique<HistoryDatabase>(dir.path(QStringLiteral("data/history.sqlite")),
                                               options))
        , log(std::make_unique<HistoryLog>(*db, limits, [this] { return now = now.addSecs(1); })) {}

    // Closed and opened again, as the next start of the program would.
    void reopen(HistoryOptions options = {}) {
        log.reset();
        db = std::make_unique<HistoryDatabase>(dir.path(QStringLiteral("data/history.sqlite")),
                                               options);
        log = std::make_unique<HistoryLog>(*db, HistoryLimits{},
                                           [this] { return now = now.addSecs(1); });
    }

    qint64 count(const QString& sql) {
        QSqlQuery query(db->connection());
        return query.exec(sql) && query.next() ? query.value(0).toLongLong() : -1;
    }

    QList<HistoryRow> rows(const HistoryFilter& filter = {}) {
        QList<HistoryRow> out;
        for (QSqlQuery query = historyQuery(db->connection(), filter); query.next();)
            out << historyRow(query);
        return out;
    }

    TempDir dir;
    QDateTime now{QDate(2025, 3, 4), QTime(9, 0), QTimeZone::utc()};
    std::unique_ptr<HistoryDatabase> db;
    std::unique_ptr<HistoryLog> log;
};

// A radio image that differs from others made with another seed.
inline QByteArray radioImage(quint32 seed, bool compressible = true) {
    QByteArray image(16384, '\xFF');
    QRandomGenerator random(seed);
    const int changed = compressible ? 64 : 16384;
    for (int i = 0; i < changed; ++i)
        image[compressible ? int(random.bounded(16384)) : i] = char(random.bounded(256));
    return image;
}

// One finished operation; its id, or 0 when it was not recorded.
inline qint64 logOperation(HistoryLog& log, OperationKind kind, const QByteArray& image,
                           Outcome outcome = Outcome::Done, const QString& model = "ZT6666",
                           int radio = 0) {
    const OperationTicket ticket = log.begin({.kind = kind,
                                              .radioNumber = radio,
                                              .port = "/dev/ttyUSB0",
                                              .cableProduct = "USB-Serial",
                                              .cableSerial = "A1",
                                              .document = "shop.dat"});
    if (!log.end(ticket, {.outcome = outcome, .model = model, .firmware = "V101", .image = image}))
        return 0;
    return ticket.id;
}

} // namespace r5k27::test

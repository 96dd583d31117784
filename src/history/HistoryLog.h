#pragma once

#include "HistoryDatabase.h"
#include "HistoryTypes.h"

#include <QDateTime>
#include <functional>

namespace r5k27 {

// How much history is kept: the newest operations up to both limits (settings
// HistoryKeepOperations and HistoryKeepMegabytes). The newest image of each radio model stays
// whatever the limits say.
struct HistoryLimits {
    static constexpr int kDefaultOperations = 2000;
    static constexpr int kDefaultMegabytes = 200;
    int maxOperations = kDefaultOperations;
    qint64 maxBytes = qint64(kDefaultMegabytes) << 20;
};

// Records radio operations: begin as one starts, end as it ends. Each end is one transaction
// (the row, its image, the pruning), so the history never holds half an operation. Nothing
// here blocks or fails a radio operation: a call that cannot record says so and returns.
class HistoryLog {
public:
    using Clock = std::function<QDateTime()>;

    explicit HistoryLog(HistoryDatabase& db, HistoryLimits limits = {},
                        Clock clock = &QDateTime::currentDateTimeUtc);

    OperationTicket begin(const OperationStart& start);
    // True when the operation and its image are in the history.
    bool end(const OperationTicket& ticket, const OperationEnd& end);
    // A whole operation at once (an imported backup, the image read before a write).
    std::optional<qint64> record(const OperationStart& start, const OperationEnd& end,
                                 const QDateTime& started, const QDateTime& ended);

    void setLimits(HistoryLimits limits) { limits_ = limits; }
    const HistoryLimits& limits() const { return limits_; }
    HistoryDatabase& database() { return db_; }

private:
    std::optional<qint64> storeImage(const QByteArray& image);
    std::optional<qint64> writeEnd(const OperationTicket& ticket, const OperationEnd& end,
                                   const QDateTime& ended);
    bool updateRow(const OperationTicket& ticket, const OperationEnd& end,
                   std::optional<qint64> imageId, const QDateTime& ended);
    std::optional<qint64> insertRow(const OperationTicket& ticket, const OperationEnd& end,
                                    std::optional<qint64> imageId, const QDateTime& ended);
    bool updateNewestImage(const QString& model, qint64 operationId);

    HistoryDatabase& db_;
    HistoryLimits limits_;
    Clock clock_;
};

} // namespace r5k27

#pragma once

#include "HistoryLog.h"

#include <QSqlDatabase>

namespace r5k27 {

// Drops the oldest finished operations beyond the limits, and the images no operation names
// any more, inside the caller's transaction. The operation holding the newest image of each
// radio model stays. True when something was dropped (the file may then give space back).
bool pruneHistory(QSqlDatabase& db, const HistoryLimits& limits);

// Bytes the history's pages hold, free pages not counted.
qint64 historyBytesUsed(QSqlDatabase& db);

} // namespace r5k27

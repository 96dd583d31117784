#pragma once

#include "CliArgs.h"
#include "CliSession.h"
#include "history/HistoryDatabase.h"

#include <QStringList>
#include <optional>

namespace r5k27::cli {

// history [--since DATE] [--until DATE] [--kind K] [--port P] [--outcome O] [--csv]
// lists the radio history, newest first; history --extract ID FILE.dat saves that operation's
// radio image as a data file pair. Exit status as for the other verbs (-1: bad usage).
int historyVerb(Session& s, const CliArgs& args,
                const QString& databasePath = HistoryDatabase::defaultPath());

// The history verb of the command table, on the user's history database.
int runHistory(Session& s, const CliArgs& args);

} // namespace r5k27::cli

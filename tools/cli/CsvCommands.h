#pragma once

#include "CliArgs.h"
#include "CliSession.h"

#include <QJsonObject>

namespace r5k27::cli {

// csv-export FILE.dat OUT.csv and csv-import FILE.dat IN.csv OUT.dat. Rows an import cannot
// take go to standard error with their row numbers and make the status 1; the rows it took are
// still written, unless there are none (a file error then).
int exportChannels(Session& s, const CliArgs& args);
int importChannels(Session& s, const CliArgs& args);

// csv-import --json: the rows taken and those refused, with their reasons.
QJsonObject csvImportJson(const Session& s, const CliArgs& args, int status);

} // namespace r5k27::cli

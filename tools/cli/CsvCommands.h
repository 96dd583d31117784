#pragma once

#include "CliArgs.h"
#include "CliSession.h"

namespace r5k27::cli {

// csv-export FILE.dat OUT.csv and csv-import FILE.dat IN.csv OUT.dat. Rows an import cannot
// take go to standard error with their row numbers and make the status 1; the rows it took are
// still written, unless there are none. -1 when the arguments do not fit.
int exportChannels(Session& s, const CliArgs& args);
int importChannels(Session& s, const CliArgs& args);

} // namespace r5k27::cli

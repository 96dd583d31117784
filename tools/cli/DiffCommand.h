#pragma once

#include "CliArgs.h"
#include "CliSession.h"

namespace r5k27::cli {

// diff A.dat B.dat, or diff A.dat --port P against what the radio holds: one line per value
// that differs; 0 when none does, 1 when some do, 2 when the comparison could not be made.
int diffDocuments(Session& s, const CliArgs& args);

} // namespace r5k27::cli

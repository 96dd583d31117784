#pragma once

#include "CliArgs.h"
#include "CliSession.h"

namespace r5k27::cli {

// write FILE.dat --port P1 [--port P2 ...] [--verify]: every port at once, one line per port at
// the end; 0 only when every radio was written (and, with --verify, read back exact).
int writeRadios(Session& s, const CliArgs& args);

} // namespace r5k27::cli

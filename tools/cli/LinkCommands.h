#pragma once

#include "CliArgs.h"
#include "CliSession.h"

namespace r5k27::cli {

// The radio commands. Each returns the exit status: 0 done, 1 failed (the reason was shown);
// -1 when the arguments do not fit the command.
int listPorts(Session& s, const CliArgs& args);
int identifyRadio(Session& s, const CliArgs& args);
int readRadio(Session& s, const CliArgs& args);
int writeRadio(Session& s, const CliArgs& args);

} // namespace r5k27::cli

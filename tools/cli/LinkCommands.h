#pragma once

#include "CliArgs.h"
#include "CliSession.h"

namespace r5k27::cli {

// The radio commands. Each returns the exit status: 0 done, 1 failed (the reason was shown);
// -1 when the arguments do not fit the command.
int identifyRadio(Session& s, const CliArgs& args);
int readRadio(Session& s, const CliArgs& args);
int writeRadio(Session& s, const CliArgs& args);

// Whether the options of a radio command are --port (once, unless severalPorts), --retries,
// --trace and extra; applies --retries.
bool linkOptionsFit(Session& s, const CliArgs& args, const QStringList& extra,
                    bool severalPorts = false);

} // namespace r5k27::cli

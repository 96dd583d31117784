#pragma once

#include "CliArgs.h"
#include "CliSession.h"

#include <QJsonObject>

namespace r5k27::cli {

// new FILE.dat, copy IN.dat OUT.dat, show FILE.dat and the build's defaults FOLDER.
int runNew(Session& s, const CliArgs& args);
int runCopy(Session& s, const CliArgs& args);
int runShow(Session& s, const CliArgs& args);
int runDefaults(Session& s, const CliArgs& args);

// The shown document (show --json); empty when it did not open.
QJsonObject showJson(const Session& s, const CliArgs& args, int status);

} // namespace r5k27::cli

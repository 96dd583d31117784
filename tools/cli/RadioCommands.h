#pragma once

#include "CliArgs.h"
#include "CliSession.h"

#include <QJsonObject>

namespace r5k27::cli {

// The radio verbs as the command table runs them: the verb's own function, its status put in
// the tool's terms (a failed radio or port 4, a failed file 3, some radios failed 1).
int runPorts(Session& s, const CliArgs& args);
int runIdentify(Session& s, const CliArgs& args);
int runRead(Session& s, const CliArgs& args);
int runWrite(Session& s, const CliArgs& args);
int runDiff(Session& s, const CliArgs& args);

// --json reports: every port with product, chip and serial number; per radio port the outcome,
// message, radio identity, seconds and whether it was verified; the differences of a diff.
QJsonObject portsJson(const Session& s, const CliArgs& args, int status);
QJsonObject radioJson(const Session& s, const CliArgs& args, int status);
QJsonObject diffJson(const Session& s, const CliArgs& args, int status);

} // namespace r5k27::cli

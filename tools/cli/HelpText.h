#pragma once

#include "Command.h"

#include <QString>

namespace r5k27::cli {

inline constexpr char kProgramName[] = "r5k27-cli";

// "read --port P [--retries N] [--trace FILE] [--image IMG] [--json] FILE.dat"
QString usageLine(const Command& command);
// The verb's usage, summary, arguments, options and example.
QString verbHelp(const Command& command, Language lang);
// "usage: r5k27-cli read ..." with a pointer to the verb's --help, for a usage error.
QString verbUsage(const Command& command, Language lang);
// Every verb with its summary, the global options and the exit statuses.
QString programHelp(Language lang);
// The program and the data file version.
QString versionText();

// The documented exit statuses, each a status and its meaning.
struct StatusMeaning {
    int status;
    LocalText meaning;
};
const QList<StatusMeaning>& exitStatuses();

} // namespace r5k27::cli

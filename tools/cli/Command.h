#pragma once

#include "CliArgs.h"
#include "CliSession.h"
#include "core/lang/Language.h"

#include <QJsonObject>
#include <QList>

namespace r5k27::cli {

// What a command does with the file an argument or option names. The dispatcher puts every
// named file through one clash check by these roles, so a verb cannot forget one.
enum class FileRole {
    None,           // not a file (a port, a number)
    ReadsDocument,  // a data file and its channel file, read
    ReadsFile,      // one file, read
    WritesDocument, // a data file and its channel file, replaced whole
    WritesFile,     // one file, replaced whole
    AppendsFile,    // one file written as the command goes (a trace): a regular file or new
    WritesFolder,   // a folder of files, made when missing
};

// Exit statuses, the same for every verb.
enum ExitStatus : int {
    kDone = 0,
    kDoneWithDifferences = 1, // diff found some, some radios or rows failed
    kUsageError = 2,          // bad arguments, or outputs landing on inputs
    kFileError = 3,           // a file could not be read, written or taken
    kLinkError = 4,           // the radio or its port failed
    kInterrupted = 130,       // Ctrl+C or SIGTERM, as a shell reports it
};

struct CliOption {
    const char* name;      // without the dashes
    const char* valueName; // nullptr for a flag
    LocalText help;
    FileRole role = FileRole::None;
    bool repeatable = false;
    bool required = false;
};

struct CliArgument {
    const char* name; // as usage shows it: "FILE.dat"
    LocalText help;
    FileRole role = FileRole::None;
    bool optional = false;
};

// One verb of r5k27-cli: everything help, the manual page, completion and the dispatcher need.
struct Command {
    const char* name;
    LocalText summary;
    QList<CliArgument> arguments;
    QList<CliOption> options;
    // A command line that shows the verb at work, without the program name.
    const char* example;
    int (*run)(Session& session, const CliArgs& args);
    // The verb's report as one JSON object (--json); null when it reports nothing.
    QJsonObject (*json)(const Session& session, const CliArgs& args, int status) = nullptr;
    // Left out of help, manual page and completion (the build's own verbs).
    bool hidden = false;
};

// Every verb, in the order help lists them.
const QList<Command>& commands();
// The verb named name; nullptr when there is none.
const Command* findCommand(const QString& name);
// The options of a verb with --json added where it reports something.
QList<CliOption> optionsOf(const Command& command);

// The options every radio verb takes: --port (given once unless severalPorts), --retries, --trace.
QList<CliOption> linkOptions(bool severalPorts = false, bool portRequired = true);

} // namespace r5k27::cli

#pragma once

#include "CliArgs.h"
#include "CliSession.h"
#include "Command.h"

#include <QString>
#include <QStringList>

namespace r5k27::cli {

// Exit status of a command refused for the files it names.
inline constexpr int kFilesRefused = kUsageError;

// The files one command reads and writes. A data file counts with its channel file.
struct FileRoles {
    QStringList inputs;
    QStringList outputs;

    FileRoles& readsDocument(const QString& dataPath);
    FileRoles& reads(const QString& path);
    FileRoles& writesDocument(const QString& dataPath);
    FileRoles& writes(const QString& path);
};

// Refuses, with a message, a command whose output would overwrite one of its inputs or
// another of its outputs (the same file under another name included); true when it may run.
bool outputsAreSeparate(Session& s, const FileRoles& roles);

// The files a command line names, by the roles its verb's table row gives its arguments and
// options, through outputsAreSeparate; an appended file (a trace) must also be a regular file
// or a new name. 0 when the command may run, else the exit status to end with.
int checkCommandFiles(Session& s, const Command& command, const CliArgs& args);

// outputsAreSeparate, then the document at dataPath opened with every check of Open. 0 when it
// is open, else the exit status to end with.
int openDocumentFor(Session& s, const FileRoles& roles, const QString& dataPath);

// Refuses an input that is no regular file (a FIFO, a device, a folder): reading it could block
// forever or never end. True when it is one.
bool isReadableFile(Session& s, const QString& path);

} // namespace r5k27::cli

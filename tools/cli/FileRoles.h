#pragma once

#include "CliSession.h"

#include <QString>
#include <QStringList>

namespace r5k27::cli {

// Exit status of a command refused for the files it names.
inline constexpr int kFilesRefused = 2;

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

// outputsAreSeparate, then the document at dataPath opened with every check of Open. 0 when it
// is open, else the exit status to end with.
int openDocumentFor(Session& s, const FileRoles& roles, const QString& dataPath);

// Refuses an input that is no regular file (a FIFO, a device, a folder): reading it could block
// forever or never end. True when it is one.
bool isReadableFile(Session& s, const QString& path);

} // namespace r5k27::cli

#pragma once

#include "CliCommands.h"

#include <QStringList>
#include <QTextStream>

namespace r5k27::test {

// Runs the command-line tool in this process; its error output goes to err when given.
inline int runCli(const QStringList& args, QString* err = nullptr) {
    QString out;
    QString errText;
    QTextStream outStream(&out);
    QTextStream errStream(&errText);
    const int status = cli::runCli(args, R5K27_PROGRAM_DIR, outStream, errStream);
    if (err)
        *err = errText;
    return status;
}

} // namespace r5k27::test

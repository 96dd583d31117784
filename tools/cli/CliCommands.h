#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace r5k27::cli {

// Runs one command line (without the program name) of r5k27-cli. Output goes to out, refusals
// and usage to err; the result is the exit status (ExitStatus in Command.h). programFolder is
// where the program's default files and, one level up, the version list live. Radio commands
// need a Qt application object: they run its event loop while they wait. With showProgress a
// running transfer writes a progress line to err.
int runCli(const QStringList& args, const QString& programFolder, QTextStream& out,
           QTextStream& err, bool showProgress = false);

} // namespace r5k27::cli

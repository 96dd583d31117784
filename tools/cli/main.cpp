#include "CliCommands.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return r5k27::cli::runCli(args, QCoreApplication::applicationDirPath(), out, err,
                              ::isatty(STDERR_FILENO) == 1);
}

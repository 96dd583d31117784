#pragma once

#include "CliArgs.h"
#include "Command.h"

#include <QString>
#include <QStringList>

namespace r5k27::cli {

// One verb's command line read against its row of the command table.
struct ParsedLine {
    CliArgs args;
    bool help = false; // --help or -h: show the verb's help and do nothing else
    bool json = false; // --json, taken out of args.options
    QString error;     // why the line does not fit the verb; empty when it does
};

// Reads the words after the verb. Options may stand anywhere; "--" ends them; --name=value works
// as --name value. An unknown option, a repeated one that may be given once, a missing
// required one or a wrong number of arguments is an error naming what is wrong.
ParsedLine parseVerbLine(const Command& command, const QStringList& words, Language lang);

// The verb nearest to word by edit distance, when one is near enough to be a typing slip.
QString nearestVerb(const QString& word);
// "did you mean 'write'?"
QString didYouMean(const QString& suggestion, Language lang);
// The option of command nearest to word ("--prot" -> "--port"); empty when none is near.
QString nearestOption(const Command& command, const QString& word);

} // namespace r5k27::cli

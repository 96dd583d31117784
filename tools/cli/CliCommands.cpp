#include "CliCommands.h"

#include "Command.h"
#include "CommandLine.h"
#include "FileRoles.h"
#include "HelpText.h"
#include "ToolPages.h"
#include "platform/StopSignals.h"

#include <QJsonDocument>

namespace r5k27::cli {
namespace {

constexpr LocalText kUnknownCommand{"unknown command '%1'", "未知命令“%1”"};
constexpr LocalText kUnknownOption{"unknown option '%1'", "未知选项“%1”"};
constexpr LocalText kSeeHelp{"'%1 --help' lists the commands.", "“%1 --help”列出全部命令。"};

// The tool's messages speak the language of a new installation: English.
constexpr Language kLang = Language::English;

QString prefix(const QString& verb = {}) {
    return QString::fromLatin1(kProgramName) + (verb.isEmpty() ? QString() : u' ' + verb) +
           QStringLiteral(": ");
}

int unknownCommand(const QString& word, QTextStream& err) {
    const bool option = word.startsWith(u'-');
    err << prefix() << (option ? kUnknownOption : kUnknownCommand).in(kLang).arg(word);
    if (const QString near = option ? QString() : nearestVerb(word); !near.isEmpty())
        err << QStringLiteral("; ") << didYouMean(near, kLang);
    err << '\n' << kSeeHelp.in(kLang).arg(QString::fromLatin1(kProgramName)) << '\n';
    return kUsageError;
}

// The words before any verb: help, version and the build's generated pages. Nullopt when the
// first word is a verb.
std::optional<int> runProgramOption(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString first = args.value(0);
    if (args.isEmpty()) {
        err << programHelp(kLang);
        return kUsageError;
    }
    if (first == QStringLiteral("--help") || first == QStringLiteral("-h") ||
        (first == QStringLiteral("help") && args.size() == 1)) {
        out << programHelp(kLang);
        return kDone;
    }
    if (first == QStringLiteral("help") && args.size() == 2) {
        const Command* command = findCommand(args[1]);
        if (!command)
            return unknownCommand(args[1], err);
        out << verbHelp(*command, kLang);
        return kDone;
    }
    if (first == QStringLiteral("--version") && args.size() == 1) {
        out << versionText();
        return kDone;
    }
    if (const std::optional<QString> page = toolPage(args)) {
        out << *page;
        return kDone;
    }
    if (first.startsWith(u'-') || !findCommand(first))
        return unknownCommand(first, err);
    return std::nullopt;
}

// After the verb ran: a stop signal wins, a verb that found its arguments wrong shows usage.
int finish(int status, const Command& command, const Session& session, const StopSignals& stops,
           QTextStream& err) {
    if (status < 0) {
        if (!session.usageProblem.isEmpty())
            err << prefix(QString::fromLatin1(command.name)) << session.usageProblem << '\n';
        err << verbUsage(command, kLang);
        return kUsageError;
    }
    return stops.count() > 0 ? kInterrupted : status;
}

int runVerb(const Command& command, const QStringList& words, const QString& programFolder,
            QTextStream& out, QTextStream& err, bool showProgress, const StopSignals& stops) {
    const ParsedLine line = parseVerbLine(command, words, kLang);
    if (line.help) {
        out << verbHelp(command, kLang);
        return kDone;
    }
    if (!line.error.isEmpty()) {
        err << prefix(QString::fromLatin1(command.name)) << line.error << '\n'
            << verbUsage(command, kLang);
        return kUsageError;
    }
    // With --json the text report goes nowhere and the completion notes join the messages.
    QString unused;
    QTextStream discard(&unused);
    const bool json = line.json && command.json;
    Session session(programFolder, json ? discard : out, json ? err : out, err, showProgress);
    session.json = json;
    int status = checkCommandFiles(session, command, line.args);
    if (status == 0 && stops.count() == 0)
        status = finish(command.run(session, line.args), command, session, stops, err);
    else if (status == 0)
        status = kInterrupted;
    if (json && status != kUsageError) {
        const QJsonObject report = command.json(session, line.args, status);
        if (!report.isEmpty())
            out << QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Indented));
    }
    return status;
}

} // namespace

int runCli(const QStringList& args, const QString& programFolder, QTextStream& out,
           QTextStream& err, bool showProgress) {
    // Before any file is opened: a stop from here on ends the command with 130, never midway
    // through a save, and a radio operation takes the radio out of programming mode first.
    const StopSignals stops;
    int status = kUsageError;
    if (const auto done = runProgramOption(args, out, err))
        status = *done;
    else
        status = runVerb(*findCommand(args[0]), args.mid(1), programFolder, out, err, showProgress,
                         stops);
    out.flush();
    err.flush();
    return status;
}

} // namespace r5k27::cli

#include "Command.h"
#include "HelpText.h"
#include "ToolPages.h"

namespace r5k27::cli {
namespace {

constexpr Language kLang = Language::English;

// Text as roff shows it literally: backslashes and minus signs escaped, no line taken for a
// request.
QString roff(QString text) {
    text.replace(u'\\', QStringLiteral("\\e"));
    text.replace(u'-', QStringLiteral("\\-"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

QString header(const QString& program, const QString& what) {
    return QStringLiteral(".TH %1 1 \"\" \"R5K27 Programmer %2\" \"User Commands\"\n"
                          ".SH NAME\n%3 \\- %4\n")
        .arg(program.toUpper(), QStringLiteral(R5K27_VERSION), roff(program), roff(what));
}

QString optionItem(const QString& spelled, const QString& help) {
    return QStringLiteral(".TP\n.B %1\n%2\n").arg(roff(spelled), roff(help));
}

QString commandSection(const Command& command) {
    QString out = QStringLiteral(".SS %1\n").arg(roff(usageLine(command)));
    out += roff(command.summary.in(kLang)) + u'\n';
    out += QStringLiteral(".RS\n");
    for (const CliArgument& argument : command.arguments)
        out += optionItem(QString::fromLatin1(argument.name), argument.help.in(kLang));
    for (const CliOption& option : optionsOf(command)) {
        QString spelled = QStringLiteral("--") + QString::fromLatin1(option.name);
        if (option.valueName)
            spelled += u' ' + QString::fromLatin1(option.valueName);
        out += optionItem(spelled, option.help.in(kLang));
    }
    out += QStringLiteral(".PP\nExample:\n.EX\n%1 %2\n.EE\n.RE\n")
               .arg(QString::fromLatin1(kProgramName), roff(QString::fromLatin1(command.example)));
    return out;
}

QString cliPage() {
    QString out = header(QString::fromLatin1(kProgramName),
                         QStringLiteral("read, write and convert BRELLOCK R5K27 data files and "
                                        "radios without a window"));
    out += QStringLiteral(".SH SYNOPSIS\n.B r5k27\\-cli\n.I COMMAND\n[\\fIOPTIONS\\fR] "
                          "[\\fIFILES\\fR]\n.br\n.B r5k27\\-cli\n\\fICOMMAND\\fR \\fB\\-\\-help\\fR"
                          "\n.br\n.B r5k27\\-cli\n\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n");
    out += QStringLiteral(
        ".SH DESCRIPTION\n"
        "r5k27\\-cli runs the link engine and the document code of r5k27 without windows, for "
        "scripts and shops. A data file is a pair: FILE.dat and its channel file FILE.fre. "
        "Every file is checked as the program checks it; outputs are written whole or not at "
        "all, and an output that is one of the command's inputs is refused. Messages go to "
        "standard error; with \\-\\-json a command that reports something prints one JSON "
        "object on standard output. P is a port name (ttyUSB0) or a device path.\n"
        ".PP\nCtrl+C or SIGTERM stops a radio command as closing its progress window would; "
        "the radio always gets its end request.\n");
    out += QStringLiteral(".SH COMMANDS\n");
    for (const Command& command : commands())
        if (!command.hidden)
            out += commandSection(command);
    out += QStringLiteral(".SH EXIT STATUS\n");
    for (const StatusMeaning& status : exitStatuses())
        out += optionItem(QString::number(status.status), status.meaning.in(kLang));
    out += QStringLiteral(".SH SEE ALSO\n.BR r5k27 (1)\n");
    return out;
}

QString guiPage() {
    QString out = header(QStringLiteral("r5k27"),
                         QStringLiteral("programming software for the BRELLOCK R5K27 10-metre "
                                        "transceiver"));
    out += QStringLiteral(".SH SYNOPSIS\n.B r5k27\n[\\fIFILE.dat\\fR]\n");
    out += QStringLiteral(
        ".SH DESCRIPTION\n"
        "r5k27 reads the 16 KiB memory of a BRELLOCK R5K27 over its programming cable, edits "
        "channels, groups, optional features, DTMF codes and roger\\-beep tones, keeps them in "
        "data file pairs (FILE.dat with FILE.fre) and writes them back to one radio or a batch "
        "of radios. Given FILE.dat, it opens that file at start. Help, Help topics shows the "
        "user guide, in English and Chinese.\n"
        ".SH ENVIRONMENT\n.TP\n.B R5K27_TRACE\nlog every serial byte to this file\n");
    out += QStringLiteral(".SH SEE ALSO\n.BR r5k27\\-cli (1),\nwhose commands are:\n");
    QStringList verbs;
    for (const Command& command : commands())
        if (!command.hidden)
            verbs << roff(QString::fromLatin1(command.name));
    out += verbs.join(QStringLiteral(", ")) + QStringLiteral(".\n");
    return out;
}

} // namespace

QString manPage(const QString& program) {
    if (program == QLatin1StringView(kProgramName))
        return cliPage();
    if (program == QStringLiteral("r5k27"))
        return guiPage();
    return {};
}

std::optional<QString> toolPage(const QStringList& args) {
    if (args.size() == 2 && args[0] == QStringLiteral("--man") && !manPage(args[1]).isEmpty())
        return manPage(args[1]);
    if (args == QStringList{QStringLiteral("--bash-completion")})
        return bashCompletion();
    return std::nullopt;
}

} // namespace r5k27::cli

#include "HelpText.h"

#include "core/image/VersionList.h"

namespace r5k27::cli {
namespace {

constexpr LocalText kUsage{"usage:", "用法："};
constexpr LocalText kArguments{"Arguments:", "参数："};
constexpr LocalText kOptions{"Options:", "选项："};
constexpr LocalText kExample{"Example:", "示例："};
constexpr LocalText kCommands{"Commands:", "命令："};
constexpr LocalText kExitStatus{"Exit status:", "退出状态："};
constexpr LocalText kHelpOption{"show this help", "显示本帮助"};
constexpr LocalText kMoreHelp{"'%1 %2 --help' shows the options.", "“%1 %2 --help”显示其选项。"};
constexpr LocalText kVerbHelp{"'%1 COMMAND --help' shows a command's options and an example.",
                              "“%1 命令 --help”显示该命令的选项和示例。"};
constexpr LocalText kIntro{
    "Reads, writes and converts R5K27 data files and radios without a window.",
    "不用窗口读写、转换 R5K27 数据文件和对讲机。"};
constexpr LocalText kVersionHelp{"show the program and data file versions",
                                 "显示程序和数据文件版本"};
constexpr LocalText kDataVersion{"data file version", "数据文件版本"};

QString program() {
    return QString::fromLatin1(kProgramName);
}

// "  --port P      help", the first column padded so the texts line up.
QString table(const QList<std::pair<QString, QString>>& rows) {
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    QString out;
    for (const auto& [left, right] : rows)
        out += QStringLiteral("  ") + left.leftJustified(width + 2) + right + u'\n';
    return out;
}

QString optionSpelling(const CliOption& option) {
    QString text = QStringLiteral("--") + QString::fromLatin1(option.name);
    if (option.valueName)
        text += u' ' + QString::fromLatin1(option.valueName);
    return text;
}

} // namespace

const QList<StatusMeaning>& exitStatuses() {
    static const QList<StatusMeaning> statuses{
        {kDone, {"done", "完成"}},
        {kDoneWithDifferences,
         {"done, but diff found differences, or some radios or rows failed",
          "完成，但比较发现差异，或部分对讲机或行失败"}},
        {kUsageError,
         {"usage error: unknown command or option, wrong arguments, an output that is an input",
          "用法错误：未知命令或选项、参数不符、输出与输入相同"}},
        {kFileError, {"a file could not be read, taken or written", "文件无法读取、接受或写入"}},
        {kLinkError, {"the port or the radio failed", "端口或对讲机出错"}},
        {kInterrupted, {"stopped by Ctrl+C or SIGTERM", "被 Ctrl+C 或 SIGTERM 中止"}},
    };
    return statuses;
}

QString usageLine(const Command& command) {
    QStringList parts{QString::fromLatin1(command.name)};
    for (const CliOption& option : optionsOf(command)) {
        const QString spelled =
            optionSpelling(option) + (option.repeatable ? QStringLiteral("...") : QString());
        parts << (option.required ? spelled : u'[' + spelled + u']');
    }
    for (const CliArgument& argument : command.arguments) {
        const QString name = QString::fromLatin1(argument.name);
        parts << (argument.optional ? u'[' + name + u']' : name);
    }
    return parts.join(u' ');
}

QString verbUsage(const Command& command, Language lang) {
    return kUsage.in(lang) + u' ' + program() + u' ' + usageLine(command) + u'\n' +
           kMoreHelp.in(lang).arg(program(), QString::fromLatin1(command.name)) + u'\n';
}

QString verbHelp(const Command& command, Language lang) {
    QString out = kUsage.in(lang) + u' ' + program() + u' ' + usageLine(command) + u'\n';
    out += u'\n' + command.summary.in(lang) + u'\n';
    if (!command.arguments.isEmpty()) {
        QList<std::pair<QString, QString>> rows;
        for (const CliArgument& argument : command.arguments)
            rows.append({QString::fromLatin1(argument.name), argument.help.in(lang)});
        out += u'\n' + kArguments.in(lang) + u'\n' + table(rows);
    }
    QList<std::pair<QString, QString>> rows;
    for (const CliOption& option : optionsOf(command))
        rows.append({optionSpelling(option), option.help.in(lang)});
    rows.append({QStringLiteral("-h, --help"), kHelpOption.in(lang)});
    out += u'\n' + kOptions.in(lang) + u'\n' + table(rows);
    out += u'\n' + kExample.in(lang) + u'\n' + QStringLiteral("  ") + program() + u' ' +
           QString::fromLatin1(command.example) + u'\n';
    return out;
}

QString programHelp(Language lang) {
    QString out =
        kUsage.in(lang) + u' ' + program() + QStringLiteral(" COMMAND [OPTIONS] [FILES]\n");
    out += QStringLiteral("       ") + program() + QStringLiteral(" --help | --version\n\n");
    out += kIntro.in(lang) + u'\n';
    QList<std::pair<QString, QString>> rows;
    for (const Command& command : commands())
        if (!command.hidden)
            rows.append({QString::fromLatin1(command.name), command.summary.in(lang)});
    out += u'\n' + kCommands.in(lang) + u'\n' + table(rows);
    out += u'\n' + kOptions.in(lang) + u'\n' +
           table({{QStringLiteral("-h, --help"), kHelpOption.in(lang)},
                  {QStringLiteral("--version"), kVersionHelp.in(lang)}});
    QList<std::pair<QString, QString>> statuses;
    for (const StatusMeaning& status : exitStatuses())
        statuses.append({QString::number(status.status), status.meaning.in(lang)});
    out += u'\n' + kExitStatus.in(lang) + u'\n' + table(statuses);
    out += u'\n' + kVerbHelp.in(lang).arg(program()) + u'\n';
    return out;
}

QString versionText() {
    return program() + u' ' + QStringLiteral(R5K27_VERSION) + u'\n' +
           kDataVersion.in(Language::English) + u' ' + versionDisplayForm(kDataVersionTag) +
           QStringLiteral(" (") + kDataVersionTag + QStringLiteral(")\n");
}

} // namespace r5k27::cli

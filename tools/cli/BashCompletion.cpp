#include "Command.h"
#include "ToolPages.h"

namespace r5k27::cli {
namespace {

// What a value is completed from, told by its name in the table: "FILE.dat" a data file,
// "IN.csv" a CSV file, "IMG" a radio image, "P" a serial port, "FOLDER" a folder, "FILE" any
// file; anything else (a number) nothing.
QString completionKind(const char* name) {
    const QString text = QString::fromLatin1(name);
    if (text.endsWith(QStringLiteral(".dat")))
        return QStringLiteral("dat");
    if (text.endsWith(QStringLiteral(".csv")))
        return QStringLiteral("csv");
    if (text == QStringLiteral("IMG"))
        return QStringLiteral("img");
    if (text == QStringLiteral("P"))
        return QStringLiteral("port");
    if (text == QStringLiteral("FOLDER"))
        return QStringLiteral("dir");
    if (text == QStringLiteral("FILE"))
        return QStringLiteral("any");
    return QStringLiteral("none");
}

// One case of the verb switch: its options, the options that take a value with what completes
// it, and what each argument position completes from.
QString verbCase(const Command& command) {
    QStringList options{QStringLiteral("--help")};
    QStringList values;
    for (const CliOption& option : optionsOf(command)) {
        const QString spelled = QStringLiteral("--") + QString::fromLatin1(option.name);
        options << spelled;
        if (option.valueName)
            values << spelled + u'=' + completionKind(option.valueName);
    }
    QStringList positions;
    for (const CliArgument& argument : command.arguments)
        positions << completionKind(argument.name);
    return QStringLiteral("        %1) options=\"%2\"; values=\"%3\"; positions=\"%4\" ;;\n")
        .arg(QString::fromLatin1(command.name), options.join(u' '), values.join(u' '),
             positions.join(u' '));
}

constexpr char kFunctions[] = R"sh(
# Completes cur from what kind names: files by extension, folders, the serial ports present.
_r5k27_cli_complete_kind() {
    local kind=$1 cur=$2 program=$3
    case "$kind" in
        port)
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$("$program" ports 2>/dev/null | tr '\t' '\n')" -- "$cur"))
            ;;
        dat|csv|img)
            compopt -o filenames 2>/dev/null
            local IFS=$'\n'
            COMPREPLY=($(compgen -f -X "!*.$kind" -- "$cur") $(compgen -d -- "$cur"))
            ;;
        dir)
            compopt -o filenames 2>/dev/null
            local IFS=$'\n'
            COMPREPLY=($(compgen -d -- "$cur"))
            ;;
        any)
            compopt -o filenames 2>/dev/null
            local IFS=$'\n'
            COMPREPLY=($(compgen -f -- "$cur"))
            ;;
        *) COMPREPLY=() ;;
    esac
}

_r5k27_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local program=${COMP_WORDS[0]}
    COMPREPLY=()
    if [ "$COMP_CWORD" -eq 1 ]; then
        COMPREPLY=($(compgen -W "$_r5k27_cli_verbs --help --version" -- "$cur"))
        return
    fi
    local options="" values="" positions=""
    case "${COMP_WORDS[1]}" in
)sh";

constexpr char kTail[] = R"sh(        *) return ;;
    esac
    local pair
    for pair in $values; do
        if [ "$prev" = "${pair%%=*}" ]; then
            _r5k27_cli_complete_kind "${pair#*=}" "$cur" "$program"
            return
        fi
    done
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    # The argument position: words after the verb that are neither options nor their values.
    local i=2 n=0 word
    while [ "$i" -lt "$COMP_CWORD" ]; do
        word=${COMP_WORDS[i]}
        if [[ "$word" == -* ]]; then
            [[ " $values " == *" $word="* ]] && i=$((i + 1))
        else
            n=$((n + 1))
        fi
        i=$((i + 1))
    done
    local kinds=($positions)
    _r5k27_cli_complete_kind "${kinds[n]:-none}" "$cur" "$program"
}
complete -F _r5k27_cli r5k27-cli
)sh";

} // namespace

QString bashCompletion() {
    QStringList verbs;
    QString cases;
    for (const Command& command : commands()) {
        if (command.hidden)
            continue;
        verbs << QString::fromLatin1(command.name);
        cases += verbCase(command);
    }
    return QStringLiteral("# bash completion for r5k27-cli, made from its command table by "
                          "r5k27-cli --bash-completion\n_r5k27_cli_verbs=\"") +
           verbs.join(u' ') + u'"' + QString::fromLatin1(kFunctions) + cases +
           QString::fromLatin1(kTail);
}

} // namespace r5k27::cli

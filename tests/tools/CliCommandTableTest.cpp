// The command table as users and scripts meet it: help that names every option, usage errors,
// and one clash check of every file a verb names.
#include "CliRun.h"
#include "Command.h"
#include "HelpText.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace r5k27 {
namespace {

using cli::Command;
using cli::FileRole;

struct CliResult {
    int status;
    QString out;
    QString err;
};

CliResult run(const QStringList& args) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = cli::runCli(args, "/nonexistent/R5K27/V200", outStream, errStream);
    return {status, out, err};
}

// One file or value a verb's command line names: an argument (option empty) or an option.
struct Slot {
    QString option;
    FileRole role;
    QString value;
};

bool namesAFile(FileRole role) {
    return role != FileRole::None && role != FileRole::WritesFolder;
}

bool writes(FileRole role) {
    return role == FileRole::WritesDocument || role == FileRole::WritesFile ||
           role == FileRole::AppendsFile;
}

// Every argument and every option with a value, each file its own name in dir.
QList<Slot> placesOf(const Command& command, const test::TempDir& dir) {
    QList<Slot> places;
    int n = 0;
    const auto fileName = [&](const char* name) {
        const QString shown = QString::fromLatin1(name);
        const QString suffix = shown.contains(u'.') ? shown.section(u'.', -1) : shown.toLower();
        return dir.path(QStringLiteral("f%1.%2").arg(n++).arg(suffix));
    };
    for (const cli::CliArgument& argument : command.arguments)
        places.append({{}, argument.role, fileName(argument.name)});
    for (const cli::CliOption& option : command.options) {
        if (!option.valueName)
            continue;
        const QString value = namesAFile(option.role) ? fileName(option.valueName)
                              : QLatin1StringView(option.valueName) == QLatin1StringView("P")
                                  ? dir.path("no-such-port")
                                  : QStringLiteral("1");
        places.append({QStringLiteral("--") + QLatin1StringView(option.name), option.role, value});
    }
    return places;
}

QStringList lineOf(const Command& command, const QList<Slot>& places) {
    QStringList line{QString::fromLatin1(command.name)};
    for (const Slot& slot : places) {
        if (!slot.option.isEmpty())
            line << slot.option;
        line << slot.value;
    }
    return line;
}

QMap<QString, QByteArray> contentOf(const QString& folder) {
    QMap<QString, QByteArray> content;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        content.insert(name, test::fileBytes(folder + u'/' + name));
    return content;
}

// Any output of any verb (the trace included) named as another file of the same command line
// is refused before anything is read or written: --trace A.dat of diff, --image FILE.dat of
// read, OUT.dat = IN.dat of copy, and every other pair the table allows.
TEST(CliCommandTable, EveryOutputOnAnotherFileOfTheLineIsRefusedForEveryVerb) {
    test::TempDir dir;
    int checked = 0;
    for (const Command& command : cli::commands()) {
        const QList<Slot> places = placesOf(command, dir);
        for (const Slot& slot : places)
            if (namesAFile(slot.role))
                dir.write(QFileInfo(slot.value).fileName(), "kept " + slot.value.toUtf8());
        const auto before = contentOf(dir.path());
        for (qsizetype out = 0; out < places.size(); ++out) {
            for (qsizetype other = 0; other < places.size(); ++other) {
                if (out == other || !writes(places[out].role) || !namesAFile(places[other].role))
                    continue;
                QList<Slot> clash = places;
                clash[out].value = places[other].value;
                const QStringList line = lineOf(command, clash);
                const CliResult result = run(line);
                EXPECT_EQ(result.status, cli::kUsageError) << line.join(' ').toStdString();
                EXPECT_TRUE(result.err.contains("is both an input and an output"))
                    << line.join(' ').toStdString() << ": " << result.err.toStdString();
                ++checked;
            }
        }
        EXPECT_EQ(contentOf(dir.path()), before) << command.name;
    }
    EXPECT_GE(checked, 15);
}

// A trace that is a FIFO, a link (to one or to a file) or a device would block, lose the log or
// change a file the line does not name: refused with the file named, at once, by every verb
// that traces.
TEST(CliCommandTable, TraceThatIsNoRegularFileIsRefusedAtOnce) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.path("fifo")).constData(), 0600), 0);
    ASSERT_EQ(::symlink("fifo", QFile::encodeName(dir.path("to-fifo")).constData()), 0);
    dir.write("kept.log", "kept");
    ASSERT_EQ(::symlink("kept.log", QFile::encodeName(dir.path("to-log")).constData()), 0);
    const QString report = test::runInChild([&]() -> QString {
        ::alarm(20);
        QString seen;
        for (const Command& command : cli::commands()) {
            const QList<Slot> places = placesOf(command, dir);
            for (qsizetype k = 0; k < places.size(); ++k) {
                if (places[k].role != FileRole::AppendsFile)
                    continue;
                for (const QString& trace : QStringList{dir.path("fifo"), dir.path("to-fifo"),
                                                        dir.path("to-log"), "/dev/null"}) {
                    QList<Slot> line = places;
                    line[k].value = trace;
                    QElapsedTimer clock;
                    clock.start();
                    const CliResult result = run(lineOf(command, line));
                    const QString expected = "file error.\n" + trace + ": Not a regular file\n";
                    if (result.status != cli::kFileError || result.err != expected ||
                        clock.elapsed() > 1000)
                        seen += QStringLiteral("%1 %2: %3 in %4 ms: %5; ")
                                    .arg(command.name, trace)
                                    .arg(result.status)
                                    .arg(clock.elapsed())
                                    .arg(result.err);
                }
            }
        }
        return seen;
    });
    EXPECT_EQ(report, QString());
    EXPECT_EQ(dir.read("kept.log"), "kept");
}

// Help names every option with its text in every language, so an option added without help
// fails here; the usage line, the arguments and an example of the verb are shown too.
TEST(CliCommandTable, EveryVerbsHelpNamesAllItsOptions) {
    for (const Command& command : cli::commands()) {
        SCOPED_TRACE(command.name);
        const CliResult help = run({command.name, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.startsWith("usage: r5k27-cli " + cli::usageLine(command) + "\n"));
        EXPECT_TRUE(help.out.contains("\n  r5k27-cli " + QString(command.example) + "\n"));
        EXPECT_TRUE(QString(command.example).startsWith(QString(command.name) + " "));
        EXPECT_EQ(run({"help", command.name}).out, help.out);
        for (const LocalText& text : {command.summary})
            EXPECT_FALSE(text.in(Language::English).isEmpty() || !text.texts[1]);
        for (const cli::CliArgument& argument : command.arguments) {
            EXPECT_TRUE(help.out.contains(QString("  ") + argument.name + "  ")) << argument.name;
            EXPECT_TRUE(argument.help.texts[0] && argument.help.texts[1]) << argument.name;
        }
        for (const cli::CliOption& option : cli::optionsOf(command)) {
            const QString spelled = QString("--") + option.name;
            EXPECT_TRUE(option.help.texts[0] && *option.help.texts[0] && option.help.texts[1] &&
                        *option.help.texts[1])
                << option.name;
            EXPECT_TRUE(help.out.contains(QRegularExpression(
                "\n  " + QRegularExpression::escape(spelled) + "( [A-Z]+)? +" +
                QRegularExpression::escape(option.help.in(Language::English)) + "\n")))
                << option.name;
        }
    }
}

TEST(CliCommandTable, UsageErrorsExitTwoWithTheVerbsUsage) {
    const struct {
        QStringList args;
        const char* error;
    } cases[] = {
        {{"read", "--port", "p", "--frob", "r.dat"}, "read: unknown option '--frob'\n"},
        {{"read", "--port", "p", "--group", "2", "r.dat"}, "unknown option '--group'"},
        {{"read", "--prot", "p", "r.dat"}, "unknown option '--prot'; did you mean '--port'?"},
        {{"read", "--port", "p", "--port", "q", "r.dat"}, "option --port may be given once"},
        {{"diff", "a.dat", "--port", "p", "--port", "q"}, "option --port may be given once"},
        {{"read", "r.dat"}, "option --port is required"},
        {{"copy", "a.dat"}, "expects 2 file argument(s), got 1"},
        {{"csv-import", "a.dat", "b.csv"}, "expects 3 file argument(s), got 2"},
        {{"identify", "--port", "p", "extra"}, "expects 0 file argument(s), got 1"},
        {{"read", "--port"}, "Missing value after '--port'."},
        {{"show", "--json=yes", "a.dat"}, "Unexpected value after '--json'."},
        {{"encode", "--port", "p", "a.dat", "a.img"}, "unknown option '--port'"},
        // Arguments the parser takes but the verb cannot: the reason comes first.
        {{"write", "--port", "p", "--group", "0", "w.dat"},
         "write: --group takes a whole number from 1 to 32767\n"},
        {{"write", "--port", "p", "--retries", "-1", "w.dat"}, "--retries takes a whole number"},
        {{"write", "--port", "p", "--port", "p", "w.dat"}, "write: port p is named twice\n"},
        {{"write", "--port", "p", "--port", "q", "--group", "2", "w.dat"},
         "--group needs a single --port"},
        {{"diff", "a.dat"}, "diff: expects two data files, or one with --port\n"},
        {{"diff", "a.dat", "b.dat", "--trace", "t.log"}, "--trace goes with --port only"},
        {{"history", "a.dat"}, "history: a data file goes with --extract only\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult result = run(c.args);
        EXPECT_EQ(result.status, cli::kUsageError);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains(c.error)) << result.err.toStdString();
        const Command* command = cli::findCommand(c.args[0]);
        EXPECT_TRUE(result.err.contains("usage: r5k27-cli " + cli::usageLine(*command) + "\n"))
            << result.err.toStdString();
    }
}

TEST(CliCommandTable, UnknownVerbNamesItselfAndTheNearestVerb) {
    const std::pair<QStringList, QString> cases[] = {
        {{"wirte", "a.dat"}, "r5k27-cli: unknown command 'wirte'; did you mean 'write'?\n"},
        {{"csv-imprt"}, "r5k27-cli: unknown command 'csv-imprt'; did you mean 'csv-import'?\n"},
        {{"Show"}, "r5k27-cli: unknown command 'Show'; did you mean 'show'?\n"},
        {{"frobnicate"}, "r5k27-cli: unknown command 'frobnicate'\n"},
        {{"--frob"}, "r5k27-cli: unknown option '--frob'\n"},
        {{"help", "wrte"}, "r5k27-cli: unknown command 'wrte'; did you mean 'write'?\n"},
    };
    for (const auto& [args, first] : cases) {
        const CliResult result = run(args);
        EXPECT_EQ(result.status, cli::kUsageError) << args.join(' ').toStdString();
        EXPECT_EQ(result.err, first + "'r5k27-cli --help' lists the commands.\n");
    }
    // No arguments at all: the program's help, as a usage error.
    const CliResult none = run({});
    EXPECT_EQ(none.status, cli::kUsageError);
    EXPECT_TRUE(none.err.startsWith("usage: r5k27-cli COMMAND"));
}

TEST(CliCommandTable, ProgramHelpListsTheVerbsAndVersionNamesBothVersions) {
    const CliResult help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const Command& command : cli::commands()) {
        const QString row = QString("\n  ") + command.name + " ";
        EXPECT_EQ(help.out.contains(row), !command.hidden) << command.name;
        if (!command.hidden) {
            EXPECT_TRUE(help.out.contains(command.summary.in(Language::English)));
        }
    }
    for (const cli::StatusMeaning& status : cli::exitStatuses())
        EXPECT_TRUE(help.out.contains(QString("\n  %1 ").arg(status.status)));
    const CliResult version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "r5k27-cli " R5K27_VERSION "\ndata file version V2.00 (V200)\n");
}

} // namespace
} // namespace r5k27

// r5k27-cli as a hostile script drives it: any verb with any words after it, the paths awkward
// ones inside a scratch folder (links to files outside it, a FIFO, a folder, "x/../a.dat"), a
// trace among them. Whatever the command does, no file outside the scratch folder may change.
#include "CliCommands.h"
#include "Command.h"
#include "FuzzInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTextStream>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

using namespace r5k27;

namespace {

QString base;
QString outside;
QString work;
QMap<QString, QByteArray> seed; // the scratch folder's files at the start of every run
QMap<QString, QByteArray> kept; // what lies outside
const char* const kPaths[] = {"a.dat",   "a.fre",   "b.csv",      "c.img",         "new.dat",
                              "new.img", "new.csv", "t.log",      "fifo",          "lnk.dat",
                              "lnk.fre", "lnk.log", "dirx",       "dirx/../a.dat", "./new.dat",
                              "a.dat/",  "",        "dirx/n.dat", "A.DAT",         "-"};
const char* const kWords[] = {"--port",  "--trace",   "--image", "--json", "--verify",
                              "--group", "--retries", "--help",  "--",     "--port=no-port"};

int run(const QStringList& args) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    return cli::runCli(args, QStringLiteral("/nonexistent/R5K27/V200"), outStream, errStream);
}

// Every entry below folder but the scratch folder, with its content (links not followed).
QMap<QString, QByteArray> filesUnder(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        if (entry.filePath() == work || entry.filePath().startsWith(work + u'/'))
            continue;
        QFile file(entry.filePath());
        const bool plain = entry.isFile() && !entry.isSymLink();
        files.insert(entry.filePath(), plain && file.open(QIODevice::ReadOnly)
                                           ? file.readAll()
                                           : QByteArray("<not a file>"));
    }
    return files;
}

void link(const QString& target, const QString& name) {
    if (::symlink(QFile::encodeName(target).constData(), QFile::encodeName(name).constData()))
        std::abort();
}

// The scratch folder as every run starts it.
void resetWork() {
    QDir(work).removeRecursively();
    QDir().mkpath(work + QStringLiteral("/dirx"));
    // The old working folder is gone with its files: relative paths must reach the new one.
    QDir::setCurrent(work);
    for (auto it = seed.cbegin(); it != seed.cend(); ++it) {
        QFile file(work + u'/' + it.key());
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            std::abort();
    }
    ::mkfifo(QFile::encodeName(work + QStringLiteral("/fifo")).constData(), 0600);
    link(outside + QStringLiteral("/o.dat"), work + QStringLiteral("/lnk.dat"));
    link(outside + QStringLiteral("/o.fre"), work + QStringLiteral("/lnk.fre"));
    link(outside + QStringLiteral("/o.log"), work + QStringLiteral("/lnk.log"));
}

QString word(fuzz::FuzzInput& in) {
    const std::uint8_t pick = in.byte();
    if (pick < 128)
        return QString::fromLatin1(kPaths[pick % std::size(kPaths)]);
    if (pick < 224)
        return QString::fromLatin1(kWords[pick % std::size(kWords)]);
    // A name of its own, kept inside the folder: no slash, never "..".
    QString name;
    for (int n = in.byte() % 12; n > 0; --n)
        name += QChar(u"abcdefgh.-_1"[in.byte() % 12]);
    return name == QStringLiteral("..") ? QStringLiteral("x") : name;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "fuzz_cli_args";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    base = QDir::tempPath() + QStringLiteral("/r5k27-cli-fuzz-%1").arg(::getpid());
    outside = base + QStringLiteral("/outside");
    work = base + QStringLiteral("/work");
    QDir().mkpath(outside);
    QDir().mkpath(work);
    std::atexit([] { QDir(base).removeRecursively(); });
    QDir::setCurrent(work);
    if (run({QStringLiteral("new"), QStringLiteral("a.dat")}) != 0 ||
        run({QStringLiteral("csv-export"), QStringLiteral("a.dat"), QStringLiteral("b.csv")}) !=
            0 ||
        run({QStringLiteral("encode"), QStringLiteral("a.dat"), QStringLiteral("c.img")}) != 0)
        std::abort();
    for (const QString& entry : QDir(work).entryList(QDir::Files)) {
        QFile file(work + u'/' + entry);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        seed.insert(entry, file.readAll());
    }
    for (auto it = seed.cbegin(); it != seed.cend(); ++it)
        QFile::copy(work + u'/' + it.key(),
                    outside + u'/' + QStringLiteral("o.") + it.key().section(u'.', -1));
    QFile log(outside + QStringLiteral("/o.log"));
    if (!log.open(QIODevice::WriteOnly) || log.write("outside log\n") != 12)
        std::abort();
    log.close();
    kept = filesUnder(base);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    resetWork();
    fuzz::FuzzInput in(data, size);
    const QList<cli::Command>& commands = cli::commands();
    QStringList args{QString::fromLatin1(commands[in.byte() % commands.size()].name)};
    for (int n = in.byte() % 10; n > 0 && !in.atEnd(); --n) {
        args << word(in);
        // A port is always one that cannot open, inside the folder: nothing waits on a radio.
        if (args.last() == QStringLiteral("--port"))
            args << QStringLiteral("no-port");
        else if (args.last() == QStringLiteral("--group") ||
                 args.last() == QStringLiteral("--retries"))
            args << QString::number(in.byte() % 3);
    }
    const int status = run(args);
    if (status < 0 || (status > cli::kLinkError && status != cli::kInterrupted))
        std::abort();
    if (filesUnder(base) != kept)
        std::abort();
    return 0;
}

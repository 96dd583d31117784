#include "LinkCommands.h"

#include "FileRoles.h"
#include "ImageCommands.h"
#include "LinkRun.h"
#include "MultiWriteCommand.h"
#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"
#include "platform/SerialPortList.h"

namespace r5k27::cli {
namespace {

const QString kPort = QStringLiteral("--port");
const QString kImage = QStringLiteral("--image");
const QString kGroup = QStringLiteral("--group");
const QString kRetries = QStringLiteral("--retries");
const QString kTrace = QStringLiteral("--trace");
const QString kVerify = QStringLiteral("--verify");
const QString kBackupFirst = QStringLiteral("--backup-first");

constexpr LocalText kNotWithSeveralPorts{"%1 needs a single --port",
                                         "%1 只能与一个 --port 一起使用"};
constexpr LocalText kNeedsPort{"%1 goes with --port only", "%1 只能与 --port 一起使用"};
constexpr LocalText kMissingPort{"option --port is required", "必须给出选项 --port"};
constexpr LocalText kOnePort{"option --port may be given once", "选项 --port 只能给出一次"};
// %1 the option, %2..%3 its range
constexpr LocalText kWholeNumber{"%1 takes a whole number from %2 to %3",
                                 "%1 需要 %2 到 %3 之间的整数"};

} // namespace

bool linkOptionsFit(Session& s, const CliArgs& args, const QStringList& extra, bool severalPorts) {
    const QStringList allowed = QStringList{kPort, kRetries, kTrace} + extra;
    QString why;
    // The parser took only the verb's options: one left out here is one a single port needs.
    for (auto it = args.options.cbegin(); it != args.options.cend() && why.isEmpty(); ++it)
        if (!allowed.contains(it.key()))
            why = kNotWithSeveralPorts.in(s.lang()).arg(it.key());
    if (why.isEmpty() && !args.has(kPort))
        why = args.options.isEmpty() ? kMissingPort.in(s.lang())
                                     : kNeedsPort.in(s.lang()).arg(args.options.firstKey());
    if (why.isEmpty() && !severalPorts && args.values(kPort).size() > 1)
        why = kOnePort.in(s.lang());
    std::optional<int> retries;
    if (why.isEmpty() && args.has(kRetries) &&
        !(retries = parseCount(args.value(kRetries), 0, 1'000'000)))
        why = kWholeNumber.in(s.lang()).arg(kRetries).arg(0).arg(1'000'000);
    if (!why.isEmpty()) {
        s.wrongArguments(why);
        return false;
    }
    if (retries)
        s.prompter.setRetries(*retries);
    return true;
}

namespace {

// The trace file is an output too: it must not land on the command's files.
FileRoles& withTrace(FileRoles& roles, const CliArgs& args) {
    return args.has(kTrace) ? roles.writes(args.value(kTrace)) : roles;
}

} // namespace

int identifyRadio(Session& s, const CliArgs& args) {
    if (!args.files.isEmpty() || !linkOptionsFit(s, args, {}))
        return -1;
    LinkRun run(s);
    const auto identified = run.run({.kind = RadioJobKind::Identify,
                                     .port = args.value(kPort),
                                     .tracePath = args.value(kTrace)});
    if (!identified)
        return 1;
    if (run.interrupted())
        return kInterrupted;
    if (!identified->outcome.success)
        return 1;
    const LinkFrames::RadioIdentity& identity = identified->outcome.identity;
    s.out << "model: " << identity.model << '\n' << "firmware: " << identity.firmware << '\n';
    return 0;
}

int readRadio(Session& s, const CliArgs& args) {
    if (args.files.size() != 1 || !linkOptionsFit(s, args, {kImage}))
        return -1;
    FileRoles roles;
    roles.writesDocument(args.files[0]);
    if (args.has(kImage))
        roles.writes(args.value(kImage));
    if (!outputsAreSeparate(s, withTrace(roles, args)))
        return kFilesRefused;
    // The read lands on the document the program starts with, as a read in the program does.
    newDocumentAtStart(s.doc, s.settings, s.programFolder);
    LinkRun run(s);
    const auto read = run.run(
        {.kind = RadioJobKind::Read, .port = args.value(kPort), .tracePath = args.value(kTrace)});
    if (!read)
        return 1;
    if (run.interrupted())
        return kInterrupted;
    if (!read->outcome.success)
        return 1;
    takeReadDocument(s, *read);
    // The document and the raw image are one result: both are written or neither.
    QList<FileOutput> alsoWrite;
    if (args.has(kImage))
        alsoWrite.append({args.value(kImage), read->outcome.image});
    return saveDataFile(s.files, args.files[0], alsoWrite) ? 0 : 1;
}

int writeRadio(Session& s, const CliArgs& args) {
    if (args.values(kPort).size() > 1)
        return writeRadios(s, args);
    if (args.files.size() != 1 || !linkOptionsFit(s, args, {kGroup, kVerify, kBackupFirst}))
        return -1;
    std::optional<int> groupSize;
    if (args.has(kGroup) && !(groupSize = parseCount(args.value(kGroup), 1, 32767)))
        return s.wrongArguments(kWholeNumber.in(s.lang()).arg(kGroup).arg(1).arg(32767));
    FileRoles roles;
    if (const int status =
            openDocumentFor(s, withTrace(roles.readsDocument(args.files[0]), args), args.files[0]))
        return status;
    LinkRun run(s);
    // --backup-first: the radio is read in the same job and what it held kept in the history
    // before anything is written; a radio that cannot be read is not written.
    const auto written =
        run.run({.kind = groupSize ? RadioJobKind::GroupWrite : RadioJobKind::Write,
                 .port = args.value(kPort),
                 .tracePath = args.value(kTrace),
                 .groupSize = groupSize.value_or(1),
                 .verify = args.has(kVerify),
                 .readFirst = args.has(kBackupFirst)});
    if (!written)
        return 1;
    if (run.interrupted())
        return kInterrupted;
    return written->written() ? 0 : 1;
}

} // namespace r5k27::cli

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

} // namespace

bool linkOptionsFit(Session& s, const CliArgs& args, const QStringList& extra, bool severalPorts) {
    if (!args.has(kPort) || !args.onlyOptions(QStringList{kPort, kRetries, kTrace} + extra))
        return false;
    if (!severalPorts && args.values(kPort).size() > 1)
        return false;
    if (args.has(kRetries)) {
        const auto retries = parseCount(args.value(kRetries), 0, 1'000'000);
        if (!retries)
            return false;
        s.prompter.setRetries(*retries);
    }
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
        return kInterruptedStatus;
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
        return kInterruptedStatus;
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
        return -1;
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
        return kInterruptedStatus;
    return written->written() ? 0 : 1;
}

} // namespace r5k27::cli

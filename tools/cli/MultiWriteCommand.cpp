#include "MultiWriteCommand.h"

#include "FileRoles.h"
#include "ImageCommands.h"
#include "LinkCommands.h"
#include "LinkRun.h"
#include "ProgressLine.h"
#include "platform/StopSignals.h"
#include "radio/LinkBackups.h"
#include "radio/MultiPortWrite.h"

#include <QEventLoop>

namespace r5k27::cli {
namespace {

const QString kPort = QStringLiteral("--port");
const QString kTrace = QStringLiteral("--trace");

constexpr LocalText kPortTwice{"port %1 is named twice", "端口 %1 重复给出"};

// The percentages of every port on one line, and the time the slowest needs, when standard
// error is a terminal.
void showProgress(Session& s, const MultiPortWrite& write, ProgressLine& line) {
    QStringList parts;
    int slowest = 100;
    for (const PortRow& row : write.rows()) {
        parts << row.port + u' ' + QString::number(row.percent) + u'%';
        if (row.state != PortState::Waiting && row.state != PortState::Written &&
            row.state != PortState::Failed)
            slowest = std::min(slowest, row.percent);
    }
    parts << line.timeLeft(slowest);
    // Spaces at the end cover what a longer line before left.
    s.err << '\r' << parts.join(QStringLiteral("  ")) << QStringLiteral("        ");
    s.err.flush();
}

} // namespace

int writeRadios(Session& s, const CliArgs& args) {
    if (args.files.size() != 1 ||
        !linkOptionsFit(s, args, {QStringLiteral("--verify"), QStringLiteral("--backup-first")},
                        /*severalPorts=*/true))
        return -1;
    const QStringList ports = args.values(kPort);
    for (const QString& port : ports)
        if (ports.count(port) > 1)
            return s.wrongArguments(kPortTwice.in(s.lang()).arg(port));
    // The trace file is an output too: it must not land on the document.
    FileRoles roles;
    roles.readsDocument(args.files[0]);
    if (args.has(kTrace))
        roles.writes(args.value(kTrace));
    if (const int status = openDocumentFor(s, roles, args.files[0]))
        return status;
    // A document the radio cannot hold is refused before any port is touched.
    if (!encodedDocument(s))
        return 1;

    // Stops as a plain write does: each port finishes or stops cleanly, a second signal at once.
    StopSignals stopSignals;
    LinkBackups backups(LinkBackups::defaultFolder());
    MultiPortWrite write(s.settings, s.versions, s.prompter);
    write.setBackups(&backups);
    write.setListener(&s.history);
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &stopSignals, [&] {
        if (stopSignals.count() > 1) {
            write.stopNow();
            return;
        }
        write.stop();
        if (write.isRunning())
            tellStopPending(s);
    });
    write.setVerify(args.has(QStringLiteral("--verify")));
    write.setReadFirst(args.has(QStringLiteral("--backup-first")));
    write.setTraceFile(args.value(kTrace));
    bool progressShown = false;
    ProgressLine progressLine;
    s.prompter.setBeforeMessage([&] {
        if (std::exchange(progressShown, false))
            s.err << '\n';
    });
    write.setRowChanged([&](int) {
        s.report.portRowsChanged(write.rows());
        if (!s.showProgress)
            return;
        showProgress(s, write, progressLine);
        progressShown = true;
    });
    QEventLoop loop;
    write.setAllDone([&loop] { loop.quit(); });
    if (!write.start(ports, s.doc)) {
        s.prompter.setBeforeMessage({});
        s.fail(DataFileTexts::fileError.in(s.lang()));
        return 1;
    }
    if (write.isRunning())
        loop.exec();
    s.prompter.setBeforeMessage({});
    if (progressShown)
        s.err << '\n';

    for (const QString& line : portOutcomeLines(write, s.lang()))
        s.out << line << '\n';
    if (stopSignals.count() > 0)
        return kInterrupted;
    return write.writtenCount() == write.rows().size() ? 0 : 1;
}

} // namespace r5k27::cli

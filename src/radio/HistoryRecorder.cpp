#include "HistoryRecorder.h"

#include "core/link/LinkMessages.h"
#include "platform/SerialPortList.h"

namespace r5k27 {

namespace {

std::optional<OperationKind> kindOf(const RadioOperation& operation) {
    switch (operation.kind) {
    case RadioJobKind::Read:
        return OperationKind::Read;
    case RadioJobKind::CompareRead:
        return OperationKind::Compare;
    case RadioJobKind::Write:
        return operation.severalPorts ? OperationKind::SeveralWrite : OperationKind::Write;
    case RadioJobKind::GroupWrite:
        return OperationKind::GroupWrite;
    case RadioJobKind::Identify:
    case RadioJobKind::RadioInfo:
        break;
    }
    return std::nullopt;
}

} // namespace

HistoryRecorder::HistoryRecorder(HistoryLog* log, DocumentName documentName, CableLookup cable)
    : log_(log)
    , documentName_(std::move(documentName))
    , cable_(std::move(cable)) {}

CableInfo HistoryRecorder::usbCableOf(const QString& port) {
    const auto entry = findSerialPort(port);
    return entry ? CableInfo{entry->product, entry->serial} : CableInfo{};
}

void HistoryRecorder::operationStarted(const RadioOperation& operation) {
    const auto kind = kindOf(operation);
    if (!kind || !log_)
        return;
    const CableInfo cable = cable_ ? cable_(operation.port) : CableInfo{};
    OperationStart start;
    start.kind = *kind;
    start.radioNumber = operation.kind == RadioJobKind::GroupWrite ? 1 : 0;
    start.port = operation.port;
    start.cableProduct = cable.product;
    start.cableSerial = cable.serial;
    start.document = !operation.documentName.isEmpty() ? operation.documentName
                     : documentName_                   ? documentName_()
                                                       : QString();
    // A write that reads first is begun once its read is kept; ended before that, it is
    // recorded whole.
    running_.insert(operation.port, operation.readFirst
                                        ? OperationTicket{0, start, QDateTime::currentDateTimeUtc()}
                                        : log_->begin(start));
}

bool HistoryRecorder::priorContentsRead(const RadioOperation& operation,
                                        const PriorContents& prior) {
    const auto ticket = running_.find(operation.port);
    if (!log_ || ticket == running_.end())
        return false;
    OperationStart start = ticket->start;
    start.kind = OperationKind::ReadBeforeWrite;
    start.radioNumber = 0;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const bool kept = log_->record(start,
                                   {.outcome = Outcome::Done,
                                    .model = prior.identity.model,
                                    .firmware = prior.identity.firmware,
                                    .image = prior.image},
                                   prior.started.isValid() ? prior.started : now, now)
                          .has_value();
    if (kept && ticket->id == 0)
        *ticket = log_->begin(ticket->start);
    return kept;
}

void HistoryRecorder::operationEnded(const RadioOperation& operation,
                                     const RadioJobResult& result) {
    const auto ticket = running_.constFind(operation.port);
    if (ticket == running_.constEnd() || !log_)
        return;
    OperationTicket ended = *ticket;
    running_.erase(ticket);
    // A group write is one run of the engine; the row names the last radio it reached.
    if (operation.kind == RadioJobKind::GroupWrite)
        ended.start.radioNumber = std::max(1, result.outcome.radiosDone);
    log_->end(ended, historyEnd(operation, result));
}

OperationEnd historyEnd(const RadioOperation& operation, const RadioJobResult& result) {
    const LinkOutcome& outcome = result.outcome;
    OperationEnd end;
    end.model = outcome.identity.model;
    end.firmware =
        outcome.identity.firmware.isEmpty() ? result.firmware : outcome.identity.firmware;
    // A read that failed brought no whole image; a write keeps what was sent, whatever happened.
    end.image = operation.image;
    if (!outcome.verifyFailures.isEmpty()) {
        end.outcome = Outcome::VerifyMismatch;
        end.message = outcome.verifyFailures.first();
    } else if (result.stopped) {
        end.outcome = Outcome::Cancelled;
    } else if (outcome.success) {
        end.outcome = Outcome::Done;
    } else {
        end.outcome = Outcome::Failed;
        end.message = outcomeNotices(outcome, Language::English).join(QLatin1Char('\n'));
    }
    return end;
}

} // namespace r5k27

#pragma once

#include "core/document/Document.h"
#include "core/link/FieldReports.h"
#include "core/link/LinkEvents.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace r5k27 {

// The radio operations a person can start, from a window or the command line.
enum class RadioJobKind { Read, CompareRead, Write, GroupWrite, Identify, RadioInfo };

constexpr bool writesRadio(RadioJobKind kind) {
    return kind == RadioJobKind::Write || kind == RadioJobKind::GroupWrite;
}

struct RadioJobRequest {
    RadioJobKind kind = RadioJobKind::Read;
    QString port = {};
    // Serial traffic is traced into this file as well (empty: only where R5K27_TRACE says).
    QString tracePath = {};
    // Group write: the most radios to write one after another.
    int groupSize = 1;
    // Writes: each radio is read back and compared before it counts as written.
    bool verify = false;
    // A write that is one of several cables run together.
    bool severalPorts = false;
    // Writes: each radio is read first and what it held handed to the listener to keep.
    bool readFirst = false;
    // A write of a stored radio memory (16384 bytes), sent as it is instead of the document.
    QByteArray image = {};
    // The file name an operation is known by, when it is not the open document's.
    QString documentName = {};
};

// One operation as a record of radio operations would keep it: what was asked, on which port,
// and the image that went to the radio (writes) or came from it (reads, once ended).
struct RadioOperation {
    RadioJobKind kind = RadioJobKind::Read;
    QString port = {};
    QByteArray image;
    bool severalPorts = false;
    bool readFirst = false;
    // Empty: the open document's.
    QString documentName = {};
};

// What a write that reads first found on a radio before writing it.
struct PriorContents {
    QByteArray image;
    LinkFrames::RadioIdentity identity;
    QDateTime started;
};

enum class ProgressPhase { Transfer, Verifying, ReadingFirst };

struct RadioJobResult {
    LinkOutcome outcome;
    // A person or a stop signal ended it, not the radio or an answer to a question.
    bool stopped = false;
    // The last question asked before the end, and the firmware it named.
    std::optional<LinkQuestion> lastQuestion;
    QString firmware;
    // A successful read decoded onto the document the job was given, and the values the
    // radio held outside their range that the decode replaced.
    Document document;
    QList<ReadReplacement> replaced;
    // Lines of the serial trace could not be written (a full disk, a device that takes nothing).
    bool traceLost = false;

    bool written() const {
        return outcome.success && outcome.op == LinkOp::Write && outcome.verifyFailures.isEmpty();
    }
};

// What a progress display hears of a running job. Everything is optional.
class RadioJobObserver {
public:
    virtual ~RadioJobObserver() = default;
    // Percent of the transfer, or of the read-back that verifies a write (from 0 again).
    virtual void progress(ProgressPhase /*phase*/, int /*percent*/) {}
    virtual void radioCompleted(int /*radiosDone*/) {}
    // The display (single or group) closes before any message of the end.
    virtual void closeProgress() {}
    // Last call; the port is closed and the job may be started again.
    virtual void finished(const RadioJobResult& /*result*/) {}
};

// Hears where every radio operation starts and ends, whichever window or command ran it: the
// place to log them.
class RadioJobListener {
public:
    virtual ~RadioJobListener() = default;
    // The port is open and the first request is about to go out.
    virtual void operationStarted(const RadioOperation& operation) = 0;
    // The operation is over: identity, outcome and, for a read, the image are in result.
    virtual void operationEnded(const RadioOperation& operation, const RadioJobResult& result) = 0;
    // A write that reads first read the radio it is about to write. True when what the radio
    // held is kept; otherwise the person is asked whether to write anyway.
    virtual bool priorContentsRead(const RadioOperation& /*operation*/,
                                   const PriorContents& /*prior*/) {
        return false;
    }
};

} // namespace r5k27

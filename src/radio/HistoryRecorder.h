#pragma once

#include "RadioJobEvents.h"
#include "history/HistoryLog.h"

#include <QHash>
#include <functional>

namespace r5k27 {

// The USB cable a port belongs to, where the system tells.
struct CableInfo {
    QString product;
    QString serial;
};

// Keeps every radio operation a job runs in the radio history: the row as it starts, and its
// outcome, identity and image as it ends. Jobs on several ports may run at once; each port has
// its own operation on the way. Identify and radio information change nothing and are not kept.
// What a write that reads first found on the radio is kept as a read before writing, listed
// before the write it preceded.
class HistoryRecorder : public RadioJobListener {
public:
    // The document's file name as an operation starts (empty: none).
    using DocumentName = std::function<QString()>;
    using CableLookup = std::function<CableInfo(const QString& port)>;

    // Null log: nothing is kept until one is set.
    explicit HistoryRecorder(HistoryLog* log = nullptr, DocumentName documentName = {},
                             CableLookup cable = &usbCableOf);

    void setLog(HistoryLog* log) { log_ = log; }

    void operationStarted(const RadioOperation& operation) override;
    void operationEnded(const RadioOperation& operation, const RadioJobResult& result) override;
    bool priorContentsRead(const RadioOperation& operation, const PriorContents& prior) override;

    // The system's port list: product and serial number of a USB cable.
    static CableInfo usbCableOf(const QString& port);

private:
    HistoryLog* log_;
    DocumentName documentName_;
    CableLookup cable_;
    QHash<QString, OperationTicket> running_;
};

// How an ended job reads in the history: outcome, message, identity and image.
OperationEnd historyEnd(const RadioOperation& operation, const RadioJobResult& result);

} // namespace r5k27

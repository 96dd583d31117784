#pragma once

#include "core/document/ChannelCsv.h"
#include "core/document/DocumentDiff.h"
#include "core/link/LinkEvents.h"
#include "platform/SerialPortList.h"
#include "radio/MultiPortWrite.h"

#include <QElapsedTimer>
#include <QList>
#include <optional>

namespace r5k27::cli {

// What a command did, noted as it goes so the verb's --json report can be made at the end
// without the verb's own code printing it twice.
struct CommandReport {
    CommandReport() { clock.start(); }

    QElapsedTimer clock;
    // Every radio operation that ended, in order; a port that would not open leaves none.
    QList<LinkOutcome> linkOutcomes;
    bool portFailed = false;
    // A write to several ports: each row as it ended, and when.
    QList<PortRow> portRows;
    QList<qint64> portEndMs;
    std::optional<QList<FieldDifference>> differences;
    std::optional<CsvImportResult> csvImport;
    QList<SerialPortEntry> ports;

    void linkEnded(const LinkOutcome& outcome) { linkOutcomes.append(outcome); }
    // Called whenever a row of a several-port write changes; remembers when each one ended.
    void portRowsChanged(const QList<PortRow>& rows);
    // The radio or its port failed: a port did not open, an operation ended unsuccessfully or a
    // cable of a several-port write wrote nothing.
    bool linkFailed() const;
    // Something was written, but not every radio holds what was sent.
    bool someRadiosFailed() const;
};

} // namespace r5k27::cli

#include "CommandReport.h"

namespace r5k27::cli {

void CommandReport::portRowsChanged(const QList<PortRow>& rows) {
    portEndMs.resize(rows.size(), -1);
    for (qsizetype k = 0; k < rows.size(); ++k) {
        const bool ended =
            rows[k].state == PortState::Written || rows[k].state == PortState::Failed;
        if (ended && portEndMs[k] < 0)
            portEndMs[k] = clock.elapsed();
    }
    portRows = rows;
}

bool CommandReport::linkFailed() const {
    if (portFailed)
        return true;
    for (const LinkOutcome& outcome : linkOutcomes)
        if (!outcome.success)
            return true;
    for (const PortRow& row : portRows)
        if (row.state != PortState::Written)
            return true;
    return false;
}

bool CommandReport::someRadiosFailed() const {
    qsizetype written = 0;
    for (const PortRow& row : portRows)
        written += row.state == PortState::Written ? 1 : 0;
    if (written > 0 && written < portRows.size())
        return true;
    for (const LinkOutcome& outcome : linkOutcomes)
        if ((outcome.success && !outcome.verifyFailures.isEmpty()) ||
            (!outcome.success && outcome.radiosDone > 0))
            return true;
    return false;
}

} // namespace r5k27::cli

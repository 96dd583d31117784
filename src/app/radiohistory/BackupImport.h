#pragma once

#include "core/common/AppSettings.h"
#include "history/HistoryLog.h"
#include "radio/LinkBackups.h"

namespace r5k27 {

struct BackupImportResult {
    int imported = 0;
    int skipped = 0;       // sets whose files could not be read
    bool finished = false; // every set looked at; not tried again at the next start
};

// Brings the sets of the backup folder into the history once: a read set as a read with its
// radio image, a set kept before a write as a write of the document it held. The files stay
// where they are. A set already in the history is not added twice, so an import cut short
// simply runs again at the next start.
BackupImportResult importBackupSets(HistoryLog& log, const LinkBackups& backups,
                                    const AppSettings& settings);

} // namespace r5k27

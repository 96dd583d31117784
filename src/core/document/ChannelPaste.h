#pragma once

#include "ChannelCsv.h"
#include "core/channels/ChannelTable.h"

#include <QList>
#include <QString>

namespace r5k27 {

struct MemoryImage;

// A pasted line that was not taken, and the channel it was meant for (channel number 0 when the
// lines ran past the last channel offered).
struct PasteRefusal {
    ChannelKey key;
    CsvProblem problem; // its row counts the pasted text's lines from 1
};

struct ChannelPasteResult {
    int taken = 0;
    QList<PasteRefusal> refused;
};

// Puts the rows of a pasted table onto targets, line i of the data onto targets[i], under the
// rules of a channel list import. A header line names the columns; text without one is read in
// the columns a copy gives, or as frequencies alone when each line holds one cell. Rows with
// only a Frequency column change only the frequency. A row without a frequency empties its
// channel. No channel but the targets changes; a full row drops its own references to DTMF
// codes and roger-beep sequences that do not exist.
ChannelPasteResult pasteChannelRows(const QString& text, const QList<ChannelKey>& targets,
                                    MemoryImage& image, ChTable& table);

} // namespace r5k27

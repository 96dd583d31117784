#pragma once

#include <QString>

namespace r5k27 {

class ChTable;
struct ChannelRec;
struct MemoryImage;

// The text of DTMF code n (1..16), empty for an unused code or a number outside 1..16.
QString dtmfCodeText(const MemoryImage& image, int n);
// Stores an edited code: its clean text followed by one NUL, blank-padded.
void storeDtmfCode(MemoryImage& image, int n, const QString& text);

// True when code n holds a text. Rewrites the code as its bare text, blank-padded, which
// leaves its meaning unchanged.
bool dtmfCodeUsed(MemoryImage& image, int n);
// n when it names a code in use, else 0.
int validDtmfCode(MemoryImage& image, int n);
// Sets the DTMF references of one channel (BOT, EOT, Call) that name no code in use to 0;
// nothing else changes, the codes included.
void dropMissingDtmfCodes(const MemoryImage& image, ChannelRec& rec);
// Sets every DTMF reference (BOT, EOT and Call of each used channel and of the public
// parameters) that does not name a code in use to 0.
void setDtmfList(MemoryImage& image, ChTable& table);

} // namespace r5k27

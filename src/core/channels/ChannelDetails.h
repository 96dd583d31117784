#pragma once

#include "lang/Language.h"

#include <QStringList>

namespace r5k27 {

struct ChannelRec;
struct MemoryImage;

// The sixteen option lists shown for one channel, by their position in the detail panel.
constexpr int kDetailCount = 16;
constexpr int kDetailPublic = 9;
constexpr int kDetailRoger = 11;
constexpr int kDetailMode = 12;
constexpr int kDetailFirstDtmf = 13; // BOT, EOT and Call follow each other
constexpr int kDetailLastDtmf = 15;

BiText detailCaption(int index);
// The choices of a list in the user's language. The mode list leaves PA out in the "MEM" view;
// the roger and DTMF lists offer only sequences and codes that exist.
QStringList detailList(int index, const MemoryImage& image, int lang, bool memView);
// The position the list shows for the channel; lists that hold no channel value show their
// first entry.
int detailShownIndex(int index, const ChannelRec& rec, const QStringList& list);
// Stores the choice at position into the channel; false for the lists that store nothing.
bool storeDetail(int index, ChannelRec& rec, const QStringList& list, int position);
// Lists the radio ignores on a public channel; they are greyed while "Public" is on.
bool isGreyedWhenPublic(int index);

} // namespace r5k27

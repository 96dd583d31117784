#pragma once

#include "core/channels/ChannelFields.h"
#include "core/lang/Language.h"

#include <QStringList>
#include <optional>

namespace r5k27 {

struct ChannelRec;
struct MemoryImage;

// The sixteen option lists shown for one channel, by their position in the detail panel. Two
// of them ("QT/DQT Enc" and the second "TSQ") have no setting in the radio behind them.
constexpr int kDetailCount = 16;
constexpr int kDetailPublic = 9;
constexpr int kDetailRoger = 11;
constexpr int kDetailMode = 12;
constexpr int kDetailFirstDtmf = 13; // BOT, EOT and Call follow each other
constexpr int kDetailLastDtmf = 15;

// The field a list shows; nothing for the two lists without a setting.
std::optional<ChannelField> detailField(int index);
LocalText detailCaption(int index);
// The list that shows a field; -1 for a field no list shows.
int detailIndexOf(ChannelField field);
// The choices of a list in the user's language. The mode list leaves PA out in the "MEM" view;
// the roger and DTMF lists offer only sequences and codes that exist.
QStringList detailList(int index, const MemoryImage& image, Language lang, bool memView);

// What a list shows for one channel. A stored value the list has no entry for (a memory
// channel in PA, a sequence that was emptied) is added after the offered entries as itself.
struct DetailChoices {
    QStringList entries;
    int shown = -1;
    int offered = 0; // entries before the stored value's own
};
DetailChoices detailChoices(int index, const ChannelRec& rec, const MemoryImage& image,
                            Language lang, bool memView);
// The value the entry at position stands for; nothing for the stored value's own entry and for
// the lists without a setting.
std::optional<int> detailValue(int index, const DetailChoices& choices, int position);
// Lists the radio ignores on a public channel; they are greyed while "Public" is on.
bool isGreyedWhenPublic(int index);
// What a list holds and, for those greyed on a public channel, why; empty for the lists
// without a setting.
QString detailHint(int index, Language lang);

} // namespace r5k27

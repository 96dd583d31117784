#pragma once

#include <QString>
#include <cstdint>

namespace r5k27 {

// Channels 1..40 show as their number, 41..46 as "M1".."M6"; the group does not matter.
QString getChName(int chId, int group = 0);
// "M3" gives 43, "7" gives 7, anything else 0.
std::int16_t getChId(const QString& chName);

// A channel as lists and messages name it: "A12", "HF B3", and "A M1" so that a memory channel
// does not run into its group letter.
QString channelLabel(int mode, int group, int chNo);

// "A".."J" are groups 1..10, "MEM" is 11; anything else 0.
int groupNumberFromText(const QString& text);
// 2..10 give "B".."J", 11 "MEM", every other number "A".
QString groupTextFromNumber(int group);

} // namespace r5k27

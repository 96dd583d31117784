#pragma once

#include "core/channels/ChannelTable.h"
#include "core/common/Prompter.h"
#include "core/lang/Language.h"

#include <QList>
#include <QString>
#include <optional>

namespace r5k27 {

struct MemoryImage;

// A stored frequency that is text but no number ("28A305", from a file or a damaged list) is
// kept, counted, saved and written as it is: the radio gets the channel without a frequency. So
// it is shown as stored, marked, and named before a write.

// The stored text of such a frequency; nothing for a number, blanks or the no-frequency mark.
std::optional<QString> textFrequencyOf(const ChannelRec& rec);
// "A12: the stored frequency "28A305" is not a number; the radio gets this channel without a
// frequency."
QString textFrequencyHint(const ChannelKey& key, const QString& stored, Language lang);
// Every used channel whose stored frequency is such text, in mode, group, channel order.
QList<ChannelKey> channelsWithTextFrequency(const MemoryImage& image, const ChTable& table);
// Before a write: names those channels and asks whether to write anyway. True when there are
// none or the answer is Yes.
bool confirmTextFrequencies(const MemoryImage& image, const ChTable& table, Prompter& prompter,
                            Language lang);

} // namespace r5k27

#pragma once

#include "RadioSlots.h"
#include "core/channels/ChannelRec.h"

#include <optional>

namespace r5k27 {

// One channel's 16-byte block in the radio, at byte offset block of the image.
void encodeChannelBlock(SlotWriter& w, int block, const ChannelRec& r, const FieldPlace& at);

// The receive frequency text of a block (8 digits), or nothing when a nibble is no digit (an
// erased block holds no frequency).
std::optional<QString> blockRxFreq(const QByteArray& buf, int block);

// The channel at.channel as a new channel starts, then the block's fields; a tone number in no
// tone list is read as no tone and noted.
ChannelRec decodeChannelBlock(const QByteArray& buf, int block, const QString& rxFreq,
                              const FieldPlace& at, QList<ReadReplacement>& replaced);

} // namespace r5k27

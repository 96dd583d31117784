#pragma once

#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelTable.h"

namespace r5k27 {

struct MemoryImage;

// Whether a channel may take the value: within its list, a mode that is switched on (never PA
// on a memory channel), a reference to a sequence or code that exists.
bool isAllowedChannelValue(const MemoryImage& image, const ChannelKey& key, ChannelField field,
                           int value);

} // namespace r5k27

#pragma once

#include "core/image/FieldSlots.h"

#include <span>

namespace r5k27 {

// A value of every work mode (0..1) and group (1..10): the group-valid switches and the channel
// references of a group.
struct GroupField {
    const char* name;
    GroupAccess at;
    FileSlot file;   // of (mode 0, group 1); the 20 values follow with the mode varying fastest
    RadioSlot radio; // of (mode 0, group 1)
    int modeStride;  // radio bytes from one mode to the next
    int groupStride; // radio bytes from one group to the next
    int bitStride;   // radio bits from one group to the next (bitmaps)
    int minValue;    // a reference may also be 0, no channel
    int maxValue;
    int newValue;
};

// In data-file order.
std::span<const GroupField> groupFields();

// The radio place of one mode and group.
RadioSlot radioSlotOf(const GroupField& field, int mode, int group);

} // namespace r5k27

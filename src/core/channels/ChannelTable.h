#pragma once

#include "ChannelRec.h"
#include "Frequency.h"

#include <QString>
#include <array>
#include <cstddef>
#include <optional>

namespace r5k27 {

struct MemoryImage;

// Every channel record of both work modes, indexed by mode 0..1, group 1..10 and slot 1..46.
// Only slots 1..ChCount(mode, group) of MemoryImage are in use; the rest are leftovers.
class ChTable {
public:
    ChannelRec& at(const SlotKey& key) { return recs_[index(key)]; }
    const ChannelRec& at(const SlotKey& key) const { return recs_[index(key)]; }
    bool operator==(const ChTable&) const = default;

private:
    static std::size_t index(const SlotKey& k) {
        return std::size_t(((k.group - 1) * kSlotCount + (k.slot - 1)) * kModeCount + k.mode);
    }
    std::array<ChannelRec, std::size_t(kModeCount* kSlotCount* kGroupCount)> recs_{};
};

// True for a work mode 0..1 and a group 1..10, the only places channels live.
bool isEditableGroup(int mode, int group);
// ChCount of the group, limited to 0..46 so a damaged count never indexes outside the table.
int usedSlots(const MemoryImage& image, int mode, int group);
// Calls fn(SlotKey) for every slot in use, both work modes, every group.
template <class Fn> void forEachUsedSlot(const MemoryImage& image, Fn fn) {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int slot = 1; slot <= usedSlots(image, mode, group); ++slot)
                fn(SlotKey{mode, group, slot});
}

// The slot (1..ChCount) holding the channel, or 0.
int findChannel(const MemoryImage& image, const ChTable& table, const ChannelKey& key);
// Appends the channel as a new-channel record in the next free slot. Nothing happens when the
// group already holds it or is full.
void addChannel(MemoryImage& image, ChTable& table, const ChannelKey& key, const QString& freqText);
// Removes the record of slot 1..ChCount; later slots move down, keeping their order.
void deleteChannel(MemoryImage& image, ChTable& table, const SlotKey& at);
// Stores a frequency as the channel's receive and transmit frequency: the radio has only one.
void setChannelFrequency(ChannelRec& rec, const Frequency& frequency);

// What a frequency given to a channel did.
enum class EntryEffect { Unchanged, Added, Changed, Deleted, GroupSwitchedOff, KeptLastChannel };

// The whole effect of a checked frequency given to a channel, or of an emptied entry (nothing):
// add, change or delete the channel and repair the group's references. A frequency equal to
// the shown one changes nothing. The last ordinary channel of the last valid group is never
// deleted; the last one of any other group switches the group off instead.
EntryEffect enterFrequency(MemoryImage& image, ChTable& table, const ChannelKey& key,
                           const std::optional<Frequency>& frequency);

// Used records with a channel number 1..40.
int countOrdinaryChannels(const MemoryImage& image, const ChTable& table, int mode, int group);
// The same over every valid group of the key's work mode (A..J for CB, A..I for HF), leaving out
// the key's own record.
int countOtherOrdinaryChannels(const MemoryImage& image, const ChTable& table,
                               const ChannelKey& key);
// Replaces the mode of every used record of both work modes by an enabled one.
void normalizeAllModes(const MemoryImage& image, ChTable& table);

} // namespace r5k27

#include "ChannelTable.h"

#include "ChannelFields.h"
#include "FrequencyCodec.h"
#include "GroupCheck.h"
#include "GroupSettings.h"
#include "ModeCodec.h"
#include "ToneCodec.h"
#include "core/common/DocumentEvents.h"
#include "core/image/MemoryImage.h"

#include <algorithm>

namespace r5k27 {
namespace {

constexpr int kLastHFGroup = 9; // HF group "J" cannot be edited and takes no part in counts

bool isOrdinary(int chNo) {
    return chNo >= 1 && chNo <= kOrdinaryChannels;
}

EntryEffect clearChannel(MemoryImage& image, ChTable& table, const ChannelKey& key, int slot) {
    const auto deleteAndCheck = [&] {
        deleteChannel(image, table, slot, key.mode, key.group);
        groupCheck(image, table, key.mode, key.group);
    };
    if (!isOrdinary(key.chNo) || countOrdinaryChannels(image, table, key.mode, key.group) >= 2) {
        deleteAndCheck();
        return EntryEffect::Deleted;
    }
    // The group's last ordinary channel: it goes only if another valid group keeps one.
    if (countOtherOrdinaryChannels(image, table, key.mode, key.group, key.chNo) == 0)
        return EntryEffect::KeptLastChannel;
    image.optFeat.groupValid(key.mode, key.group) = 0;
    repairWorkGroup(image, key.mode);
    deleteAndCheck();
    return EntryEffect::GroupSwitchedOff;
}

} // namespace

bool isEditableGroup(int mode, int group) {
    return mode >= 0 && mode < kModeCount && group >= 1 && group <= kGroupCount;
}

int usedSlots(const MemoryImage& image, int mode, int group) {
    if (!isEditableGroup(mode, group))
        return 0;
    return std::clamp<int>(image.chCount(mode, group), 0, kSlotCount);
}

int findChannel(const MemoryImage& image, const ChTable& table, int mode, int group, int chNo) {
    const int used = usedSlots(image, mode, group);
    for (int slot = 1; slot <= used; ++slot) {
        if (table.at(mode, slot, group).chNo == chNo)
            return slot;
    }
    return 0;
}

void addChannel(MemoryImage& image, ChTable& table, int chNo, int mode, int group,
                const QString& freqText) {
    const int used = usedSlots(image, mode, group);
    if (!isEditableGroup(mode, group) || used >= kSlotCount ||
        findChannel(image, table, mode, group, chNo) != 0)
        return;
    const QString stored = freqTextToStored(freqText, bandLimitsOf(image.workMode));
    ChannelRec& rec = table.at(mode, used + 1, group);
    fillNewChannel(rec, chNo, stored);
    // FM may be switched off: a new channel must not hold a mode the radio cannot use.
    rec.mode = normalizeMode(rec.mode, image.optFeat.modeEnable);
    image.chCount(mode, group) = std::int16_t(used + 1);
}

void deleteChannel(MemoryImage& image, ChTable& table, int slot, int mode, int group) {
    const int used = usedSlots(image, mode, group);
    if (slot < 1 || slot > used)
        return;
    for (int s = slot; s < used; ++s)
        table.at(mode, s, group) = table.at(mode, s + 1, group);
    image.chCount(mode, group) = std::int16_t(used - 1);
}

void setChannelFrequency(ChannelRec& rec, const Frequency& frequency) {
    rec.rxFreq.assign(frequency.storedDigits());
    rec.txFreq = rec.rxFreq;
}

EntryEffect enterFrequency(MemoryImage& image, ChTable& table, const ChannelKey& key,
                           const std::optional<Frequency>& frequency) {
    if (!isEditableGroup(key.mode, key.group) || key.chNo < 1 || key.chNo > kSlotCount)
        return EntryEffect::Unchanged;
    const int slot = findChannel(image, table, key.mode, key.group, key.chNo);
    if (!frequency)
        return slot == 0 ? EntryEffect::Unchanged : clearChannel(image, table, key, slot);
    if (slot == 0) {
        const int before = usedSlots(image, key.mode, key.group);
        addChannel(image, table, key.chNo, key.mode, key.group, frequency->text());
        if (usedSlots(image, key.mode, key.group) == before)
            return EntryEffect::Unchanged;
        groupCheck(image, table, key.mode, key.group);
        return EntryEffect::Added;
    }
    ChannelRec& rec = table.at(key.mode, slot, key.group);
    const auto stored = Frequency::fromStored(rec.rxFreq.raw());
    if (stored && stored->shownValue() == frequency->shownValue())
        return EntryEffect::Unchanged;
    setChannelFrequency(rec, *frequency);
    return EntryEffect::Changed;
}

int countOrdinaryChannels(const MemoryImage& image, const ChTable& table, int mode, int group) {
    int count = 0;
    const int used = usedSlots(image, mode, group);
    for (int slot = 1; slot <= used; ++slot)
        count += isOrdinary(table.at(mode, slot, group).chNo) ? 1 : 0;
    return count;
}

int countOtherOrdinaryChannels(const MemoryImage& image, const ChTable& table, int mode, int group,
                               int chNo) {
    if (mode < 0 || mode >= kModeCount)
        return 0;
    const int lastGroup = mode == 0 ? kGroupCount : kLastHFGroup;
    int count = 0;
    for (int g = 1; g <= lastGroup; ++g) {
        if (image.optFeat.groupValid(mode, g) != 1)
            continue;
        const int used = usedSlots(image, mode, g);
        for (int slot = 1; slot <= used; ++slot) {
            const int no = table.at(mode, slot, g).chNo;
            if (isOrdinary(no) && !(g == group && no == chNo))
                ++count;
        }
    }
    return count;
}

void normalizeAllModes(const MemoryImage& image, ChTable& table) {
    forEachUsedSlot(image, [&](int mode, int slot, int group) {
        ChannelRec& rec = table.at(mode, slot, group);
        rec.mode = normalizeMode(rec.mode, image.optFeat.modeEnable);
    });
}

} // namespace r5k27

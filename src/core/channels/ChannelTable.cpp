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
        deleteChannel(image, table, {key.mode, key.group, slot});
        groupCheck(image, table, key.mode, key.group);
    };
    if (!isOrdinary(key.chNo) || countOrdinaryChannels(image, table, key.mode, key.group) >= 2) {
        deleteAndCheck();
        return EntryEffect::Deleted;
    }
    // The group's last ordinary channel: it goes only if another valid group keeps one.
    if (countOtherOrdinaryChannels(image, table, key) == 0)
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

int findChannel(const MemoryImage& image, const ChTable& table, const ChannelKey& key) {
    const int used = usedSlots(image, key.mode, key.group);
    for (int slot = 1; slot <= used; ++slot) {
        if (table.at({key.mode, key.group, slot}).chNo == key.chNo)
            return slot;
    }
    return 0;
}

void addChannel(MemoryImage& image, ChTable& table, const ChannelKey& key,
                const QString& freqText) {
    const int used = usedSlots(image, key.mode, key.group);
    if (!isEditableGroup(key.mode, key.group) || used >= kSlotCount ||
        findChannel(image, table, key) != 0)
        return;
    const QString stored = freqTextToStored(freqText, bandLimitsOf(image.workMode));
    ChannelRec& rec = table.at({key.mode, key.group, used + 1});
    fillNewChannel(rec, key.chNo, stored);
    // FM may be switched off: a new channel must not hold a mode the radio cannot use.
    rec.mode = normalizeMode(rec.mode, image.optFeat.modeEnable);
    image.chCount(key.mode, key.group) = std::int16_t(used + 1);
}

void deleteChannel(MemoryImage& image, ChTable& table, const SlotKey& at) {
    const int used = usedSlots(image, at.mode, at.group);
    if (at.slot < 1 || at.slot > used)
        return;
    for (int s = at.slot; s < used; ++s)
        table.at({at.mode, at.group, s}) = table.at({at.mode, at.group, s + 1});
    image.chCount(at.mode, at.group) = std::int16_t(used - 1);
}

void setChannelFrequency(ChannelRec& rec, const Frequency& frequency) {
    rec.rxFreq.assign(frequency.storedDigits());
    rec.txFreq = rec.rxFreq;
}

EntryEffect enterFrequency(MemoryImage& image, ChTable& table, const ChannelKey& key,
                           const std::optional<Frequency>& frequency) {
    if (!isEditableGroup(key.mode, key.group) || key.chNo < 1 || key.chNo > kSlotCount)
        return EntryEffect::Unchanged;
    const int slot = findChannel(image, table, key);
    if (!frequency)
        return slot == 0 ? EntryEffect::Unchanged : clearChannel(image, table, key, slot);
    if (slot == 0) {
        const int before = usedSlots(image, key.mode, key.group);
        addChannel(image, table, key, frequency->text());
        if (usedSlots(image, key.mode, key.group) == before)
            return EntryEffect::Unchanged;
        groupCheck(image, table, key.mode, key.group);
        return EntryEffect::Added;
    }
    ChannelRec& rec = table.at({key.mode, key.group, slot});
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
        count += isOrdinary(table.at({mode, group, slot}).chNo) ? 1 : 0;
    return count;
}

int countOtherOrdinaryChannels(const MemoryImage& image, const ChTable& table,
                               const ChannelKey& key) {
    const auto [mode, group, chNo] = key;
    if (mode < 0 || mode >= kModeCount)
        return 0;
    const int lastGroup = mode == 0 ? kGroupCount : kLastHFGroup;
    int count = 0;
    for (int g = 1; g <= lastGroup; ++g) {
        if (image.optFeat.groupValid(mode, g) != 1)
            continue;
        const int used = usedSlots(image, mode, g);
        for (int slot = 1; slot <= used; ++slot) {
            const int no = table.at({mode, g, slot}).chNo;
            if (isOrdinary(no) && !(g == group && no == chNo))
                ++count;
        }
    }
    return count;
}

void normalizeAllModes(const MemoryImage& image, ChTable& table) {
    forEachUsedSlot(image, [&](const SlotKey& slot) {
        ChannelRec& rec = table.at(slot);
        rec.mode = normalizeMode(rec.mode, image.optFeat.modeEnable);
    });
}

} // namespace r5k27

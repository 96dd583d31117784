#include "ChannelTable.h"

#include "FrequencyCodec.h"
#include "GroupSettings.h"
#include "ModeCodec.h"
#include "ToneCodec.h"
#include "common/DocumentEvents.h"
#include "common/NumericText.h"
#include "image/MemoryImage.h"
#include "options/GroupCheck.h"

#include <algorithm>

namespace r5k27 {
namespace {

constexpr int kMemRows = 6;
constexpr int kLastHFGroup = 9; // HF group "J" cannot be edited and takes no part in counts

void fillNewChannel(ChannelRec& rec, int chNo, const QString& stored) {
    // Spare1/Spare2 keep whatever the slot held before.
    rec.chNo = std::int16_t(chNo);
    rec.chFlag = 1;
    rec.scanAdd = 1;
    rec.rxFreq.assign(stored);
    rec.txFreq.assign(stored);
    rec.decodeTone = kNewChannelTone;
    rec.encodeTone = kNewChannelTone;
    rec.mode = 0;
    rec.hiCut = 0;
    rec.nbAnl = 1;
    rec.echo = 0;
    rec.add10K = 0;
    rec.busyLock = 0;
    rec.rogerTone = 0;
    rec.repShift = 0;
    rec.publicCh = 0;
    rec.botCode = 0;
    rec.eotCode = 0;
    rec.callCode = 0;
}

bool isOrdinary(int chNo) {
    return chNo >= 1 && chNo <= kOrdinaryChannels;
}

void deleteAndCheck(MemoryImage& image, ChTable& table, int slot, int mode, int group,
                    DocumentEvents* events) {
    deleteChannel(image, table, slot, mode, group);
    groupCheck(image, table, mode, group, events);
}

void commitToGroup(MemoryImage& image, ChTable& table, int mode, int group, int chNo,
                   const QString& text, DocumentEvents* events) {
    const int slot = findChannel(image, table, mode, group, chNo);
    if (slot == 0) {
        if (!text.isEmpty()) {
            addChannel(image, table, chNo, mode, group, text);
            groupCheck(image, table, mode, group, events);
        }
        return;
    }
    if (!text.isEmpty()) {
        setChannelRxFreq(table.at(mode, slot, group), text);
        return;
    }
    if (!isOrdinary(chNo) || countOrdinaryChannels(image, table, mode, group) >= 2) {
        deleteAndCheck(image, table, slot, mode, group, events);
        return;
    }
    // The group's last ordinary channel: it goes only if another valid group keeps one.
    if (countOtherOrdinaryChannels(image, table, mode, group, chNo) > 0) {
        image.optFeat.groupValid(mode, group) = 0;
        repairWorkGroup(image, mode);
        deleteAndCheck(image, table, slot, mode, group, events);
    }
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
    fillNewChannel(table.at(mode, used + 1, group), chNo, stored);
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

void setChannelRxFreq(ChannelRec& rec, const QString& freqText) {
    if (!isNumericText(freqText))
        return;
    // Numeric text never needs the band's substitute, so any limits give the same digits.
    rec.rxFreq.assign(freqTextToStored(freqText, BandLimits{}));
}

void commitFrequencyEntry(MemoryImage& image, ChTable& table, int row, const QString& text,
                          const MessageTarget& messages, DocumentEvents* events) {
    const int mode = image.workMode == 0 ? 0 : 1;
    const int group = image.curGroup[std::size_t(mode)];
    const bool memView = group == kMemGroup;
    if (!(memView || isEditableGroup(mode, group)) || row < 1 ||
        row > (memView ? kMemRows : kOrdinaryChannels))
        return;

    QString entry = text;
    if (!entry.isEmpty())
        entry = formatFrequencyEntry(entry, bandLimitsOf(image.workMode), false, messages);

    if (memView)
        commitToGroup(image, table, mode, 1, row + kOrdinaryChannels, entry, events);
    else
        commitToGroup(image, table, mode, group, row, entry, events);
    if (events)
        emit events->channelRowChanged(mode, group, row);
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

void normalizeAllModes(const MemoryImage& image, ChTable& table, DocumentEvents* events) {
    forEachUsedSlot(image, [&](int mode, int slot, int group) {
        ChannelRec& rec = table.at(mode, slot, group);
        rec.mode = normalizeMode(rec.mode, image.optFeat.modeEnable);
    });
    if (events)
        emit events->modesNormalized();
}

} // namespace r5k27

#include "GroupSettings.h"

#include "BandLimits.h"
#include "ChannelNames.h"
#include "ChannelTable.h"
#include "DefaultChannels.h"
#include "GroupCheck.h"
#include "core/common/AppSettings.h"
#include "core/image/MemoryImage.h"

namespace r5k27 {
namespace {

constexpr int kLastHFGroup = 9;

bool inUse(const MemoryImage& image, int mode, int group) {
    return image.optFeat.groupValid(mode, group) == 1;
}

} // namespace

int lastGroupOfMode(int mode) {
    return mode == 0 ? kGroupCount : kLastHFGroup;
}

QStringList groupViewList(int mode) {
    QStringList list;
    for (int group = 1; group <= lastGroupOfMode(mode); ++group)
        list << groupTextFromNumber(group);
    list << groupTextFromNumber(kMemGroup);
    return list;
}

QStringList workGroupList(const MemoryImage& image, int mode) {
    QStringList list;
    if (mode < 0 || mode >= kModeCount)
        return list;
    for (int group = 1; group <= lastGroupOfMode(mode); ++group) {
        if (inUse(image, mode, group))
            list << groupTextFromNumber(group);
    }
    return list;
}

QStringList ordinaryChannelNames(const MemoryImage& image, const ChTable& table, int mode,
                                 int group) {
    QStringList names;
    const int used = usedSlots(image, mode, group);
    for (int slot = 1; slot <= used; ++slot) {
        const int chNo = table.at({mode, group, slot}).chNo;
        if (chNo >= 1 && chNo <= kOrdinaryChannels)
            names << getChName(chNo, group);
    }
    return names;
}

void setWorkMode(MemoryImage& image, int mode) {
    image.workMode = std::int16_t(mode == 0 ? 0 : 1);
}

void repairWorkGroup(MemoryImage& image, int mode) {
    if (mode < 0 || mode >= kModeCount)
        return;
    std::int16_t& workGroup = image.optFeat.workGroup[std::size_t(mode)];
    if (workGroup >= 1 && workGroup <= lastGroupOfMode(mode) && inUse(image, mode, workGroup))
        return;
    for (int group = 1; group <= lastGroupOfMode(mode); ++group) {
        if (inUse(image, mode, group)) {
            workGroup = std::int16_t(group);
            return;
        }
    }
}

bool setGroupValid(MemoryImage& image, ChTable& table, int mode, int group, bool on) {
    if (!isEditableGroup(mode, group))
        return false;
    if (!on) {
        bool otherInUse = false;
        for (int g = 1; g <= lastGroupOfMode(mode); ++g)
            otherInUse = otherInUse || (g != group && inUse(image, mode, g));
        if (!otherInUse)
            return false;
    }
    image.optFeat.groupValid(mode, group) = on ? 1 : 0;
    if (on && countOrdinaryChannels(image, table, mode, group) == 0) {
        resetGroupFirstChannel(image, table, mode, group);
        // The group's references were emptied with its last channel; let them name channel 1.
        groupCheck(image, table, mode, group);
    }
    repairWorkGroup(image, mode);
    return true;
}

void setGroupName(MemoryImage& image, int mode, int group, const QString& text) {
    if (isEditableGroup(mode, group))
        image.optFeat.groupName(mode, group).assign(text);
}

} // namespace r5k27

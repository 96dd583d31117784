#include "ModifiedCheck.h"

#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelTable.h"
#include "core/options/GroupFields.h"
#include "core/options/OptionValues.h"

namespace r5k27 {
namespace {

// The working record that corresponds to a saved one: the same slot when its number matches,
// else the first used slot with that number.
const ChannelRec* matchingRecord(const ChTable& table, int mode, int group, int used, int slot,
                                 std::int16_t chNo) {
    if (slot <= used && table.at({mode, group, slot}).chNo == chNo)
        return &table.at({mode, group, slot});
    for (int s = 1; s <= used; ++s)
        if (table.at({mode, group, s}).chNo == chNo)
            return &table.at({mode, group, s});
    return nullptr;
}

bool channelsDiffer(const MemoryImage& image, const ChTable& table, const MemoryImage& saved,
                    const ChTable& savedTable) {
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (int group = 1; group <= kGroupCount; ++group) {
            if (image.chCount(mode, group) != saved.chCount(mode, group))
                return true;
            const int used = usedSlots(saved, mode, group);
            for (int slot = 1; slot <= used; ++slot) {
                const ChannelRec& old = savedTable.at({mode, group, slot});
                const ChannelRec* now = matchingRecord(table, mode, group, used, slot, old.chNo);
                if (!now || !sameComparedFields(*now, old))
                    return true;
            }
        }
    }
    return false;
}

bool radioInfoDiffers(const RadioInfoRec& a, const RadioInfoRec& b) {
    return a.modelCode != b.modelCode || a.softVer != b.softVer || a.makeDate != b.makeDate ||
           a.modelCode2 != b.modelCode2 || a.modelLetter != b.modelLetter ||
           a.modeFlag2 != b.modeFlag2 || a.modelNo != b.modelNo || a.modeFlag != b.modeFlag;
}

// Texts the user types are compared as shown: cut at the first NUL, trailing blanks removed.
template <std::size_t N> QString typedText(const FixedText<N>& text) {
    return cutAtNulTrimmed(text.raw());
}

// The option values and group arrays that their tables mark as compared, the group names and
// the DTMF codes.
bool optionsDiffer(const MemoryImage& a, const MemoryImage& b) {
    for (const GroupField& field : groupFields())
        for (int mode = 0; mode < kModeCount; ++mode)
            for (int group = 1; group <= kGroupCount; ++group)
                if (field.at(a, mode, group) != field.at(b, mode, group))
                    return true;
    for (const OptionInfo& option : allOptions())
        if (option.compared && option.access(a).get() != option.access(b).get())
            return true;
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            if (typedText(a.optFeat.groupName(mode, group)) !=
                typedText(b.optFeat.groupName(mode, group)))
                return true;
    for (int n = 1; n <= kDtmfCodeCount; ++n)
        if (typedText(a.optFeat.dtmf(n)) != typedText(b.optFeat.dtmf(n)))
            return true;
    return false;
}

} // namespace

bool isModified(const Document& doc) {
    const MemoryImage& image = doc.curImage;
    const MemoryImage& saved = doc.fileImage;
    return channelsDiffer(image, doc.chTable, saved, doc.fileChTable) ||
           radioInfoDiffers(image.radioInfo, saved.radioInfo) || optionsDiffer(image, saved) ||
           image.extTable != saved.extTable || image.rbTone != saved.rbTone;
}

} // namespace r5k27

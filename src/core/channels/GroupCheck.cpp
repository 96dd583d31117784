#include "GroupCheck.h"

#include "ChannelRec.h"
#include "ChannelTable.h"
#include "core/common/DocumentEvents.h"
#include "core/image/MemoryImage.h"

namespace r5k27 {
namespace {

bool isMemoryChannel(int chNo) {
    return chNo > kOrdinaryChannels;
}

void repair(std::int16_t& ref, const MemoryImage& image, const ChTable& table, int mode,
            int group) {
    std::int16_t firstOfKind = 0;
    bool sawKind = false;
    const int used = usedSlots(image, mode, group);
    for (int slot = 1; slot <= used; ++slot) {
        const std::int16_t chNo = table.at({mode, group, slot}).chNo;
        if (chNo == ref)
            return;
        if (!sawKind && isMemoryChannel(chNo) == isMemoryChannel(ref)) {
            firstOfKind = chNo;
            sawKind = true;
        }
    }
    ref = firstOfKind;
}

} // namespace

void groupCheck(MemoryImage& image, const ChTable& table, int mode, int group) {
    if (!isEditableGroup(mode, group))
        return;
    OptFeatRec& opt = image.optFeat;
    for (std::int16_t* ref :
         {&opt.emergencyCh(mode, group, 0), &opt.emergencyCh(mode, group, 1),
          &opt.workCh(mode, group), &opt.dwCh(mode, group, 0), &opt.dwCh(mode, group, 1)})
        repair(*ref, image, table, mode, group);
}

} // namespace r5k27

#include "RogerTones.h"

#include "core/channels/ChannelTable.h"
#include "core/common/DocumentEvents.h"
#include "core/image/MemoryImage.h"

#include <algorithm>

namespace r5k27 {

bool isPlayable(const ToneSeq& seq) {
    return seq.repeatCount >= 1 && std::any_of(seq.steps.begin(), seq.steps.end(),
                                               [](const ToneStep& s) { return s.durCode > 0; });
}

int validRogerTone(const MemoryImage& image, int t) {
    return t >= 1 && t <= kToneSeqCount && isPlayable(image.rbTone.tone(t)) ? t : 0;
}

int countValidRogerTones(const MemoryImage& image) {
    return int(std::count_if(image.rbTone.seqs.begin(), image.rbTone.seqs.end(), isPlayable));
}

void recheckRogerTones(MemoryImage& image, ChTable& table) {
    forEachUsedSlot(image, [&](const SlotKey& slot) {
        ChannelRec& rec = table.at(slot);
        rec.rogerTone = std::int16_t(validRogerTone(image, rec.rogerTone));
    });
    image.optFeat.pubRogerTone = std::int16_t(validRogerTone(image, image.optFeat.pubRogerTone));
}

} // namespace r5k27

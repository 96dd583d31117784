#include "ToneEditing.h"

#include "RogerTones.h"
#include "core/image/MemoryImage.h"

#include <algorithm>

namespace r5k27 {
namespace {

bool wouldLoseLastPlayable(const MemoryImage& image) {
    return countValidRogerTones(image) == 1;
}

} // namespace

bool setRepeatCount(MemoryImage& image, int t, int count) {
    ToneSeq& seq = image.rbTone.tone(t);
    if (count != seq.repeatCount && count == 0 && wouldLoseLastPlayable(image))
        return false;
    seq.repeatCount = std::int16_t(count);
    return true;
}

bool setStepLength(MemoryImage& image, int t, int step, int durCode) {
    ToneSeq& seq = image.rbTone.tone(t);
    ToneStep& target = seq.steps[std::size_t(step - 1)];
    if (durCode != target.durCode && wouldLoseLastPlayable(image)) {
        ToneSeq after = seq;
        after.steps[std::size_t(step - 1)].durCode = std::int16_t(durCode);
        if (std::all_of(after.steps.begin(), after.steps.end(),
                        [](const ToneStep& s) { return s.durCode == 0; }))
            return false;
    }
    target.durCode = std::int16_t(durCode);
    return true;
}

} // namespace r5k27

#include "ToneEditing.h"

#include "RogerTones.h"
#include "core/image/MemoryImage.h"

#include <algorithm>
#include <cmath>

namespace r5k27 {
namespace {

constexpr int kMaxCode = 255;
constexpr int kMargin = 50;

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

QList<ToneBox> toneBoxes(const ToneSeq& seq, int width, int height) {
    const int w = width - 2 * kMargin;
    const int h = height - 2 * kMargin;
    int total = 0;
    for (const ToneStep& step : seq.steps)
        total += std::max<int>(step.durCode, 0);
    QList<ToneBox> boxes;
    if (total < 1)
        return boxes;
    int x = kMargin;
    const int bottom = height - kMargin;
    for (int s = 1; s <= int(seq.steps.size()); ++s) {
        const ToneStep& step = seq.steps[std::size_t(s - 1)];
        if (step.durCode <= 0)
            continue;
        const int boxWidth = int(std::lround(double(step.durCode) * w / total));
        const int boxHeight =
            int(std::lround(double(std::clamp<int>(step.freqCode, 0, kMaxCode)) * h / 256));
        boxes << ToneBox{QRect(x, bottom - boxHeight, boxWidth, boxHeight), s};
        x += boxWidth;
    }
    return boxes;
}

} // namespace r5k27

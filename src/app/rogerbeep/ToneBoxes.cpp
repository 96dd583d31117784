#include "ToneBoxes.h"

#include <algorithm>
#include <cmath>

namespace r5k27 {
namespace {

constexpr int kMaxCode = 255;
constexpr int kMargin = 50;

} // namespace

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

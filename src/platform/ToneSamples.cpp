#include "ToneSamples.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace r5k27 {
namespace {

// Loud enough to hear, with room below full scale for devices that clip early.
constexpr float kAmplitude = 0.5f;

qsizetype samplesOfMs(qint64 ms, int rate) {
    return qsizetype((ms * rate + 500) / 1000);
}

} // namespace

ToneSamples::ToneSamples(QList<PlayStep> plan, int sampleRate)
    : plan_(std::move(plan))
    , rate_(std::max(sampleRate, 1)) {
    qint64 elapsedMs = 0;
    starts_ << 0;
    for (const PlayStep& step : plan_) {
        elapsedMs += std::max(step.durationMs, 0);
        starts_ << samplesOfMs(elapsedMs, rate_);
    }
    total_ = starts_.last();
}

float ToneSamples::sampleAt(qsizetype step, qsizetype offset) const {
    const PlayStep& s = plan_[step];
    if (s.frequencyHz <= 0)
        return 0.0f;
    const qsizetype length = starts_[step + 1] - starts_[step];
    const qsizetype fade = std::min(samplesOfMs(kFadeMs, rate_), length / 2);
    const qsizetype edge = std::min(offset, length - offset);
    const double gain = fade > 0 && edge < fade ? double(edge) / double(fade) : 1.0;
    const double phase = 2.0 * std::numbers::pi * s.frequencyHz * double(offset) / rate_;
    return float(kAmplitude * gain * std::sin(phase));
}

qsizetype ToneSamples::render(std::span<float> out) {
    qsizetype written = 0;
    while (written < qsizetype(out.size()) && position_ < total_) {
        while (position_ >= starts_[step_ + 1])
            ++step_;
        out[std::size_t(written++)] = sampleAt(step_, position_ - starts_[step_]);
        ++position_;
    }
    return written;
}

} // namespace r5k27

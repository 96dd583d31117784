#pragma once

#include "core/signalling/TonePlayback.h"

#include <QList>
#include <span>

namespace r5k27 {

// Renders a playback plan as mono samples in -1..1, one stretch at a time, so a sound device can
// pull as much as it needs. Each tone is a sine that fades in and out over a few milliseconds so
// steps do not click; every step lasts its length to the sample (step boundaries are rounded
// from the running total, so no error builds up over a long sequence).
class ToneSamples {
public:
    static constexpr int kFadeMs = 3;

    ToneSamples(QList<PlayStep> plan, int sampleRate);

    // Fills out from where the last call stopped; returns how many samples it wrote, fewer than
    // asked only at the end.
    qsizetype render(std::span<float> out);
    qsizetype totalSamples() const { return total_; }
    qsizetype position() const { return position_; }
    bool atEnd() const { return position_ >= total_; }
    // The first sample of step i (i = plan size gives the end).
    qsizetype stepStart(qsizetype i) const { return starts_[i]; }

private:
    float sampleAt(qsizetype step, qsizetype offset) const;

    QList<PlayStep> plan_;
    int rate_;
    QList<qsizetype> starts_;
    qsizetype total_ = 0;
    qsizetype position_ = 0;
    qsizetype step_ = 0;
};

} // namespace r5k27

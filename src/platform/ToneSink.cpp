#include "ToneSink.h"

#include "ToneSamples.h"

#include <QElapsedTimer>
#include <QTimer>

namespace r5k27 {

class NullToneSink::Playback {
public:
    explicit Playback(const QList<PlayStep>& plan)
        : samples(plan, kSampleRate) {
        clock.start();
    }
    ToneSamples samples;
    QElapsedTimer clock;
    QTimer timer;
};

NullToneSink::NullToneSink(QObject* parent)
    : ToneSink(parent) {}

NullToneSink::~NullToneSink() = default;

bool NullToneSink::isPlaying() const {
    return playback_ && playback_->timer.isActive();
}

void NullToneSink::setAvailable(bool available) {
    available_ = available;
    emit availabilityChanged(available);
    if (!available)
        stop();
}

void NullToneSink::play(const QList<PlayStep>& plan) {
    stop();
    played_ << plan;
    playback_ = std::make_unique<Playback>(plan);
    playback_->timer.setInterval(5);
    connect(&playback_->timer, &QTimer::timeout, this, &NullToneSink::pull);
    playback_->timer.start();
}

void NullToneSink::pull() {
    // Takes what a device would have played by now, as a device pulls its buffer.
    const qsizetype due = playback_->clock.elapsed() * kSampleRate / 1000;
    std::vector<float> buffer(
        std::size_t(std::max<qsizetype>(due - playback_->samples.position(), 0)));
    playback_->samples.render(buffer);
    if (playback_->samples.atEnd()) {
        playback_->timer.stop();
        emit finished();
    }
}

void NullToneSink::stop() {
    if (!isPlaying())
        return;
    playback_->timer.stop();
    emit finished();
}

qint64 NullToneSink::playedMs() const {
    return playback_ ? playback_->samples.position() * 1000 / kSampleRate : 0;
}

} // namespace r5k27

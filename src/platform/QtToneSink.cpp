#include "QtToneSink.h"

#include "ToneSamples.h"

#include <QAudioSink>
#include <QIODevice>
#include <cstring>
#include <utility>
#include <vector>

namespace r5k27 {

// The samples of a plan in the device's own sample format and channel count, made as the
// device reads them.
class ToneStream : public QIODevice {
public:
    ToneStream(const QList<PlayStep>& plan, const QAudioFormat& format)
        : samples_(plan, format.sampleRate())
        , format_(format) {}

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return (samples_.totalSamples() - samples_.position()) * format_.bytesPerFrame() +
               QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const int frameBytes = format_.bytesPerFrame();
        if (frameBytes <= 0)
            return 0;
        buffer_.resize(std::size_t(maxSize / frameBytes));
        const qsizetype frames = samples_.render(buffer_);
        char* out = data;
        for (qsizetype i = 0; i < frames; ++i) {
            for (int c = 0; c < format_.channelCount(); ++c)
                out = put(out, buffer_[std::size_t(i)]);
        }
        return out - data;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    template <typename T> static char* store(char* out, T value) {
        std::memcpy(out, &value, sizeof value);
        return out + sizeof value;
    }
    char* put(char* out, float v) const {
        switch (format_.sampleFormat()) {
        case QAudioFormat::UInt8:
            return store(out, quint8(128 + int(v * 127.0f)));
        case QAudioFormat::Int16:
            return store(out, qint16(v * 32767.0f));
        case QAudioFormat::Int32:
            return store(out, qint32(double(v) * 2147483647.0));
        case QAudioFormat::Float:
            return store(out, v);
        default:
            return out + format_.bytesPerSample();
        }
    }

    ToneSamples samples_;
    QAudioFormat format_;
    std::vector<float> buffer_;
};

QtToneSink::QtToneSink(QObject* parent)
    : ToneSink(parent) {
    connect(&devices_, &QMediaDevices::audioOutputsChanged, this, &QtToneSink::onOutputsChanged);
}

QtToneSink::~QtToneSink() {
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
    }
}

bool QtToneSink::isAvailable() const {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void QtToneSink::play(const QList<PlayStep>& plan) {
    stop();
    device_ = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = device_.preferredFormat();
    if (device_.isNull() || !format.isValid()) {
        emit finished();
        return;
    }
    sink_ = new QAudioSink(device_, format, this);
    auto* stream = new ToneStream(plan, format);
    stream->setParent(sink_);
    stream->open(QIODevice::ReadOnly);
    connect(sink_, &QAudioSink::stateChanged, this, &QtToneSink::onStateChanged);
    sink_->start(stream);
}

void QtToneSink::stop() {
    if (sink_)
        finish();
}

void QtToneSink::onStateChanged() {
    if (!sink_)
        return;
    // Idle: every sample has been played. Stopped with an error: the device failed or went away.
    const QAudio::State state = sink_->state();
    if (state == QAudio::IdleState ||
        (state == QAudio::StoppedState && sink_->error() != QAudio::NoError))
        finish();
}

void QtToneSink::onOutputsChanged() {
    if (sink_ && !QMediaDevices::audioOutputs().contains(device_))
        finish();
    emit availabilityChanged(isAvailable());
}

void QtToneSink::finish() {
    QAudioSink* sink = std::exchange(sink_, nullptr);
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
    emit finished();
}

} // namespace r5k27

#include "QtToneSink.h"

#include <QAudioSink>
#include <QIODevice>
#include <cstring>
#include <utility>
#include <vector>

namespace r5k27 {
namespace {

// Keeps the device's buffer topped up well before it runs dry.
constexpr int kFeedIntervalMs = 10;
constexpr int kBufferMs = 200;
// The system mixer holds more than the sink's own buffer and drops it when the sink stops: a
// silent tail takes that loss instead of the last tone.
constexpr int kSilentTailMs = 150;
constexpr int kDrainMarginMs = 20;

template <typename T> char* store(char* out, T value) {
    std::memcpy(out, &value, sizeof value);
    return out + sizeof value;
}

// One sample in the device's own sample format.
char* putSample(char* out, float v, const QAudioFormat& format) {
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
        return store(out, quint8(128 + int(v * 127.0f)));
    case QAudioFormat::Int16:
        return store(out, qint16(v * 32767.0f));
    case QAudioFormat::Int32:
        return store(out, qint32(double(v) * 2147483647.0));
    case QAudioFormat::Float:
        return store(out, v);
    default:
        return out + format.bytesPerSample();
    }
}

} // namespace

QtToneSink::QtToneSink(QObject* parent)
    : ToneSink(parent) {
    connect(&devices_, &QMediaDevices::audioOutputsChanged, this, &QtToneSink::onOutputsChanged);
    feedTimer_.setInterval(kFeedIntervalMs);
    connect(&feedTimer_, &QTimer::timeout, this, &QtToneSink::feed);
    drainTimer_.setSingleShot(true);
    connect(&drainTimer_, &QTimer::timeout, this, &QtToneSink::finish);
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
    format_ = device_.preferredFormat();
    if (device_.isNull() || !format_.isValid() || format_.bytesPerFrame() <= 0) {
        emit finished();
        return;
    }
    samples_ = std::make_unique<ToneSamples>(plan + QList<PlayStep>{{0, kSilentTailMs}},
                                             format_.sampleRate());
    sink_ = new QAudioSink(device_, format_, this);
    connect(sink_, &QAudioSink::stateChanged, this, &QtToneSink::onStateChanged);
    // Enough to ride out a busy window for a while, small enough that Play sounds at once.
    sink_->setBufferSize(format_.bytesForDuration(kBufferMs * 1000));
    // Pushed rather than pulled: the first samples go out with the start itself. A pulled
    // stream on some systems drops whatever it reads before the device has started.
    input_ = sink_->start();
    if (!input_) {
        finish();
        return;
    }
    feed();
    feedTimer_.start();
}

void QtToneSink::feed() {
    if (!sink_ || !samples_)
        return;
    const int frameBytes = format_.bytesPerFrame();
    if (samples_->atEnd()) {
        // Everything went out; the device still sounds what it holds.
        if (!drainTimer_.isActive()) {
            const qsizetype held = sink_->bufferSize() - sink_->bytesFree();
            const qint64 heldMs =
                format_.durationForBytes(int(std::max<qsizetype>(held, 0))) / 1000;
            drainTimer_.start(int(heldMs) + kDrainMarginMs);
        }
        return;
    }
    const qsizetype frames = sink_->bytesFree() / frameBytes;
    if (frames <= 0)
        return;
    std::vector<float> mono(static_cast<std::size_t>(frames));
    const qsizetype rendered = samples_->render(mono);
    QByteArray bytes(rendered * frameBytes, Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < rendered; ++i) {
        for (int c = 0; c < format_.channelCount(); ++c)
            out = putSample(out, mono[std::size_t(i)], format_);
    }
    input_->write(bytes);
}

void QtToneSink::stop() {
    if (sink_)
        finish();
}

void QtToneSink::onStateChanged() {
    if (!sink_)
        return;
    // Idle is an underrun (the next feed recovers) or the end, which feed() times itself.
    // Stopped with an error: the device failed or went away.
    if (sink_->state() == QAudio::StoppedState && sink_->error() != QAudio::NoError)
        finish();
}

void QtToneSink::onOutputsChanged() {
    if (sink_ && !QMediaDevices::audioOutputs().contains(device_))
        finish();
    emit availabilityChanged(isAvailable());
}

void QtToneSink::finish() {
    feedTimer_.stop();
    drainTimer_.stop();
    QAudioSink* sink = std::exchange(sink_, nullptr);
    input_ = nullptr;
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
    samples_.reset();
    emit finished();
}

} // namespace r5k27

#pragma once

#include "ToneSamples.h"
#include "ToneSink.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>
#include <QTimer>
#include <memory>

class QAudioSink;
class QIODevice;

namespace r5k27 {

// The default sound output through Qt Multimedia, at the format the device prefers.
class QtToneSink : public ToneSink {
    Q_OBJECT
public:
    explicit QtToneSink(QObject* parent = nullptr);
    ~QtToneSink() override;

    bool isAvailable() const override;
    bool isPlaying() const override { return sink_ != nullptr; }
    void play(const QList<PlayStep>& plan) override;
    void stop() override;

private:
    void feed();
    void onStateChanged();
    void onOutputsChanged();
    void finish();

    QMediaDevices devices_;
    QAudioDevice device_;
    QAudioFormat format_;
    std::unique_ptr<ToneSamples> samples_;
    // Deleted once its own signal has returned.
    QAudioSink* sink_ = nullptr;
    QIODevice* input_ = nullptr;
    QTimer feedTimer_;
    // Lets the device play what it still holds after the last sample went out.
    QTimer drainTimer_;
};

} // namespace r5k27

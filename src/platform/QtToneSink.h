#pragma once

#include "ToneSink.h"

#include <QAudioDevice>
#include <QMediaDevices>

class QAudioSink;

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
    void onStateChanged();
    void onOutputsChanged();
    void finish();

    QMediaDevices devices_;
    QAudioDevice device_;
    // Owns its ToneStream; both go once the sink's own signal has returned.
    QAudioSink* sink_ = nullptr;
};

} // namespace r5k27

#pragma once

#include "core/signalling/TonePlayback.h"

#include <QList>
#include <QObject>

namespace r5k27 {

// Where roger-beep playback sounds. Playing never blocks: the sink pulls the samples while the
// event loop runs and says when it is done.
class ToneSink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether there is a device to play on.
    virtual bool isAvailable() const = 0;
    virtual bool isPlaying() const = 0;
    // Starts the plan, ending a playback still running.
    virtual void play(const QList<PlayStep>& plan) = 0;
    // Silences the playback at once.
    virtual void stop() = 0;

signals:
    // A started playback ended: played out, stopped, or its device went away.
    void finished();
    void availabilityChanged(bool available);
};

// Plays on nothing, in real time: for tests and machines without sound. Records what it played.
class NullToneSink : public ToneSink {
    Q_OBJECT
public:
    static constexpr int kSampleRate = 8000;

    explicit NullToneSink(QObject* parent = nullptr);
    ~NullToneSink() override;

    bool isAvailable() const override { return available_; }
    bool isPlaying() const override;
    void play(const QList<PlayStep>& plan) override;
    void stop() override;

    void setAvailable(bool available);
    const QList<QList<PlayStep>>& played() const { return played_; }
    // How far the running (or last) playback got, in milliseconds of sound.
    qint64 playedMs() const;

private:
    void pull();

    class Playback;
    std::unique_ptr<Playback> playback_;
    bool available_ = true;
    QList<QList<PlayStep>> played_;
};

} // namespace r5k27

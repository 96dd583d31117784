#include "platform/ToneSamples.h"

#include "platform/QtToneSink.h"
#include "platform/ToneSink.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <type_traits>

namespace r5k27 {
namespace {

int signChanges(const QList<float>& samples) {
    int changes = 0;
    float last = 0.0f;
    for (float s : samples) {
        if (s == 0.0f)
            continue;
        if (last != 0.0f && (s > 0) != (last > 0))
            ++changes;
        last = s;
    }
    return changes;
}

TEST(ToneSamples, OneToneHasItsFrequencyAndLength) {
    for (int rate : {8000, 44100, 48000}) {
        ToneSamples samples({PlayStep{2100, 100}}, rate);
        QList<float> beep(samples.totalSamples());
        samples.render(beep);
        EXPECT_NEAR(double(beep.size()) * 1000 / rate, 100.0, 1.0) << rate;
        // 210 periods: two crossings each, less the one the start on zero takes.
        EXPECT_NEAR(signChanges(beep), 419, 1) << rate;
        // Faded in and out: no step at either end, full level in the middle.
        EXPECT_LT(std::abs(beep.first()), 0.01f);
        EXPECT_LT(std::abs(beep.last()), 0.05f);
        const float peak = *std::max_element(beep.begin(), beep.end());
        EXPECT_NEAR(peak, 0.5f, 0.01f);
    }
}

TEST(ToneSamples, StepsKeepTheirTimesOverALongPlan) {
    QList<PlayStep> plan;
    for (int i = 0; i < 140; ++i)
        plan << PlayStep{i % 2 ? 0 : 1500, 10 + i % 3};
    const int rate = 44100;
    ToneSamples samples(plan, rate);
    qint64 ms = 0;
    for (qsizetype i = 0; i < plan.size(); ++i) {
        EXPECT_NEAR(double(samples.stepStart(i)) * 1000 / rate, double(ms), 0.05) << i;
        ms += plan[i].durationMs;
    }
    // Rendered in uneven pieces, as a device pulls; a pause is silent to the sample.
    std::vector<float> piece(777);
    QList<float> all;
    while (const qsizetype n = samples.render(piece))
        all.append(QList<float>(piece.begin(), piece.begin() + n));
    EXPECT_EQ(all.size(), samples.totalSamples());
    EXPECT_NEAR(double(all.size()) * 1000 / rate, double(ms), 0.05);
    for (qsizetype k = samples.stepStart(1); k < samples.stepStart(2); ++k)
        ASSERT_EQ(all[k], 0.0f) << k;
}

// Plays three short steps to their end without blocking the caller, then stops a long tone
// at once; minimumMs is the least time the steps may take.
template <class Sink> void playsToTheEndAndStopsAtOnce(Sink& sink, int minimumMs) {
    QSignalSpy finished(&sink, &ToneSink::finished);
    QElapsedTimer clock;
    clock.start();
    sink.play({{2100, 100}, {0, 100}, {2100, 100}});
    EXPECT_TRUE(sink.isPlaying());
    EXPECT_LT(clock.elapsed(), 200); // play() returns at once
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_GE(clock.elapsed(), minimumMs);
    EXPECT_FALSE(sink.isPlaying());
    if constexpr (std::is_same_v<Sink, NullToneSink>) {
        EXPECT_EQ(sink.playedMs(), 300);
    }

    sink.play({{800, 2000}});
    QTest::qWait(50);
    sink.stop();
    EXPECT_EQ(finished.size(), 2);
    EXPECT_FALSE(sink.isPlaying());
    sink.stop();
    EXPECT_EQ(finished.size(), 2); // nothing was playing
}

TEST(NullToneSink, PlaysInRealTimeAndStopsAtOnce) {
    NullToneSink sink;
    playsToTheEndAndStopsAtOnce(sink, 295);
    EXPECT_LT(sink.playedMs(), 1000);
}

// Runs only where the machine has a sound output.
TEST(QtToneSink, PlaysToTheEndWithoutBlockingAndStopsAtOnce) {
    QtToneSink sink;
    if (!sink.isAvailable())
        GTEST_SKIP() << "no sound output device";
    playsToTheEndAndStopsAtOnce(sink, 300);
}

} // namespace
} // namespace r5k27

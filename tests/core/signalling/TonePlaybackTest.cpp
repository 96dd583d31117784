#include "core/signalling/TonePlayback.h"

#include "core/image/MemoryImage.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

ToneSeq sequence(std::initializer_list<ToneStep> steps, int repeat, int interTime) {
    ToneSeq seq;
    std::copy(steps.begin(), steps.end(), seq.steps.begin());
    seq.repeatCount = std::int16_t(repeat);
    seq.interTime = std::int16_t(interTime);
    return seq;
}

TEST(TonePlayback, ListsMapTextsToCodes) {
    EXPECT_EQ(repeatCountList(Language::Chinese).first(), "关");
    EXPECT_EQ(repeatCountList(Language::English).size(), 11);
    EXPECT_EQ(interTimeList().size(), 256);
    EXPECT_EQ(interTimeList().last(), "2550");
    EXPECT_EQ(stepFrequencyList(Language::English).size(), 217);
    EXPECT_EQ(stepFrequencyList(Language::English)[1], "400");
    EXPECT_EQ(fullFrequencyList(Language::English).size(), 256);
    EXPECT_EQ(frequencyCodeOfText("None", Language::English), 0);
    EXPECT_EQ(frequencyCodeOfText("无", Language::Chinese), 0);
    EXPECT_EQ(frequencyCodeOfText("400", Language::English), 40);
    EXPECT_EQ(frequencyCodeOfText("2550", Language::English), 255);
    EXPECT_EQ(frequencyCodeOfText("405", Language::English), std::nullopt);
}

TEST(TonePlayback, FirstPresetPlaysFourBeepsWithSilencesOnce) {
    const ToneSeq seq =
        sequence({{210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}}, 1, 0);
    EXPECT_TRUE(hasPlayableLength(seq));
    const QList<PlayStep> expected{{2100, 100}, {0, 100}, {2100, 100}, {0, 100},
                                   {2100, 100}, {0, 100}, {2100, 100}};
    EXPECT_EQ(playbackPlan(seq), expected);
}

TEST(TonePlayback, ShortStepsSkipLowTonesAreSilentAndPausesFollowEachPass) {
    // 4 ms is skipped, 48 Hz and below are silence (a code of 30 from a file included).
    const ToneSeq seq = sequence({{100, 0}, {3, 20}, {4, 20}, {5, 20}, {30, 1}}, 2, 15);
    const QList<PlayStep> pass{{0, 200}, {0, 200}, {50, 200}, {300, 10}};
    const QList<PlayStep> pause{{0, 150}};
    EXPECT_EQ(playbackPlan(seq), pass + pause + pass + pause);

    EXPECT_EQ(playStepOf(ToneStep{100, 0}), std::nullopt);
    EXPECT_FALSE(hasPlayableLength(sequence({{100, 0}}, 3, 0)));
    EXPECT_TRUE(playbackPlan(sequence({{100, 5}}, 0, 10)).isEmpty());
}

} // namespace
} // namespace r5k27

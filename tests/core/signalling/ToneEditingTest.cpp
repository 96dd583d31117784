#include "core/signalling/ToneEditing.h"

#include "core/image/MemoryImage.h"
#include "core/signalling/RogerTones.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

class ToneEditingTest : public ::testing::Test {
protected:
    ToneEditingTest() {
        // Only sequence 1 plays; sequence 2 repeats but has no length.
        image.rbTone.tone(1).repeatCount = 1;
        image.rbTone.tone(1).steps[0] = {210, 10};
        image.rbTone.tone(1).steps[2] = {210, 10};
        image.rbTone.tone(2).repeatCount = 1;
    }
    MemoryImage image;
};

TEST_F(ToneEditingTest, TheLastPlayableSequenceCannotBeSwitchedOff) {
    EXPECT_FALSE(setRepeatCount(image, 1, 0));
    EXPECT_FALSE(setRepeatCount(image, 2, 0)); // judged by the count, not by the page
    EXPECT_EQ(image.rbTone.tone(2).repeatCount, 1);
    EXPECT_TRUE(setRepeatCount(image, 1, 3));
    EXPECT_TRUE(setStepLength(image, 1, 1, 0));
    EXPECT_FALSE(setStepLength(image, 1, 3, 0));
    EXPECT_EQ(image.rbTone.tone(1).steps[2].durCode, 10);

    // With a second playable sequence the first may go; then the second is the last one.
    EXPECT_TRUE(setStepLength(image, 2, 14, 5));
    EXPECT_TRUE(setStepLength(image, 1, 3, 0));
    EXPECT_EQ(countValidRogerTones(image), 1);
    EXPECT_FALSE(setRepeatCount(image, 2, 0));
    EXPECT_TRUE(setRepeatCount(image, 2, 1)); // the stored value again: no change to refuse
}

TEST_F(ToneEditingTest, BoxesShareTheWidthByLength) {
    ToneSeq seq;
    seq.steps[0] = {128, 10};
    seq.steps[1] = {0, 0};  // skipped
    seq.steps[2] = {0, 30}; // a pause keeps its width
    seq.steps[3] = {256, 20};
    const QList<ToneBox> boxes = toneBoxes(seq, 700, 356);
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes[0], (ToneBox{QRect(50, 178, 100, 128), 1}));
    EXPECT_EQ(boxes[1], (ToneBox{QRect(150, 306, 300, 0), 3}));
    EXPECT_EQ(boxes[2].rect.left(), 450);
    EXPECT_EQ(boxes[2].rect.width(), 200);
    EXPECT_EQ(boxes[2].rect.height(), 255); // codes above 255 draw as 255
    EXPECT_TRUE(toneBoxes(ToneSeq{}, 700, 356).isEmpty());
}

} // namespace
} // namespace r5k27

#include "rogerbeep/ToneBoxes.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(ToneBoxes, BoxesShareTheWidthByLength) {
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

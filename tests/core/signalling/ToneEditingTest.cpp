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

} // namespace
} // namespace r5k27

#include "core/channels/ChannelTable.h"
#include "core/image/MemoryImage.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

class ReferenceRulesTest : public ::testing::Test {
protected:
    ReferenceRulesTest() {
        for (int n = 1; n <= kDtmfCodeCount; ++n)
            image.optFeat.dtmf(n).assignTerminated(""); // new-document form: NUL, blanks
        addChannel(image, table, {0, 1, 1}, "27.0");
        addChannel(image, table, {1, 10, 2}, "28.5");
    }
    ChannelRec& cbChannel() { return table.at({0, 1, 1}); }
    ChannelRec& hfChannel() { return table.at({1, 10, 1}); }
    void makePlayable(int t) {
        image.rbTone.tone(t).repeatCount = 1;
        image.rbTone.tone(t).steps[3].durCode = 10;
    }

    MemoryImage image;
    ChTable table;
};

TEST_F(ReferenceRulesTest, AnyStoredFormOfACodeHasTheSameText) {
    EXPECT_FALSE(dtmfCodeUsed(image, 1));
    EXPECT_EQ(image.optFeat.dtmf(1).raw(), QString(16, u' '));

    storeDtmfCode(image, 3, "12AB*#");
    EXPECT_EQ(image.optFeat.dtmf(3).raw(), QString::fromLatin1("12AB*#\0         ", 16));
    EXPECT_TRUE(dtmfCodeUsed(image, 3));
    EXPECT_EQ(image.optFeat.dtmf(3).raw(), "12AB*#          ");
    EXPECT_EQ(dtmfCodeText(image, 3), "12AB*#");

    storeDtmfCode(image, 4, "0123456789ABCD*#");
    EXPECT_EQ(dtmfCodeText(image, 4), "0123456789ABCD*#");
    EXPECT_TRUE(dtmfCodeUsed(image, 4));
    EXPECT_EQ(dtmfCodeText(image, 4), "0123456789ABCD*#");

    EXPECT_FALSE(dtmfCodeUsed(image, 0));
    EXPECT_FALSE(dtmfCodeUsed(image, 17));
    EXPECT_EQ(validDtmfCode(image, 3), 3);
    EXPECT_EQ(validDtmfCode(image, 5), 0);
    EXPECT_EQ(validDtmfCode(image, -3), 0);
}

TEST_F(ReferenceRulesTest, ClearingACodeClearsEveryReferenceToIt) {
    storeDtmfCode(image, 3, "12AB*#");
    storeDtmfCode(image, 4, "7");
    image.optFeat.pubEotCode = 3;
    image.optFeat.pubBotCode = 4;
    image.optFeat.pubCallCode = 40;
    cbChannel().callCode = 3;
    hfChannel().botCode = 3;
    hfChannel().eotCode = 4;
    table.at({0, 1, 2}).callCode = 3; // unused slot: not a reference

    storeDtmfCode(image, 3, "");
    setDtmfList(image, table);
    EXPECT_EQ(image.optFeat.pubEotCode, 0);
    EXPECT_EQ(image.optFeat.pubBotCode, 4);
    EXPECT_EQ(image.optFeat.pubCallCode, 0);
    EXPECT_EQ(cbChannel().callCode, 0);
    EXPECT_EQ(hfChannel().botCode, 0);
    EXPECT_EQ(hfChannel().eotCode, 4);
    EXPECT_EQ(table.at({0, 1, 2}).callCode, 3);
}

TEST_F(ReferenceRulesTest, OnlyRepeatingSequencesWithLengthArePlayable) {
    EXPECT_EQ(countValidRogerTones(image), 0);
    image.rbTone.tone(2).repeatCount = 1;
    EXPECT_EQ(validRogerTone(image, 2), 0); // no step has a length
    image.rbTone.tone(2).steps[13].durCode = 1;
    EXPECT_EQ(validRogerTone(image, 2), 2);
    image.rbTone.tone(2).repeatCount = 0;
    EXPECT_EQ(validRogerTone(image, 2), 0);
    makePlayable(8);
    EXPECT_EQ(validRogerTone(image, 8), 8);
    EXPECT_EQ(validRogerTone(image, 9), 0);
    EXPECT_EQ(validRogerTone(image, 0), 0);
    EXPECT_EQ(countValidRogerTones(image), 1);
}

TEST_F(ReferenceRulesTest, UnplayableSequencesLoseTheirReferences) {
    makePlayable(1);
    makePlayable(2);
    image.optFeat.pubRogerTone = 2;
    cbChannel().rogerTone = 2;
    hfChannel().rogerTone = 1;
    image.rbTone.tone(2).steps[3].durCode = 0;
    recheckRogerTones(image, table);
    EXPECT_EQ(image.optFeat.pubRogerTone, 0);
    EXPECT_EQ(cbChannel().rogerTone, 0);
    EXPECT_EQ(hfChannel().rogerTone, 1);
}

} // namespace
} // namespace r5k27

#include "signalling/DtmfSettings.h"

#include "image/MemoryImage.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(DtmfSettings, TypedTextKeepsOnlyDialableCharacters) {
    EXPECT_EQ(dtmfCodeFromTyped("12ab*#"), "12AB*#");
    // e and f are hex digits but no DTMF keys; neither are letters beyond ASCII.
    EXPECT_EQ(dtmfCodeFromTyped("eEfF x9 \t\u00e9\u4e2d-+D"), "9D");
    EXPECT_EQ(dtmfCodeFromTyped("0123456789ABCD*#0123"), "0123456789ABCD*#");
}

TEST(DtmfSettings, ListPositionsMapToStoredUnits) {
    MemoryImage image;
    EXPECT_EQ(dtmfTimingList(DtmfTiming::SendTime, kLangEnglish).size(), 50);
    EXPECT_EQ(dtmfTimingList(DtmfTiming::FirstDigitTime, kLangEnglish).size(), 11);
    EXPECT_EQ(dtmfTimingList(DtmfTiming::FirstDigitDelay, kLangEnglish).last(), "2500");
    EXPECT_EQ(dtmfTimingList(DtmfTiming::DCodeAssign, kLangEnglish).size(), 17);

    setDtmfTimingIndex(image, DtmfTiming::SendTime, 49, kLangEnglish);
    EXPECT_EQ(image.optFeat.dtmfSendTime, 50);
    setDtmfTimingIndex(image, DtmfTiming::FirstDigitDelay, 0, kLangEnglish);
    EXPECT_EQ(image.optFeat.firstDigitDelay, 1);
    setDtmfTimingIndex(image, DtmfTiming::StarHashTime, 3, kLangEnglish);
    EXPECT_EQ(image.optFeat.starHashTime, 10);
    setDtmfTimingIndex(image, DtmfTiming::StarHashTime, 4, kLangEnglish); // no such entry
    EXPECT_EQ(image.optFeat.starHashTime, 10);
    EXPECT_EQ(dtmfTimingIndex(image, DtmfTiming::StarHashTime, kLangEnglish), 3);

    image.optFeat.starHashTime = 2; // 200 ms has no entry
    EXPECT_EQ(dtmfTimingIndex(image, DtmfTiming::StarHashTime, kLangEnglish), 0);
    image.optFeat.dCodeAssign = -1;
    EXPECT_EQ(dtmfTimingIndex(image, DtmfTiming::DCodeAssign, kLangChinese), 0);
    image.optFeat.dCodeAssign = 16;
    EXPECT_EQ(dtmfTimingIndex(image, DtmfTiming::DCodeAssign, kLangChinese), 16);
}

} // namespace
} // namespace r5k27

#include "core/options/OptionText.h"

#include "core/image/MemoryImage.h"
#include "core/lang/Language.h"
#include "core/signalling/DtmfReferences.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr Language kEn = Language::English;

class OptionTextTest : public ::testing::Test {
protected:
    OptionTextTest() { applyNewDocumentOptions(image); }
    QString enter(OptionId id, const QString& text) {
        return setOptionFromText(image, id, text, kEn);
    }
    int value(OptionId id) const { return optionValue(image, id); }

    MemoryImage image;
};

TEST_F(OptionTextTest, NewDocumentValuesShowAsTheirEntries) {
    EXPECT_EQ(image.optFeat.micLevel, 30);
    EXPECT_EQ(image.optFeat.battMin, 97);
    EXPECT_EQ(image.extFreq, 100);
    EXPECT_EQ(image.extTable, kNewRssiTable);
    EXPECT_EQ(optionText(image, OptionId::BattMin, kEn), "9.7");
    EXPECT_EQ(optionText(image, OptionId::SwrMax, kEn), "16.0");
    EXPECT_EQ(optionText(image, OptionId::ExtFreq, kEn), "0.0100");
    EXPECT_EQ(optionText(image, OptionId::MicLevel, kEn), "30");
    EXPECT_EQ(optionText(image, OptionId::PubNbAnl, Language::Chinese), QStringLiteral("开"));
    EXPECT_EQ(optionText(image, OptionId::PubHiCut, Language::Chinese), "关");
    EXPECT_EQ(optionText(image, OptionId::PubMode, kEn), "AM");
    EXPECT_EQ(optionText(image, OptionId::OptWorkMode, kEn), "HF");
    EXPECT_EQ(rssiPointText(image, 5), "36");
    for (const OptionInfo& info : allOptions()) {
        EXPECT_GE(info.newValue, info.minValue) << info.name;
        EXPECT_LE(info.newValue, info.maxValue) << info.name;
    }
}

TEST_F(OptionTextTest, TotShowsAndStoresInStepsOfThree) {
    image.optFeat.tot = 60;
    EXPECT_EQ(optionText(image, OptionId::Tot, kEn), "600s");
    image.optFeat.tot = 7;
    EXPECT_EQ(optionText(image, OptionId::Tot, kEn), "60s");
    image.optFeat.tot = 0;
    EXPECT_EQ(optionText(image, OptionId::Tot, Language::Chinese), "关");
    EXPECT_EQ(enter(OptionId::Tot, "90s"), "90s");
    EXPECT_EQ(image.optFeat.tot, 9);
    EXPECT_EQ(optionChoices(image, OptionId::Tot, kEn).size(), 21);
}

TEST_F(OptionTextTest, ValuesWithoutAnEntryShowTheFirstAndBadChoicesChangeNothing) {
    image.optFeat.backlightColor = 9;
    EXPECT_EQ(optionText(image, OptionId::BacklightColor, kEn), "White");
    image.optFeat.micLevel = 40;
    EXPECT_EQ(optionText(image, OptionId::MicLevel, kEn), "1");
    EXPECT_EQ(enter(OptionId::FinTone, "RT"), "RT");
    EXPECT_EQ(image.optFeat.finTone, 3);
    EXPECT_EQ(enter(OptionId::FinTone, "X"), "RT");
    EXPECT_EQ(enter(OptionId::MicLevel, "36"), "36");
    EXPECT_EQ(enter(OptionId::MicLevel, "37"), "36");
    EXPECT_EQ(image.optFeat.micLevel, 36);
}

TEST_F(OptionTextTest, SwitchesShowTheirDefaultForStrayValues) {
    image.optFeat.memMenu = 5;
    image.optFeat.beepOn = 5;
    EXPECT_FALSE(optionTicked(image, OptionId::MemMenu));
    EXPECT_TRUE(optionTicked(image, OptionId::BeepOn));
    setOptionTicked(image, OptionId::BeepOn, false);
    EXPECT_EQ(image.optFeat.beepOn, 0);
    EXPECT_EQ(optionText(image, OptionId::BeepOn, kEn), "OFF");
}

TEST_F(OptionTextTest, BatteryVoltagesAreLimitedAndKeptInOrder) {
    EXPECT_EQ(enter(OptionId::BattMax, "25"), "17.0");
    EXPECT_EQ(image.optFeat.battMax, 170);
    EXPECT_EQ(image.optFeat.battMin, 97);

    // "abc" becomes 9.0, which is below the lower 9.7, so the pair swaps.
    EXPECT_EQ(enter(OptionId::BattMax, "abc"), "9.7");
    EXPECT_EQ(image.optFeat.battMin, 90);
    EXPECT_EQ(image.optFeat.battMax, 97);

    const BatteryTexts shown = setBatteryFromTexts(image, "16.5", "12.0");
    EXPECT_EQ(shown.lower, "12.0");
    EXPECT_EQ(shown.upper, "16.5");
    EXPECT_EQ(image.optFeat.battMin, 120);
    EXPECT_EQ(image.optFeat.battMax, 165);
    EXPECT_EQ(setBatteryFromTexts(image, "8", "12.34").upper, "12.3");
    EXPECT_EQ(image.optFeat.battMin, 90);
    EXPECT_EQ(image.optFeat.battMax, 123);
}

TEST_F(OptionTextTest, SwrThresholdAndTxOffsetAreLimited) {
    EXPECT_EQ(enter(OptionId::SwrMax, "0.5"), "1.2");
    EXPECT_EQ(image.optFeat.swrMax, 12);
    EXPECT_EQ(enter(OptionId::SwrMax, "25"), "20.0");
    EXPECT_EQ(image.optFeat.swrMax, 200);
    EXPECT_EQ(enter(OptionId::SwrMax, "1e1"), "20.0");
    EXPECT_EQ(enter(OptionId::SwrMax, "3.45"), "3.5");
    EXPECT_EQ(image.optFeat.swrMax, 35);

    EXPECT_EQ(enter(OptionId::ExtFreq, "7"), "5.0000");
    EXPECT_EQ(image.extFreq, 50000);
    EXPECT_EQ(enter(OptionId::ExtFreq, "0"), "0.0001");
    EXPECT_EQ(image.extFreq, 1);
    EXPECT_EQ(enter(OptionId::ExtFreq, "x"), "5.0000");
    EXPECT_EQ(enter(OptionId::ExtFreq, "0.6"), "0.6000");
    EXPECT_EQ(image.extFreq, 6000);
}

TEST_F(OptionTextTest, TrimsKeepTheirTenthsAndStayWithinAHundredKilohertz) {
    EXPECT_EQ(enter(OptionId::ReceiveTrim, "12.5"), "12.5");
    EXPECT_EQ(image.optFeat.receiveTrim, 125);
    EXPECT_EQ(enter(OptionId::TransmitTrim, "-150"), "-100.0");
    EXPECT_EQ(image.optFeat.transmitTrim, -1000);
    EXPECT_EQ(enter(OptionId::ReceiveTrim, "-"), "0");
    EXPECT_EQ(image.optFeat.receiveTrim, 0);
}

TEST_F(OptionTextTest, RssiPointsStayStrictlyIncreasingWithinEachHalf) {
    EXPECT_EQ(setRssiPointFromText(image, 2, "12"), "12");
    EXPECT_EQ(image.extTable[2], 11);
    EXPECT_EQ(setRssiPointFromText(image, 2, "16"), "12"); // not below point 3 (14)
    EXPECT_EQ(image.extTable[2], 11);
    EXPECT_EQ(setRssiPointFromText(image, 5, "40"), "36");
    EXPECT_EQ(image.extTable[5], 35);
    // Digits beyond any integer type are still just "too high".
    image.extTable[5] = 30;
    EXPECT_EQ(setRssiPointFromText(image, 5, "99999999999999999999"), "36");
    EXPECT_EQ(image.extTable[5], 35);
    EXPECT_EQ(setRssiPointFromText(image, 0, "4"), "1"); // must stay below point 1 (3)
    EXPECT_EQ(setRssiPointFromText(image, 0, "3"), "3");
    // The halves are separate: point 6 may be below point 5.
    EXPECT_EQ(setRssiPointFromText(image, 6, "2"), "2");
    EXPECT_EQ(setRssiPointFromText(image, 11, "ab"), "36");
    EXPECT_EQ(setRssiPointFromText(image, 12, "5"), "");
    EXPECT_EQ(image.extTable,
              (std::array<std::int16_t, 12>{2, 3, 11, 14, 24, 35, 1, 5, 8, 12, 23, 35}));
}

TEST_F(OptionTextTest, ReferencesOfferOnlyCodesInUse) {
    storeDtmfCode(image, 3, "12AB*#");
    storeDtmfCode(image, 16, "9");
    EXPECT_EQ(optionChoices(image, OptionId::PubBotCode, kEn), QStringList({"OFF", "3", "16"}));
    EXPECT_EQ(enter(OptionId::PubEotCode, "3"), "3");
    EXPECT_EQ(image.optFeat.pubEotCode, 3);
    EXPECT_EQ(enter(OptionId::PubEotCode, "5"), "OFF");
    EXPECT_EQ(image.optFeat.pubEotCode, 0);
    image.optFeat.pubCallCode = 7; // an empty code shows the OFF entry
    EXPECT_EQ(optionText(image, OptionId::PubCallCode, kEn), "OFF");

    image.rbTone.tone(2).repeatCount = 1;
    image.rbTone.tone(2).steps[0].durCode = 5;
    EXPECT_EQ(optionChoices(image, OptionId::PubRogerTone, kEn), QStringList({"OFF", "2"}));
}

} // namespace
} // namespace r5k27

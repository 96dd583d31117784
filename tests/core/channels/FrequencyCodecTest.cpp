#include "core/channels/FrequencyCodec.h"

#include "core/common/AppSettings.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

const BandLimits kHF = bandLimitsOf(1);
const BandLimits kCB = bandLimitsOf(0);

TEST(BandLimits, FollowTheWorkModeAndFallBackOnUnreadableText) {
    EXPECT_DOUBLE_EQ(kCB.freqMin, 25.615);
    EXPECT_DOUBLE_EQ(kCB.freqMax, 30.105);
    EXPECT_DOUBLE_EQ(kHF.freqMin, 28.0);
    EXPECT_DOUBLE_EQ(kHF.freqMax, 29.699);
    EXPECT_EQ(bandTextOfWorkMode(0), kBandTextCB);
    EXPECT_EQ(bandTextOfWorkMode(1), kBandTextHF);
    EXPECT_EQ(bandTextOfWorkMode(7), kBandTextHF);

    const BandLimits noDash = parseBandRange("28.0000 to 29.6990 MHz");
    EXPECT_DOUBLE_EQ(noDash.freqMin, 100.0);
    EXPECT_DOUBLE_EQ(noDash.freqMax, 500.0);
    const BandLimits badNumbers = parseBandRange("x - y MHz");
    EXPECT_DOUBLE_EQ(badNumbers.freqMin, 100.0);
    EXPECT_DOUBLE_EQ(badNumbers.freqMax, 500.0);
    const BandLimits noUnit = parseBandRange("1.5 - 2.5");
    EXPECT_DOUBLE_EQ(noUnit.freqMin, 1.5);
    EXPECT_DOUBLE_EQ(noUnit.freqMax, 2.5);
}

TEST(FrequencyCodec, ShownAndStoredFormsConvertBothWays) {
    test::ScriptedPrompter prompter;
    const MessageTarget messages{&prompter, Language::English};
    EXPECT_EQ(freqTextToStored("28.0850", kHF), "280850");
    EXPECT_EQ(freqTextToStored("28.085", kHF), "28085");
    EXPECT_EQ(storedToFreqText("28085", kHF, messages), "28.0850");
    EXPECT_EQ(freqTextToStored("8.5", kHF), "085");
    EXPECT_EQ(storedToFreqText("085", kHF, messages), "8.5000");
    EXPECT_EQ(freqTextToStored(".5", kHF), "005");
    EXPECT_EQ(freqTextToStored("", kHF), "");
    EXPECT_EQ(freqTextToStored("29", kHF), "29");

    // Radio and built-in channels carry six fractional digits, read back the same way.
    EXPECT_EQ(storedToFreqText("28085000", kHF, messages), "28.0850");
    EXPECT_EQ(storedToFreqText("280850  ", kHF, messages), "28.0850");
    EXPECT_EQ(storedToFreqText("2808", kHF, messages), "28.0800");
    EXPECT_EQ(storedToFreqText("        ", kHF, messages), "");
    EXPECT_EQ(storedToFreqText("FFFFFFFF", kHF, messages), "");
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST(FrequencyCodec, NonNumericTextFallsBackToTheLowerLimit) {
    EXPECT_EQ(freqTextToStored("abc", kHF), "28");
    EXPECT_EQ(freqTextToStored("1e3", kCB), "25615");

    test::ScriptedPrompter prompter;
    EXPECT_EQ(storedToFreqText("28A850", kCB, {&prompter, Language::Chinese}), "25.615");
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, "Not IsNumeric");
    EXPECT_EQ(prompter.shown[0].icon, Icon::None);
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::Ok);
    // A stored value that already holds a point is not digits either.
    EXPECT_EQ(storedToFreqText("28.5", kHF, {&prompter, Language::English}), "28");
    EXPECT_EQ(prompter.shown.size(), 2);
}

TEST(FrequencyCodec, SnapsToTenHertzCountedFromTheLowerLimit) {
    EXPECT_DOUBLE_EQ(snapFrequency(28.000035, kHF), 28.00003);
    EXPECT_DOUBLE_EQ(snapFrequency(28.085047, kHF), 28.08504);
    EXPECT_DOUBLE_EQ(snapFrequency(28.08504, kHF), 28.08504);
    EXPECT_DOUBLE_EQ(snapFrequency(27.005073, kCB), 27.00507);
    // Below the base the remainder is negative and the value moves up.
    EXPECT_DOUBLE_EQ(snapFrequency(27.999995, kHF), 28.0);
}

TEST(FrequencyCodec, RangeCheckClampsOrClearsAndWarnsInTheUsersLanguage) {
    test::ScriptedPrompter prompter;
    const MessageTarget english{&prompter, Language::English};
    EXPECT_DOUBLE_EQ(checkFrequency(29.6995, kHF, false, english), 0.0);
    EXPECT_DOUBLE_EQ(checkFrequency(29.6995, kHF, true, english), 29.699);
    EXPECT_DOUBLE_EQ(checkFrequency(27.5, kHF, true, {&prompter, Language::Chinese}), 28.0);
    EXPECT_EQ(prompter.texts(), QStringList({"Frequency is out of range.",
                                             "Frequency is out of range.", "频率超出范围。"}));
    EXPECT_EQ(prompter.shown[0].icon, Icon::Warning);

    prompter.shown.clear();
    // The limits themselves are inside; silent targets show nothing.
    EXPECT_DOUBLE_EQ(checkFrequency(29.699, kHF, false, english), 29.699);
    EXPECT_DOUBLE_EQ(checkFrequency(28.0, kHF, false, english), 28.0);
    EXPECT_DOUBLE_EQ(checkFrequency(35.0, kHF, false, {}), 0.0);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST(FrequencyCodec, TypedEntriesAreSnappedFormattedOrEmptied) {
    test::ScriptedPrompter prompter;
    const MessageTarget messages{&prompter, Language::English};
    EXPECT_EQ(formatFrequencyEntry("28.000035", kHF, false, messages), "28.0000");
    EXPECT_EQ(formatFrequencyEntry(" 28.5 ", kHF, false, messages), "28.5000");
    EXPECT_EQ(formatFrequencyEntry("26", kCB, false, messages), "26.0000");
    EXPECT_TRUE(prompter.shown.isEmpty());

    // Out of range: CB accepts 26 MHz, HF does not.
    EXPECT_EQ(formatFrequencyEntry("26", kHF, false, messages), "");
    EXPECT_EQ(formatFrequencyEntry("29.6995", kHF, false, messages), "");
    EXPECT_EQ(formatFrequencyEntry("29.6995", kHF, true, messages), "29.6990");
    EXPECT_EQ(prompter.shown.size(), 3);

    // Forms the numeric test refuses are warned about like any bad entry.
    for (const char* bad : {"abc", "2.8e1", "0x1C", "28,5", ""}) {
        prompter.shown.clear();
        EXPECT_EQ(formatFrequencyEntry(bad, kHF, false, messages), "") << bad;
        EXPECT_EQ(prompter.texts(), QStringList{"Frequency is out of range."}) << bad;
    }
    EXPECT_EQ(formatFrequencyEntry("abc", kHF, true, {}), "28.0000");
}

} // namespace
} // namespace r5k27

#include "core/channels/FrequencyCodec.h"

#include "core/channels/Frequency.h"
#include "core/common/AppSettings.h"

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

TEST(FrequencyCodec, ShownFormsBecomeStoredDigits) {
    EXPECT_EQ(freqTextToStored("28.0850", kHF), "280850");
    EXPECT_EQ(freqTextToStored("28.085", kHF), "28085");
    EXPECT_EQ(freqTextToStored("8.5", kHF), "085");
    EXPECT_EQ(freqTextToStored(".5", kHF), "005");
    EXPECT_EQ(freqTextToStored("", kHF), "");
    EXPECT_EQ(freqTextToStored("29", kHF), "29");
    // Text that is no number stores the band's lower limit.
    EXPECT_EQ(freqTextToStored("abc", kHF), "28");
    EXPECT_EQ(freqTextToStored("1e3", kCB), "25615");

    EXPECT_EQ(storedToExactMhz("28015000"), "28.0150");
    EXPECT_EQ(storedToExactMhz("28012340"), "28.01234");
    EXPECT_EQ(storedToExactMhz("085"), "8.5000");
    EXPECT_EQ(storedToExactMhz("28A850"), "");
    EXPECT_EQ(storedToExactMhz("        "), "");
}

// A typed frequency is taken inside its work mode's band only, aligned to the band's 10 Hz grid;
// the limits themselves are inside.
TEST(FrequencyCodec, TypedFrequenciesAreTakenInsideTheBandOnly) {
    const auto hzIn = [](const char* typed, int mode) -> std::optional<std::int64_t> {
        const auto f = frequencyInBand(QString::fromLatin1(typed), mode);
        return f ? std::optional(f->hz()) : std::nullopt;
    };
    EXPECT_EQ(hzIn("28.000035", 1), 28'000'030);
    EXPECT_EQ(hzIn(" 28.5 ", 1), 28'500'000);
    EXPECT_EQ(hzIn("27.005073", 0), 27'005'070);
    EXPECT_EQ(hzIn("26", 0), 26'000'000);
    EXPECT_EQ(hzIn("29.699", 1), 29'699'000);
    EXPECT_EQ(hzIn("28", 1), 28'000'000);
    // CB takes 26 MHz, HF does not; just past the upper limit is outside.
    EXPECT_EQ(hzIn("26", 1), std::nullopt);
    EXPECT_EQ(hzIn("29.6995", 1), std::nullopt);
    EXPECT_EQ(hzIn("27.999995", 1), std::nullopt);
    for (const char* bad : {"abc", "2.8e1", "0x1C", "28,5", ""})
        EXPECT_EQ(hzIn(bad, 1), std::nullopt) << bad;
}

} // namespace
} // namespace r5k27

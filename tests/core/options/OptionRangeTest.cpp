#include "core/options/OptionRange.h"

#include "core/lang/Language.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// The guide's options section is built from these; a row without both texts would leave an
// option undocumented in one language.
TEST(OptionDescriptionTest, EveryRowIsDescribedInBothLanguages) {
    for (const OptionInfo& info : allOptions()) {
        const QString en = info.description.in(Language::English);
        const QString zh = info.description.in(Language::Chinese);
        EXPECT_GT(en.size(), 10) << info.name;
        EXPECT_GT(zh.size(), 3) << info.name;
        EXPECT_NE(en, zh) << info.name << ": the Chinese text is the English one";
        EXPECT_FALSE(en.contains(u'\n') || zh.contains(u'\n')) << info.name << ": one line";
    }
}

TEST(OptionRangeTest, StatesEachFormAsTheWindowShowsIt) {
    const auto range = [](OptionId id, Language lang = Language::English) {
        return optionRangeText(optionInfo(id), lang);
    };
    EXPECT_EQ(range(OptionId::Tot), "Off, 30s to 600s");
    EXPECT_EQ(range(OptionId::FinTone), "Off, R, T, RT");
    EXPECT_EQ(range(OptionId::MicLevel), "1 to 36");
    EXPECT_EQ(range(OptionId::NoiseGate), "Off, 1 to 32");
    EXPECT_EQ(range(OptionId::BattMin), "9.0 to 17.0");
    EXPECT_EQ(range(OptionId::SwrMax), "1.2 to 20.0");
    EXPECT_EQ(range(OptionId::ExtFreq), "0.0001 to 5.0000");
    EXPECT_EQ(range(OptionId::PubBotCode), "OFF or 1 to 16");
    EXPECT_EQ(range(OptionId::PubRogerTone, Language::Chinese), "关 或 1 至 8");
    EXPECT_EQ(range(OptionId::PubMode), "FM, AM, USB, LSB, PA (the enabled ones)");
    EXPECT_EQ(range(OptionId::BeepOn, Language::Chinese), "开或关");
    EXPECT_EQ(range(OptionId::WorkGroupCB), "1 to 10");
}

} // namespace
} // namespace r5k27

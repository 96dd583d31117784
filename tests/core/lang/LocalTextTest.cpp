#include "core/lang/Accelerators.h"
#include "core/lang/Language.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(LocalText, EachLanguageReadsItsColumnAndAMissingTranslationShowsEnglish) {
    const LocalText open{"&Open", "打开(&O)"};
    EXPECT_EQ(open.in(Language::English), "&Open");
    EXPECT_EQ(open.in(Language::Chinese), QStringLiteral("打开(&O)"));
    const LocalText untranslated{"Read"};
    EXPECT_EQ(untranslated.in(Language::Chinese), "Read");
}

TEST(LocalText, TheSettingsFileNumbersLanguagesFromOne) {
    for (const Language language : kLanguages)
        EXPECT_EQ(languageFromSetting(settingOf(language)), language);
    EXPECT_EQ(settingOf(Language::English), 1);
    EXPECT_EQ(settingOf(Language::Chinese), 2);
    EXPECT_FALSE(languageFromSetting(0).has_value());
    EXPECT_FALSE(languageFromSetting(static_cast<int>(kLanguageCount) + 1).has_value());
}

TEST(LocalText, AcceleratorMarkersAreDroppedForPlainText) {
    EXPECT_EQ(withoutAccelerator("&Open"), "Open");
    EXPECT_EQ(withoutAccelerator("E&xit"), "Exit");
    EXPECT_EQ(withoutAccelerator(QStringLiteral("打开(&O)")), QStringLiteral("打开"));
    EXPECT_EQ(withoutAccelerator(QStringLiteral("文件&F")), QStringLiteral("文件F"));
    EXPECT_EQ(withoutAccelerator("Save && Exit"), "Save & Exit");
}

} // namespace
} // namespace r5k27

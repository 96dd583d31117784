#include "core/lang/CaptionTables.h"

#include <QRegularExpression>
#include <QSet>
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

TEST(CaptionTables, EveryMenuItemHasBothLanguagesAndAnAccelerator) {
    CaptionTables tables;
    initCaptionTables(tables);
    QSet<QString> controls;
    for (const MenuCaption& caption : mainMenuCaptions()) {
        const QString control = QString::fromLatin1(caption.control);
        EXPECT_FALSE(controls.contains(control)) << caption.control;
        controls.insert(control);
        for (const Language lang : kLanguages) {
            const QString text = tables.menuText(caption.item, lang);
            EXPECT_TRUE(text.contains(u'&')) << caption.control << " " << indexOf(lang);
            EXPECT_NE(withoutAccelerator(text), text) << caption.control;
        }
        // Chinese captions carry the letter in brackets at the end, as every other one does.
        const QString chinese = tables.menuText(caption.item, Language::Chinese);
        EXPECT_TRUE(chinese.contains(QRegularExpression(QStringLiteral("[^(]\\(&[A-Z]\\)$"))))
            << chinese.toStdString();
    }
    EXPECT_EQ(tables.menuText(MenuItem::MWriteToRadio, Language::Chinese),
              QStringLiteral("成批向对讲机写入数据(&G)"));
    EXPECT_EQ(tables.progress.write.in(Language::Chinese), QStringLiteral("向对讲机写入数据"));
    EXPECT_EQ(tables.buttons.cancel.in(Language::Chinese), QStringLiteral("取消(&C)"));
}

TEST(CaptionTables, LanguageNamesInEachDisplayLanguage) {
    CaptionTables tables;
    initCaptionTables(tables);
    EXPECT_EQ(tables.languageName(Language::English, Language::English), "English");
    EXPECT_EQ(tables.languageName(Language::Chinese, Language::English), "Chinese");
    EXPECT_EQ(tables.languageName(Language::English, Language::Chinese), QStringLiteral("英语"));
    EXPECT_EQ(tables.languageName(Language::Chinese, Language::Chinese), QStringLiteral("中文"));
}

} // namespace
} // namespace r5k27

#include "lang/CaptionTables.h"

#include "lang/LanguageState.h"

#include <QSet>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(CaptionTable, IndexedByLanguageWithAnEmptyElementZero) {
    const CaptionTable table({"&Open", "打开(&O)"});
    EXPECT_EQ(table[kLangEnglish], "&Open");
    EXPECT_EQ(table[kLangChinese], QStringLiteral("打开(&O)"));
    EXPECT_EQ(table[0], "");
    EXPECT_EQ(table[3], "");
    EXPECT_EQ(table[-1], "");
}

TEST(CaptionTable, GridHasTheLanguageAsTheSlowerIndex) {
    const CaptionGrid grid({"Read", "读"}, {"Write", "写"});
    EXPECT_EQ(grid.text(1, kLangEnglish), "Read");
    EXPECT_EQ(grid.text(2, kLangEnglish), "Write");
    EXPECT_EQ(grid.text(1, kLangChinese), QStringLiteral("读"));
    EXPECT_EQ(grid.text(2, kLangChinese), QStringLiteral("写"));
    EXPECT_EQ(grid.text(0, kLangEnglish), "");
    EXPECT_EQ(grid.text(3, kLangEnglish), ""); // would be item 0 of the next language
    EXPECT_EQ(grid.text(1, 0), "");
}

TEST(CaptionTable, AcceleratorMarkersAreDroppedForPlainText) {
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
        for (const int lang : {kLangEnglish, kLangChinese}) {
            const QString& text = tables.menuText(caption.item, lang);
            EXPECT_TRUE(text.contains(u'&')) << caption.control << " " << lang;
            EXPECT_NE(withoutAccelerator(text), text) << caption.control;
        }
    }
    EXPECT_EQ(tables.menuText(MenuItem::MWriteToRadio, kLangChinese),
              QStringLiteral("成批向对讲机写入数据(&G)"));
    EXPECT_EQ(tables.progress.caption.text(2, kLangChinese), QStringLiteral("向对讲机写入数据"));
    EXPECT_EQ(tables.buttons.cancel[kLangChinese], QStringLiteral("取消(&C)"));
}

TEST(CaptionTables, LanguageNamesInEachDisplayLanguage) {
    CaptionTables tables;
    initCaptionTables(tables);
    EXPECT_EQ(tables.languageName(kLangEnglish, kLangEnglish), "English");
    EXPECT_EQ(tables.languageName(kLangChinese, kLangEnglish), "Chinese");
    EXPECT_EQ(tables.languageName(kLangEnglish, kLangChinese), QStringLiteral("英语"));
    EXPECT_EQ(tables.languageName(kLangChinese, kLangChinese), QStringLiteral("中文"));
    EXPECT_EQ(tables.languageName(0, kLangChinese), "");
    EXPECT_EQ(tables.languageName(kLangEnglish, 3), "");
}

TEST(LanguageState, AChangeIsTakenOnceAndTheSameLanguageChangesNothing) {
    AppSettings settings;
    EXPECT_FALSE(takePendingLanguageChange(settings));
    settings.langIndex = kLangChinese;
    EXPECT_TRUE(takePendingLanguageChange(settings));
    EXPECT_EQ(settings.appliedLang, kLangChinese);
    EXPECT_FALSE(takePendingLanguageChange(settings));
}

} // namespace
} // namespace r5k27

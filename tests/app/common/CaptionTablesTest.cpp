#include "common/CaptionTables.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

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

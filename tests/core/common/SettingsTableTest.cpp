#include "core/common/SettingsTable.h"

#include <QSet>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// Two rows with one spelling would read each other's value; a default of the wrong kind would
// be read as some other number.
TEST(SettingsTable, EveryKeyIsSpelledOnceAndEveryDefaultFitsItsType) {
    QSet<QString> seen;
    for (const Setting& setting : allSettings()) {
        const QString where = QString::number(int(setting.store)) + u'/' +
                              QString(setting.section) + u'/' + QString(setting.key);
        EXPECT_FALSE(seen.contains(where)) << where.toStdString();
        seen.insert(where);
        if (setting.type != SettingType::Text) {
            bool whole = false;
            setting.defaultValue().toInt(&whole);
            EXPECT_TRUE(whole) << where.toStdString();
        }
    }
}

TEST(SettingsTable, StoredTextReadsAsTheRowsTypeOrItsDefault) {
    for (const char* on : {"True", "true", "1", "-1", " 7 "})
        EXPECT_TRUE(settingFlag(Settings::verifyAfterWriting, QString::fromLatin1(on))) << on;
    for (const char* off : {"False", "0", "yes", ""})
        EXPECT_FALSE(settingFlag(Settings::verifyAfterWriting, QString::fromLatin1(off))) << off;
    EXPECT_EQ(settingInteger(Settings::stopBit, QStringLiteral("2")), 2);
    EXPECT_EQ(settingInteger(Settings::stopBit, QStringLiteral("two")), 1);
    EXPECT_EQ(settingInteger(Settings::comPort, QStringLiteral("99999999999")), 1);
    EXPECT_EQ(Settings::recentFile.keyAt(3), "File3");
}

} // namespace
} // namespace r5k27

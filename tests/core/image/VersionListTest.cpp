#include "core/image/VersionList.h"

#include "core/image/ModelInformation.h"

#include <QMap>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

VersionList listFrom(const QMap<QString, QString>& keys) {
    return VersionList::load([&keys](const QString& section, const QString& key) {
        return keys.value(section + u'/' + key);
    });
}

TEST(VersionList, InstalledListDecidesCompatibilityAndFolders) {
    const VersionList list = listFrom({{"Version/FirmVersionCount", "3"},
                                       {"Firm/Firm0", "V200V200"},
                                       {"Firm/Firm1", "V100V100"},
                                       {"Firm/Firm2", "V200V210"}});
    EXPECT_EQ(list.firmList(), QStringList({"V200", "V200", "V100", "V100", "V200", "V210"}));
    EXPECT_TRUE(list.isCompatiblePair("V200", "V200"));
    EXPECT_TRUE(list.isCompatiblePair("V200", "V210"));
    EXPECT_FALSE(list.isCompatiblePair("V200", "V100"));
    EXPECT_EQ(list.folderOfVersion("V100"), "V100");
    EXPECT_EQ(list.folderOfVersion("V999"), QString());
}

TEST(VersionList, AListWithoutTheOwnPairStillAcceptsTheProgramsFiles) {
    const VersionList list = listFrom({{"Version/FirmVersionCount", "2"},
                                       {"Firm/Firm0", "V100V100"},
                                       {"Firm/Firm1", "V200V210"}});
    EXPECT_TRUE(list.isCompatiblePair("V200", "V200"));
    EXPECT_TRUE(list.isCompatiblePair("V200", "V210"));
    EXPECT_FALSE(list.isCompatiblePair("V200", "V100"));
    EXPECT_EQ(list.folderOfVersion("V100"), "V100");
}

TEST(VersionList, UnusableListsFallBackToTheProgramsOwnPair) {
    const QList<QMap<QString, QString>> broken = {
        {},
        {{"Version/FirmVersionCount", "0"}, {"Firm/Firm0", "V100V100"}},
        {{"Version/FirmVersionCount", "two"}, {"Firm/Firm0", "V100V100"}},
        {{"Version/FirmVersionCount", "-1"}},
        {{"Version/FirmVersionCount", "1"}, {"Firm/Firm0", "V1"}},
        {{"Version/FirmVersionCount", "1"}}};
    for (const auto& keys : broken) {
        const VersionList list = listFrom(keys);
        EXPECT_EQ(list.firmList(), QStringList({"V200", "V200"}));
        EXPECT_TRUE(list.isCompatiblePair("V200", "V200"));
    }
}

TEST(VersionList, HugeCountsAreBoundedAndEntriesCutAtNul) {
    const VersionList list = listFrom({{"Version/FirmVersionCount", "2147483647"},
                                       {"Firm/Firm0", QString::fromLatin1("V200V300\0junk", 13)}});
    // The program's own pair is added when the list lacks it.
    EXPECT_EQ(list.firmList(), QStringList({"V200", "V300", "V200", "V200"}));
}

TEST(VersionList, IncompatibilityQuestionNamesBothVersions) {
    EXPECT_EQ(versionDisplayForm("V200"), "V2.00");
    EXPECT_EQ(incompatibleMessage("V200", "V100", VersionKind::DataFile, Language::English),
              "incompatible version. It may cause unknown error.To start the corresponding "
              "software version, or not?\r\nDataFile version is V1.00\r\nprogramming software "
              "is V2.00");
    EXPECT_TRUE(incompatibleMessage("V200", "V210", VersionKind::Firmware, Language::English)
                    .contains("\r\nFirmware version is V2.10\r\n"));
    EXPECT_EQ(incompatibleMessage("V200", "V210", VersionKind::Firmware, Language::Chinese),
              QStringLiteral("版本不兼容，有可能引起未知错误，是否启动对应版本软件？\r\n固件版本为 "
                             "V2.10\r\n写频软件版本为 V2.00"));
}

TEST(ModelInformation, NamesTheModelBothBandsAndTheVersionsThisProgramHandles) {
    const VersionList list = listFrom({{"Version/FirmVersionCount", "4"},
                                       {"Firm/Firm0", "V200V200"},
                                       {"Firm/Firm1", "V100V150"},
                                       {"Firm/Firm2", "V200V210"},
                                       {"Firm/Firm3", "V200V210"}});
    EXPECT_EQ(handledVersionTags(list), QStringList({"V200", "V210"}));
    AppSettings settings;
    EXPECT_EQ(modelInformationText(settings, list),
              "Model Type: BRELLOCK R5K27\nModel code: ZT6666\n"
              "Frequency: CB 25.6150 - 30.1050 MHz, HF 28.0000 - 29.6990 MHz\n"
              "Data file version: V2.00\nData and firmware versions handled: V2.00, V2.10");
    settings.language = Language::Chinese;
    EXPECT_TRUE(modelInformationText(settings, list)
                    .startsWith(QStringLiteral("机型类型: BRELLOCK R5K27\n")));
}

} // namespace
} // namespace r5k27

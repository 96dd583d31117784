#include "channels/ChannelNames.h"
#include "channels/ListHelpers.h"
#include "channels/ModeCodec.h"
#include "channels/ToneCodec.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(ModeCodec, TextsAndCodesFallBackToFM) {
    EXPECT_EQ(modeCodeFromText("LSB"), 3);
    EXPECT_EQ(modeCodeFromText("PA"), 4);
    EXPECT_EQ(modeCodeFromText("fm"), 0);
    EXPECT_EQ(modeCodeFromText("usb"), 0);
    EXPECT_EQ(modeTextFromCode(2), "USB");
    EXPECT_EQ(modeTextFromCode(7), "FM");
    EXPECT_EQ(modeTextFromCode(-1), "FM");
}

TEST(ModeCodec, SwitchedOffModesBecomeTheFirstEnabledOne) {
    const ModeSwitches onlyUsbAndPa{0, 0, 1, 0, 1};
    EXPECT_EQ(normalizeMode(4, onlyUsbAndPa), 4);
    EXPECT_EQ(normalizeMode(0, onlyUsbAndPa), 2);
    EXPECT_EQ(normalizeMode(9, onlyUsbAndPa), 2);
    EXPECT_EQ(normalizeMode(3, ModeSwitches{0, 0, 0, 0, 0}), 0);
    EXPECT_EQ(fillModeList(onlyUsbAndPa, false), QStringList({"USB", "PA"}));
    EXPECT_EQ(fillModeList(onlyUsbAndPa, true), QStringList{"USB"});
    // A negative switch value counts as off.
    EXPECT_EQ(fillModeList(ModeSwitches{-1, 1, 1, 1, 1}, false),
              QStringList({"AM", "USB", "LSB", "PA"}));
}

TEST(ToneCodec, ListsHoldEveryToneAtItsIndex) {
    const QStringList shortList = shortToneList(kLangEnglish);
    const QStringList longList = longToneList(kLangChinese);
    ASSERT_EQ(shortList.size(), 143);
    ASSERT_EQ(longList.size(), 143);
    EXPECT_EQ(shortList[0], "Off");
    EXPECT_EQ(longList[0], "关");
    EXPECT_EQ(shortList[8], "88.5");
    EXPECT_EQ(shortList[38], "250.3");
    EXPECT_EQ(shortList[39], "D023N");
    EXPECT_EQ(shortList[142], "D754N");
    EXPECT_EQ(longList[1], "C_001(67.0Hz)");
    EXPECT_EQ(longList[38], "C_038(250.3Hz)");
    EXPECT_EQ(longList[39], "D_001(023N)");
    EXPECT_EQ(longList[142], "D_104(754N)");
    EXPECT_EQ(QStringList(shortList).removeDuplicates(), 0);
}

TEST(ToneCodec, ShownTextsAndToneCodesConvertBothWays) {
    EXPECT_EQ(getCtcssDcsByShow("88.5", kLangEnglish), "0885");
    EXPECT_EQ(getCtcssDcsByShow("250.3", kLangEnglish), "2503");
    EXPECT_EQ(getCtcssDcsByShow("D023N", kLangEnglish), "8023");
    EXPECT_EQ(getCtcssDcsByShow("Off", kLangEnglish), "0");
    EXPECT_EQ(getCtcssDcsByShow("关", kLangChinese), "0");
    EXPECT_EQ(getCtcssDcsByShow("DxyzN", kLangEnglish), "0");
    EXPECT_EQ(getCtcssDcsByShow("nonsense", kLangEnglish), "0");

    EXPECT_EQ(showCtcssDcs("0885", kLangEnglish), "88.5");
    EXPECT_EQ(showCtcssDcs("1000", kLangEnglish), "100.0");
    EXPECT_EQ(showCtcssDcs("8023", kLangEnglish), "D023N");
    EXPECT_EQ(showCtcssDcs("8754", kLangEnglish), "D754N");
    EXPECT_EQ(showCtcssDcs("885", kLangEnglish), "Off");
    EXPECT_EQ(showCtcssDcs("885", kLangChinese), "关");
    EXPECT_EQ(showCtcssDcs("X885", kLangEnglish), "Off");
    EXPECT_EQ(showCtcssDcs(QString::fromLatin1("0885\0   ", 8), kLangEnglish), "88.5");

    // Every list entry survives the trip through its code.
    const QStringList list = shortToneList(kLangEnglish);
    for (const QString& shown : list)
        EXPECT_EQ(showCtcssDcs(getCtcssDcsByShow(shown, kLangEnglish), kLangEnglish), shown);
}

TEST(ChannelNames, ChannelAndGroupNamesConvertBothWays) {
    EXPECT_EQ(getChName(7), "7");
    EXPECT_EQ(getChName(41, 5), "M1");
    EXPECT_EQ(getChName(43, 1), "M3");
    EXPECT_EQ(getChId("M6"), 46);
    EXPECT_EQ(getChId("12  "), 12);
    EXPECT_EQ(getChId("abc"), 0);
    EXPECT_EQ(getChId("M"), 0);
    EXPECT_EQ(getChId("99999"), 0);

    EXPECT_EQ(groupNumberFromText("A"), 1);
    EXPECT_EQ(groupNumberFromText("J"), 10);
    EXPECT_EQ(groupNumberFromText("MEM"), 11);
    EXPECT_EQ(groupNumberFromText("K"), 0);
    EXPECT_EQ(groupNumberFromText("a"), 0);
    EXPECT_EQ(groupTextFromNumber(2), "B");
    EXPECT_EQ(groupTextFromNumber(10), "J");
    EXPECT_EQ(groupTextFromNumber(11), "MEM");
    EXPECT_EQ(groupTextFromNumber(12), "A");
    EXPECT_EQ(groupTextFromNumber(0), "A");
}

TEST(ListHelpers, MissingEntriesShowTheFirstAndEmptyListsSelectNothing) {
    const QStringList list{"Off", "1", "2"};
    EXPECT_EQ(listTextAt(list, 2), "2");
    EXPECT_EQ(listTextAt(list, 3), "Off");
    EXPECT_EQ(listTextAt(list, -1), "Off");
    EXPECT_EQ(listTextMatching(list, "1"), "1");
    EXPECT_EQ(listTextMatching(list, "7"), "Off");
    EXPECT_EQ(selectListIndex(list, 5), 0);
    EXPECT_EQ(selectListText(list, "2"), 2);
    EXPECT_EQ(listTextAt({}, 0), "");
    EXPECT_EQ(listTextMatching({}, "x"), "");
    EXPECT_EQ(selectListIndex({}, 0), -1);
    EXPECT_EQ(selectListText({}, "x"), -1);
}

} // namespace
} // namespace r5k27

#include "core/channels/ChannelNames.h"
#include "core/channels/ListHelpers.h"
#include "core/channels/ModeCodec.h"
#include "core/channels/ToneCodec.h"

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
    const QStringList shortList = shortToneList(Language::English);
    const QStringList longList = longToneList(Language::Chinese);
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

// Entry by entry against the published tone sets, so that a slipped or swapped entry shows.
TEST(ToneCodec, EveryCtcssToneAndDcsCodeIsTheStandardOne) {
    const QStringList ctcss =
        QStringLiteral(
            "67.0 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 114.8 "
            "118.8 123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 162.2 167.9 173.8 179.9 186.2 "
            "192.8 203.5 210.7 218.1 225.7 233.6 241.8 250.3")
            .split(u' ');
    const QStringList dcs =
        QStringLiteral(
            "023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 "
            "131 132 134 143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 "
            "251 252 255 261 263 265 266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 "
            "371 411 412 413 423 431 432 445 446 452 454 455 462 464 465 466 503 506 516 523 526 "
            "532 546 565 606 612 624 627 631 632 654 662 664 703 712 723 731 732 734 743 754")
            .split(u' ');
    ASSERT_EQ(ctcss.size(), kCtcssCount);
    ASSERT_EQ(dcs.size(), kDcsCount);
    const QStringList shown = shortToneList(Language::English);
    for (int n = 1; n <= kCtcssCount; ++n) {
        EXPECT_EQ(QString::number(ctcssTenthsHz(n) / 10.0, 'f', 1), ctcss[n - 1]) << n;
        EXPECT_EQ(shown[n], ctcss[n - 1]) << n;
    }
    for (int n = 1; n <= kDcsCount; ++n) {
        EXPECT_EQ(QStringLiteral("%1").arg(dcsOctalDigits(n), 3, 10, QChar(u'0')), dcs[n - 1]) << n;
        EXPECT_EQ(shown[kCtcssCount + n], u'D' + dcs[n - 1] + u'N') << n;
    }
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

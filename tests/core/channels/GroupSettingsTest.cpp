#include "core/channels/GroupSettings.h"

#include "core/channels/ChannelTable.h"
#include "core/common/DocumentEvents.h"
#include "core/document/ChannelDetails.h"
#include "core/image/MemoryImage.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr int kCB = 0;
constexpr int kHF = 1;

class GroupSettingsTest : public ::testing::Test {
protected:
    GroupSettingsTest() {
        image.optFeat.modeEnable = {1, 1, 1, 1, 1};
        image.optFeat.workGroup = {1, 1};
    }
    void only(int mode, std::initializer_list<int> groups) {
        for (int g = 1; g <= kGroupCount; ++g)
            image.optFeat.groupValid(mode, g) = 0;
        for (int g : groups)
            image.optFeat.groupValid(mode, g) = 1;
    }

    MemoryImage image;
    ChTable table;
};

TEST_F(GroupSettingsTest, TheOnlyGroupInUseCannotBeSwitchedOffCountingOfferedGroupsOnly) {
    only(kCB, {1, 10});
    EXPECT_TRUE(setGroupValid(image, table, kCB, 1, false));
    EXPECT_FALSE(setGroupValid(image, table, kCB, 10, false));
    EXPECT_EQ(image.optFeat.groupValid(kCB, 10), 1);
    // HF "J" is not offered, so it does not keep "A" company.
    only(kHF, {1, 10});
    EXPECT_FALSE(setGroupValid(image, table, kHF, 1, false));
    EXPECT_EQ(workGroupList(image, kHF), QStringList({"A"}));
    EXPECT_EQ(groupViewList(kHF).size(), 10);
}

TEST_F(GroupSettingsTest, AGroupSwitchedOnWithoutChannelsGetsChannelOneAndItsReferences) {
    only(kCB, {1});
    addChannel(image, table, {kCB, 5, 41}, "28.0150");
    EXPECT_TRUE(setGroupValid(image, table, kCB, 5, true));
    ASSERT_EQ(image.chCount(kCB, 5), 2);
    EXPECT_EQ(table.at({kCB, 5, 2}).chNo, 1);
    EXPECT_EQ(table.at({kCB, 5, 2}).rxFreq.clean(), "28055000");
    EXPECT_EQ(image.optFeat.workCh(kCB, 5), 1);
    EXPECT_EQ(ordinaryChannelNames(image, table, kCB, 5), QStringList({"1"}));

    // A group that has a channel is only switched on.
    EXPECT_TRUE(setGroupValid(image, table, kCB, 5, false));
    EXPECT_TRUE(setGroupValid(image, table, kCB, 5, true));
    EXPECT_EQ(image.chCount(kCB, 5), 2);
}

TEST_F(GroupSettingsTest, TheWorkGroupLeavesAGroupThatIsSwitchedOff) {
    only(kHF, {2, 4});
    image.optFeat.workGroup[kHF] = 2;
    EXPECT_TRUE(setGroupValid(image, table, kHF, 2, false));
    EXPECT_EQ(image.optFeat.workGroup[kHF], 4);

    // Also when clearing a group's last channel switches it off.
    image.workMode = kHF;
    image.curGroup = {1, 4};
    addChannel(image, table, {kHF, 4, 1}, "28.1000");
    setGroupValid(image, table, kHF, 2, true);
    ASSERT_EQ(countOrdinaryChannels(image, table, kHF, 4), 1);
    enterFrequency(image, table, {kHF, 4, 1}, std::nullopt);
    EXPECT_EQ(image.optFeat.groupValid(kHF, 4), 0);
    EXPECT_EQ(image.optFeat.workGroup[kHF], 2);
}

TEST_F(GroupSettingsTest, DetailListsShowStoredValuesTheyHaveNoEntryForAsThemselves) {
    ChannelRec rec;
    rec.repShift = 7;  // no such entry
    rec.rogerTone = 5; // not a defined sequence
    rec.mode = 4;      // PA, which the "MEM" view does not offer
    const DetailChoices rep = detailChoices(7, rec, image, Language::Chinese, false);
    EXPECT_EQ(rep.entries, QStringList({"关", "+", "-", "7"}));
    EXPECT_EQ(rep.shown, 3);
    EXPECT_EQ(detailValue(7, rep, 3), std::nullopt); // choosing it again stores nothing
    EXPECT_EQ(detailValue(7, rep, 2), 2);

    const DetailChoices roger = detailChoices(kDetailRoger, rec, image, Language::English, false);
    EXPECT_EQ(roger.entries, QStringList({"OFF", "5"}));
    EXPECT_EQ(roger.shown, 1);
    EXPECT_EQ(detailValue(kDetailRoger, roger, 0), 0);

    const DetailChoices memModes = detailChoices(kDetailMode, rec, image, Language::English, true);
    EXPECT_EQ(memModes.entries, QStringList({"FM", "AM", "USB", "LSB", "PA"}));
    EXPECT_EQ(memModes.shown, 4);
    EXPECT_EQ(detailValue(kDetailMode, memModes, 3), 3);
    EXPECT_EQ(detailValue(kDetailMode, memModes, 4), std::nullopt);

    // The two lists without a setting in the radio store nothing.
    EXPECT_EQ(detailValue(1, detailChoices(1, rec, image, Language::English, false), 20),
              std::nullopt);
    EXPECT_EQ(detailValue(8, detailChoices(8, rec, image, Language::English, false), 1),
              std::nullopt);
}

} // namespace
} // namespace r5k27

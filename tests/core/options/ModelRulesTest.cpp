#include "core/channels/ChannelTable.h"
#include "core/channels/GroupCheck.h"
#include "core/image/MemoryImage.h"
#include "core/lang/Language.h"
#include "core/options/ModeEnable.h"
#include "core/options/OptionText.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

class ModelRulesTest : public ::testing::Test {
protected:
    ModelRulesTest() {
        applyNewDocumentOptions(image);
        image.workMode = 0;
    }
    void addChannels(int mode, int group, std::initializer_list<int> chNos) {
        for (int chNo : chNos)
            addChannel(image, table, {mode, group, chNo}, "27.0");
    }

    MemoryImage image;
    ChTable table;
};

TEST_F(ModelRulesTest, GroupCheckRepairsEachReferenceByItsKind) {
    addChannels(0, 4, {3, 45, 7});
    OptFeatRec& o = image.optFeat;
    o.workCh(0, 4) = 5;
    o.dwCh(0, 4, 0) = 43;
    o.dwCh(0, 4, 1) = 7;
    o.emergencyCh(0, 4, 0) = 0;
    o.emergencyCh(0, 4, 1) = 45;
    o.memCh(0, 4) = 44;
    groupCheck(image, table, 0, 4);
    EXPECT_EQ(o.workCh(0, 4), 3);
    EXPECT_EQ(o.dwCh(0, 4, 0), 45);
    EXPECT_EQ(o.dwCh(0, 4, 1), 7);
    EXPECT_EQ(o.emergencyCh(0, 4, 0), 3); // 0 counts as ordinary
    EXPECT_EQ(o.emergencyCh(0, 4, 1), 45);
    EXPECT_EQ(o.memCh(0, 4), 44); // not a reference the check repairs

    addChannels(1, 2, {2, 9});
    o.dwCh(1, 2, 0) = 43;
    o.workCh(1, 2) = 9;
    groupCheck(image, table, 1, 2);
    EXPECT_EQ(o.dwCh(1, 2, 0), 0);
    EXPECT_EQ(o.workCh(1, 2), 9);
}

TEST_F(ModelRulesTest, TheLastVoiceModeCannotBeSwitchedOff) {
    image.optFeat.modeEnable = {1, 0, 0, 0, 1};
    addChannels(0, 1, {1, 2});
    table.at({0, 1, 2}).mode = 4;
    EXPECT_FALSE(setModeEnable(image, table, 0, false));
    EXPECT_EQ(image.optFeat.modeEnable[0], 1);

    image.optFeat.pubMode = 4;
    EXPECT_TRUE(setModeEnable(image, table, 4, false));
    EXPECT_EQ(image.optFeat.modeEnable[4], 0);
    EXPECT_EQ(table.at({0, 1, 2}).mode, 0);
    EXPECT_EQ(image.optFeat.pubMode, 0);
}

TEST_F(ModelRulesTest, PublicModeKeepsAStillEnabledChoice) {
    image.optFeat.pubMode = 2; // USB
    EXPECT_TRUE(setModeEnable(image, table, 1, false));
    EXPECT_EQ(image.optFeat.pubMode, 2);
    EXPECT_EQ(optionChoices(image, OptionId::PubMode, Language::English),
              QStringList({"FM", "USB", "LSB", "PA"}));
    EXPECT_TRUE(setModeEnable(image, table, 2, false));
    EXPECT_EQ(image.optFeat.pubMode, 0);
    EXPECT_TRUE(setModeEnable(image, table, 1, true));
    EXPECT_FALSE(setModeEnable(image, table, 5, true));
}

} // namespace
} // namespace r5k27

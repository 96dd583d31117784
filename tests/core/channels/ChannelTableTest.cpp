#include "core/channels/ChannelTable.h"

#include "core/common/DocumentEvents.h"
#include "core/document/DocumentModel.h"
#include "core/image/MemoryImage.h"
#include "support/EventRecorder.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr int kHFMode = 1;

class ChannelTableTest : public ::testing::Test {
protected:
    ChannelTableTest() {
        image.workMode = kHFMode;
        image.curGroup = {1, 1};
        image.optFeat.modeEnable = {1, 1, 1, 1, 1};
    }

    // Adds channels to group g of the HF work mode and makes the group valid.
    void addChannels(int group, std::initializer_list<int> chNos) {
        image.optFeat.groupValid(kHFMode, group) = 1;
        for (int chNo : chNos)
            addChannel(image, table, {kHFMode, group, chNo}, "28.1000");
    }
    QList<int> channelNumbers(int group) const {
        QList<int> out;
        for (int slot = 1; slot <= image.chCount(kHFMode, group); ++slot)
            out << table.at({kHFMode, group, slot}).chNo;
        return out;
    }
    // A frequency typed into grid row 1..40 (1..6 in the "MEM" view) of the group shown.
    void commit(int row, const QString& text) {
        const int mode = image.workMode;
        const int group = image.curGroup[std::size_t(mode)];
        const ChannelKey key =
            group == 11 ? ChannelKey{mode, 1, row + 40} : ChannelKey{mode, group, row};
        if (const auto refusal = model.setFrequency(key, text, {}))
            prompter.warn(refusal->in(Language::English));
    }
    const ChannelRec* channel(int group, int chNo) const {
        const int slot = findChannel(image, table, {kHFMode, group, chNo});
        return slot ? &table.at({kHFMode, group, slot}) : nullptr;
    }

    Document doc;
    MemoryImage& image = doc.curImage;
    ChTable& table = doc.chTable;
    test::ScriptedPrompter prompter;
    DocumentEvents events;
    DocumentModel model{doc, events};
};

TEST_F(ChannelTableTest, NewChannelsGoLastWithNewChannelValuesAndKeepTheSpares) {
    addChannels(1, {41, 1});
    table.at({kHFMode, 1, 3}).spare1 = 77;
    table.at({kHFMode, 1, 3}).rogerTone = 5;
    commit(5, "28.0850");
    commit(3, "28.3");
    EXPECT_EQ(channelNumbers(1), QList<int>({41, 1, 5, 3}));
    const ChannelRec& rec = table.at({kHFMode, 1, 3});
    EXPECT_EQ(rec.chFlag, 1);
    EXPECT_EQ(rec.scanAdd, 1);
    EXPECT_EQ(rec.rxFreq.raw(), "280850  ");
    EXPECT_EQ(rec.txFreq, rec.rxFreq);
    EXPECT_EQ(rec.decodeTone, 8);
    EXPECT_EQ(rec.encodeTone, 8);
    EXPECT_EQ(rec.nbAnl, 1);
    EXPECT_EQ(rec.mode, 0);
    EXPECT_EQ(rec.rogerTone, 0);
    EXPECT_EQ(rec.spare1, 77);
    EXPECT_TRUE(prompter.shown.isEmpty());

    // A duplicate number or a full group adds nothing.
    addChannel(image, table, {kHFMode, 1, 5}, "28.2");
    EXPECT_EQ(image.chCount(kHFMode, 1), 4);
    image.chCount(kHFMode, 2) = 46;
    addChannel(image, table, {kHFMode, 2, 9}, "28.2");
    EXPECT_EQ(image.chCount(kHFMode, 2), 46);
}

TEST_F(ChannelTableTest, ANewChannelGetsTheFirstModeSwitchedOn) {
    image.optFeat.modeEnable = {0, 0, 1, 1, 1};
    addChannels(1, {1});
    commit(2, "28.2");
    EXPECT_EQ(channel(1, 1)->mode, 2);
    EXPECT_EQ(channel(1, 2)->mode, 2);
}

TEST_F(ChannelTableTest, DeletingMovesLaterSlotsDownInOrder) {
    addChannels(1, {41, 42, 1, 2, 3, 4, 5});
    deleteChannel(image, table, {kHFMode, 1, 3});
    EXPECT_EQ(channelNumbers(1), QList<int>({41, 42, 2, 3, 4, 5}));
    deleteChannel(image, table, {kHFMode, 1, 0});
    deleteChannel(image, table, {kHFMode, 1, 7});
    EXPECT_EQ(image.chCount(kHFMode, 1), 6);
}

TEST_F(ChannelTableTest, DamagedCountsNeverReachOutsideTheTable) {
    image.chCount(kHFMode, 1) = 500;
    EXPECT_EQ(usedSlots(image, kHFMode, 1), 46);
    EXPECT_EQ(findChannel(image, table, {kHFMode, 1, 99}), 0);
    image.chCount(kHFMode, 1) = -3;
    EXPECT_EQ(countOrdinaryChannels(image, table, kHFMode, 1), 0);
    EXPECT_EQ(findChannel(image, table, {2, 1, 0}), 0);
    EXPECT_EQ(findChannel(image, table, {kHFMode, 11, 0}), 0);
}

TEST_F(ChannelTableTest, ATypedFrequencyIsAlsoTheTransmitFrequencyAndTheSameOneChangesNothing) {
    addChannels(1, {1, 2});
    commit(2, "29.5");
    EXPECT_EQ(channel(1, 2)->rxFreq.clean(), "295000");
    EXPECT_EQ(channel(1, 2)->txFreq.clean(), "295000");
    EXPECT_EQ(model.history().undoCount(), 1);

    // The shown value accepted again, whatever digits the file holds, is no change.
    table.at({kHFMode, 1, 1}).rxFreq.assign("28100000");
    const ChTable before = table;
    test::EventRecorder recorder(events);
    for (const char* same : {"28.1", "28.1000", "28.10004"})
        commit(1, same);
    commit(2, "29.50000");
    EXPECT_TRUE(table == before);
    EXPECT_EQ(model.history().undoCount(), 1);
    EXPECT_TRUE(recorder.lines.isEmpty());
}

TEST_F(ChannelTableTest, AnEntryOutsideTheBandOrNoNumberIsRefusedAndKeepsTheChannel) {
    addChannels(1, {1, 2});
    const ChTable before = table;
    commit(2, "27.0");
    commit(2, "29.6995");
    commit(7, "abc");
    EXPECT_TRUE(table == before);
    const QString a2 = "Frequency is out of range.\nA2: 28.0000 - 29.6990 MHz";
    EXPECT_EQ(prompter.texts(),
              QStringList({a2, a2, "Frequency is out of range.\nA7: 28.0000 - 29.6990 MHz"}));
}

TEST_F(ChannelTableTest, LastOrdinaryChannelOfAGroupSwitchesTheGroupOff) {
    addChannels(1, {41, 1});
    addChannels(2, {41, 42, 1});
    image.curGroup[kHFMode] = 2;
    commit(1, "");
    EXPECT_EQ(image.optFeat.groupValid(kHFMode, 2), 0);
    EXPECT_EQ(channelNumbers(2), QList<int>({41, 42}));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ChannelTableTest, LastOrdinaryChannelOfTheLastValidGroupStays) {
    addChannels(1, {41, 1});
    addChannels(2, {1});
    image.optFeat.groupValid(kHFMode, 2) = 0; // invalid groups do not count
    addChannels(10, {1});                     // nor does HF group J
    commit(1, "");
    EXPECT_EQ(image.optFeat.groupValid(kHFMode, 1), 1);
    EXPECT_EQ(channelNumbers(1), QList<int>({41, 1}));
}

TEST_F(ChannelTableTest, DeletingOneOfSeveralChannelsRepairsTheGroupReferences) {
    addChannels(1, {1, 2, 3});
    image.optFeat.workCh(kHFMode, 1) = 2;
    test::EventRecorder recorder(events);
    commit(2, "");
    EXPECT_EQ(channelNumbers(1), QList<int>({1, 3}));
    EXPECT_EQ(image.optFeat.workCh(kHFMode, 1), 1);
    EXPECT_EQ(recorder.lines, QStringList({"changed ChannelSet 1 1 2"}));
}

TEST_F(ChannelTableTest, MemViewEditsTheMemoryChannelsOfGroupA) {
    addChannels(1, {1});
    addChannels(2, {1});
    image.curGroup[kHFMode] = 11;
    image.optFeat.dwCh(kHFMode, 1, 0) = 0;
    test::EventRecorder recorder(events);

    commit(2, "28.2");
    EXPECT_EQ(channelNumbers(1), QList<int>({1, 42}));
    EXPECT_EQ(channelNumbers(2), QList<int>{1});
    commit(2, "28.3");
    EXPECT_EQ(channel(1, 42)->rxFreq.clean(), "283000");

    image.optFeat.dwCh(kHFMode, 1, 1) = 42;
    commit(2, "");
    EXPECT_EQ(channelNumbers(1), QList<int>{1});
    // No memory channel is left, so the reference to it cannot stay.
    EXPECT_EQ(image.optFeat.dwCh(kHFMode, 1, 1), 0);
    EXPECT_EQ(recorder.lines, QStringList({"changed ChannelSet 1 1 42", "changed Channel 1 1 42",
                                           "changed ChannelSet 1 1 42"}));

    // The view has six rows only.
    commit(7, "28.2");
    EXPECT_EQ(channelNumbers(1), QList<int>{1});
}

TEST_F(ChannelTableTest, OtherValidGroupsCountWithoutTheRecordItself) {
    addChannels(1, {1, 2, 41});
    addChannels(3, {5});
    addChannels(4, {6});
    image.optFeat.groupValid(kHFMode, 4) = 0;
    EXPECT_EQ(countOrdinaryChannels(image, table, kHFMode, 1), 2);
    EXPECT_EQ(countOtherOrdinaryChannels(image, table, {kHFMode, 1, 2}), 2);
    EXPECT_EQ(countOtherOrdinaryChannels(image, table, {kHFMode, 3, 5}), 2);
    EXPECT_EQ(countOtherOrdinaryChannels(image, table, {kHFMode, 3, 9}), 3);
}

TEST_F(ChannelTableTest, NormalizingReplacesSwitchedOffModesInBothWorkModes) {
    addChannels(1, {1, 2});
    image.optFeat.groupValid(0, 5) = 1;
    addChannel(image, table, {0, 5, 1}, "27.0");
    table.at({kHFMode, 1, 1}).mode = 4;
    table.at({kHFMode, 1, 2}).mode = 2;
    table.at({0, 5, 1}).mode = 4;
    table.at({0, 5, 2}).mode = 4; // unused slot: left alone
    image.optFeat.modeEnable = {0, 1, 1, 1, 0};
    normalizeAllModes(image, table);
    EXPECT_EQ(table.at({kHFMode, 1, 1}).mode, 1);
    EXPECT_EQ(table.at({kHFMode, 1, 2}).mode, 2);
    EXPECT_EQ(table.at({0, 5, 1}).mode, 1);
    EXPECT_EQ(table.at({0, 5, 2}).mode, 4);
}

TEST_F(ChannelTableTest, CBWorkModeChecksAgainstTheCBBand) {
    image.workMode = 0;
    image.curGroup[0] = 10;
    image.optFeat.groupValid(0, 10) = 1;
    commit(4, "26.0");
    ASSERT_EQ(image.chCount(0, 10), 1);
    EXPECT_EQ(table.at({0, 10, 1}).rxFreq.clean(), "260000");
    EXPECT_TRUE(prompter.shown.isEmpty());
}

} // namespace
} // namespace r5k27

#include "core/channels/ChannelRec.h"

#include "core/channels/ChannelTable.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(ChannelRec, FieldsLandAtTheirFileOffsets) {
    ChannelRec rec;
    rec.chNo = 41;
    rec.chFlag = 1;
    rec.scanAdd = 1;
    rec.rxFreq.assign("2801500");
    rec.txFreq.assign("FFFFFFFF");
    rec.spare1 = -1;
    rec.decodeTone = 8;
    rec.mode = 4;
    rec.rogerTone = 8;
    rec.callCode = 0x1234;
    const QByteArray bytes = serializeChannel(rec);
    ASSERT_EQ(bytes.size(), 54);
    EXPECT_EQ(bytes.mid(0, 6), QByteArray("\x29\x00\x01\x00\x01\x00", 6));
    EXPECT_EQ(bytes.mid(6, 8), QByteArray("2801500 "));
    EXPECT_EQ(bytes.mid(14, 8), QByteArray("FFFFFFFF"));
    EXPECT_EQ(bytes.mid(22, 2), QByteArray("\xFF\xFF"));
    EXPECT_EQ(bytes.mid(26, 2), QByteArray("\x08\x00", 2));
    EXPECT_EQ(bytes.mid(30, 2), QByteArray("\x04\x00", 2));
    EXPECT_EQ(bytes.mid(42, 2), QByteArray("\x08\x00", 2));
    EXPECT_EQ(bytes.mid(52, 2), QByteArray("\x34\x12"));
}

TEST(ChannelRec, AnyRecordBytesSurviveReadAndWrite) {
    QRandomGenerator rng(54);
    for (int round = 0; round < 200; ++round) {
        QByteArray data(54, '\0');
        for (auto& b : data)
            b = char(rng.bounded(256));
        ChannelRec rec;
        ASSERT_TRUE(deserializeChannel(data, rec));
        EXPECT_EQ(serializeChannel(rec), data);
    }
    ChannelRec rec;
    rec.chNo = 5;
    EXPECT_FALSE(deserializeChannel(QByteArray(53, '\x01'), rec));
    EXPECT_EQ(rec.chNo, 5);
}

TEST(ChTable, IndexesAreIndependentPerModeGroupAndSlot) {
    auto table = std::make_unique<ChTable>();
    table->at({0, 1, 1}).chNo = 1;
    table->at({1, 1, 1}).chNo = 2;
    table->at({0, 10, 46}).chNo = 3;
    table->at({1, 10, 46}).chNo = 4;
    table->at({0, 1, 2}).chNo = 5;
    table->at({0, 2, 1}).chNo = 6;
    EXPECT_EQ(table->at({0, 1, 1}).chNo, 1);
    EXPECT_EQ(table->at({1, 1, 1}).chNo, 2);
    EXPECT_EQ(table->at({0, 10, 46}).chNo, 3);
    EXPECT_EQ(table->at({1, 10, 46}).chNo, 4);
    EXPECT_EQ(table->at({0, 1, 2}).chNo, 5);
    EXPECT_EQ(table->at({0, 2, 1}).chNo, 6);
}

} // namespace
} // namespace r5k27

#include "core/document/ChannelFile.h"

#include "DocumentSamples.h"
#include "core/channels/BandIdentity.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(BandIdentity, BandTextAndFlagFollowTheWorkMode) {
    EXPECT_EQ(bandTextOfWorkMode(0), "25.6150 - 30.1050 MHz");
    EXPECT_EQ(bandTextOfWorkMode(1), "28.0000 - 29.6990 MHz");
    EXPECT_EQ(bandTextOfWorkMode(7), "28.0000 - 29.6990 MHz");
    EXPECT_EQ(bandFlagOf("25.6150 - 30.1050 MHz"), 0);
    EXPECT_EQ(bandFlagOf("28.0000 - 29.6990 MHz"), 1);
    EXPECT_EQ(bandFlagOf("anything"), 1);
    EXPECT_EQ(bandDigitOf(bandTextOfWorkMode(0)), "0");
    EXPECT_EQ(bandDigitOf(bandTextOfWorkMode(1)), "1");
}

TEST(BandIdentity, WellFormedTags) {
    for (const char* good : {"V100", "V200", "V1.0", "V200\0xyz", "V-12"})
        EXPECT_TRUE(isWellFormedTag(QString::fromLatin1(good, 4))) << good;
    EXPECT_TRUE(isWellFormedTag(QString::fromLatin1("V200\0", 5)));
    EXPECT_TRUE(isWellFormedTag("V200   "));
    for (const char* bad : {"VABC", "X200", "V20", "V20 ", "v200", "V1e2", "V0x1", "", "V2000"})
        EXPECT_FALSE(isWellFormedTag(bad)) << bad;
    EXPECT_FALSE(isWellFormedTag(QString::fromLatin1("V2\0"
                                                     "00",
                                                     5)));
}

TEST(ChannelFile, CompanionPathReplacesTheLastThreeCharacters) {
    EXPECT_EQ(companionPath("radio.dat"), "radio.fre");
    EXPECT_EQ(companionPath("/home/x/Radio.DAT"), "/home/x/Radio.fre");
    EXPECT_EQ(companionPath("C:\\data\\shop.dat"), "C:\\data\\shop.fre");
    EXPECT_EQ(companionPath("notes.txt"), "notes.fre");
    // Too short a name would eat the separator.
    EXPECT_EQ(companionPath("dir/ab"), "dir/ab.fre");
    EXPECT_EQ(companionPath("x.fre"), "x.fre");
}

TEST(ChannelFile, HoldsExactlyTheUsedRecordsInModeGroupSlotOrder) {
    MemoryImage image;
    image.chCount.fill(0);
    image.chCount(0, 1) = 2;
    image.chCount(0, 10) = 1;
    image.chCount(1, 1) = 1;
    ChTable table;
    table.at({0, 1, 1}).chNo = 5;
    table.at({0, 1, 2}).chNo = 3;
    table.at({0, 1, 3}).chNo = 9; // beyond the count
    table.at({0, 10, 1}).chNo = 41;
    table.at({1, 1, 1}).chNo = 7;
    const QByteArray data = serializeChannelFile(image, table);
    ASSERT_EQ(data.size(), 4 * 54);
    std::vector<int> numbers;
    for (int i = 0; i < 4; ++i)
        numbers.push_back(quint8(data[i * 54]));
    EXPECT_EQ(numbers, (std::vector<int>{5, 3, 41, 7}));

    ChTable read;
    read.at({0, 1, 3}).chNo = 33; // an unused slot keeps what it had
    ASSERT_TRUE(deserializeChannelFile(data + QByteArray(54, 'x'), image, read));
    EXPECT_EQ(read.at({0, 1, 1}), table.at({0, 1, 1}));
    EXPECT_EQ(read.at({0, 1, 2}), table.at({0, 1, 2}));
    EXPECT_EQ(read.at({0, 10, 1}), table.at({0, 10, 1}));
    EXPECT_EQ(read.at({1, 1, 1}), table.at({1, 1, 1}));
    EXPECT_EQ(read.at({0, 1, 3}).chNo, 33);
}

TEST(ChannelFile, RefusesShortDataAndCountsOutsideTheTable) {
    QRandomGenerator rng(7);
    MemoryImage image = test::randomImage(rng);
    const ChTable table = test::randomTable(rng, image);
    const QByteArray data = serializeChannelFile(image, table);
    ChTable read = table;
    read.at({0, 1, 1}).chNo = -5;
    const ChTable before = read;
    EXPECT_FALSE(deserializeChannelFile(data.chopped(1), image, read));
    EXPECT_EQ(read, before);

    for (std::int16_t bad : {std::int16_t(-1), std::int16_t(47), std::int16_t(32767)}) {
        MemoryImage broken = image;
        broken.chCount(1, 4) = bad;
        EXPECT_FALSE(usedRecordCount(broken)) << bad;
        EXPECT_FALSE(deserializeChannelFile(QByteArray(1 << 20, '\0'), broken, read)) << bad;
        EXPECT_EQ(read, before);
        EXPECT_TRUE(serializeChannelFile(broken, table).isEmpty());
    }
}

} // namespace
} // namespace r5k27

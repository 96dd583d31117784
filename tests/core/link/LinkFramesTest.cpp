#include "core/link/LinkFrames.h"

#include "core/link/LinkProgress.h"

#include <gtest/gtest.h>

using namespace r5k27;
using namespace r5k27::LinkFrames;

namespace {

QByteArray frameWithData0To15(int addr) {
    QByteArray data;
    for (int i = 0; i < 16; ++i)
        data += char(i);
    return dataFrame(addr, data);
}

} // namespace

TEST(LinkFrames, RequestsAreTheBytesOnTheWire) {
    EXPECT_EQ(programRequest(), QByteArray::fromHex("50524F4752414D"));
    EXPECT_EQ(identifyRequest(), QByteArray::fromHex("02"));
    EXPECT_EQ(readRequest(0x3FF0, 16), QByteArray::fromHex("523FF010"));
    EXPECT_EQ(endRequest(), QByteArray::fromHex("454E44"));
}

TEST(LinkFrames, DataFrameCarriesAddressLengthDataChecksumAndAck) {
    const QByteArray frame = frameWithData0To15(0x0120);
    ASSERT_EQ(frame.size(), 22);
    EXPECT_EQ(frame.left(4), QByteArray::fromHex("57012010"));
    // 0x01 + 0x20 + 0x10 + (0 + 1 + ... + 15) = 169
    EXPECT_EQ(quint8(frame[20]), 169);
    EXPECT_EQ(frame[21], kAck);
    // The sum keeps only its low byte.
    EXPECT_EQ(checksum(QByteArray::fromHex("FFFF10")), 0x0E);
}

TEST(LinkFrames, RepliesAreRecognisedInOrder) {
    EXPECT_EQ(classifyReply(QByteArray(1, kAck), 0, 16), ReplyKind::Ack);
    EXPECT_EQ(classifyReply(QByteArray("ZT\x06"), 0, 16), ReplyKind::Handshake);
    EXPECT_EQ(classifyReply(QByteArray("ZT\x06\x06"), 0, 16), ReplyKind::Unrecognised);
    EXPECT_EQ(classifyReply(QByteArray("I").leftJustified(16, 'x'), 0, 16), ReplyKind::Identity);
    EXPECT_EQ(classifyReply(QByteArray("I").leftJustified(15, 'x'), 0, 16),
              ReplyKind::Unrecognised);
    EXPECT_EQ(classifyReply(frameWithData0To15(0x40), 0x40, 16), ReplyKind::DataFrame);
    EXPECT_EQ(classifyReply({}, 0, 16), ReplyKind::Unrecognised);
}

TEST(LinkFrames, DataFrameIsDroppedForAnyWrongField) {
    const QByteArray good = frameWithData0To15(0x40);
    ASSERT_TRUE(isValidDataFrame(good, 0x40, 16));

    EXPECT_FALSE(isValidDataFrame(good, 0x50, 16)) << "address of another block";
    QByteArray badLen = good;
    badLen[3] = 15;
    EXPECT_FALSE(isValidDataFrame(badLen, 0x40, 16));
    QByteArray badAck = good;
    badAck[21] = 0x15;
    EXPECT_FALSE(isValidDataFrame(badAck, 0x40, 16));
    QByteArray badSum = good;
    badSum[20] = char(badSum[20] + 1);
    EXPECT_FALSE(isValidDataFrame(badSum, 0x40, 16));
    EXPECT_FALSE(isValidDataFrame(good + '\x06', 0x40, 16)) << "extra trailing byte";
    EXPECT_FALSE(isValidDataFrame(good.left(21), 0x40, 16));
    EXPECT_FALSE(isValidDataFrame("W", 0x40, 16));
    QByteArray notW = good;
    notW[0] = 'R';
    EXPECT_FALSE(isValidDataFrame(notW, 0x40, 16));
}

TEST(LinkFrames, IdentityGivesModelAndFirmware) {
    auto id = parseIdentity(QByteArray("IZT6666 \0V210abc", 16));
    EXPECT_EQ(id.model, "ZT6666");
    EXPECT_EQ(id.firmware, "V210");

    // Trailing blanks go before the cut at the first NUL.
    id = parseIdentity(QByteArray("IZT66 \0 xV200\0\0\0", 16));
    EXPECT_EQ(id.model, "ZT66 ");
    // Bytes above 0x7F map to single characters.
    id = parseIdentity(QByteArray("I\xC4\xD6XXXXX\0V200\0\0\0", 16));
    EXPECT_EQ(id.model, QString::fromLatin1("\xC4\xD6XXXXX"));
}

TEST(LinkProgress, RoundsHalvesToEven) {
    EXPECT_EQ(roundHalfToEven(0.5), 0);
    EXPECT_EQ(roundHalfToEven(1.5), 2);
    EXPECT_EQ(roundHalfToEven(2.5), 2);
    EXPECT_EQ(roundHalfToEven(2.5000001), 3);
    EXPECT_EQ(roundHalfToEven(2.4999999), 2);
    EXPECT_EQ(linkPercent(1, 200), 0);
    EXPECT_EQ(linkPercent(3, 200), 2);
    // The last block of each range shows 100.
    EXPECT_EQ(linkPercent(0x3FF0, 0x3FFF), 100);
    EXPECT_EQ(linkPercent(0x3F30, 0x3F3F), 100);
    EXPECT_EQ(linkPercent(0, 0x3FFF), 0);
}

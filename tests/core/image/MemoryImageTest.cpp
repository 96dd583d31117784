#include "core/image/MemoryImage.h"

#include "core/document/DataFileLayout.h"

#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

MemoryImage zeroedImage() {
    MemoryImage image;
    deserializeImage(QByteArray(MemoryImage::kFileSize, '\0'), image);
    return image;
}

TEST(MemoryImage, BlankRecordIsExactlyTheFileSizeWithSpacePaddedTexts) {
    MemoryImage image;
    image.verTag.assign(QStringLiteral("V2"));
    image.radioInfo.makeDate.assign(QStringLiteral("2026"));
    const QByteArray bytes = serializeImage(image);
    ASSERT_EQ(bytes.size(), 1344);
    EXPECT_EQ(bytes.mid(0, 4), QByteArray("V2  "));
    EXPECT_EQ(bytes.mid(105, 8), QByteArray("2026    "));
    EXPECT_EQ(bytes.mid(168, 4), QByteArray("    "));   // first group name, never assigned
    EXPECT_EQ(bytes.mid(576, 16), QByteArray(16, ' ')); // DTMF code 1
}

struct FieldAt {
    const char* name;
    int offset;
    int width; // 2 = Integer, 4 = Long
    std::function<void(MemoryImage&, std::int32_t)> set;
};

// One field at a time gets a distinctive value; it must land at its offset, little-endian, and
// nowhere else.
TEST(MemoryImage, EveryKindOfFieldLandsAtItsOffset) {
    const std::vector<FieldAt> fields = {
        {"WorkMode", 4, 2, [](MemoryImage& m, int v) { m.workMode = std::int16_t(v); }},
        {"CurGroup(1)", 8, 2, [](MemoryImage& m, int v) { m.curGroup[1] = std::int16_t(v); }},
        {"GroupWorkCh(0,1)", 10, 2,
         [](MemoryImage& m, int v) { m.groupWorkCh(0, 1) = std::int16_t(v); }},
        {"GroupWorkCh(1,1)", 12, 2,
         [](MemoryImage& m, int v) { m.groupWorkCh(1, 1) = std::int16_t(v); }},
        {"GroupWorkCh(1,11)", 52, 2,
         [](MemoryImage& m, int v) { m.groupWorkCh(1, 11) = std::int16_t(v); }},
        {"ChCount(0,1)", 54, 2, [](MemoryImage& m, int v) { m.chCount(0, 1) = std::int16_t(v); }},
        {"ChCount(1,10)", 92, 2, [](MemoryImage& m, int v) { m.chCount(1, 10) = std::int16_t(v); }},
        {"ModelNo", 101, 2, [](MemoryImage& m, int v) { m.radioInfo.modelNo = std::int16_t(v); }},
        {"ModeFlag", 103, 2, [](MemoryImage& m, int v) { m.radioInfo.modeFlag = std::int16_t(v); }},
        {"ModeFlag2", 124, 2,
         [](MemoryImage& m, int v) { m.radioInfo.modeFlag2 = std::int16_t(v); }},
        {"ModelLetter", 126, 2,
         [](MemoryImage& m, int v) { m.radioInfo.modelLetter = std::int16_t(v); }},
        {"GroupValid(0,1)", 128, 2,
         [](MemoryImage& m, int v) { m.optFeat.groupValid(0, 1) = std::int16_t(v); }},
        {"GroupValid(1,10)", 166, 2,
         [](MemoryImage& m, int v) { m.optFeat.groupValid(1, 10) = std::int16_t(v); }},
        {"EmergencyCh(0,1,0)", 248, 2,
         [](MemoryImage& m, int v) { m.optFeat.emergencyCh(0, 1, 0) = std::int16_t(v); }},
        {"EmergencyCh(1,1,0)", 250, 2,
         [](MemoryImage& m, int v) { m.optFeat.emergencyCh(1, 1, 0) = std::int16_t(v); }},
        {"EmergencyCh(0,1,1)", 288, 2,
         [](MemoryImage& m, int v) { m.optFeat.emergencyCh(0, 1, 1) = std::int16_t(v); }},
        {"EmergencyCh(1,10,1)", 326, 2,
         [](MemoryImage& m, int v) { m.optFeat.emergencyCh(1, 10, 1) = std::int16_t(v); }},
        {"Opt328", 328, 2,
         [](MemoryImage& m, int v) { m.optFeat.hiddenRadioSetting = std::int16_t(v); }},
        {"OptWorkMode", 330, 2,
         [](MemoryImage& m, int v) { m.optFeat.optWorkMode = std::int16_t(v); }},
        {"WorkGroup(1)", 334, 2,
         [](MemoryImage& m, int v) { m.optFeat.workGroup[1] = std::int16_t(v); }},
        {"MemMenu", 340, 2, [](MemoryImage& m, int v) { m.optFeat.memMenu = std::int16_t(v); }},
        {"WorkCh(0,1)", 342, 2,
         [](MemoryImage& m, int v) { m.optFeat.workCh(0, 1) = std::int16_t(v); }},
        {"DwCh(0,1,0)", 382, 2,
         [](MemoryImage& m, int v) { m.optFeat.dwCh(0, 1, 0) = std::int16_t(v); }},
        {"DwCh(0,1,1)", 422, 2,
         [](MemoryImage& m, int v) { m.optFeat.dwCh(0, 1, 1) = std::int16_t(v); }},
        {"MemCh(1,10)", 500, 2,
         [](MemoryImage& m, int v) { m.optFeat.memCh(1, 10) = std::int16_t(v); }},
        {"PubBotCode", 502, 2,
         [](MemoryImage& m, int v) { m.optFeat.pubBotCode = std::int16_t(v); }},
        {"Rtix", 508, 2, [](MemoryImage& m, int v) { m.optFeat.receiveTrim = std::int16_t(v); }},
        {"PubRogerTone", 522, 2,
         [](MemoryImage& m, int v) { m.optFeat.pubRogerTone = std::int16_t(v); }},
        {"MicLevel", 528, 2, [](MemoryImage& m, int v) { m.optFeat.micLevel = std::int16_t(v); }},
        {"MenuPage", 544, 2, [](MemoryImage& m, int v) { m.optFeat.menuPage = std::int16_t(v); }},
        {"BattMin", 546, 2, [](MemoryImage& m, int v) { m.optFeat.battMin = std::int16_t(v); }},
        {"SwrMax", 550, 2, [](MemoryImage& m, int v) { m.optFeat.swrMax = std::int16_t(v); }},
        {"PubMode", 552, 2, [](MemoryImage& m, int v) { m.optFeat.pubMode = std::int16_t(v); }},
        {"ModeEnable(0)", 554, 2,
         [](MemoryImage& m, int v) { m.optFeat.modeEnable[0] = std::int16_t(v); }},
        {"ModeEnable(4)", 562, 2,
         [](MemoryImage& m, int v) { m.optFeat.modeEnable[4] = std::int16_t(v); }},
        {"DtmfSendTime", 564, 2,
         [](MemoryImage& m, int v) { m.optFeat.dtmfSendTime = std::int16_t(v); }},
        {"DtmfDisplay", 574, 2,
         [](MemoryImage& m, int v) { m.optFeat.dtmfDisplay = std::int16_t(v); }},
        {"Tone1 step1 FreqCode", 832, 2,
         [](MemoryImage& m, int v) { m.rbTone.tone(1).steps[0].freqCode = std::int16_t(v); }},
        {"Tone1 step1 DurCode", 834, 2,
         [](MemoryImage& m, int v) { m.rbTone.tone(1).steps[0].durCode = std::int16_t(v); }},
        {"Tone1 RepeatCount", 888, 2,
         [](MemoryImage& m, int v) { m.rbTone.tone(1).repeatCount = std::int16_t(v); }},
        {"Tone1 InterTime", 890, 2,
         [](MemoryImage& m, int v) { m.rbTone.tone(1).interTime = std::int16_t(v); }},
        {"Tone8 step1 FreqCode", 1252, 2,
         [](MemoryImage& m, int v) { m.rbTone.tone(8).steps[0].freqCode = std::int16_t(v); }},
        {"Tone8 InterTime", 1310, 2,
         [](MemoryImage& m, int v) { m.rbTone.tone(8).interTime = std::int16_t(v); }},
        {"ExtFreq", 1312, 4, [](MemoryImage& m, int v) { m.extFreq = v; }},
        {"ExtSwitch", 1316, 2, [](MemoryImage& m, int v) { m.extSwitch = std::int16_t(v); }},
        {"ExtSelect", 1318, 2, [](MemoryImage& m, int v) { m.extSelect = std::int16_t(v); }},
        {"ExtTable(0)", 1320, 2, [](MemoryImage& m, int v) { m.extTable[0] = std::int16_t(v); }},
        {"ExtTable(11)", 1342, 2, [](MemoryImage& m, int v) { m.extTable[11] = std::int16_t(v); }},
    };
    const QByteArray zero = serializeImage(zeroedImage());
    for (const auto& field : fields) {
        SCOPED_TRACE(field.name);
        MemoryImage image = zeroedImage();
        const std::int32_t value = field.width == 4 ? 0x12345678 : -2; // -2 is 0xFE 0xFF
        field.set(image, value);
        QByteArray expected = zero;
        for (int i = 0; i < field.width; ++i)
            expected[field.offset + i] = char((std::uint32_t(value) >> (8 * i)) & 0xFF);
        EXPECT_EQ(serializeImage(image).toHex(' '), expected.toHex(' '));
    }
}

TEST(MemoryImage, TextFieldsLandAtTheirOffsets) {
    MemoryImage image = zeroedImage();
    image.verTag.assign(QStringLiteral("V200"));
    image.radioInfo.modelCode.assignTerminated(QStringLiteral("ZT6666"));
    image.radioInfo.makeDate.assign(QStringLiteral("20261207"));
    image.radioInfo.softVer.assign(QStringLiteral("V2.00"));
    image.radioInfo.modelCode2.assignTerminated(QStringLiteral("ZT6666"));
    image.optFeat.groupName(0, 1).assignTerminated(QStringLiteral("A"));
    image.optFeat.groupName(1, 10).assign(QStringLiteral("LONGNAME"));
    image.optFeat.dtmf(1).assign(QStringLiteral("123"));
    image.optFeat.dtmf(16).assign(QStringLiteral("0123456789ABCD*#"));
    const QByteArray bytes = serializeImage(image);
    EXPECT_EQ(bytes.mid(0, 4), QByteArray("V200"));
    EXPECT_EQ(bytes.mid(94, 7), QByteArray("ZT6666\0", 7));
    EXPECT_EQ(bytes.mid(105, 8), QByteArray("20261207"));
    EXPECT_EQ(bytes.mid(113, 5), QByteArray("V2.00"));
    EXPECT_EQ(bytes.mid(118, 6), QByteArray("ZT6666")); // no room for the NUL
    EXPECT_EQ(bytes.mid(168, 4), QByteArray("A\0  ", 4));
    EXPECT_EQ(bytes.mid(244, 4), QByteArray("LONG"));
    EXPECT_EQ(bytes.mid(576, 16), QByteArray("123             "));
    EXPECT_EQ(bytes.mid(816, 16), QByteArray("0123456789ABCD*#"));
}

TEST(MemoryImage, AnyFileContentSurvivesReadAndWriteByteForByte) {
    QRandomGenerator rng(1344);
    for (int round = 0; round < 200; ++round) {
        QByteArray data(MemoryImage::kFileSize, '\0');
        for (auto& b : data)
            b = char(rng.bounded(256));
        MemoryImage image;
        ASSERT_TRUE(deserializeImage(data, image));
        ASSERT_EQ(serializeImage(image), data) << "round " << round;
        const MemoryImage copy = image; // the whole-record copy
        EXPECT_EQ(copy, image);
        EXPECT_EQ(serializeImage(copy), data);
    }
}

TEST(MemoryImage, ReadingRefusesAnyOtherLengthAndLeavesTheRecord) {
    MemoryImage image;
    image.workMode = 1;
    image.extFreq = 100;
    const MemoryImage before = image;
    for (int size : {0, 1, 1343, 1345, 4096}) {
        EXPECT_FALSE(deserializeImage(QByteArray(size, '\x55'), image)) << size;
        EXPECT_EQ(image, before) << size;
    }
}

TEST(MemoryImage, IndexedAccessorsFollowOneBasedNumbering) {
    MemoryImage image = zeroedImage();
    image.optFeat.dtmf(16).assign(QStringLiteral("9"));
    image.rbTone.tone(8).repeatCount = 3;
    EXPECT_EQ(image.optFeat.dtmfCodes[15].clean(), QStringLiteral("9"));
    EXPECT_EQ(image.rbTone.seqs[7].repeatCount, 3);
}

} // namespace
} // namespace r5k27

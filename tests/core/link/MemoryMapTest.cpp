#include "core/link/MemoryMap.h"

#include "core/channels/BandLimits.h"
#include "core/document/InitialValues.h"
#include "core/image/RadioLayout.h"

#include <QList>
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

namespace L = RadioLayout;

// A small valid document: every group valid and named, references set, one channel per group.
struct Doc {
    MemoryImage image;
    std::unique_ptr<ChTable> table = std::make_unique<ChTable>();

    // The built-in new document with its channels taken away.
    Doc() {
        Document built;
        AppSettings settings;
        writeBuiltInDefaults(built, settings, 0, QDate(2026, 1, 2));
        image = built.curImage;
        for (auto& count : image.chCount)
            count = 0;
    }

    ChannelRec& add(int m, int g, int chNo, const char* freq) {
        ChannelRec& r = table->at({m, g, ++image.chCount(m, g)});
        r = ChannelRec{};
        r.chNo = std::int16_t(chNo);
        r.chFlag = 1;
        r.scanAdd = 1;
        r.rxFreq.assign(QString::fromLatin1(freq));
        r.txFreq = r.rxFreq;
        r.decodeTone = r.encodeTone = 8;
        r.nbAnl = 1;
        return r;
    }

    QByteArray encode() const {
        QByteArray buf = prepareRadioBuf();
        const auto refusal = encodeImage(image, *table, buf);
        EXPECT_FALSE(refusal.has_value())
            << (refusal ? refusal->message(Language::English).toStdString() : "");
        return buf;
    }
};

QByteArray bytesAt(const QByteArray& buf, int addr, int n) {
    return buf.mid(addr, n);
}

TEST(MemoryMap, PreparedImageIsErasedWithClearedBitmaps) {
    const QByteArray buf = prepareRadioBuf();
    ASSERT_EQ(buf.size(), 16384);
    for (int a = 0; a < buf.size(); ++a) {
        const bool bitmap = (a >= 0x3C80 && a <= 0x3CFF) || (a >= 0x3D80 && a <= 0x3DFF);
        ASSERT_EQ(uchar(buf[a]), bitmap ? 0x00 : 0xFF) << a;
    }
}

TEST(MemoryMap, ChannelBlockHoldsEveryFieldInItsByte) {
    Doc doc;
    ChannelRec& r = doc.add(0, 2, 5, "280850");
    r.decodeTone = 39;
    r.mode = 2;
    r.hiCut = 1;
    r.nbAnl = 0;
    r.busyLock = 1;
    r.rogerTone = 3;
    r.repShift = 2;
    r.publicCh = 1;
    r.botCode = 4;
    r.eotCode = 5;
    r.callCode = 16;
    const QByteArray buf = doc.encode();
    const int block = L::channelBlock(0, 2, 5);
    EXPECT_EQ(block, 16 * (48 + 4));
    EXPECT_EQ(bytesAt(buf, block, 16).toHex(' '),
              QByteArray("50 08 28 00 00 01 02 ff ff 11 03 a2 04 05 10 ff"));
    EXPECT_EQ(uchar(buf[L::presentBitmap(0, 2)]), 0x10); // channel 5 = bit 4 of byte 0
    EXPECT_EQ(uchar(buf[L::scanBitmap(0, 2)]), 0x10);
    EXPECT_EQ(L::channelBlock(1, 1, 1), 0x1E00);
}

TEST(MemoryMap, ToneIndexesSplitIntoTypeAndValue) {
    const std::pair<int, QByteArray> cases[] = {
        {0, "00 00"}, {1, "01 10"}, {38, "26 10"}, {39, "01 20"}, {142, "68 20"}};
    for (const auto& [tone, typeAndValue] : cases) {
        Doc doc;
        doc.add(0, 1, 1, "28015000").decodeTone = std::int16_t(tone);
        const QByteArray buf = doc.encode();
        const QByteArray got =
            QByteArray(1, buf[L::channelBlock(0, 1, 1) + 5]).toHex() + ' ' +
            QByteArray(1, char(buf[L::channelBlock(0, 1, 1) + 11] & 0x30)).toHex();
        EXPECT_EQ(got, typeAndValue) << tone;

        MemoryImage image = doc.image;
        auto table = std::make_unique<ChTable>();
        ASSERT_TRUE(decodeImage(buf, image, *table));
        EXPECT_EQ(table->at({0, 1, 1}).decodeTone, tone);
    }
}

TEST(MemoryMap, DualWatchChannelIsCopiedToSlot47And48ButNeverReadBack) {
    Doc doc;
    doc.add(0, 1, 2, "28015000");
    doc.add(0, 1, 9, "28025000").scanAdd = 0;
    doc.image.optFeat.dwCh(0, 1, 0) = 2;
    doc.image.optFeat.dwCh(0, 1, 1) = 9;
    const QByteArray buf = doc.encode();
    EXPECT_EQ(bytesAt(buf, L::channelBlock(0, 1, 47), 16),
              bytesAt(buf, L::channelBlock(0, 1, 2), 16));
    EXPECT_EQ(bytesAt(buf, L::channelBlock(0, 1, 48), 16),
              bytesAt(buf, L::channelBlock(0, 1, 9), 16));
    // Present bits only for the real slots; the scan bit follows the copy's ScanAdd.
    EXPECT_EQ(bytesAt(buf, L::presentBitmap(0, 1), 6).toHex(' '), QByteArray("02 01 00 00 00 00"));
    EXPECT_EQ(bytesAt(buf, L::scanBitmap(0, 1), 6).toHex(' '), QByteArray("02 00 00 00 00 40"));

    QByteArray withStray = buf;
    withStray[L::presentBitmap(0, 1) + 5] = char(0xC0); // slots 47, 48 marked present
    auto table = std::make_unique<ChTable>();
    MemoryImage image;
    ASSERT_TRUE(decodeImage(withStray, image, *table));
    EXPECT_EQ(image.chCount(0, 1), 2);
}

TEST(MemoryMap, PresentChannelsFillSlotsInChannelOrder) {
    QByteArray buf = prepareRadioBuf();
    for (int ch : {12, 3, 7}) {
        const int block = L::channelBlock(1, 4, ch);
        buf[block] = 0x50;
        buf[block + 1] = 0x08;
        buf[block + 2] = 0x28;
        buf[L::presentBitmap(1, 4) + (ch - 1) / 8] =
            char(uchar(buf[L::presentBitmap(1, 4) + (ch - 1) / 8]) | (1 << ((ch - 1) % 8)));
    }
    buf[L::presentBitmap(1, 4) + 2] = char(uchar(buf[L::presentBitmap(1, 4) + 2]) | 0x01); // 17
    MemoryImage image;
    image.chCount(1, 4) = 9;
    auto table = std::make_unique<ChTable>();
    table->at({1, 4, 1}).txFreq.assign("99999999"); // stale record of the slot
    table->at({1, 4, 1}).spare1 = 77;
    ASSERT_TRUE(decodeImage(buf, image, *table));
    // Channel 17 is present but has no frequency (0xFF bytes): dropped.
    ASSERT_EQ(image.chCount(1, 4), 3);
    EXPECT_EQ(table->at({1, 4, 1}).chNo, 3);
    EXPECT_EQ(table->at({1, 4, 2}).chNo, 7);
    EXPECT_EQ(table->at({1, 4, 3}).chNo, 12);
    const ChannelRec& first = table->at({1, 4, 1});
    EXPECT_EQ(first.rxFreq.raw(), "28085000");
    EXPECT_EQ(first.txFreq.raw(), "28085000");
    EXPECT_EQ(first.spare1, 0);
    EXPECT_EQ(first.encodeTone, 8);
    EXPECT_EQ(first.chFlag, 1);
    EXPECT_EQ(first.scanAdd, 0);
    EXPECT_EQ(image.chCount(0, 1), 0);
}

TEST(MemoryMap, GroupDataAndReferencesUseTheirAddresses) {
    Doc doc;
    auto& of = doc.image.optFeat;
    of.groupValid(1, 10) = 0;
    of.groupName(0, 3).assign("AB");
    of.emergencyCh(1, 2, 0) = 5;
    of.emergencyCh(1, 2, 1) = 0;
    of.dwCh(0, 10, 1) = 40;
    of.workCh(1, 1) = 46;
    of.memCh(0, 2) = 43;
    of.memCh(0, 3) = 0;
    of.workGroup = {3, 10};
    of.voxFunction = 1;
    of.memMenu = 1;
    const QByteArray buf = doc.encode();
    EXPECT_EQ(bytesAt(buf, 0x3C00, 4).toHex(' '), QByteArray("ff 03 ff 01"));
    EXPECT_EQ(bytesAt(buf, 0x3C04 + 8, 4), QByteArray("AB\0\0", 4));
    EXPECT_EQ(bytesAt(buf, 0x3C54 + 2 * 11, 2).toHex(' '), QByteArray("04 ff"));
    EXPECT_EQ(uchar(buf[0x3D14 + 2 * 9 + 1]), 39);
    EXPECT_EQ(uchar(buf[0x3D00 + 10]), 45);
    EXPECT_EQ(uchar(buf[0x3D40 + 1]), 2);
    EXPECT_EQ(uchar(buf[0x3D40 + 2]), 0xFF);
    EXPECT_EQ(bytesAt(buf, 0x3C7C, 4).toHex(' '), QByteArray("30 02 09 05"));

    MemoryImage image;
    auto table = std::make_unique<ChTable>();
    ASSERT_TRUE(decodeImage(buf, image, *table));
    EXPECT_EQ(image.optFeat.emergencyCh(1, 2, 0), 5);
    EXPECT_EQ(image.optFeat.emergencyCh(1, 2, 1), 0);
    EXPECT_EQ(image.optFeat.memCh(0, 2), 43);
    EXPECT_EQ(image.optFeat.memCh(0, 3), 0);
    EXPECT_EQ(image.optFeat.groupValid(1, 10), 0);
    EXPECT_EQ(image.optFeat.groupName(0, 3).clean(), "AB");
    EXPECT_EQ(image.optFeat.workGroup[1], 10);
    EXPECT_EQ(image.optFeat.hiddenRadioSetting, 2);
}

TEST(MemoryMap, ReadAdoptsTheRadiosBand) {
    Doc doc;
    doc.image.workMode = 0;
    QByteArray buf = doc.encode();
    MemoryImage image;
    image.workMode = 1;
    auto table = std::make_unique<ChTable>();
    ASSERT_TRUE(decodeImage(buf, image, *table));
    EXPECT_EQ(image.workMode, 0);
    EXPECT_EQ(bandTextOfWorkMode(image.workMode), "25.6150 - 30.1050 MHz");
    buf[0x3C7C] = char(0x37); // a bank number the program has no arrays for
    ASSERT_TRUE(decodeImage(buf, image, *table));
    EXPECT_EQ(image.workMode, 1);
    EXPECT_EQ(bandTextOfWorkMode(image.workMode), "28.0000 - 29.6990 MHz");
}

TEST(MemoryMap, OptionBytesAndScaledBatteryValues) {
    Doc doc;
    auto& of = doc.image.optFeat;
    of.pubNbAnl = 1;
    of.pubBusy = 1;
    of.modeEnable = {1, 0, 1, 0, 1};
    of.pubRogerTone = 8;
    of.backlightColor = 6;
    doc.image.extFreq = 50000;
    doc.image.extSwitch = 1;
    doc.image.extTable = {0, 3, 10, 14, 24, 35, 0, 5, 8, 12, 23, 35};
    of.dtmfDisplay = 1;
    const QByteArray buf = doc.encode();
    // 168 x 1024 / 261.5 = 657.8 -> 658 = 0x0292; 97 -> 379.8 -> 380 = 0x017C
    EXPECT_EQ(bytesAt(buf, 0x3F00, 4).toHex(' '), QByteArray("92 02 7c 01"));
    EXPECT_EQ(bytesAt(buf, 0x3F04, 5).toHex(' '), QByteArray("a0 01 15 12 08"));
    EXPECT_EQ(uchar(buf[0x3F15]), 6);
    EXPECT_EQ(uchar(buf[0x3F16]), 0);
    EXPECT_EQ(bytesAt(buf, 0x3F17, 2).toHex(' '), QByteArray("50 c3"));
    EXPECT_EQ(uchar(buf[0x3F19]), 1);
    EXPECT_EQ(uchar(buf[0x3F20]), 1);
    EXPECT_EQ(bytesAt(buf, 0x3F30, 12).toHex(' '),
              QByteArray("00 03 0a 0e 18 23 00 05 08 0c 17 23"));
    EXPECT_EQ(bytesAt(buf, 0x3FF8, 8), QByteArray(8, 0x55));

    MemoryImage image;
    auto table = std::make_unique<ChTable>();
    ASSERT_TRUE(decodeImage(buf, image, *table));
    EXPECT_EQ(image.optFeat.battMax, 168);
    EXPECT_EQ(image.optFeat.battMin, 97);
    EXPECT_EQ(image.extFreq, 50000);
    // 1024 x 261.5 / 1024 = 261.5 and 3072 -> 784.5: halves go to the even neighbour. Both lie
    // above 17.0 V (no half falls inside 9.0..17.0), so the read keeps 17.0 V and says so.
    QByteArray halves = buf;
    halves[0x3F00] = 0x00;
    halves[0x3F01] = 0x04;
    halves[0x3F02] = 0x00;
    halves[0x3F03] = 0x0C;
    const DecodeResult result = decodeImage(halves, image, *table);
    ASSERT_TRUE(result);
    EXPECT_EQ(image.optFeat.battMax, 170);
    EXPECT_EQ(image.optFeat.battMin, 170);
    ASSERT_EQ(result.replaced.size(), 2);
    EXPECT_EQ(result.replaced[0].message(Language::English), "BattMin: read 784, now 170");
    EXPECT_EQ(result.replaced[1].message(Language::English), "BattMax: read 262, now 170");
}

TEST(MemoryMap, RogerTonesSitInPairsOf30BytesPer64) {
    EXPECT_EQ(L::rogerTone(1), 0x3E00);
    EXPECT_EQ(L::rogerTone(2), 0x3E1E);
    EXPECT_EQ(L::rogerTone(3), 0x3E40);
    EXPECT_EQ(L::rogerTone(8), 0x3EDE);
    Doc doc;
    ToneSeq& seq = doc.image.rbTone.tone(8);
    seq.repeatCount = 2;
    seq.interTime = 9;
    seq.steps[0] = {210, 10};
    seq.steps[13] = {80, 4};
    const QByteArray buf = doc.encode();
    EXPECT_EQ(uchar(buf[0x3EDE]), 2);
    EXPECT_EQ(uchar(buf[0x3EDF]), 9);
    EXPECT_EQ(uchar(buf[0x3EDE + 2]), 210);
    EXPECT_EQ(uchar(buf[0x3EDE + 15]), 80);
    EXPECT_EQ(uchar(buf[0x3EDE + 16]), 10);
    EXPECT_EQ(uchar(buf[0x3EDE + 29]), 4);
}

TEST(MemoryMap, DtmfCodesOverlayHfGroups9And10WithoutHiddenChannels) {
    Doc doc;
    doc.image.optFeat.dtmf(1).assignTerminated("12#*");
    doc.image.optFeat.dtmf(9).assign("ABCD0123456789AB");
    doc.add(1, 9, 41, "28015000");  // memory channel of HF "I": shares its bytes with code 1
    doc.add(1, 10, 46, "28015000"); // and HF "J" with code 14
    doc.add(1, 9, 40, "28015000");
    const QByteArray buf = doc.encode();
    EXPECT_EQ(bytesAt(buf, 0x3880, 16).toHex(' '),
              QByteArray("01 02 0e 0f 10 10 10 10 10 10 10 10 10 10 10 10"));
    EXPECT_EQ(bytesAt(buf, 0x3B80, 16).toHex(' '),
              QByteArray("0a 0b 0c 0d 00 01 02 03 04 05 06 07 08 09 0a 0b"));
    EXPECT_EQ(bytesAt(buf, L::presentBitmap(1, 9), 6).toHex(' '), QByteArray("00 00 00 00 80 00"));
    EXPECT_EQ(bytesAt(buf, L::presentBitmap(1, 10), 6).toHex(' '), QByteArray("00 00 00 00 00 00"));

    // Even with the present bits set, a read does not turn the codes into channels.
    QByteArray stray = buf;
    stray[L::presentBitmap(1, 9) + 5] = char(0xFF);
    MemoryImage image;
    auto table = std::make_unique<ChTable>();
    ASSERT_TRUE(decodeImage(stray, image, *table));
    EXPECT_EQ(image.chCount(1, 9), 1);
    EXPECT_EQ(image.optFeat.dtmf(1).clean(), "12#*");
    EXPECT_EQ(image.optFeat.dtmf(9).clean(), "ABCD0123456789AB");
    EXPECT_EQ(image.optFeat.dtmf(2).clean(), "");
}

TEST(MemoryMap, EmptyOrUnreadableFrequencyMeansNoFrequency) {
    Doc doc;
    doc.add(0, 1, 1, "        ");
    doc.add(0, 1, 2, "FFFFFFFF");
    doc.add(0, 1, 3, "28.0150");
    const QByteArray buf = doc.encode();
    for (int ch = 1; ch <= 3; ++ch)
        EXPECT_EQ(bytesAt(buf, L::channelBlock(0, 1, ch), 3).toHex(' '), QByteArray("ff ff ff"))
            << ch;
}

TEST(MemoryMap, OutOfRangeValuesRefuseTheWriteNamingTheField) {
    struct Case {
        const char* name;
        std::function<void(Doc&)> spoil;
        const char* english;
    };
    const Case cases[] = {
        {"mode", [](Doc& d) { d.add(1, 3, 42, "28015000").mode = 300; },
         "Cannot write to the radio: Mode (HF group C, channel M2) is 300, but the radio takes "
         "0..255."},
        {"switch", [](Doc& d) { d.add(0, 1, 7, "28015000").echo = 2; },
         "Cannot write to the radio: Echo (CB group A, channel 7) is 2, but the radio takes 0..1."},
        {"channel number", [](Doc& d) { d.add(0, 2, 0, "28015000"); },
         "Cannot write to the radio: ChNo (CB group B) is 0, but the radio takes 1..46."},
        {"battery", [](Doc& d) { d.image.optFeat.battMax = 30000; },
         "Cannot write to the radio: BattMax is 30000, but the radio takes 0..16735."},
        {"dcs tone", [](Doc& d) { d.add(0, 1, 7, "28015000").decodeTone = 300; },
         "Cannot write to the radio: DecodeTone (CB group A, channel 7) is 300, but the radio "
         "takes 39..142."},
        {"opt328", [](Doc& d) { d.image.optFeat.hiddenRadioSetting = 20; },
         "Cannot write to the radio: Opt328 is 20, but the radio takes -1..14."},
        // Every other part of the program reads a work mode other than 0 as HF (1).
        {"work mode", [](Doc& d) { d.image.workMode = 2; },
         "Cannot write to the radio: WorkMode is 2, but the radio takes 0..1."},
        {"offset", [](Doc& d) { d.image.extFreq = 70000; },
         "Cannot write to the radio: ExtFreq is 70000, but the radio takes 0..65535."},
        {"tone step", [](Doc& d) { d.image.rbTone.tone(2).steps[3].durCode = -1; },
         "Cannot write to the radio: DurCode is -1, but the radio takes 0..255."},
        {"count", [](Doc& d) { d.image.chCount(1, 5) = 47; },
         "Cannot write to the radio: ChCount (HF group E) is 47, but the radio takes 0..46."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Doc doc;
        c.spoil(doc);
        QByteArray buf = prepareRadioBuf();
        const QByteArray before = buf;
        const auto refusal = encodeImage(doc.image, *doc.table, buf);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->message(Language::English), QString::fromLatin1(c.english));
        EXPECT_FALSE(refusal->message(Language::Chinese).isEmpty());
        EXPECT_EQ(buf, before);
    }
}

// Random valid documents: what the radio holds survives encode -> decode -> encode unchanged.
TEST(MemoryMap, RandomDocumentsSurviveTheRoundTrip) {
    QRandomGenerator rng(16384);
    auto pick = [&rng](int lo, int hi) { return std::int16_t(rng.bounded(lo, hi + 1)); };
    for (int round = 0; round < 40; ++round) {
        Doc doc;
        doc.image.workMode = pick(0, 1);
        auto& of = doc.image.optFeat;
        for (int m = 0; m < 2; ++m)
            for (int g = 1; g <= 10; ++g) {
                of.groupValid(m, g) = pick(0, 1);
                of.emergencyCh(m, g, 0) = pick(0, 46);
                of.dwCh(m, g, 1) = pick(1, 46);
                of.memCh(m, g) = pick(41, 46);
                const int count = pick(0, 46);
                QList<int> numbers;
                for (int c = 1; c <= 46; ++c)
                    if (!L::slotSharedWithDtmf(m, g, c))
                        numbers << c;
                for (int i = 0; i < count && !numbers.isEmpty(); ++i) {
                    const int ch = numbers.takeAt(rng.bounded(int(numbers.size())));
                    const QString freq = QStringLiteral("%1%2")
                                             .arg(2500 + rng.bounded(500))
                                             .arg(rng.bounded(100), 2, 10, QChar(u'0'));
                    ChannelRec& r = doc.add(m, g, ch, freq.toLatin1().constData());
                    r.decodeTone = pick(0, 142);
                    r.mode = pick(0, 4);
                    r.echo = pick(0, 1);
                    r.repShift = pick(0, 2);
                    r.publicCh = pick(0, 1);
                    r.scanAdd = pick(0, 1);
                    r.callCode = pick(0, 16);
                }
            }
        of.battMin = pick(90, 170);
        of.battMax = pick(of.battMin, 170);
        doc.image.extFreq = pick(1, 32767);
        for (int k = 1; k <= 16; ++k)
            of.dtmf(k).assignTerminated(QString::number(rng.bounded(1000000)));
        const QByteArray first = doc.encode();
        MemoryImage image = doc.image;
        auto table = std::make_unique<ChTable>();
        ASSERT_TRUE(decodeImage(first, image, *table));
        EXPECT_EQ(image.optFeat.battMin, of.battMin);
        EXPECT_EQ(image.optFeat.battMax, of.battMax);
        QByteArray second = prepareRadioBuf();
        ASSERT_FALSE(encodeImage(image, *table, second).has_value());
        ASSERT_EQ(second, first) << "round " << round;
    }
}

} // namespace
} // namespace r5k27

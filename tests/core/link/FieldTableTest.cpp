// The field tables checked against places written out by hand from the layout documents, by
// looking at the bytes that change when one value changes: a row with a wrong file offset,
// address or bit fails here even when encoding and decoding agree with each other.
#include "core/document/DataFileLayout.h"
#include "core/document/InitialValues.h"
#include "core/image/RadioLayout.h"
#include "core/link/MemoryMap.h"
#include "core/link/RadioSlots.h"
#include "core/options/GroupFields.h"
#include "core/options/OptionValues.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

namespace r5k27 {
namespace {

namespace L = RadioLayout;

struct Place {
    const char* name;
    int fileOffset;
    int address; // -1: not in the radio
    int bit;     // lowest bit of the field in its byte
    int width;   // bits; 16 for the two-byte values
    int changed; // a value other than the new-document one
};

// clang-format off
constexpr Place kOptionPlaces[] = {
    {"Opt328", 328, 0x3C7C, 4, 4, 5},          {"OptWorkMode", 330, -1, 0, 0, 0},
    {"WorkGroup(0)", 332, 0x3C7D, 0, 8, 4},    {"WorkGroup(1)", 334, 0x3C7E, 0, 8, 9},
    {"VoxFunction", 336, 0x3C7F, 0, 1, 1},     {"ChannelMode", 338, 0x3C7F, 1, 1, 1},
    {"MemMenu", 340, 0x3C7F, 2, 1, 1},         {"PubBotCode", 502, 0x3F09, 0, 8, 3},
    {"PubEotCode", 504, 0x3F0A, 0, 8, 4},      {"PubCallCode", 506, 0x3F0B, 0, 8, 5},
    {"Rtix", 508, -1, 0, 0, 12},               {"Ttix", 510, -1, 0, 0, -12},
    {"PubHiCut", 512, 0x3F07, 0, 1, 1},        {"PubNbAnl", 514, 0x3F07, 1, 1, 0},
    {"PubEcho", 516, 0x3F07, 2, 1, 1},         {"PubAdd10K", 518, 0x3F07, 3, 1, 1},
    {"PubBusy", 520, 0x3F07, 4, 1, 1},         {"PubRogerTone", 522, 0x3F08, 0, 8, 2},
    {"BeepOn", 524, 0x3F0C, 0, 8, 0},          {"TxDisplay", 526, 0x3F0D, 0, 8, 3},
    {"MicLevel", 528, 0x3F0E, 0, 8, 12},       {"Nog", 530, 0x3F0F, 0, 8, 7},
    {"Tot", 532, 0x3F10, 0, 8, 9},             {"SwrProtect", 534, 0x3F11, 0, 8, 0},
    {"BattProtect", 536, 0x3F12, 0, 8, 0},     {"ScanMode", 538, 0x3F13, 0, 8, 1},
    {"Fin", 540, 0x3F14, 0, 8, 2},             {"BacklightColor", 542, 0x3F15, 0, 8, 5},
    {"MenuPage", 544, 0x3F21, 0, 8, 7},        {"BattMin", 546, 0x3F02, 0, 16, 120},
    {"BattMax", 548, 0x3F00, 0, 16, 150},      {"SwrMax", 550, 0x3F04, 0, 8, 30},
    {"PubMode", 552, 0x3F05, 0, 8, 3},         {"ModeEnable(0)", 554, 0x3F06, 0, 1, 0},
    {"ModeEnable(1)", 556, 0x3F06, 1, 1, 0},   {"ModeEnable(2)", 558, 0x3F06, 2, 1, 0},
    {"ModeEnable(3)", 560, 0x3F06, 3, 1, 0},   {"ModeEnable(4)", 562, 0x3F06, 4, 1, 0},
    {"DtmfSendTime", 564, 0x3F1B, 0, 8, 20},   {"FirstDigitTime", 566, 0x3F1C, 0, 8, 7},
    {"FirstDigitDelay", 568, 0x3F1D, 0, 8, 9}, {"StarHashTime", 570, 0x3F1E, 0, 8, 4},
    {"DCodeAssign", 572, 0x3F1F, 0, 8, 11},    {"DtmfDisplay", 574, 0x3F20, 0, 8, 1},
    {"ExtFreq", 1312, 0x3F17, 0, 16, 40000},   {"ExtSwitch", 1316, 0x3F19, 0, 1, 1},
    {"ExtSelect", 1318, 0x3F1A, 0, 8, 8},
};
// clang-format on

// A new document without channels, so that only option bytes can change.
std::unique_ptr<Document> baseDocument() {
    auto doc = std::make_unique<Document>();
    AppSettings settings;
    writeBuiltInDefaults(*doc, settings, 0, QDate(2026, 1, 2));
    for (auto& count : doc->curImage.chCount)
        count = 0;
    return doc;
}

QByteArray encoded(const Document& doc) {
    QByteArray buf = prepareRadioBuf();
    const auto refusal = encodeImage(doc.curImage, doc.chTable, buf);
    EXPECT_FALSE(refusal) << refusal->message(Language::English).toStdString();
    return buf;
}

// Positions of the bytes that differ, and which bits differ in each.
std::map<int, int> changedBits(const QByteArray& a, const QByteArray& b) {
    std::map<int, int> out;
    for (int i = 0; i < int(a.size()); ++i)
        if (a[i] != b[i])
            out[i] = uchar(a[i]) ^ uchar(b[i]);
    return out;
}

// The change of one value must touch its file bytes and its radio bits, and nothing else.
void expectOnlyItsPlace(const Document& base, const Document& changed, int fileOffset, int fileSize,
                        int address, int bit, int width) {
    const auto fileChanges =
        changedBits(serializeImage(base.curImage), serializeImage(changed.curImage));
    ASSERT_FALSE(fileChanges.empty());
    for (const auto& [at, bits] : fileChanges)
        EXPECT_TRUE(at >= fileOffset && at < fileOffset + fileSize) << "file byte " << at;

    const auto radioChanges = changedBits(encoded(base), encoded(changed));
    if (address < 0) {
        EXPECT_TRUE(radioChanges.empty());
        return;
    }
    ASSERT_FALSE(radioChanges.empty());
    const int mask = width >= 8 ? 0xFF : ((1 << width) - 1) << bit;
    for (const auto& [at, bits] : radioChanges) {
        EXPECT_TRUE(at == address || (width == 16 && at == address + 1)) << "radio byte " << at;
        EXPECT_EQ(bits & ~mask, 0) << "radio byte " << at;
    }
}

TEST(FieldTable, EveryOptionSitsWhereTheLayoutSays) {
    std::set<QString> checked;
    for (const Place& place : kOptionPlaces) {
        SCOPED_TRACE(place.name);
        const auto row = std::find_if(allOptions().begin(), allOptions().end(), [&](auto& o) {
            return QLatin1String(o.name) == QLatin1String(place.name);
        });
        ASSERT_NE(row, allOptions().end());
        checked.insert(QString::fromLatin1(place.name));
        const auto base = baseDocument();
        auto changed = std::make_unique<Document>(*base);
        ASSERT_NE(optionValue(base->curImage, row->id), place.changed);
        setOptionValue(changed->curImage, row->id, place.changed);
        const int fileSize = QLatin1String(place.name) == QLatin1String("ExtFreq") ? 4 : 2;
        expectOnlyItsPlace(*base, *changed, place.fileOffset, fileSize, place.address, place.bit,
                           place.width);
    }
    EXPECT_EQ(checked.size(), allOptions().size());
}

TEST(FieldTable, EveryGroupValueSitsWhereTheLayoutSays) {
    struct GroupPlace {
        const char* name;
        int fileOffset; // of mode 0, group 1
        int (*address)(int m, int g);
        int changed;
    };
    const GroupPlace places[] = {
        {"GroupValid", 128, [](int m, int g) { return 0x3C00 + 2 * m + (g - 1) / 8; }, 0},
        {"EmergencyCh(0)", 248, [](int m, int g) { return 0x3C54 + 2 * (10 * m + g - 1); }, 7},
        {"EmergencyCh(1)", 288, [](int m, int g) { return 0x3C55 + 2 * (10 * m + g - 1); }, 0},
        {"WorkCh", 342, [](int m, int g) { return 0x3D00 + 10 * m + g - 1; }, 40},
        {"DwCh(0)", 382, [](int m, int g) { return 0x3D14 + 2 * (10 * m + g - 1); }, 44},
        {"DwCh(1)", 422, [](int m, int g) { return 0x3D15 + 2 * (10 * m + g - 1); }, 2},
        {"MemCh", 462, [](int m, int g) { return 0x3D40 + 10 * m + g - 1; }, 46},
    };
    ASSERT_EQ(std::size(places), groupFields().size());
    for (std::size_t i = 0; i < std::size(places); ++i) {
        const GroupPlace& place = places[i];
        const GroupField& row = groupFields()[i];
        ASSERT_STREQ(row.name, place.name);
        for (const auto& [m, g] : {std::pair{0, 1}, {1, 1}, {0, 8}, {0, 9}, {1, 10}}) {
            SCOPED_TRACE(
                QStringLiteral("%1 mode %2 group %3").arg(place.name).arg(m).arg(g).toStdString());
            const auto base = baseDocument();
            auto changed = std::make_unique<Document>(*base);
            row.at(changed->curImage, m, g) = std::int16_t(place.changed);
            const int fileAt = place.fileOffset + 2 * (2 * (g - 1) + m);
            const bool bitmap = i == 0;
            expectOnlyItsPlace(*base, *changed, fileAt, 2, place.address(m, g),
                               bitmap ? (g - 1) % 8 : 0, bitmap ? 1 : 8);
        }
    }
}

// A radio whose battery words are erased and whose channel holds a CTCSS number beyond the list:
// the read keeps values the radio takes back, names what it replaced, and the image then goes
// round read -> write -> read without a refusal or another replacement.
TEST(FieldTable, ReadReplacesWhatTheRadioCouldNotTakeBack) {
    auto doc = baseDocument();
    doc->curImage.chCount(0, 1) = 1;
    ChannelRec& rec = doc->chTable.at({0, 1, 1});
    rec.chNo = 1;
    rec.rxFreq.assign(QStringLiteral("28015000"));
    rec.decodeTone = 5;
    QByteArray radio = encoded(*doc);
    for (int a = 0x3F00; a < 0x3F04; ++a)
        radio[a] = char(0xFF);
    radio[L::channelBlock(0, 1, 1) + 5] = char(0x50);
    radio[0x3F0E] = char(200); // MicLevel, a list value: the new-document 30

    auto read = std::make_unique<Document>();
    const DecodeResult first = decodeImage(radio, read->curImage, read->chTable);
    ASSERT_TRUE(first);
    QStringList english;
    for (const ReadReplacement& r : first.replaced) {
        english << r.message(Language::English);
        EXPECT_FALSE(r.message(Language::Chinese).isEmpty());
    }
    EXPECT_EQ(english, QStringList({"MicLevel: read 200, now 30", "BattMin: read 16736, now 170",
                                    "BattMax: read 16736, now 170",
                                    "DecodeTone (CB group A, channel 1): read 80, now 0"}));
    EXPECT_TRUE(
        replacementReport(first.replaced, Language::Chinese).startsWith(QStringLiteral("电台")));
    radio[L::channelBlock(0, 1, 1) + 5] = 0; // CTCSS number 0: no tone, but named
    const DecodeResult zero = decodeImage(radio, read->curImage, read->chTable);
    EXPECT_EQ(zero.replaced.last().message(Language::English),
              "DecodeTone (CB group A, channel 1): read 0, now 0");
    radio[L::channelBlock(0, 1, 1) + 5] = char(0x50);
    ASSERT_TRUE(decodeImage(radio, read->curImage, read->chTable));

    QByteArray written = prepareRadioBuf();
    ASSERT_FALSE(encodeImage(read->curImage, read->chTable, written));
    auto again = std::make_unique<Document>();
    const DecodeResult second = decodeImage(written, again->curImage, again->chTable);
    ASSERT_TRUE(second);
    EXPECT_TRUE(second.replaced.isEmpty());
    EXPECT_EQ(again->curImage.optFeat, read->curImage.optFeat);
    EXPECT_EQ(again->chTable.at({0, 1, 1}), read->chTable.at({0, 1, 1}));

    // A wholly erased radio reads into a document that can be written back.
    auto erased = std::make_unique<Document>();
    const DecodeResult blank = decodeImage(prepareRadioBuf(), erased->curImage, erased->chTable);
    EXPECT_FALSE(blank.replaced.isEmpty());
    written = prepareRadioBuf();
    EXPECT_FALSE(encodeImage(erased->curImage, erased->chTable, written));
}

} // namespace
} // namespace r5k27

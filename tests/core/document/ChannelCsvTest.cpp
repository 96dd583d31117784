#include "core/document/ChannelCsv.h"

#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/ToneCodec.h"
#include "core/common/AppSettings.h"
#include "core/common/CsvText.h"
#include "core/document/Document.h"
#include "core/document/InitialValues.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"

#include <QDate>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

Document newDocument() {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 5));
    for (int n = 1; n <= kDtmfCodeCount; ++n)
        storeDtmfCode(doc.curImage, n, n % 3 ? QStringLiteral("%1").arg(n * 7) : QString());
    return doc;
}

// Every group of both work modes gets random channels with random values the radio can hold.
Document randomDocument(QRandomGenerator& rng) {
    Document doc = newDocument();
    auto pick = [&](int n) { return std::int16_t(rng.bounded(n)); };
    for (int mode = 0; mode < kModeCount; ++mode) {
        const qint64 low = mode == 0 ? 25615000 : 28000000;
        const qint64 high = mode == 0 ? 30105000 : 29699000;
        for (int group = 1; group <= kGroupCount; ++group) {
            doc.curImage.chCount(mode, group) = 0;
            for (int chNo = 1; chNo <= kOrdinaryChannels + 6; ++chNo) {
                if (rng.bounded(3) == 0 && chNo != 1)
                    continue;
                const qint64 hz = low + 10 * rng.bounded((high - low) / 10 + 1);
                const QString mhz =
                    QStringLiteral("%1.%2").arg(hz / 1000000).arg(hz % 1000000, 6, 10, QChar(u'0'));
                addChannel(doc.curImage, doc.chTable, {mode, group, chNo}, mhz);
                ChannelRec& rec = doc.chTable.at({mode, group, doc.curImage.chCount(mode, group)});
                rec.rxFreq.assign(QString(mhz).remove(u'.'));
                rec.txFreq = rec.rxFreq;
                rec.decodeTone = pick(kToneIndexCount);
                rec.mode = chNo > kOrdinaryChannels ? pick(4) : pick(5);
                for (auto field : {&ChannelRec::hiCut, &ChannelRec::nbAnl, &ChannelRec::echo,
                                   &ChannelRec::add10K, &ChannelRec::busyLock,
                                   &ChannelRec::publicCh, &ChannelRec::scanAdd})
                    rec.*field = pick(2);
                rec.repShift = pick(3);
                rec.rogerTone = std::int16_t(validRogerTone(doc.curImage, pick(kToneSeqCount + 1)));
                MemoryImage& image = doc.curImage;
                for (auto field :
                     {&ChannelRec::botCode, &ChannelRec::eotCode, &ChannelRec::callCode})
                    rec.*field = std::int16_t(validDtmfCode(image, pick(kDtmfCodeCount + 1)));
            }
        }
    }
    doc.curImage.extFreq = 1000 + pick(9000);
    return doc;
}

int ordinaryChannels(const Document& doc, int mode, int group) {
    int count = 0;
    for (int s = 1; s <= usedSlots(doc.curImage, mode, group); ++s)
        count += doc.chTable.at({mode, group, s}).chNo <= kOrdinaryChannels;
    return count;
}

TEST(ChannelCsv, ExportThenImportGivesBackEveryExportedFieldInBothWorkModes) {
    QRandomGenerator rng(1617);
    for (int round = 0; round < 6; ++round) {
        const Document original = randomDocument(rng);
        const QByteArray csv = channelsToCsv(original.curImage, original.chTable);
        Document copy = newDocument();
        copy.curImage.extFreq = original.curImage.extFreq;
        const CsvImportResult result = channelsFromCsv(csv, copy.curImage, copy.chTable);
        ASSERT_TRUE(result.problems.isEmpty())
            << result.problems[0].value.toStdString() << " "
            << result.problems[0].reason(Language::English).toStdString();
        ASSERT_EQ(channelsToCsv(copy.curImage, copy.chTable), csv) << "round " << round;
        EXPECT_EQ(result.taken, parseCsv(csv).size() - 1);
    }
}

TEST(ChannelCsv, ExportFollowsTheCommonLayoutThenOurOwnColumns) {
    Document doc = newDocument();
    ChannelRec& a1 = doc.chTable.at({0, 1, findChannel(doc.curImage, doc.chTable, {0, 1, 1})});
    a1.decodeTone = kCtcssCount + 1; // D023N
    a1.repShift = 2;
    a1.mode = 4;
    a1.scanAdd = 0;
    a1.eotCode = 2;
    doc.curImage.extFreq = 1000;
    const QList<CsvRecord> rows = parseCsv(channelsToCsv(doc.curImage, doc.chTable));
    ASSERT_EQ(rows.size(), 1 + 2 * (10 + 6));
    EXPECT_EQ(rows[0].fields.mid(0, 16).join(u','),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,Mode,TStep,Skip,Comment,WorkMode,Group");
    EXPECT_EQ(rows[1].fields.join(u','), "1,1,28.015000,-,0.100000,DTCS,88.5,88.5,023,NN,FM,5.00,"
                                         "S,,CB,A,1,PA,OFF,ON,OFF,OFF,OFF,OFF,OFF,OFF,2,OFF");
    EXPECT_EQ(rows[2].fields.mid(0, 9).join(u','), "41,1,28.145000,,0.000000,TSQL,88.5,88.5,023");
    EXPECT_EQ(rows[11].fields.mid(0, 3).join(u','), "401,M1,28.015000");
    EXPECT_EQ(rows[11].fields.mid(14, 3).join(u','), "CB,MEM,M1");
    EXPECT_EQ(rows[17].fields.mid(0, 3).join(u','), "501,1,28.015000");
    EXPECT_EQ(rows[32].fields[0], "906");
}

TEST(ChannelCsv, AHandWrittenCommonLayoutFileLandsTheRightChannels) {
    Document doc = newDocument();
    doc.curImage.optFeat.groupValid(0, 2) = 0;
    const ChannelRec groupC = doc.chTable.at({0, 3, 7});
    const QByteArray file = "\xEF\xBB\xBF"
                            "Frequency,Location,Name,Tone,Duplex,Offset,rToneFreq,cToneFreq,"
                            "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment\r\n"
                            "27.185,12,ch12,TSQL,,0,88.5,100.0,023,NN,AM,5.00,,\"a, b\"\r\n"
                            "26.965004,45,,DTCS,,0,88.5,88.5,754,NN,FM,5.00,S,\r\n"
                            "28.3,403,M3,,,0,88.5,88.5,023,NN,LSB,5.00,,\r\n"
                            "29.6,512,,Tone,-,0.1,71.9,88.5,023,NN,USB,5.00,S,\r\n";
    const CsvImportResult result = channelsFromCsv(file, doc.curImage, doc.chTable);
    EXPECT_TRUE(result.problems.isEmpty());
    EXPECT_EQ(result.taken, 4);

    const MemoryImage& image = doc.curImage;
    // The list names group A and the "MEM" channels: they hold exactly its channels.
    ASSERT_EQ(usedSlots(image, 0, 1), 2);
    const ChannelRec& a12 = doc.chTable.at({0, 1, 1});
    EXPECT_EQ(a12.chNo, 12);
    EXPECT_EQ(a12.rxFreq.clean(), "27185000");
    EXPECT_EQ(a12.txFreq.clean(), "27185000");
    EXPECT_EQ(a12.decodeTone, 12); // 100.0 Hz
    EXPECT_EQ(a12.mode, 1);
    EXPECT_EQ(a12.nbAnl, 1);
    EXPECT_EQ(a12.encodeTone, kNewChannelTone);
    EXPECT_EQ(findChannel(image, doc.chTable, {0, 1, 1}), 0); // the list names all of group A

    const ChannelRec& b5 = doc.chTable.at({0, 2, usedSlots(image, 0, 2)});
    EXPECT_EQ(b5.chNo, 5);
    EXPECT_EQ(b5.rxFreq.clean(), "26965000"); // on the 10 Hz grid
    EXPECT_EQ(b5.decodeTone, kToneIndexCount - 1);
    EXPECT_EQ(b5.scanAdd, 0);
    EXPECT_EQ(image.optFeat.groupValid(0, 2), 1);

    const ChannelRec& m3 = doc.chTable.at({0, 1, findChannel(image, doc.chTable, {0, 1, 43})});
    EXPECT_EQ(m3.rxFreq.clean(), "28300000");
    EXPECT_EQ(findChannel(image, doc.chTable, {0, 1, 41}), 0);

    const ChannelRec& hf = doc.chTable.at({1, 1, findChannel(image, doc.chTable, {1, 1, 12})});
    EXPECT_EQ(hf.decodeTone, 2); // 71.9 Hz sent as the transmit tone
    EXPECT_EQ(hf.repShift, 2);
    EXPECT_EQ(hf.mode, 2);
    EXPECT_EQ(doc.chTable.at({0, 3, 7}), groupC);
}

TEST(ChannelCsv, RowsThatCannotBeTakenAreReportedAndChangeNothing) {
    Document doc = newDocument();
    const QByteArray header = "Location,Frequency,Tone,cToneFreq,DtcsCode,DtcsPolarity,Mode\n";
    const QByteArray file = header + "1,27.0,,,,,FM\n"         // taken
                                     "2,31.5,,,,,FM\n"         // outside CB
                                     "3,27.0,TSQL,69.3,,,FM\n" // not one of the 38 tones
                                     "1,27.1,,,,,FM\n"         // duplicate
                                     "4,\"27.0,,,,,FM\n";      // quote left open
    const CsvImportResult result = channelsFromCsv(file, doc.curImage, doc.chTable);
    EXPECT_EQ(result.taken, 1);
    ASSERT_EQ(result.problems.size(), 4);
    const std::pair<int, const char*> expected[] = {
        {3, "frequency outside the band 25.6150 - 30.1050 MHz"},
        {4, "tone not in the list"},
        {5, "duplicate location"},
        {6, "malformed line"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(result.problems[i].row, expected[i].first);
        EXPECT_EQ(result.problems[i].reason(Language::English), expected[i].second);
    }
    EXPECT_EQ(result.problems[0].value, "31.5");
    EXPECT_EQ(result.problems[0].reason(Language::Chinese),
              QStringLiteral("频率超出频段 25.6150 - 30.1050 MHz"));

    const Document before = doc;
    const QByteArray bad = header + "5,27.0,DTCS,,023,RN,FM\n"
                                    "6,27.0,,,,,DV\n"
                                    "907,27.0,,,,,FM\n"
                                    "7,27.0,,,,\n";
    const CsvImportResult none = channelsFromCsv(bad, doc.curImage, doc.chTable);
    EXPECT_EQ(none.taken, 0);
    EXPECT_EQ(none.problems.size(), 4);
    EXPECT_TRUE(doc.curImage == before.curImage && doc.chTable == before.chTable);
    EXPECT_EQ(channelsFromCsv("Name,Comment\nx,y\n", doc.curImage, doc.chTable).problems.size(), 1);
}

// A refused row changes nothing at its place, while the rows taken still replace their group;
// a place that a later row takes after all gets that row.
TEST(ChannelCsv, ARefusedRowKeepsTheChannelThatWasThere) {
    Document doc = newDocument();
    auto channelAt = [&](const ChannelKey& key) -> std::optional<ChannelRec> {
        const int slot = findChannel(doc.curImage, doc.chTable, key);
        return slot ? std::optional(doc.chTable.at({key.mode, key.group, slot})) : std::nullopt;
    };
    for (const ChannelKey key : {ChannelKey{1, 1, 2}, {1, 1, 3}, {1, 1, 5}})
        if (!channelAt(key))
            addChannel(doc.curImage, doc.chTable, key, QStringLiteral("28.5"));
    const auto a2 = channelAt({1, 1, 2});
    const auto a3 = channelAt({1, 1, 3});
    const QByteArray file = "Location,Frequency,Mode\n"
                            "501,28.1,FM\n"   // HF A1 taken
                            "502,31.0,FM\n"   // HF A2 outside the band
                            "503,28.3,XYZ\n"; // HF A3 no such mode
    const CsvImportResult result = channelsFromCsv(file, doc.curImage, doc.chTable);
    EXPECT_EQ(result.taken, 1);
    EXPECT_EQ(result.problems.size(), 2);
    ASSERT_TRUE(channelAt({1, 1, 1}));
    EXPECT_EQ(channelAt({1, 1, 1})->rxFreq.clean(), "28100000");
    EXPECT_EQ(channelAt({1, 1, 2}), a2);
    EXPECT_EQ(channelAt({1, 1, 3}), a3);
    // A channel the list does not name goes, as before: group A is the list's.
    EXPECT_FALSE(channelAt({1, 1, 5}));
    EXPECT_EQ(ordinaryChannels(doc, 1, 1), 3);

    // A refused row followed by a good one for the same place: the good one is taken.
    const QByteArray again = "Location,Frequency,Mode\n502,31.0,FM\n502,28.2,FM\n";
    Document second = newDocument();
    const CsvImportResult retaken = channelsFromCsv(again, second.curImage, second.chTable);
    EXPECT_EQ(retaken.taken, 1);
    const int slot = findChannel(second.curImage, second.chTable, {1, 1, 2});
    ASSERT_NE(slot, 0);
    EXPECT_EQ(second.chTable.at({1, 1, slot}).rxFreq.clean(), "28200000");
    EXPECT_EQ(ordinaryChannels(second, 1, 1), 1);
}

// A column the text does not have leaves the field table's new-channel value, as a typed
// channel gets it; a column it has but leaves empty still means off.
TEST(ChannelCsv, AColumnTheTextLacksGivesTheNewChannelValue) {
    Document doc = newDocument();
    const QByteArray file = "Location,Frequency\n1,27.0\n";
    ASSERT_EQ(channelsFromCsv(file, doc.curImage, doc.chTable).taken, 1);
    const ChannelRec& taken =
        doc.chTable.at({0, 1, findChannel(doc.curImage, doc.chTable, {0, 1, 1})});
    ChannelRec typed;
    fillNewChannel(typed, 1, QString());
    for (const ChannelFieldInfo& f : channelFields())
        if (f.number && f.newValue >= 0) {
            EXPECT_EQ(taken.*f.number, typed.*f.number) << f.name;
        }
    EXPECT_EQ(taken.decodeTone, kNewChannelTone);

    const QByteArray empty = "Location,Frequency,Tone,Skip,Mode\n1,27.0,,,AM\n";
    ASSERT_EQ(channelsFromCsv(empty, doc.curImage, doc.chTable).taken, 1);
    const ChannelRec& off =
        doc.chTable.at({0, 1, findChannel(doc.curImage, doc.chTable, {0, 1, 1})});
    EXPECT_EQ(off.decodeTone, 0);
    EXPECT_EQ(off.scanAdd, 1);
    EXPECT_EQ(off.mode, 1);
}

// A file of thousands of bad rows keeps only the first for the report and counts the rest.
TEST(ChannelCsv, AReportKeepsTheFirstRowsAndCountsTheRest) {
    Document doc = newDocument();
    const QByteArray file = "Location,Frequency,Mode\n1,27.0,FM\n" +
                            QByteArray("2,31.5,FM\n1,27.1,FM\n").repeated(2500);
    const CsvImportResult result = channelsFromCsv(file, doc.curImage, doc.chTable);
    EXPECT_EQ(result.taken, 1);
    EXPECT_EQ(result.problemCount, 5000);
    ASSERT_EQ(result.problems.size(), kCsvReportedRows);
    EXPECT_EQ(result.problems.front().row, 3);
    EXPECT_EQ(result.problems.back().row, 102);
    EXPECT_EQ(result.problemsLeftOut(), 4900);
}

TEST(CsvText, QuotedFieldsAndEveryLineEnd) {
    const QList<CsvRecord> records = parseCsv("a,\"b,\"\"c\"\"\r\nd\"\r\n\r\nx,y\rz\n");
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0].fields, (QStringList{"a", "b,\"c\"\r\nd"}));
    EXPECT_EQ(records[1].fields, (QStringList{"x", "y"}));
    EXPECT_EQ(records[2].number, 3);
    EXPECT_TRUE(parseCsv("a,\"b\"c\n")[0].malformed);
    EXPECT_EQ(csvLine({"1", "a,b", "say \"hi\""}), "1,\"a,b\",\"say \"\"hi\"\"\"\r\n");
}

} // namespace
} // namespace r5k27

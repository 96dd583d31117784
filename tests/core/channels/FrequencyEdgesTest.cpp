#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/Frequency.h"
#include "core/document/ChannelCsv.h"
#include "core/image/MemoryImage.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr std::int64_t kRefused = -1;

// A typed text in a work mode's band: the hertz it reads as (before the grid), the hertz the
// band takes (after the 10 Hz grid, or refused), what the grid then shows, the digits a typed
// entry stores, and the six-decimal text a channel list read with it writes back.
struct Typed {
    const char* text;
    int mode;
    std::int64_t parsed;
    std::int64_t inBand;
    const char* shown;
    const char* stored;
    const char* listed;
};

// clang-format off
const Typed kTyped[] = {
    {"28.085",         0, 28085000, 28085000, "28.0850", "280850",   "28.085000"},
    {" 28.085\t",      0, 28085000, 28085000, "28.0850", "280850",   "28.085000"},
    {"+028.0850",      0, 28085000, 28085000, "28.0850", "280850",   "28.085000"},
    // the fourth decimal of a value off the 100 Hz grid: ties to even, else to the nearer
    {"28.08505",       0, 28085050, 28085050, "28.0850", "280850",   "28.085050"},
    {"28.08515",       0, 28085150, 28085150, "28.0852", "280852",   "28.085150"},
    {"28.08504",       0, 28085040, 28085040, "28.0850", "280850",   "28.085040"},
    {"28.08506",       0, 28085060, 28085060, "28.0851", "280851",   "28.085060"},
    {"28.08537",       0, 28085370, 28085370, "28.0854", "280854",   "28.085370"},
    // the grid: a hertz step below 10 Hz is dropped towards the lower limit
    {"28.085037",      0, 28085037, 28085030, "28.0850", "280850",   "28.085030"},
    {"28.000035",      1, 28000035, 28000030, "28.0000", "280000",   "28.000030"},
    // a seventh digit rounds to the hertz, ties to even
    {"28.0850005",     0, 28085000, 28085000, "28.0850", "280850",   "28.085000"},
    {"28.0850015",     0, 28085002, 28085000, "28.0850", "280850",   "28.085000"},
    {"28.08500050001", 0, 28085001, 28085000, "28.0850", "280850",   "28.085000"},
    {"28.0850004999",  0, 28085000, 28085000, "28.0850", "280850",   "28.085000"},
    {"28.0850095",     0, 28085010, 28085010, "28.0850", "280850",   "28.085010"},
    {"28.0850094",     0, 28085009, 28085000, "28.0850", "280850",   "28.085000"},
    // band edges from both sides
    {"25.615",         0, 25615000, 25615000, "25.6150", "256150",   "25.615000"},
    {"25.614999",      0, 25614999, kRefused, "",        "",         ""},
    {"25.6149995",     0, 25615000, 25615000, "25.6150", "256150",   "25.615000"},
    {"25.6149994",     0, 25614999, kRefused, "",        "",         ""},
    {"30.105",         0, 30105000, 30105000, "30.1050", "301050",   "30.105000"},
    {"30.1050005",     0, 30105000, 30105000, "30.1050", "301050",   "30.105000"},
    {"30.1050015",     0, 30105002, kRefused, "",        "",         ""},
    {"30.105001",      0, 30105001, kRefused, "",        "",         ""},
    {"28",             1, 28000000, 28000000, "28.0000", "280000",   "28.000000"},
    {"27.99999",       1, 27999990, kRefused, "",        "",         ""},
    {"29.699",         1, 29699000, 29699000, "29.6990", "296990",   "29.699000"},
    {"29.6995",        1, 29699500, kRefused, "",        "",         ""},
    {"26.5",           1, 26500000, kRefused, "",        "",         ""},
    // no number
    {"28 .085",        0, kRefused, kRefused, "",        "",         ""},
    {"28,085",         0, kRefused, kRefused, "",        "",         ""},
    {"-28.085",        0, -28085000, kRefused, "",       "",         ""},
};

// Stored digits as a data file or the radio holds them, and what every window shows for them.
const std::pair<const char*, const char*> kStored[] = {
    {"280850  ", "28.0850"}, {"28085000", "28.0850"}, {"28085050", "28.0850"},
    {"28085150", "28.0852"}, {"2808537 ", "28.0854"}, {"28085149", "28.0851"},
    {"085     ", "8.5000"},  {"2808    ", "28.0800"}, {" 280850 ", "28.0850"},
    {"FFFFFFFF", ""},        {"        ", ""},        {"28A850  ", ""},
};
// clang-format on

TEST(FrequencyEdges, TypedTextGivesItsHertzShownTextAndStoredDigits) {
    for (const Typed& row : kTyped) {
        const QString text = QString::fromUtf8(row.text);
        SCOPED_TRACE(
            QStringLiteral("typed \"%1\" in work mode %2").arg(text).arg(row.mode).toStdString());
        const auto parsed = Frequency::parse(text);
        EXPECT_EQ(parsed ? parsed->hz() : kRefused, row.parsed) << "parsed";
        const auto inBand = frequencyInBand(text, row.mode);
        EXPECT_EQ(inBand ? inBand->hz() : kRefused, row.inBand) << "in the band";
        EXPECT_EQ(inBand ? inBand->text() : QString(), QString::fromLatin1(row.shown)) << "shown";

        MemoryImage image;
        image.workMode = std::int16_t(row.mode);
        image.optFeat.modeEnable = {1, 1, 1, 1, 1};
        ChTable table;
        image.chCount(row.mode, 1) = 1;
        table.at({row.mode, 1, 1}).chNo = 1;
        if (inBand)
            enterFrequency(image, table, {row.mode, 1, 1}, inBand);
        const QString stored = inBand ? table.at({row.mode, 1, 1}).rxFreq.clean() : QString();
        EXPECT_EQ(stored, QString::fromLatin1(row.stored)) << "stored by the grid";
        if (inBand) {
            EXPECT_EQ(Frequency::fromStored(stored)->text(), inBand->text()) << "shown again";
        }
    }
}

// A channel list read with the text and written again keeps every 10 Hz step.
TEST(FrequencyEdges, ChannelListReadThenWrittenKeepsTheStep) {
    for (const Typed& row : kTyped) {
        SCOPED_TRACE(
            QStringLiteral("listed \"%1\"").arg(QString::fromUtf8(row.text)).toStdString());
        MemoryImage image;
        image.optFeat.modeEnable = {1, 1, 1, 1, 1};
        image.optFeat.groupValid(row.mode, 1) = 1;
        ChTable table;
        const QByteArray csv = QByteArray("WorkMode,Group,Channel,Frequency,R5K27Mode\n") +
                               (row.mode ? "HF" : "CB") + ",A,7,\"" + row.text + "\",FM\n";
        const CsvImportResult read = channelsFromCsv(csv, image, table);
        EXPECT_EQ(read.taken, row.inBand == kRefused ? 0 : 1);
        const QList<QByteArray> lines = channelsToCsv(image, table).split('\n');
        QString listed;
        for (const QByteArray& line : lines)
            if (line.startsWith(QByteArray::number(row.mode * 500 + 7) + ','))
                listed = QString::fromUtf8(line.split(',').value(2));
        EXPECT_EQ(listed, QString::fromLatin1(row.listed));
    }
}

TEST(FrequencyEdges, StoredDigitsShowAsEveryWindowShowsThem) {
    for (const auto& [stored, shown] : kStored) {
        const auto frequency = Frequency::fromStored(QString::fromLatin1(stored));
        EXPECT_EQ(frequency ? frequency->text() : QString(), QString::fromLatin1(shown)) << stored;
        ChannelRec rec;
        rec.rxFreq.assign(QString::fromLatin1(stored));
        EXPECT_EQ(channelValueText(rec, ChannelField::RxFreq, Language::Chinese),
                  QString::fromLatin1(shown))
            << stored;
    }
}

} // namespace
} // namespace r5k27

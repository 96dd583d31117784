// The CSV reader's fields are views into its buffers: they must hold the same text wherever a
// record falls in the input's chunks, and a doubled quote must not leak into its neighbours.
#include "core/common/CsvText.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

struct ParseCase {
    const char* name;
    QByteArray input;
    QList<QStringList> fields;
    QList<bool> malformed;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class CsvReaderCases : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CsvReaderCases, GiveEachRecordsFieldsAsWritten) {
    const ParseCase& c = GetParam();
    const QList<CsvRecord> records = parseCsv(c.input);
    ASSERT_EQ(records.size(), c.fields.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].fields, c.fields[i]) << "record " << i + 1;
        EXPECT_EQ(records[i].malformed, c.malformed.value(i)) << "record " << i + 1;
        EXPECT_EQ(records[i].number, i + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, CsvReaderCases,
    ::testing::Values(
        ParseCase{"DoubledQuoteInTheMiddle", "\"a\"\"b\",c\n", {{"a\"b", "c"}}, {false}},
        ParseCase{"DoubledQuotesAtBothEnds", "\"\"\"x\"\"\",y\n", {{"\"x\"", "y"}}, {false}},
        ParseCase{"CopiedFieldThenViewedField",
                  "\"1\"\"\",22,\"3\"\"3\",4\r\n5,6,7,8",
                  {{"1\"", "22", "3\"3", "4"}, {"5", "6", "7", "8"}},
                  {false, false}},
        ParseCase{"EmptyFieldsAndQuotedEmpty", ",\"\",,\n", {{"", "", "", ""}}, {false}},
        ParseCase{"ByteOrderMarkAndLoneCarriageReturns",
                  "\xEF\xBB\xBFh1,h2\ra,b\r\r\rc,d",
                  {{"h1", "h2"}, {"a", "b"}, {"c", "d"}},
                  {false, false, false}},
        ParseCase{"TextAfterAClosingQuoteIsMalformed",
                  "\"ab\"cd,e\nf,g\n",
                  {{"abcd", "e"}, {"f", "g"}},
                  {true, false}},
        ParseCase{"QuoteLeftOpenIsMalformed", "a,\"b\nc\n", {{"a", "b\nc\n"}}, {true}},
        ParseCase{"UnicodeText", "名称,\"频率,MHz\"\n", {{"名称", "频率,MHz"}}, {false}}));

// Records of every shape, a few hundred thousand characters long in all, so that records and
// their doubled quotes straddle the reader's chunks at many offsets.
TEST(CsvReader, FieldsSurviveChunkBoundaries) {
    QByteArray input;
    QList<QStringList> expected;
    for (int i = 0; i < 6000; ++i) {
        const QString plain = QString(i % 37, u'x') + QString::number(i);
        const QString quoted = QStringLiteral("q\"%1\"\n,").arg(i);
        const QString escaped = QString(quoted).replace(u'"', QStringLiteral("\"\""));
        input += (plain + QStringLiteral(",\"") + escaped + QStringLiteral("\",") +
                  QString::number(i * 7) + QStringLiteral("\r\n"))
                     .toUtf8();
        expected.append({plain, quoted, QString::number(i * 7)});
    }
    QBuffer buffer(&input);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    CsvReader reader(buffer);
    int seen = 0;
    while (const CsvRow* row = reader.nextRow()) {
        ASSERT_LT(seen, expected.size());
        ASSERT_EQ(row->fields.size(), 3) << "record " << seen + 1;
        for (int f = 0; f < 3; ++f)
            EXPECT_EQ(row->fields[f], expected[seen][f]) << "record " << seen + 1;
        EXPECT_FALSE(row->malformed);
        EXPECT_EQ(row->number, seen + 1);
        ++seen;
    }
    EXPECT_EQ(seen, expected.size());
}

// A record past the length limit is skipped without being held, and the next record is read
// whole, wherever the cut falls.
TEST(CsvReader, OverlongRecordsLeaveTheNextOneWhole) {
    for (const qsizetype length : {kCsvMaxRecordChars + 1, qsizetype(70000), qsizetype(200000)}) {
        const QByteArray input = "a,b\n\"" + QByteArray(length, 'y') + "\",z\n\"n\"\"1\",2\n";
        const QList<CsvRecord> records = parseCsv(input);
        ASSERT_EQ(records.size(), 3) << length;
        EXPECT_TRUE(records[1].malformed);
        EXPECT_TRUE(records[1].fields.isEmpty());
        EXPECT_EQ(records[1].raw, u'"' + QString(kCsvMaxRawChars - 1, u'y'));
        EXPECT_EQ(records[2].fields, QStringList({"n\"1", "2"})) << length;
        EXPECT_FALSE(records[2].malformed);
    }
}

} // namespace
} // namespace r5k27

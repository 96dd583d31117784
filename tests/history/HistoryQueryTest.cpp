#include "HistoryTestSupport.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

using test::radioImage;
using test::ScratchHistory;

// Five operations over three days, on two ports, of several kinds and outcomes.
struct Shop : ScratchHistory {
    Shop() {
        add(QDate(2025, 3, 1), OperationKind::Read, "/dev/ttyUSB0", Outcome::Done, "taxi.dat");
        add(QDate(2025, 3, 2), OperationKind::Write, "/dev/ttyUSB0", Outcome::Failed, "taxi.dat");
        add(QDate(2025, 3, 2), OperationKind::Write, "/dev/ttyUSB1", Outcome::Done, "50%_off.dat");
        add(QDate(2025, 3, 3), OperationKind::Verify, "/dev/ttyUSB1", Outcome::VerifyMismatch,
            "Fleet.DAT");
        add(QDate(2025, 3, 3), OperationKind::GroupWrite, "COM3", Outcome::Cancelled, "fleet.dat");
    }
    void add(QDate day, OperationKind kind, const QString& port, Outcome outcome,
             const QString& document) {
        // Noon local time, so the day is the same in every time zone the test runs in.
        const QDateTime at(day, QTime(12, 0));
        ASSERT_TRUE(
            log->record({.kind = kind, .radioNumber = 2, .port = port, .document = document},
                        {.outcome = outcome, .image = radioImage(uint(kind))}, at, at.addSecs(30)));
    }
    QList<qint64> ids(const HistoryFilter& filter) {
        QList<qint64> out;
        for (const HistoryRow& row : rows(filter))
            out << row.id;
        return out;
    }
};

TEST(HistoryQuery, FiltersCombineAndTheNewestComesFirst) {
    Shop shop;
    const struct {
        const char* name;
        HistoryFilter filter;
        QList<qint64> ids;
    } cases[] = {
        {"everything", {}, {5, 4, 3, 2, 1}},
        {"since", {.since = QDate(2025, 3, 2)}, {5, 4, 3, 2}},
        {"until, its day included", {.until = QDate(2025, 3, 2)}, {3, 2, 1}},
        {"one day", {.since = QDate(2025, 3, 2), .until = QDate(2025, 3, 2)}, {3, 2}},
        {"kind", {.kind = OperationKind::Write}, {3, 2}},
        {"port", {.port = "/dev/ttyUSB1"}, {4, 3}},
        {"outcome", {.outcome = Outcome::Done}, {3, 1}},
        {"kind and port", {.kind = OperationKind::Write, .port = "/dev/ttyUSB0"}, {2}},
        {"file name, any case", {.document = "fleet"}, {5, 4}},
        {"wildcards are plain text", {.document = "%_"}, {3}},
        {"nothing", {.since = QDate(2025, 3, 4)}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shop.ids(c.filter), c.ids) << c.name;
}

TEST(HistoryQuery, CsvFieldsFollowTheHeader) {
    Shop shop;
    const HistoryRow row = shop.rows({.kind = OperationKind::GroupWrite})[0];
    const QStringList fields = historyCsvFields(row);
    const QStringList header = historyCsvHeader();
    ASSERT_EQ(fields.size(), header.size());
    const auto field = [&](const char* name) { return fields[header.indexOf(name)]; };
    EXPECT_EQ(field("kind"), "group-write");
    EXPECT_EQ(field("radio"), "2");
    EXPECT_EQ(field("port"), "COM3");
    EXPECT_EQ(field("outcome"), "cancelled");
    EXPECT_EQ(field("duration_ms"), "30000");
    EXPECT_EQ(QDateTime::fromString(field("started"), Qt::ISODateWithMs),
              QDateTime(QDate(2025, 3, 3), QTime(12, 0)));
    EXPECT_EQ(field("sha256").size(), 64);
}

TEST(HistoryQuery, DatesAndKeysAreReadStrictly) {
    EXPECT_EQ(parseHistoryDate("2025-03-01"), QDate(2025, 3, 1));
    for (const char* bad : {"", "2025-3-1", "2025-02-30", "01.03.2025", "2025-03-01x"})
        EXPECT_FALSE(parseHistoryDate(bad)) << bad;
    for (const QString& key : kindKeys())
        EXPECT_EQ(kindKey(*kindFromKey(key)), key);
    for (const QString& key : outcomeKeys())
        EXPECT_EQ(outcomeKey(*outcomeFromKey(key)), key);
    EXPECT_FALSE(kindFromKey("Read"));
}

} // namespace
} // namespace r5k27

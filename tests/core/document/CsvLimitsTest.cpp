// Channel lists that are far too large, or hold what no channel list holds, cost little and
// change nothing.
#include "core/channels/ChannelTable.h"
#include "core/common/AppSettings.h"
#include "core/common/CsvText.h"
#include "core/document/ChannelCsv.h"
#include "core/document/Document.h"
#include "core/document/InitialValues.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace r5k27 {
namespace {

Document newDocument() {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 5));
    return doc;
}

qint64 peakKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A file of header plus rows repeated up to about bytes, written a block at a time.
QString writeRows(const test::TempDir& dir, const QString& name, qint64 bytes,
                  const QByteArray& row) {
    QFile file(dir.path(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("Location,Frequency,Mode\n");
    const QByteArray block = row.repeated(qMax<qsizetype>(1, (1 << 20) / row.size()));
    for (qint64 done = 0; done < bytes; done += block.size())
        file.write(block);
    return file.fileName();
}

// Importing the file at path in a child; what it saw, or an empty text when refused in time
// and within memory.
QString refusedCheaply(const QString& path) {
    return test::runInChild([&]() -> QString {
        Document doc = newDocument();
        const Document before = doc;
        const qint64 peakBefore = peakKiB();
        QElapsedTimer timer;
        timer.start();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "unreadable";
        const CsvImportResult result = channelsFromCsv(file, doc.curImage, doc.chTable);
        const qint64 grownKiB = peakKiB() - peakBefore;
        QString seen;
        if (!result.tooLarge || result.taken != 0)
            seen += QStringLiteral("not refused (%1 taken); ").arg(result.taken);
        if (!(doc.curImage == before.curImage && doc.chTable == before.chTable))
            seen += "document changed; ";
        if (grownKiB > 100 * 1024)
            seen += QStringLiteral("grew by %1 KiB; ").arg(grownKiB);
        if (timer.elapsed() > 5000)
            seen += QStringLiteral("took %1 ms; ").arg(timer.elapsed());
        return seen;
    });
}

TEST(CsvLimits, HugeFilesAreRefusedQuicklyWithinMemory) {
    test::TempDir dir;
    // 200 MB of rows the import would take.
    const QString huge = writeRows(dir, "huge.csv", 200 << 20, "12,27.185,AM\n");
    ASSERT_FALSE(huge.isEmpty());
    EXPECT_EQ(refusedCheaply(huge), QString());
    QFile::remove(huge);
    // Under the byte limit but far more lines than a radio has channels.
    const QString many = writeRows(dir, "many.csv", 2 << 20, "9\n");
    EXPECT_EQ(refusedCheaply(many), QString());
}

// A record beyond the length limit is malformed and reported by its start only, and reading
// goes on with the next one.
TEST(CsvLimits, OverlongRecordsAreCutAndMalformed) {
    const QByteArray longField(kCsvMaxRecordChars + 10, 'x');
    const QList<CsvRecord> records = parseCsv("a,b\n1," + longField + "\n\"2\",3\n");
    ASSERT_EQ(records.size(), 3);
    EXPECT_TRUE(records[1].malformed);
    EXPECT_EQ(records[1].raw, "1," + QString(kCsvMaxRawChars - 2, u'x'));
    EXPECT_EQ(records[2].fields, QStringList({"2", "3"}));
    EXPECT_FALSE(records[2].malformed);
}

TEST(CsvLimits, NegativeOffsetExportsWithOneSign) {
    Document doc = newDocument();
    ChannelRec& a1 = doc.chTable.at({0, 1, findChannel(doc.curImage, doc.chTable, {0, 1, 1})});
    a1.repShift = 1;
    doc.curImage.extFreq = -612345;
    const QList<CsvRecord> rows = parseCsv(channelsToCsv(doc.curImage, doc.chTable));
    ASSERT_GT(rows.size(), 1);
    ASSERT_EQ(rows[0].fields.value(4), "Offset");
    EXPECT_EQ(rows[1].fields.value(4), "-61.234500");
}

} // namespace
} // namespace r5k27

#include "CliCommands.h"
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"
#include "history/HistoryLog.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// The command-line tool over a history in a scratch data folder holding a read of a radio, a
// write to another port, and a failed read without an image.
struct CliHistory {
    CliHistory()
        : oldDataHome(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", dir.path("data").toLocal8Bit());
        writeBuiltInDefaults(doc, settings, 1, QDate(2024, 5, 1));
        image = prepareRadioBuf();
        EXPECT_FALSE(encodeImage(doc.curImage, doc.chTable, image));
        HistoryDatabase db(HistoryDatabase::defaultPath());
        HistoryLog log(db);
        const auto add = [&](QDate day, OperationKind kind, const QString& port, Outcome outcome,
                             const QByteArray& bytes) {
            const QDateTime at(day, QTime(12, 0));
            EXPECT_TRUE(log.record({.kind = kind, .port = port, .document = "fleet.dat"},
                                   {.outcome = outcome, .image = bytes}, at, at.addSecs(20)));
        };
        add(QDate(2025, 3, 1), OperationKind::Read, "/dev/ttyUSB0", Outcome::Done, image);
        add(QDate(2025, 3, 2), OperationKind::Write, "/dev/ttyUSB1", Outcome::Done, image);
        add(QDate(2025, 3, 3), OperationKind::Read, "/dev/ttyUSB0", Outcome::Failed, {});
    }
    ~CliHistory() { qputenv("XDG_DATA_HOME", oldDataHome); }

    int run(const QStringList& args) {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return cli::runCli(QStringList{"history"} + args, "/nonexistent/R5K27/V200", outStream,
                           errStream);
    }
    QStringList lines() const { return out.split('\n', Qt::SkipEmptyParts); }

    test::TempDir dir;
    QByteArray oldDataHome;
    Document doc;
    AppSettings settings;
    QByteArray image;
    QString out;
    QString err;
};

TEST(CliHistory, ListsAndFiltersTheOperations) {
    CliHistory h;
    const struct {
        QStringList args;
        int rows;
    } cases[] = {
        {{}, 3},
        {{"--kind", "read"}, 2},
        {{"--port", "/dev/ttyUSB1"}, 1},
        {{"--outcome", "failed"}, 1},
        {{"--since", "2025-03-02"}, 2},
        {{"--since", "2025-03-01", "--until", "2025-03-01"}, 1},
        {{"--kind", "compare"}, 0},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(h.run(c.args), 0) << c.args.join(' ').toStdString() << h.err.toStdString();
        EXPECT_EQ(h.lines().size(), c.rows + 1) << c.args.join(' ').toStdString();
    }
    ASSERT_EQ(h.run({}), 0);
    EXPECT_TRUE(h.lines()[0].startsWith("ID"));
    EXPECT_TRUE(h.lines()[1].startsWith("3 ")); // newest first
    EXPECT_TRUE(h.lines()[1].contains("Failed"));
}

TEST(CliHistory, CsvHasAHeaderAndOneLinePerOperation) {
    CliHistory h;
    ASSERT_EQ(h.run({"--csv", "--kind", "write"}), 0);
    const QStringList lines = h.lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("id,started,ended,kind,radio,port"));
    EXPECT_TRUE(lines[1].startsWith("2,2025-03-02T"));
    EXPECT_TRUE(lines[1].contains(",write,,/dev/ttyUSB1,"));
}

TEST(CliHistory, ExtractSavesTheImageAsADataFile) {
    CliHistory h;
    const QString path = h.dir.path("restored.dat");
    ASSERT_EQ(h.run({"--extract", "1", path}), 0) << h.err.toStdString();
    Document restored;
    AppSettings settings;
    ASSERT_TRUE(readPlainFile(restored, settings, path));
    QByteArray again = prepareRadioBuf();
    ASSERT_FALSE(encodeImage(restored.curImage, restored.chTable, again));
    EXPECT_EQ(again, h.image);
}

TEST(CliHistory, BadArgumentsChangeNothing) {
    CliHistory h;
    const QString path = h.dir.path("x.dat");
    const struct {
        QStringList args;
        int status;
        const char* says;
    } cases[] = {
        {{"--kind", "burn"}, 1, "Not a valid --kind: burn"},
        {{"--since", "1.3.2025"}, 1, "Not a valid --since: 1.3.2025"},
        {{"--extract", "3", path}, 1, "Operation 3 holds no radio image."},
        {{"--extract", "99", path}, 1, "No operation 99 in the radio history."},
        {{"--extract", "x", path}, 1, "No operation x in the radio history."},
        {{"--extract", "1"}, 2, "usage:"},
        {{"--extract", "1", "--csv", path}, 2, "usage:"},
        {{"--verbose"}, 2, "usage:"},
        {{"--kind"}, 2, "usage:"},
        {{"stray"}, 2, "usage:"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(h.run(c.args), c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(h.err.contains(c.says)) << h.err.toStdString();
        EXPECT_FALSE(QFile::exists(path));
    }
}

} // namespace
} // namespace r5k27

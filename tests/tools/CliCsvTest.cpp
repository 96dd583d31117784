#include "CliCommands.h"
#include "CliRun.h"
#include "support/TempDir.h"

#include <QTextStream>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

using test::runCli;

TEST(CliCsv, ExportImportRoundTripAndRejectedRowsOnStandardError) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"new", dir.path("a.dat")}), 0);
    ASSERT_EQ(runCli({"csv-export", dir.path("a.dat"), dir.path("a.csv")}), 0);
    ASSERT_EQ(runCli({"csv-import", dir.path("a.dat"), dir.path("a.csv"), dir.path("b.dat")}), 0);
    ASSERT_EQ(runCli({"csv-export", dir.path("b.dat"), dir.path("b.csv")}), 0);
    EXPECT_TRUE(dir.read("b.csv") == dir.read("a.csv"));
    EXPECT_TRUE(dir.read("b.dat") == dir.read("a.dat"));

    dir.write("edit.csv", "Location,Frequency,Mode\n12,27.185,AM\n13,99,FM\n");
    QString err;
    EXPECT_EQ(
        runCli({"csv-import", dir.path("a.dat"), dir.path("edit.csv"), dir.path("c.dat")}, &err),
        1);
    EXPECT_EQ(err, "row 3: 99: frequency outside the band 25.6150 - 30.1050 MHz\n");
    ASSERT_EQ(runCli({"csv-export", dir.path("c.dat"), dir.path("c.csv")}), 0);
    EXPECT_TRUE(dir.read("c.csv").contains("\r\n12,12,27.185000,"));

    dir.write("bad.csv", "Location,Frequency,Mode\n13,99,FM\n");
    EXPECT_EQ(runCli({"csv-import", dir.path("a.dat"), dir.path("bad.csv"), dir.path("d.dat")}), 3);
    EXPECT_FALSE(QFile::exists(dir.path("d.dat")));

    // Thousands of bad rows: the first hundred are listed, the rest counted.
    dir.write("many.csv",
              "Location,Frequency,Mode\n12,27.185,AM\n" + QByteArray("13,99,FM\n").repeated(3000));
    EXPECT_EQ(
        runCli({"csv-import", dir.path("a.dat"), dir.path("many.csv"), dir.path("e.dat")}, &err),
        1);
    const QStringList lines = err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 101);
    EXPECT_TRUE(lines[99].startsWith("row 102: 99: "));
    EXPECT_EQ(lines[100], "… and 2900 more rows");
}

} // namespace
} // namespace r5k27

#include "common/QtFileDialogs.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(FileFilter, PairedFilterBecomesQtFilter) {
    EXPECT_EQ(qtFileFilter("Data File (*.dat)|*.dat"), "Data File (*.dat)");
    EXPECT_EQ(qtFileFilter(QStringLiteral("数据文件 (*.dat)|*.dat")),
              QStringLiteral("数据文件 (*.dat)"));
    EXPECT_EQ(qtFileFilter("Data|*.dat|All|*.*"), "Data (*.dat);;All (*.*)");
    EXPECT_EQ(qtFileFilter("no pattern"), "");
}

TEST(FileFilter, SavingAddsTheFiltersExtension) {
    EXPECT_EQ(defaultSuffixOf("CSV (*.csv)|*.csv"), "csv");
    EXPECT_EQ(defaultSuffixOf("Data File (*.dat)|*.dat"), "dat");
    EXPECT_EQ(defaultSuffixOf("All|*.*"), "dat");
}

} // namespace
} // namespace r5k27

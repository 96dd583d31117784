#include "mainwindow/Caption.h"

#include "mainwindow/LanguageState.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(Caption, ShowsModelBandAndFileNameInTheLanguage) {
    AppSettings settings;
    EXPECT_EQ(mainWindowCaption(settings, 1, "C:\\data\\shop\\car.dat"),
              "BRELLOCK R5K27[28.0000 - 29.6990 MHz][File Name:car.dat]");
    settings.language = Language::Chinese;
    EXPECT_EQ(mainWindowCaption(settings, 0, "/home/u/radios/cb.dat"),
              QStringLiteral("BRELLOCK R5K27[25.6150 - 30.1050 MHz][文件名:cb.dat]"));
    EXPECT_EQ(bandStatusText(settings, 7), "BRELLOCK R5K27[28.0000 - 29.6990 MHz]");
    EXPECT_EQ(fileNameOfPath("new.dat"), "new.dat");
}

TEST(LanguageState, AChangeIsTakenOnceAndTheSameLanguageChangesNothing) {
    AppSettings settings;
    EXPECT_FALSE(takePendingLanguageChange(settings));
    settings.language = Language::Chinese;
    EXPECT_TRUE(takePendingLanguageChange(settings));
    EXPECT_EQ(settings.appliedLanguage, Language::Chinese);
    EXPECT_FALSE(takePendingLanguageChange(settings));
}

} // namespace
} // namespace r5k27

#include "mainwindow/Caption.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(Caption, ShowsModelBandAndFileNameInTheLanguage) {
    AppSettings settings;
    EXPECT_EQ(mainWindowCaption(settings, "C:\\data\\shop\\car.dat"),
              "BRELLOCK R5K27[28.0000 - 29.6990 MHz][File Name:car.dat]");
    settings.bandText = kBandTextCB;
    settings.langIndex = kLangChinese;
    EXPECT_EQ(mainWindowCaption(settings, "/home/u/radios/cb.dat"),
              QStringLiteral("BRELLOCK R5K27[25.6150 - 30.1050 MHz][文件名:cb.dat]"));
    EXPECT_EQ(fileNameOfPath("new.dat"), "new.dat");
}

} // namespace
} // namespace r5k27

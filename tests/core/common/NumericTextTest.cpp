#include "core/common/NumericText.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(NumericText, AcceptsSignDigitsAndOnePoint) {
    for (const char* text : {"0", "12", " 12 ", "-3", "+4", "28.015", ".5", "5.", "007"})
        EXPECT_TRUE(isNumericText(QString::fromLatin1(text))) << text;
    EXPECT_DOUBLE_EQ(*parseNumber(QStringLiteral(" 28.015 ")), 28.015);
    EXPECT_DOUBLE_EQ(*parseNumber(QStringLiteral("+.5")), 0.5);
    EXPECT_DOUBLE_EQ(*parseNumber(QStringLiteral("-5.")), -5.0);
}

TEST(NumericText, RejectsEmptyExoticAndGarbage) {
    for (const char* text :
         {"", " ", "-", ".", "1.2.3", "1e3", "0x1E", "1,000", "12a", "--1", "1 2", "\x1E", "\xFF"})
        EXPECT_FALSE(isNumericText(QString::fromLatin1(text))) << text;
    EXPECT_FALSE(parseNumber(QStringLiteral("1e3")).has_value());
}

TEST(NumericText, IntegersAreWholeNumbersOnly) {
    EXPECT_EQ(parseInteger(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(parseInteger(QStringLiteral("-12")), -12);
    EXPECT_FALSE(parseInteger(QStringLiteral("2.5")).has_value());
    EXPECT_FALSE(parseInteger(QStringLiteral("abc")).has_value());
    EXPECT_FALSE(parseInteger(QStringLiteral("99999999999999999999999")).has_value());
}

} // namespace
} // namespace r5k27

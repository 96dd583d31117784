#include "core/image/FixedText.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(FixedText, AssignmentPadsWithSpacesAndCutsLongText) {
    FixedText<4> t;
    t.assign(QStringLiteral("AB"));
    EXPECT_EQ(t.raw(), QStringLiteral("AB  "));
    t.assign(QStringLiteral("ABCDEF"));
    EXPECT_EQ(t.raw(), QStringLiteral("ABCD"));
    t.assign(QString());
    EXPECT_EQ(t.raw(), QStringLiteral("    "));
}

TEST(FixedText, TerminatedAssignmentAddsANulOnlyWhereItFits) {
    FixedText<7> seven;
    seven.assignTerminated(QStringLiteral("ZT6666"));
    EXPECT_EQ(QByteArray(seven.bytes().data(), 7), QByteArray("ZT6666\0", 7));
    FixedText<6> six;
    six.assignTerminated(QStringLiteral("ZT6666"));
    EXPECT_EQ(QByteArray(six.bytes().data(), 6), QByteArray("ZT6666"));
    FixedText<16> code;
    code.assignTerminated(QString());
    EXPECT_EQ(QByteArray(code.bytes().data(), 16), QByteArray("\0               ", 16));
}

TEST(FixedText, CleanRemovesTrailingBlanksThenCutsAtTheFirstNul) {
    EXPECT_EQ(cleanFixedText(QStringLiteral("AB  ")), QStringLiteral("AB"));
    EXPECT_EQ(cleanFixedText(QString::fromLatin1("A\0  ", 4)), QStringLiteral("A"));
    EXPECT_EQ(cleanFixedText(QString::fromLatin1("\0   ", 4)), QString());
    // Blanks before the NUL are not trailing blanks of the whole text.
    EXPECT_EQ(cleanFixedText(QString::fromLatin1("AB \0  ", 6)), QStringLiteral("AB "));
    EXPECT_EQ(cleanFixedText(QStringLiteral(" A")), QStringLiteral(" A"));
}

TEST(FixedText, BytesOutsideAsciiSurviveAndWideCharactersAreRecognised) {
    FixedText<4> t;
    t.assignBytes(QByteArray("\xE9\xFF\x01\x80", 4));
    FixedText<4> again;
    again.assign(t.raw());
    EXPECT_EQ(again, t);
    EXPECT_TRUE(isSingleByteText(QString::fromLatin1("\xE9t\xE9")));
    EXPECT_FALSE(isSingleByteText(QStringLiteral("组A")));
}

} // namespace
} // namespace r5k27

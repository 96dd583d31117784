#include "platform/ProfileText.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

using ProfileText::assign;
using ProfileText::lookup;

TEST(ProfileText, LookupIgnoresCaseBlanksCommentsAndLaterDuplicates) {
    const QByteArray ini = "; settings\r\n"
                           "[Other]\r\ncomPort=9\r\n"
                           "  [ LANGUAGE ]  \r\n"
                           ";comPort=7\r\n"
                           "  ComPort =  3  \r\n"
                           "comport=4\r\n"
                           "quoted=\"a b\"\r\n"
                           "[language]\r\nStopBit=2\r\n";
    EXPECT_EQ(lookup(ini, "language", "comPort"), QByteArray("3"));
    EXPECT_EQ(lookup(ini, "Other", "COMPORT"), QByteArray("9"));
    EXPECT_EQ(lookup(ini, "language", "quoted"), QByteArray("a b"));
    // Only the first of two sections with one name is read.
    EXPECT_FALSE(lookup(ini, "language", "StopBit").has_value());
    EXPECT_FALSE(lookup(ini, "nosuch", "comPort").has_value());
    EXPECT_EQ(lookup("[a]\nk=", "a", "k"), QByteArray(""));

    // The index read in one pass finds exactly what lookup finds.
    const auto values = ProfileText::index(ini);
    for (const auto& [section, key] : {std::pair{"language", "comPort"},
                                       {"Other", "COMPORT"},
                                       {"language", "quoted"},
                                       {"language", "StopBit"},
                                       {"nosuch", "comPort"},
                                       {"LANGUAGE", ";comPort"}}) {
        const auto found = values.constFind(ProfileText::indexKey(section, key));
        EXPECT_EQ(found == values.cend() ? std::nullopt : std::optional(*found),
                  lookup(ini, section, key))
            << section << ' ' << key;
    }
}

TEST(ProfileText, WritingChangesOneLineAndKeepsEverythingElse) {
    const QByteArray ini = "; keep me\r\n[language]\r\nIsFirstRun=1\r\n  comPort = 1 ; odd\r\n"
                           "Unknown=x\r\n\r\n[Tail]\r\nz=1\r\n";
    const QByteArray out = assign(ini, "LANGUAGE", "comport", "12");
    EXPECT_EQ(out, QByteArray("; keep me\r\n[language]\r\nIsFirstRun=1\r\ncomPort=12\r\n"
                              "Unknown=x\r\n\r\n[Tail]\r\nz=1\r\n"));
}

TEST(ProfileText, MissingKeysAndSectionsAreAddedWithTheFilesLineEnding) {
    EXPECT_EQ(assign("[language]\r\nIsFirstRun=1\r\n\r\n[Tail]\r\n", "language", "comPort", "1"),
              QByteArray("[language]\r\nIsFirstRun=1\r\ncomPort=1\r\n\r\n[Tail]\r\n"));
    EXPECT_EQ(assign("[language]\nIsFirstRun=1", "language", "comPort", "1"),
              QByteArray("[language]\nIsFirstRun=1\ncomPort=1"));
    EXPECT_EQ(assign("a=1\n", "language", "comPort", "1"),
              QByteArray("a=1\n[language]\ncomPort=1\n"));
    EXPECT_EQ(assign("", "language", "comPort", "1"), QByteArray("[language]\r\ncomPort=1\r\n"));
    EXPECT_EQ(assign("[language]", "language", "k", "v"), QByteArray("[language]\r\nk=v"));
    // A file cut after the CR of its last CRLF: the new key goes on a line of its own.
    const QByteArray cut = assign("[language]\r\ncomPort=3\r", "language", "k", "v");
    EXPECT_EQ(lookup(cut, "language", "comPort"), QByteArray("3"));
    EXPECT_EQ(lookup(cut, "language", "k"), QByteArray("v"));
}

TEST(ProfileText, ByteOrderMarkIsSkippedOnReadingAndKeptOnWriting) {
    const QByteArray bom = "\xEF\xBB\xBF";
    const QByteArray ini = bom + "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=2\r\n";
    EXPECT_EQ(lookup(ini, "language", "CurrentLanguage"), QByteArray("2"));
    EXPECT_EQ(assign(ini, "language", "CurrentLanguage", "1"),
              bom + "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=1\r\n");
    EXPECT_EQ(assign(ini, "language", "comPort", "3"),
              bom + "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=2\r\ncomPort=3\r\n");
    // A file holding nothing but the mark gets the section right after it.
    EXPECT_EQ(assign(bom, "language", "k", "v"), bom + "[language]\r\nk=v\r\n");
    // A mark further in is ordinary text, not a mark.
    EXPECT_FALSE(lookup("\n" + ini, "language", "CurrentLanguage").has_value());
}

TEST(ProfileText, GarbageAndBinaryContentNeitherCrashesNorGetsLost) {
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 37) & 0xFF));
    junk.append(QByteArray(100000, 'x')); // one very long line
    const QByteArray ini = junk + "\n[language]\ncomPort=5\n" + junk;
    EXPECT_EQ(lookup(ini, "language", "comPort"), QByteArray("5"));
    const QByteArray out = assign(ini, "language", "comPort", "6");
    EXPECT_EQ(out, junk + "\n[language]\ncomPort=6\n" + junk);
    for (int cut = 0; cut < 64; ++cut) // truncated files
        EXPECT_NO_FATAL_FAILURE(assign(ini.left(cut * 61), "language", "comPort", "1"));
}

} // namespace
} // namespace r5k27

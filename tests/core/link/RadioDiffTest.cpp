// Compare in the radio's terms, judged by the encoder: two documents differ exactly where the
// images a write would send differ, the work mode included.
#include "core/link/RadioDiff.h"

#include "core/channels/ChannelTable.h"
#include "core/document/InitialValues.h"
#include "core/image/RadioLayout.h"
#include "core/link/MemoryMap.h"
#include "core/options/OptionValues.h"

#include <QRandomGenerator>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

ChannelRec& channel(Document& doc, int chNo) {
    return doc.chTable.at(
        {0, 1, std::max(findChannel(doc.curImage, doc.chTable, {0, 1, chNo}), 1)});
}

// The CB document with channels 1..40 of group A at 28.1xxx MHz.
Document base() {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    for (int chNo = 1; chNo <= 40; ++chNo)
        addChannel(doc.curImage, doc.chTable, {0, 1, chNo},
                   QString("28.%1").arg(chNo * 50 + 1000, 4, 10, QChar('0')));
    channel(doc, 4).decodeTone = 0;
    return doc;
}

QByteArray encoded(const Document& doc) {
    QByteArray buf = prepareRadioBuf();
    EXPECT_FALSE(encodeImage(doc.curImage, doc.chTable, buf));
    return buf;
}

QList<FieldDifference> differences(const Document& a, const Document& b) {
    return radioDifferences(a.curImage, a.chTable, b.curImage, b.chTable, Language::English);
}

QSet<QString> placesOf(const QList<FieldDifference>& list) {
    QSet<QString> out;
    for (const FieldDifference& d : list)
        out << d.where;
    return out;
}

using Edit = std::function<void(Document&)>;

// Edits of separate values: some the radio holds, some it holds alike (more frequency digits
// than it keeps, a decode tone below 0) and some it does not hold at all.
std::vector<Edit> edits() {
    std::vector<Edit> out{
        [](Document& d) { d.curImage.workMode = 1; },
        [](Document& d) { channel(d, 3).rxFreq.assign("28115012"); }, // stored 28.1150
        [](Document& d) { channel(d, 4).decodeTone = -1; },           // stored 0
        [](Document& d) { channel(d, 5).decodeTone = 0; },
        [](Document& d) { channel(d, 6).encodeTone = 20; }, // not in the radio
        [](Document& d) { channel(d, 7).txFreq.assign("290000"); },
        [](Document& d) { channel(d, 8).mode = 2; },
        [](Document& d) { channel(d, 9).busyLock ^= 1; },
        [](Document& d) { channel(d, 10).rxFreq.assign("28333300"); },
        [](Document& d) {
            deleteChannel(d.curImage, d.chTable,
                          {0, 1, findChannel(d.curImage, d.chTable, {0, 1, 11})});
        },
        [](Document& d) { setOptionValue(d.curImage, OptionId::PubRogerTone, 8); },
        [](Document& d) { setOptionValue(d.curImage, OptionId::Tot, 30); },
        [](Document& d) { setOptionValue(d.curImage, OptionId::ReceiveTrim, 55); },
        [](Document& d) { d.curImage.optFeat.dtmf(2).assign("12AB"); },
        [](Document& d) { d.curImage.optFeat.groupName(1, 3).assign("XY"); },
        [](Document& d) { d.curImage.rbTone.tone(4).steps[2].durCode = 99; },
        [](Document& d) { d.curImage.extTable[3] = 77; },
    };
    return out;
}

// Each edit alone: listed exactly when it changes the image.
TEST(RadioDiff, AnEditIsListedExactlyWhenItChangesTheImage) {
    const Document start = base();
    const QByteArray startImage = encoded(start);
    int alike = 0;
    for (const Edit& edit : edits()) {
        Document edited = start;
        edit(edited);
        const bool bytesDiffer = encoded(edited) != startImage;
        alike += bytesDiffer ? 0 : 1;
        EXPECT_EQ(differences(start, edited).isEmpty(), !bytesDiffer);
    }
    // The digits, the tone below 0, and three values the radio does not hold.
    EXPECT_EQ(alike, 5);
}

// Random pairs of edited documents: the places listed are the places of the edits that one side
// has and the other not and that change the image; nothing else.
TEST(RadioDiff, RandomPairsAgreeWithTheImagesTheyEncodeTo) {
    const Document start = base();
    const QByteArray startImage = encoded(start);
    const std::vector<Edit> all = edits();
    std::vector<QSet<QString>> placesOfEdit;
    for (const Edit& edit : all) {
        Document edited = start;
        edit(edited);
        placesOfEdit.push_back(placesOf(differences(start, edited)));
    }
    QRandomGenerator rng(34);
    for (int round = 0; round < 60; ++round) {
        Document left = start;
        Document right = start;
        QSet<QString> expected;
        for (std::size_t k = 0; k < all.size(); ++k) {
            const bool inLeft = rng.bounded(3) == 0;
            const bool inRight = rng.bounded(3) == 0;
            if (inLeft)
                all[k](left);
            if (inRight)
                all[k](right);
            if (inLeft != inRight)
                expected += placesOfEdit[k];
        }
        const auto found = differences(left, right);
        EXPECT_EQ(placesOf(found), expected) << "round " << round;
        EXPECT_EQ(found.isEmpty(), encoded(left) == encoded(right)) << "round " << round;
    }
}

// What the lines say: the work mode by name, and two values that read alike by what is stored.
TEST(RadioDiff, LinesNameTheWorkModeAndTellAlikeTextsApart) {
    const Document start = base();
    Document edited = start;
    edited.curImage.workMode = 1;
    setOptionValue(edited.curImage, OptionId::PubRogerTone, 8);
    QStringList lines;
    for (const FieldDifference& d : differences(start, edited))
        lines << d.line();
    EXPECT_EQ(lines, QStringList({"Work mode CB / HF", "Roger OFF (0) / OFF (8)"}));
}

// Bytes a decoder cannot tell apart (a TOT step beyond its list reads as the default) are still
// listed, by address, so an empty list means equal images.
TEST(RadioDiff, BytesNoFieldShowsAreListedByAddress) {
    QByteArray left = encoded(base());
    QByteArray right = left;
    left[0x3F10] = char(61);
    right[0x3F10] = char(62);
    const auto found = radioImageDifferences(left, right, Language::English);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].line(), "0x3F10 0x3D / 0x3E");
    EXPECT_TRUE(radioImageDifferences(left, left, Language::English).isEmpty());
}

} // namespace
} // namespace r5k27

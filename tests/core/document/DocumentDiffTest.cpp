#include "core/document/DocumentDiff.h"

#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelTable.h"
#include "core/common/AppSettings.h"
#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"
#include "core/link/WriteVerify.h"
#include "core/options/OptionText.h"
#include "core/options/OptionValues.h"

#include <QRandomGenerator>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// The CB document with ordinary channels 1..40 in group A as well.
Document cbDefaults() {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    for (int chNo = 1; chNo <= 40; ++chNo)
        addChannel(doc.curImage, doc.chTable, {0, 1, chNo},
                   QString("28.%1").arg(chNo * 50 + 1000, 4, 10, QChar('0')));
    return doc;
}

ChannelRec& channel(Document& doc, int group, int chNo) {
    const int slot = findChannel(doc.curImage, doc.chTable, {0, group, chNo});
    EXPECT_GT(slot, 0) << "no channel " << chNo << " in group " << group;
    return doc.chTable.at({0, group, std::max(slot, 1)});
}

QStringList lines(const Document& a, const Document& b, Language lang = Language::English) {
    QStringList out;
    for (const FieldDifference& d :
         documentDifferences(a.curImage, a.chTable, b.curImage, b.chTable, lang))
        out << d.line();
    return out;
}

// What a radio written with doc holds, read back onto the same start document.
Document writtenAndRead(const Document& doc) {
    QByteArray image = prepareRadioBuf();
    EXPECT_FALSE(encodeImage(doc.curImage, doc.chTable, image));
    Document read = cbDefaults();
    EXPECT_TRUE(decodeImage(image, read.curImage, read.chTable));
    return read;
}

TEST(DocumentDiff, ChangesReadAsTheUserSeesThem) {
    Document before = cbDefaults();
    before.curImage.optFeat.dtmf(3).assign("12");
    before.curImage.optFeat.dtmf(4).assign("7");
    EXPECT_TRUE(lines(before, writtenAndRead(before)).isEmpty());

    Document after = before;
    setChannelFrequency(channel(after, 1, 12), *Frequency::parse(u"28.3150"));
    channel(after, 1, 12).mode = 1;
    after.curImage.optFeat.dtmf(3).assign("12AB");
    after.curImage.optFeat.dtmf(4).assign("");
    after.curImage.rbTone.tone(2).steps[3].freqCode = 210;
    setOptionValue(after.curImage, OptionId::Tot, 30);
    const auto tot = [](const Document& d) {
        return optionText(d.curImage, OptionId::Tot, Language::English);
    };
    ASSERT_NE(tot(before), tot(after));

    EXPECT_EQ(lines(before, after),
              (QStringList{"A12 Frequency 28.1600 / 28.3150", "A12 Mode FM / AM",
                           "TOT " + tot(before) + " / " + tot(after), "DTMF 3 12 / 12AB",
                           "DTMF 4 7 / -", "RB Tone 2 step 4 0 / 2100 Hz"}));
    EXPECT_EQ(lines(before, after, Language::Chinese).value(1), "A12 模式 FM / AM");
}

// A channel on one side only is named by its frequency, as a changed one is, in compare, diff
// and the read-back that verifies a write.
TEST(DocumentDiff, AChannelOnOneSideOnlyNamesItsField) {
    const Document before = cbDefaults();
    Document after = before;
    addChannel(after.curImage, after.chTable, {0, 7, 12}, QStringLiteral("28.4050"));
    EXPECT_EQ(lines(before, after), QStringList{"G12 Frequency - / 28.4050"});
    EXPECT_EQ(lines(after, before), QStringList{"G12 Frequency 28.4050 / -"});
    const auto radioImage = [](const Document& doc) {
        QByteArray image = prepareRadioBuf();
        EXPECT_FALSE(encodeImage(doc.curImage, doc.chTable, image));
        return image;
    };
    EXPECT_EQ(writeMismatches(radioImage(after), radioImage(before), Language::English),
              QStringList{"G12 Frequency 28.4050 / -"});
}

// Each channel field the radio holds is compared, in the words the detail panel shows; the
// encode tone and the flag, which a read rewrites, are not.
TEST(DocumentDiff, EveryChannelFieldTheRadioHoldsIsComparedAsShown) {
    Document before = cbDefaults();
    const ChannelRec was = channel(before, 1, 12);
    for (const ChannelFieldInfo& row : channelFields()) {
        if (row.id == ChannelField::ChNo) // another number is another channel
            continue;
        SCOPED_TRACE(row.name);
        Document after = before;
        ChannelRec& now = channel(after, 1, 12);
        if (row.text)
            now.*row.text = channel(after, 1, 13).rxFreq;
        else
            now.*row.number ^= 1;
        const QString expected = QString("A12 %1 %2 / %3")
                                     .arg(row.caption.in(Language::English),
                                          channelValueText(was, row.id, Language::English),
                                          channelValueText(now, row.id, Language::English));
        EXPECT_EQ(lines(before, after),
                  row.radioForm == ChannelRadio::None ? QStringList() : QStringList{expected});
    }
}

// Random edits of every kind: a document compared with the radio it was written to lists each
// edited field once and nothing else.
TEST(DocumentDiff, ListsExactlyTheEditedFields) {
    using Edit = std::function<void(Document&)>;
    const Document written = cbDefaults();
    const Document radio = writtenAndRead(written);
    QRandomGenerator rng(24);
    std::vector<std::pair<QString, Edit>> kinds;
    for (const OptionInfo& option : allOptions()) {
        if (option.radio.coding == RadioCoding::None || option.form == OptionForm::Stored ||
            option.form == OptionForm::PubMode || option.minValue == option.maxValue)
            continue;
        const int now = optionValue(written.curImage, option.id);
        int value = now;
        while (value == now)
            value = option.minValue + int(rng.bounded(option.maxValue - option.minValue + 1));
        kinds.push_back({option.name, [id = option.id, value](Document& d) {
                             setOptionValue(d.curImage, id, value);
                         }});
    }
    for (int chNo = 1; chNo <= 40; chNo += 3) {
        kinds.push_back({QString("busy %1").arg(chNo),
                         [chNo](Document& d) { channel(d, 1, chNo).busyLock ^= 1; }});
        kinds.push_back({QString("tone %1").arg(chNo), [chNo](Document& d) {
                             ChannelRec& ch = channel(d, 1, chNo);
                             ch.decodeTone = std::int16_t(ch.decodeTone == 5 ? 6 : 5);
                         }});
    }
    for (int n = 1; n <= kDtmfCodeCount; n += 5)
        kinds.push_back({QString("dtmf %1").arg(n),
                         [n](Document& d) { d.curImage.optFeat.dtmf(n).assign("9*0#"); }});
    for (int t = 1; t <= kToneSeqCount; t += 3)
        kinds.push_back({QString("rb %1").arg(t),
                         [t](Document& d) { d.curImage.rbTone.tone(t).steps[5].freqCode = 77; }});

    for (int round = 0; round < 20; ++round) {
        Document edited = written;
        QSet<QString> expected;
        QStringList names;
        for (int k = 0; k < 6; ++k) {
            const auto& [name, edit] = kinds[std::size_t(rng.bounded(int(kinds.size())))];
            if (names.contains(name))
                continue;
            names << name;
            Document alone = written;
            edit(alone);
            const QStringList one = lines(radio, alone);
            ASSERT_EQ(one.size(), 1) << name.toStdString();
            expected << one[0];
            edit(edited);
        }
        const QStringList all = lines(radio, edited);
        EXPECT_EQ(QSet<QString>(all.begin(), all.end()), expected)
            << names.join(", ").toStdString();
        EXPECT_EQ(all.size(), expected.size());
    }
}

} // namespace
} // namespace r5k27

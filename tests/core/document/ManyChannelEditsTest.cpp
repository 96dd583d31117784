#include "DocumentSamples.h"
#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/ModeCodec.h"
#include "core/document/ChannelCsv.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFile.h"
#include "core/document/DataFileLayout.h"
#include "core/document/DocumentModel.h"
#include "core/document/InitialValues.h"
#include "core/options/OptionValues.h"
#include "core/signalling/DtmfReferences.h"

#include <QDate>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr int kCB = 0;

// The channel list's calls: each is one undo step, whatever number of channels it touches.
class ManyChannelEditsTest : public ::testing::Test {
protected:
    ManyChannelEditsTest() {
        writeBuiltInDefaults(doc, settings, kCB, QDate(2026, 1, 5));
        for (int n = 1; n <= 3; ++n)
            storeDtmfCode(doc.curImage, n, QStringLiteral("12%1").arg(n));
        setDtmfList(doc.curImage, doc.chTable);
        for (int chNo = 1; chNo <= 12; ++chNo)
            type({kCB, 1, chNo}, QStringLiteral("27.%1").arg(chNo * 10 + 5, 3, 10, QChar(u'0')));
        type({kCB, 1, kOrdinaryChannels + 1}, QStringLiteral("27.555"));
        model.history().reset();
    }

    static EditName named(const QString& name) { return {name, name}; }
    void type(const ChannelKey& key, const QString& text) {
        model.setFrequency(key, text, named(QStringLiteral("typed")));
    }
    static QList<ChannelKey> groupA(int from, int to) {
        QList<ChannelKey> keys;
        for (int chNo = from; chNo <= to; ++chNo)
            keys << ChannelKey{kCB, 1, chNo};
        return keys;
    }
    const ChannelRec* channel(int group, int chNo) const {
        return model.channel({kCB, group, chNo});
    }
    QByteArray bytes() const {
        return serializeImage(doc.curImage) + serializeChannelFile(doc.curImage, doc.chTable);
    }

    Document doc;
    AppSettings settings;
    DocumentEvents events;
    DocumentModel model{doc, events};
};

TEST_F(ManyChannelEditsTest, OneValueForManyChannelsIsOneStepAndKeepsTheRules) {
    model.setChannelValue({kCB, 1, 3}, ChannelField::PublicCh, 1, named("public"));
    const QByteArray before = bytes();
    int steps = model.history().undoCount();
    QList<DocumentChange> announced;
    QObject::connect(&events, &DocumentEvents::changed,
                     [&](const DocumentChange& change) { announced << change; });

    // A3 is public (its mode is the radio's own there), A20 does not exist, M1 cannot be PA.
    QList<ChannelKey> keys = groupA(1, 6) << ChannelKey{kCB, 1, 20};
    EXPECT_EQ(model.setChannelValues(keys, ChannelField::Mode, 1, named("Mode of 5 channels")), 5);
    EXPECT_EQ(model.history().undoCount(), steps + 1);
    EXPECT_EQ(model.history().undoName().in(Language::English),
              QStringLiteral("Mode of 5 channels"));
    ASSERT_EQ(announced.size(), 1);
    EXPECT_EQ(announced[0].item, int(ChannelField::Mode));
    for (int chNo : {1, 2, 4, 5, 6})
        EXPECT_EQ(channel(1, chNo)->mode, 1) << chNo;
    EXPECT_EQ(channel(1, 3)->mode, 0);
    EXPECT_EQ(channel(1, 7)->mode, 0);

    doc.curImage.optFeat.modeEnable[kModePA] = 1;
    const QList<ChannelKey> withMemory{{kCB, 1, 1}, {kCB, 1, kOrdinaryChannels + 1}};
    EXPECT_EQ(model.setChannelValues(withMemory, ChannelField::Mode, kModePA, named("PA")), 1);
    EXPECT_EQ(channel(1, kOrdinaryChannels + 1)->mode, 0);
    // A reference to a code that does not exist is refused on every channel.
    EXPECT_EQ(model.setChannelValues(groupA(1, 2), ChannelField::BotCode, 9, named("BOT")), 0);
    EXPECT_EQ(model.setChannelValues(groupA(1, 2), ChannelField::BotCode, 2, named("BOT")), 2);

    steps = model.history().undoCount();
    EXPECT_EQ(model.setChannelValues(groupA(1, 2), ChannelField::BotCode, 2, named("same")), 0);
    EXPECT_EQ(model.history().undoCount(), steps) << "nothing changed, no step";

    while (model.history().undoCount() > 1)
        model.undo();
    EXPECT_EQ(bytes(), before);
}

TEST_F(ManyChannelEditsTest, ClearingARangeIsOneStepAndTheLastChannelStays) {
    const QByteArray before = bytes();
    EXPECT_EQ(model.clearChannels(groupA(2, 6), named("Clear 5 channels")), 5);
    EXPECT_EQ(model.history().undoCount(), 1);
    EXPECT_EQ(channel(1, 4), nullptr);
    EXPECT_NE(channel(1, 7), nullptr);
    model.undo();
    EXPECT_EQ(bytes(), before);

    // Every ordinary channel of every group: the very last one is kept, as the window keeps it.
    QList<ChannelKey> all;
    for (int group = 1; group <= kGroupCount; ++group)
        for (int chNo = 1; chNo <= kOrdinaryChannels; ++chNo)
            all << ChannelKey{kCB, group, chNo};
    model.clearChannels(all, named("Clear all"));
    EXPECT_EQ(countOtherOrdinaryChannels(doc.curImage, doc.chTable, {kCB, 0, 0}), 1);
}

TEST_F(ManyChannelEditsTest, FrequenciesForManyChannelsRefuseOnlyTheOutOfBandOnes) {
    const QList<DocumentModel::FrequencyEntry> entries{{{kCB, 2, 1}, QStringLiteral("27.0150")},
                                                       {{kCB, 2, 2}, QStringLiteral("99.5")},
                                                       {{kCB, 2, 3}, QStringLiteral("27.0350")},
                                                       {{kCB, 1, 1}, QString()}};
    const auto refused = model.setFrequencies(entries, named("Fill down"));
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused[0].first, (ChannelKey{kCB, 2, 2}));
    EXPECT_TRUE(refused[0].second.in(Language::English).contains(QStringLiteral("B2")))
        << refused[0].second.in(Language::English).toStdString();
    EXPECT_EQ(model.history().undoCount(), 1);
    EXPECT_EQ(channelValueText(*channel(2, 3), ChannelField::RxFreq, Language::English),
              QStringLiteral("27.0350"));
    EXPECT_EQ(channel(2, 2), nullptr);
    EXPECT_EQ(channel(1, 1), nullptr);
}

TEST_F(ManyChannelEditsTest, CopiedChannelsPasteElsewhereWithEveryField) {
    model.setChannelValues(groupA(1, 3), ChannelField::EotCode, 3, named("EOT"));
    model.setChannelValue({kCB, 1, 2}, ChannelField::Echo, 1, named("echo"));
    model.setChannelValue({kCB, 1, 3}, ChannelField::DecodeTone, 17, named("tone"));
    const QString copied = channelsAsTable(doc.curImage, doc.chTable, groupA(1, 3));

    const int steps = model.history().undoCount();
    const QList<ChannelKey> targets{{kCB, 2, 10}, {kCB, 2, 11}, {kCB, 2, 12}};
    const ChannelPasteResult result = model.pasteChannels(copied, targets, named("Paste"));
    EXPECT_EQ(result.taken, 3);
    EXPECT_TRUE(result.refused.isEmpty());
    EXPECT_EQ(model.history().undoCount(), steps + 1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(channel(2, 10 + i), nullptr);
        ChannelRec copy = *channel(2, 10 + i);
        copy.chNo = std::int16_t(1 + i);
        EXPECT_TRUE(sameComparedFields(copy, *channel(1, 1 + i))) << i;
        EXPECT_EQ(channel(2, 10 + i)->chNo, 10 + i);
    }
}

TEST_F(ManyChannelEditsTest, APastedListTakesTheGoodRowsAndReportsTheOthers) {
    const QString csv = QStringLiteral("Location,Frequency,Mode,Busy\r\n"
                                       "1,27.1000,AM,ON\r\n"
                                       "2,31.5000,FM,OFF\r\n"
                                       "3,27.1200,FM,maybe\r\n"
                                       "4,27.1300,USB,OFF\r\n"
                                       "5,27.1400,FM,OFF\r\n");
    const QList<ChannelKey> targets{{kCB, 3, 1}, {kCB, 3, 2}, {kCB, 3, 3}, {kCB, 3, 4}};
    const ChannelPasteResult result = model.pasteChannels(csv, targets, named("Paste"));
    EXPECT_EQ(result.taken, 2);
    ASSERT_EQ(result.refused.size(), 3);
    EXPECT_EQ(result.refused[0].key, (ChannelKey{kCB, 3, 2}));
    EXPECT_EQ(result.refused[0].problem.row, 3);
    EXPECT_TRUE(result.refused[0]
                    .problem.reason(Language::English)
                    .contains(QStringLiteral("outside the band")));
    EXPECT_EQ(result.refused[1].problem.row, 4);
    EXPECT_EQ(result.refused[2].key.chNo, 0) << "ran past the last channel";
    EXPECT_EQ(channel(3, 1)->busyLock, 1);
    EXPECT_EQ(modeTextFromCode(channel(3, 1)->mode), QStringLiteral("AM"));
    EXPECT_EQ(modeTextFromCode(channel(3, 4)->mode), QStringLiteral("USB"));
    EXPECT_EQ(channel(3, 2), nullptr);

    // A column of frequencies from a spreadsheet changes only the frequencies.
    model.setChannelValue({kCB, 1, 1}, ChannelField::Mode, 2, named("mode"));
    const ChannelPasteResult column =
        model.pasteChannels(QStringLiteral("27.2000\n27.2100\n"), groupA(1, 2), named("Paste"));
    EXPECT_EQ(column.taken, 2);
    EXPECT_EQ(channelValueText(*channel(1, 2), ChannelField::RxFreq, Language::English),
              QStringLiteral("27.2100"));
    EXPECT_EQ(channel(1, 1)->mode, 2);
}

TEST_F(ManyChannelEditsTest, TextThatIsNoChannelTableChangesNothing) {
    const QByteArray before = bytes();
    for (const QString& text :
         {QString(), QStringLiteral("\n\n"), QStringLiteral("Frequency,Mode\n"),
          QStringLiteral("\"open quote,27.1\n1,2"), QStringLiteral("a\tb\tc\n\t\t\n"),
          QStringLiteral("Frequency\tMode\nnot a number\tFM\n27.1\tNOMODE\n"),
          QString(5000, u'\t')}) {
        const ChannelPasteResult result = model.pasteChannels(text, groupA(20, 22), named("p"));
        EXPECT_EQ(result.taken, 0) << text.left(40).toStdString();
    }
    EXPECT_EQ(model.history().undoCount(), 0);
    EXPECT_EQ(bytes(), before);
}

// Pastes over random documents (references to missing codes and sequences everywhere, in both
// work modes): every channel but the targets keeps every field, and so do the DTMF codes and
// the public channel's references.
TEST(ChannelPaste, APasteChangesOnlyThePastedChannels) {
    QRandomGenerator rng(12);
    int changedTargets = 0;
    for (int round = 0; round < 40; ++round) {
        Document doc = test::randomDocument(rng);
        const Document before = doc;
        DocumentEvents events;
        DocumentModel model{doc, events};
        const int mode = int(rng.bounded(kModeCount));
        const int from = 1 + int(rng.bounded(kGroupCount));
        QList<ChannelKey> copied;
        for (int slot = 1; slot <= std::min(3, usedSlots(doc.curImage, mode, from)); ++slot)
            copied << ChannelKey{mode, from, doc.chTable.at({mode, from, slot}).chNo};
        QList<ChannelKey> targets;
        const int group = 1 + int(rng.bounded(kGroupCount));
        const int first = 1 + int(rng.bounded(kOrdinaryChannels - 3));
        for (int chNo = first; chNo < first + 3; ++chNo)
            targets << ChannelKey{mode, group, chNo};
        model.pasteChannels(channelsAsTable(doc.curImage, doc.chTable, copied), targets,
                            {QStringLiteral("Paste"), QStringLiteral("粘贴")});

        QStringList changed; // "0/3/12 BotCode" for every field of a channel not pasted
        forEachUsedSlot(before.curImage, [&](const SlotKey& at) {
            const ChannelRec& was = before.chTable.at(at);
            const ChannelKey key{at.mode, at.group, was.chNo};
            const int slot = findChannel(doc.curImage, doc.chTable, key);
            const QString name =
                QStringLiteral("%1/%2/%3").arg(at.mode).arg(at.group).arg(was.chNo);
            if (targets.contains(key)) {
                changedTargets += slot == 0 || !(doc.chTable.at({at.mode, at.group, slot}) == was);
                return;
            }
            if (slot == 0) {
                changed << name + " gone";
                return;
            }
            const ChannelRec& now = doc.chTable.at({at.mode, at.group, slot});
            for (const ChannelFieldInfo& row : channelFields())
                if (row.text ? (now.*row.text).raw() != (was.*row.text).raw()
                             : now.*row.number != was.*row.number)
                    changed << name + ' ' + row.name;
            if (!(now == was))
                changed << name;
        });
        EXPECT_EQ(changed.mid(0, 5), QStringList()) << "round " << round << ", " << changed.size();
        EXPECT_EQ(doc.curImage.optFeat.dtmfCodes, before.curImage.optFeat.dtmfCodes) << round;
        for (OptionId id : {OptionId::PubBotCode, OptionId::PubEotCode, OptionId::PubCallCode,
                            OptionId::PubRogerTone})
            EXPECT_EQ(optionValue(doc.curImage, id), optionValue(before.curImage, id)) << round;
    }
    EXPECT_GT(changedTargets, 0); // the pastes did something
}

} // namespace
} // namespace r5k27

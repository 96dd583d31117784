#include "core/document/EditHistory.h"

#include "core/channels/BandLimits.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/ChannelTable.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFile.h"
#include "core/document/DataFileLayout.h"
#include "core/document/DocumentModel.h"
#include "core/document/InitialValues.h"
#include "core/document/ModifiedCheck.h"
#include "core/options/ModeEnable.h"
#include "core/options/OptionText.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"

#include <QDate>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// Changes the document the way the editor windows do: one model call per user change.
class EditHistoryTest : public ::testing::Test {
protected:
    EditHistoryTest() {
        writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 5));
        for (int n = 1; n <= kDtmfCodeCount; ++n)
            storeDtmfCode(doc.curImage, n, n <= 3 ? QStringLiteral("12%1").arg(n) : QString());
        prepareForWrite(doc, settings);
        history.reset();
    }

    static EditName named(const QString& name) { return {name, name}; }
    void typeFrequency(int row, const QString& text) {
        const int group = doc.curImage.curGroup[0];
        model.setFrequency(
            {0, group, row}, text,
            named(QStringLiteral("Frequency %1%2").arg(groupTextFromNumber(group)).arg(row)));
    }
    void typeDtmfCode(int n, const QString& text) {
        model.setDtmfCode(n, text, named(QStringLiteral("DTMF code %1").arg(n)),
                          QStringLiteral("dtmf-code-%1").arg(n));
    }
    ChannelRec& channel(int group, int chNo) {
        return doc.chTable.at({0, group, findChannel(doc.curImage, doc.chTable, {0, group, chNo})});
    }
    QByteArray bytes() const {
        return serializeImage(doc.curImage) + serializeChannelFile(doc.curImage, doc.chTable);
    }

    Document doc;
    AppSettings settings;
    DocumentEvents events;
    DocumentModel model{doc, events};
    EditHistory& history = model.history();
};

TEST_F(EditHistoryTest, EveryWindowsEditsUndoneStepByStepAndRedoneToTheEnd) {
    QList<QByteArray> states{bytes()};
    QStringList names;
    auto step = [&](const std::function<void()>& edit) {
        edit();
        states << bytes();
        names << history.undoName().in(Language::English);
    };
    // Channel window: a new channel, a changed one, a deleted one, the detail panel.
    step([&] { typeFrequency(12, QStringLiteral("28.3050")); });
    step([&] { typeFrequency(1, QStringLiteral("27.1234")); });
    step([&] { model.setChannelValue({0, 1, 12}, ChannelField::BotCode, 2, named("BOT A12")); });
    step([&] { typeFrequency(12, QString()); });
    // The user turns to group B, whose last ordinary channel goes: the group is switched off.
    // Undo shows the document as it was after the step before, the group shown included.
    model.setShownGroup(0, 2);
    step([&] { typeFrequency(1, QString()); });
    // Options window: a mode switched off moves every channel off it.
    step([&] { model.setChannelValue({0, 1, 1}, ChannelField::Mode, 1, named("Mode A1")); });
    step([&] { model.setModeEnable(1, false, named("AM switched off")); });
    step([&] {
        const QStringList choices = optionChoices(doc.curImage, OptionId::Tot, Language::English);
        model.setOptionFromText(OptionId::Tot, choices.last(), Language::English, named("TOT"));
    });
    // DTMF window (three keystrokes, one step) and roger-beep window.
    step([&] {
        for (const char* text : {"9", "98", "987"})
            typeDtmfCode(5, QString::fromLatin1(text));
    });
    step([&] { model.setRogerRepeatCount(2, 0, named("Roger beep 2")); });
    ASSERT_EQ(history.undoCount(), 10);
    EXPECT_EQ(doc.curImage.optFeat.groupValid(0, 2), 0);

    for (int k = 10; k > 0; --k) {
        EXPECT_EQ(history.undoName().in(Language::English), names[k - 1]);
        ASSERT_TRUE(history.undo());
        EXPECT_EQ(bytes(), states[k - 1]) << "after undoing step " << k;
    }
    EXPECT_FALSE(history.undo());
    for (int k = 1; k <= 10; ++k) {
        ASSERT_TRUE(history.redo());
        EXPECT_EQ(bytes(), states[k]) << "after redoing step " << k;
    }
    EXPECT_FALSE(history.canRedo());
}

TEST_F(EditHistoryTest, UndoingAClearedDtmfCodeBringsBackEveryReferenceItCleared) {
    channel(1, 1).eotCode = 2;
    channel(3, 1).callCode = 2;
    doc.curImage.optFeat.pubBotCode = 2;
    history.reset();
    typeDtmfCode(2, QString());
    ASSERT_EQ(channel(1, 1).eotCode, 0);
    ASSERT_EQ(doc.curImage.optFeat.pubBotCode, 0);

    int reloads = 0;
    QObject::connect(&events, &DocumentEvents::changed, [&](const DocumentChange& change) {
        reloads += change.kind == DocumentChange::Kind::Whole ? 1 : 0;
    });
    history.undo();
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(dtmfCodeText(doc.curImage, 2), "122");
    EXPECT_EQ(channel(1, 1).eotCode, 2);
    EXPECT_EQ(channel(3, 1).callCode, 2);
    EXPECT_EQ(doc.curImage.optFeat.pubBotCode, 2);
}

TEST_F(EditHistoryTest, KeystrokesInOneFieldMergeUntilSomethingElseHappens) {
    typeDtmfCode(4, QStringLiteral("1"));
    typeDtmfCode(4, QStringLiteral("12"));
    typeDtmfCode(6, QStringLiteral("5")); // another field: a step of its own
    typeDtmfCode(6, QStringLiteral("55"));
    EXPECT_EQ(history.undoCount(), 2);
    history.undo();
    EXPECT_EQ(dtmfCodeText(doc.curImage, 6), "");
    EXPECT_EQ(dtmfCodeText(doc.curImage, 4), "12");
    // Typing on after an undo starts a new step and forgets what could be redone.
    typeDtmfCode(4, QStringLiteral("123"));
    EXPECT_EQ(history.undoCount(), 2);
    EXPECT_FALSE(history.canRedo());
    history.undo();
    EXPECT_EQ(dtmfCodeText(doc.curImage, 4), "12");

    // A change that changes nothing is no step; nor is anything a window asks for while it
    // shows the restored values.
    typeDtmfCode(4, QStringLiteral("12"));
    QObject::connect(&events, &DocumentEvents::changed,
                     [&] { typeDtmfCode(9, QStringLiteral("0")); });
    history.undo();
    EXPECT_EQ(history.undoCount(), 0);
    EXPECT_EQ(history.redoCount(), 2);
}

TEST_F(EditHistoryTest, UndoBackToTheSavedStateIsNoLongerModified) {
    typeFrequency(5, QStringLiteral("28.5000"));
    model.setWorkMode(1, named("Work mode")); // the band follows the work mode back and forth
    EXPECT_TRUE(isModified(doc));
    history.undo();
    EXPECT_EQ(bandTextOfWorkMode(doc.curImage.workMode), kBandTextCB);
    history.undo();
    EXPECT_FALSE(isModified(doc));
    history.redo();
    EXPECT_TRUE(isModified(doc));
    prepareForWrite(doc, settings); // saved here: undoing now makes it modified again
    history.undo();
    EXPECT_TRUE(isModified(doc));
    history.redo();
    history.redo();
    EXPECT_EQ(bandTextOfWorkMode(doc.curImage.workMode), kBandTextHF);
}

TEST_F(EditHistoryTest, HoldsHundredsOfStepsInLittleMemoryUntilReset) {
    for (int i = 0; i < EditHistory::kMaxSteps + 20; ++i)
        typeFrequency(1 + i % 40, QStringLiteral("28.%1").arg(1000 + i, 4, 10, QChar(u'0')));
    EXPECT_EQ(history.undoCount(), EditHistory::kMaxSteps);
    EXPECT_LT(history.storedBytes(), 50u * 1024 * 1024);
    while (history.undo()) {
    }
    // The oldest steps made room for the newest; the 20 first ones are gone.
    EXPECT_EQ(channel(1, 20).rxFreq.clean(), "281019");

    history.reset();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
}

} // namespace
} // namespace r5k27

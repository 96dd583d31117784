#include "EditorWindows.h"
#include "OptionsWindowDriver.h"
#include "app/mainwindow/MainWindowHarness.h"
#include "core/document/InitialValues.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

class OptionsWindowTest : public ::testing::Test,
                          protected test::MainWindowHarness,
                          protected test::OptionsWindowDriver {
protected:
    OptionsWindowTest() {
        writeBuiltInDefaults(ctx.doc, ctx.settings, 1, QDate(2024, 5, 1));
        main = makeWindow();
        registerOptionsWindow(ctx, *main);
    }

    void open() {
        main->findChild<QAction*>("mnuOptFeature")->trigger();
        QMdiSubWindow* sub = main->children().openWindow(ChildKind::Options);
        ASSERT_NE(sub, nullptr);
        options = sub->findChild<OptionsWindow*>();
        ASSERT_NE(options, nullptr);
    }
    MemoryImage& image() { return ctx.doc.curImage; }
    // Puts every used channel of the document in mode m; returns how many there are.
    int setEveryChannelMode(int m) {
        int count = 0;
        for (int mode = 0; mode < kModeCount; ++mode)
            for (int group = 1; group <= kGroupCount; ++group)
                for (int slot = 1; slot <= image().chCount(mode, group); ++slot, ++count)
                    ctx.doc.chTable.at({mode, group, slot}).mode = std::int16_t(m);
        return count;
    }
    bool everyChannelInMode(int m) {
        for (int mode = 0; mode < kModeCount; ++mode)
            for (int group = 1; group <= kGroupCount; ++group)
                for (int slot = 1; slot <= image().chCount(mode, group); ++slot)
                    if (ctx.doc.chTable.at({mode, group, slot}).mode != m)
                        return false;
        return true;
    }

    QString status() const { return main->findChild<QLabel*>("sbStatusBar_Panel1")->text(); }

    std::unique_ptr<MainWindow> main;
    test::EditLog edits{ctx.model.history()};
};

TEST_F(OptionsWindowTest, OpensOnTheDocumentWithoutStoringAndChoicesStore) {
    image().optFeat.tot = 60;
    image().optFeat.backlightColor = 9; // no entry: shows the first and keeps its value
    const MemoryImage before = image();
    open();
    EXPECT_EQ(list("Combo1_9")->currentText(), "600s");
    EXPECT_EQ(list("Combo1_17")->currentText(), "White");
    EXPECT_EQ(list("Combo1_3")->currentText(), "30");
    EXPECT_EQ(field("Text2_1")->text(), "9.7");
    EXPECT_EQ(field("Text4_12")->text(), "0.0100");
    EXPECT_EQ(field("Text4_5")->text(), "36");
    EXPECT_TRUE(image() == before);
    EXPECT_TRUE(edits.names.isEmpty());

    choose(list("Combo1_9"), "90s");
    EXPECT_EQ(image().optFeat.tot, 9);
    choose(list("Combo1_17"), "White"); // choosing the shown entry stores it
    EXPECT_EQ(image().optFeat.backlightColor, 0);
    check("Check1_3")->click();
    EXPECT_EQ(image().optFeat.swrProtect, 0);
    choose(list("Combo1_9"), "90s"); // the same again changes nothing: no Undo step
    EXPECT_EQ(edits.names, QStringList({"Time-out timer", "Backlight colour", "SWR protect"}));
}

TEST_F(OptionsWindowTest, PublicModeSwitchedOffShowsTheFirstEnabledUntilChosen) {
    image().optFeat.pubMode = 4;
    image().optFeat.modeEnable[4] = 0;
    open();
    QComboBox* mode = list("Combo1_18");
    EXPECT_EQ(entries(mode), QStringList({"FM", "AM", "USB", "LSB"}));
    EXPECT_EQ(mode->currentText(), "FM");
    EXPECT_EQ(image().optFeat.pubMode, 4);
    choose(mode, "USB");
    EXPECT_EQ(image().optFeat.pubMode, 2);
    EXPECT_EQ(edits.names, QStringList({"Public mode"}));
}

TEST_F(OptionsWindowTest, ModeSwitchesKeepOneVoiceModeAndMoveChannels) {
    auto& enable = image().optFeat.modeEnable;
    enable = {0, 1, 0, 0, 1};
    open();
    check("Check1_6")->click(); // AM is the last voice mode
    EXPECT_TRUE(check("Check1_6")->isChecked());
    EXPECT_EQ(enable[1], 1);
    EXPECT_TRUE(edits.names.isEmpty());

    check("Check1_5")->click(); // FM on
    ASSERT_GT(setEveryChannelMode(1), 0);
    check("Check1_6")->click(); // AM off
    EXPECT_FALSE(check("Check1_6")->isChecked());
    EXPECT_EQ(enable[1], 0);
    EXPECT_TRUE(everyChannelInMode(0));
    EXPECT_EQ(entries(list("Combo1_18")), QStringList({"FM", "PA"}));

    choose(list("Combo1_18"), "PA");
    check("Check1_9")->click(); // PA off
    EXPECT_EQ(entries(list("Combo1_18")), QStringList({"FM"}));
    EXPECT_EQ(list("Combo1_18")->currentText(), "FM");
    EXPECT_EQ(image().optFeat.pubMode, 0);
    EXPECT_EQ(edits.names, QStringList({"FM enable", "AM enable", "Public mode", "PA enable"}));
}

TEST_F(OptionsWindowTest, ReferenceListsFollowTheDtmfCodesAndRogerTones) {
    for (int n : {1, 3, 7})
        storeDtmfCode(image(), n, QStringLiteral("12%1").arg(n));
    image().optFeat.pubBotCode = 3;
    image().optFeat.pubEotCode = 7;
    image().optFeat.pubRogerTone = 5;
    ASSERT_EQ(validRogerTone(image(), 5), 5);
    open();
    EXPECT_EQ(entries(list("Combo2_6")), QStringList({"OFF", "1", "3", "7"}));
    EXPECT_EQ(list("Combo2_6")->currentText(), "3");

    // Another editor's changes, through the document model.
    const EditName other{QStringLiteral("other"), QStringLiteral("other")};
    ctx.model.setDtmfCode(3, QString(), other, {});
    EXPECT_EQ(image().optFeat.pubBotCode, 0);
    EXPECT_EQ(list("Combo2_6")->currentText(), "OFF");
    EXPECT_EQ(entries(list("Combo2_8")), QStringList({"OFF", "1", "7"}));
    EXPECT_EQ(list("Combo2_7")->currentText(), "7");
    ctx.model.setDtmfCode(12, QStringLiteral("9"), other, {});
    EXPECT_EQ(entries(list("Combo2_7")), QStringList({"OFF", "1", "7", "12"}));

    for (int t = 1; t <= kToneSeqCount; ++t)
        if (t != 2 && t != 5)
            ctx.model.setRogerRepeatCount(t, 0, other);
    EXPECT_EQ(entries(list("Combo2_5")), QStringList({"OFF", "2", "5"}));
    EXPECT_EQ(list("Combo2_5")->currentText(), "5");
    // The other editors name their own changes; the options window adds none.
    EXPECT_EQ(edits.names.count("other"), edits.names.size());
}

TEST_F(OptionsWindowTest, TypedNumbersPassTheKeyFilterAndStoreOnLeaving) {
    open();
    OptionTextField* swr = field("Text2_0");
    typeOver(swr, "12.a");
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
    QApplication::sendEvent(swr, &accented); // above 127
    QTest::keyClick(swr, Qt::Key_Minus);
    QApplication::clipboard()->setText("99");
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QApplication::sendEvent(swr, &paste);
    EXPECT_EQ(swr->text(), "12.");
    EXPECT_EQ(image().optFeat.swrMax, 160); // nothing stored while typing
    QTest::keyClick(swr, Qt::Key_Return);
    EXPECT_EQ(image().optFeat.swrMax, 120);
    EXPECT_EQ(swr->text(), "12.0");

    OptionTextField* point = field("Text4_2");
    typeOver(point, "1.6");
    EXPECT_EQ(point->text(), "16"); // digits only
    QTest::keyClick(point, Qt::Key_Return);
    EXPECT_EQ(point->text(), "11"); // 16 would pass the next point: kept
    EXPECT_EQ(status(), "FM/AM RSSI 5: 16 changed to 11 (allowed: 1 - 36, each point above the "
                        "one on its left)");
    typeOver(point, "12");
    QTest::keyClick(point, Qt::Key_Return);
    EXPECT_EQ(image().extTable[2], 11);

    typeOver(field("Text2_1"), "16.5");
    typeOver(field("Text2_2"), "12");
    emit main->commitPendingEdits(); // a write stores what is still being typed
    EXPECT_EQ(image().optFeat.battMin, 120);
    EXPECT_EQ(image().optFeat.battMax, 165);
    EXPECT_EQ(field("Text2_1")->text(), "12.0");
    EXPECT_EQ(field("Text2_2")->text(), "16.5");

    typeOver(field("Text4_12"), "7");
    control<QPushButton>("CommandClose")->click(); // closing keeps the typed value too
    EXPECT_EQ(image().extFreq, 50000);
    EXPECT_EQ(status(), "Tx offset: 7 changed to 5.0000 (allowed: 0.0001 - 5.0000 MHz)");
    EXPECT_EQ(main->children().openWindow(ChildKind::Options), nullptr);
    EXPECT_EQ(edits.names, QStringList({"SWR limit", "FM/AM RSSI point 5", "Battery voltage limits",
                                        "Tx offset"}));
    EXPECT_EQ(edits.keys[0], "option-SwrMax");
}

TEST_F(OptionsWindowTest, EnteringSelectsTheTextAndLeavingStoresIt) {
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    open();
    OptionTextField* offset = field("Text4_12");
    offset->setFocus(Qt::MouseFocusReason); // a tab would select all in any line edit
    QTest::qWait(20);
    EXPECT_EQ(offset->selectedText(), "0.0100");
    QTest::keyClicks(offset, "0");
    field("Text4_0")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(image().extFreq, 1); // limited to 0.0001
    EXPECT_EQ(offset->text(), "0.0001");
}

TEST_F(OptionsWindowTest, ReloadedDocumentIsShownAndDropsTypedText) {
    open();
    typeOver(field("Text2_0"), "3");
    image().optFeat.swrMax = 45;
    image().optFeat.modeEnable[4] = 0;
    image().optFeat.pubBotCode = 2;
    storeDtmfCode(image(), 2, QStringLiteral("55"));
    emit ctx.events.changed(DocumentChange{});
    EXPECT_EQ(field("Text2_0")->text(), "4.5");
    EXPECT_FALSE(check("Check1_9")->isChecked());
    EXPECT_FALSE(entries(list("Combo1_18")).contains("PA"));
    EXPECT_EQ(list("Combo2_6")->currentText(), "2");
    emit main->commitPendingEdits();
    EXPECT_EQ(image().optFeat.swrMax, 45);
    EXPECT_TRUE(edits.names.isEmpty());
}

} // namespace
} // namespace r5k27

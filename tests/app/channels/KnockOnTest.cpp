#include "EditorWindows.h"
#include "app/mainwindow/MainWindowHarness.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelWindow.h"
#include "channelsheet/ChannelSheetModel.h"
#include "channelsheet/ChannelSheetWindow.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/ModeCodec.h"
#include "core/document/InitialValues.h"
#include "core/signalling/DtmfReferences.h"

#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// The knock-on changes of a rule reach every open window that shows them: the channel window,
// the channel list and the options window, open side by side over a CB document where A1 uses
// DTMF code 2 and roger-beep sequence 2 and A2 is in PA.
class KnockOnTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    KnockOnTest() {
        writeBuiltInDefaults(ctx.doc, ctx.settings, 0, QDate(2026, 1, 5));
        storeDtmfCode(ctx.doc.curImage, 2, QStringLiteral("22"));
        enterFrequency(ctx.doc.curImage, ctx.doc.chTable, {0, 1, 2}, Frequency::parse(u"27.02"));
        a(1).botCode = 2;
        a(1).rogerTone = 2;
        a(2).mode = kModePA;
        ctx.doc.curImage.optFeat.pubBotCode = 2;
        ctx.doc.curImage.optFeat.pubRogerTone = 2;
        ctx.doc.curImage.curGroup[0] = 1;
        ctx.model.history().reset();
        window = makeWindow();
        registerChannelWindow(ctx, *window, prompter);
        registerChannelSheetWindow(ctx, *window, prompter);
        registerOptionsWindow(ctx, *window);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        for (ChildKind kind : {ChildKind::Channel, ChildKind::ChannelList, ChildKind::Options})
            window->showChild(kind);
        channels()->grid().setCurrentCell(0, ChannelGrid::kFrequencyColumn);
    }
    ChannelRec& a(int chNo) {
        return ctx.doc.chTable.at(
            {0, 1, findChannel(ctx.doc.curImage, ctx.doc.chTable, {0, 1, chNo})});
    }
    ChannelWindow* channels() {
        return test::openChild<ChannelWindow>(*window, ChildKind::Channel);
    }
    QWidget* options() { return window->children().editor(ChildKind::Options); }
    QString shown(QWidget* in, const char* combo) {
        auto* box = in->findChild<QComboBox*>(QString::fromLatin1(combo));
        EXPECT_NE(box, nullptr) << combo;
        return box ? box->currentText() : QString();
    }
    // What the channel list shows for a field of channel A<chNo>.
    QString listed(int chNo, ChannelField field) {
        ChannelSheetModel& rows =
            test::openChild<ChannelSheetWindow>(*window, ChildKind::ChannelList)->rows();
        for (int c = 0; c < rows.columnCount(); ++c)
            if (rows.fieldOf(c) == field)
                return rows.data(rows.index(rows.rowOf({0, 1, chNo}), c), Qt::DisplayRole)
                    .toString();
        return QStringLiteral("no column");
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(KnockOnTest, AnEmptiedDtmfCodeLeavesEveryWindowThatShowedIt) {
    ASSERT_EQ(shown(channels(), "Combo8_13"), "2");
    ASSERT_EQ(listed(1, ChannelField::BotCode), "2");
    ASSERT_EQ(shown(options(), "Combo2_6"), "2");
    ctx.model.setDtmfCode(2, QString(), {QStringLiteral("DTMF 2")}, {});
    EXPECT_EQ(shown(channels(), "Combo8_13"), "OFF") << "channel window";
    EXPECT_EQ(listed(1, ChannelField::BotCode), "OFF") << "channel list";
    EXPECT_EQ(shown(options(), "Combo2_6"), "OFF") << "options window";
}

TEST_F(KnockOnTest, ASequenceThatNoLongerPlaysLeavesEveryWindowThatShowedIt) {
    ASSERT_EQ(shown(channels(), "Combo8_11"), "2");
    ASSERT_EQ(shown(options(), "Combo2_5"), "2");
    ASSERT_TRUE(ctx.model.setRogerRepeatCount(2, 0, {QStringLiteral("RB 2")}));
    EXPECT_EQ(shown(channels(), "Combo8_11"), "OFF") << "channel window";
    EXPECT_EQ(listed(1, ChannelField::RogerTone), "OFF") << "channel list";
    EXPECT_EQ(shown(options(), "Combo2_5"), "OFF") << "options window";
}

TEST_F(KnockOnTest, ModesNormalisedShowInTheChannelWindowAndTheList) {
    channels()->grid().setCurrentCell(1, ChannelGrid::kFrequencyColumn);
    ASSERT_EQ(shown(channels(), "Combo8_12"), "PA");
    ASSERT_EQ(listed(2, ChannelField::Mode), "PA");
    ASSERT_TRUE(ctx.model.setModeEnable(kModePA, false, {QStringLiteral("PA")}));
    EXPECT_EQ(shown(channels(), "Combo8_12"), "FM") << "channel window";
    EXPECT_EQ(listed(2, ChannelField::Mode), "FM") << "channel list";
}

TEST_F(KnockOnTest, AGroupSwitchedOffByAClearLeavesTheWorkGroupList) {
    auto* workGroups = channels()->findChild<QComboBox*>(QStringLiteral("Combo3"));
    ASSERT_NE(workGroups, nullptr);
    ASSERT_GE(workGroups->findText(QStringLiteral("B")), 0);
    ASSERT_EQ(ctx.model.clearChannels({{0, 2, 1}}, {QStringLiteral("Clear")}), 1);
    EXPECT_EQ(workGroups->findText(QStringLiteral("B")), -1) << "channel window's work groups";
}

} // namespace
} // namespace r5k27

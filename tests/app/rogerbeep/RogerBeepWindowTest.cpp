#include "rogerbeep/RogerBeepWindow.h"

#include "EditorWindows.h"
#include "app/mainwindow/MainWindowHarness.h"
#include "core/channels/ChannelTable.h"
#include "core/document/InitialValues.h"
#include "core/signalling/RogerTones.h"
#include "core/signalling/TonePlayback.h"
#include "platform/ToneSink.h"
#include "support/EventRecorder.h"

#include <QComboBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

class RogerBeepWindowTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    RogerBeepWindowTest() {
        writeBuiltInDefaults(ctx.doc, ctx.settings, 0, QDate(2024, 5, 1));
        window = makeWindow();
        registerRogerBeepWindow(ctx, *window, &sink);
        QObject::connect(&ctx.model.history(), &EditHistory::recorded,
                         [this](const EditName& name, const QString&) {
                             edits
                                 << name.in(Language::English) + " | " + name.in(Language::Chinese);
                         });
    }

    RogerBeepWindow* open() {
        window->show();
        EXPECT_TRUE(window->showChild(ChildKind::RogerBeep));
        auto* w = test::openChild<RogerBeepWindow>(*window, ChildKind::RogerBeep);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        return w;
    }
    template <typename T> T* find(RogerBeepWindow* w, const QString& name) {
        auto* child = w->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    void choose(RogerBeepWindow* w, const QString& list, int index) {
        auto* combo = find<QComboBox>(w, list);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        emit combo->textActivated(combo->itemText(index));
    }
    QComboBox* length(RogerBeepWindow* w, int step) {
        return find<QComboBox>(w, QStringLiteral("Combo4_%1").arg(step - 1));
    }
    void selectTab(RogerBeepWindow* w, int t) {
        find<QTabBar>(w, "TabStrip1")->setCurrentIndex(t - 1);
    }
    ToneSeq& seq(int t) { return ctx.doc.curImage.rbTone.tone(t); }

    NullToneSink sink;
    std::unique_ptr<MainWindow> window;
    QStringList edits;
};

TEST_F(RogerBeepWindowTest, PlayRunsTheStartedSequenceUntilStopOrClose) {
    auto* w = open();
    auto* play = find<QPushButton>(w, "Command1");
    EXPECT_TRUE(play->isEnabled());
    QTest::mouseClick(play, Qt::LeftButton);
    const PlayStep tone{2100, 100};
    const PlayStep gap{0, 100};
    ASSERT_EQ(sink.played().size(), 1);
    EXPECT_EQ(sink.played()[0], QList<PlayStep>({tone, gap, tone, gap, tone, gap, tone}));
    EXPECT_TRUE(sink.isPlaying());
    EXPECT_FALSE(play->isEnabled());

    // The window stays usable; another tab and edits leave the started sequence playing.
    selectTab(w, 2);
    EXPECT_EQ(w->curTone(), 2);
    choose(w, "Combo2", 5);
    EXPECT_EQ(seq(2).interTime, 5);
    EXPECT_TRUE(sink.isPlaying());
    EXPECT_TRUE(QTest::qWaitFor([&] { return play->isEnabled(); }, 3000));
    EXPECT_EQ(sink.playedMs(), 700);
    EXPECT_EQ(sink.played().size(), 1);

    QTest::mouseClick(play, Qt::LeftButton); // sequence 2, 14 × 40 ms, then the pause
    ASSERT_EQ(sink.played().size(), 2);
    EXPECT_EQ(sink.played()[1].size(), 15);
    QTest::mouseClick(find<QPushButton>(w, "Command2"), Qt::LeftButton);
    EXPECT_FALSE(sink.isPlaying());
    EXPECT_TRUE(play->isEnabled());

    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(sink.isPlaying());
    window->children().openWindow(ChildKind::RogerBeep)->close();
    EXPECT_FALSE(sink.isPlaying());

    // Nothing to play: an empty sequence, or one switched off.
    w = open();
    selectTab(w, 6);
    QTest::mouseClick(play = find<QPushButton>(w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(sink.played().size(), 3);
    EXPECT_TRUE(play->isEnabled());
}

TEST_F(RogerBeepWindowTest, NoSoundDeviceDisablesPlayAndSaysWhy) {
    sink.setAvailable(false);
    auto* w = open();
    auto* play = find<QPushButton>(w, "Command1");
    EXPECT_FALSE(play->isEnabled());
    EXPECT_FALSE(play->toolTip().isEmpty());
    sink.setAvailable(true);
    EXPECT_TRUE(play->isEnabled());
    EXPECT_TRUE(play->toolTip().isEmpty());

    // A device that goes away during playback ends it quietly.
    QTest::mouseClick(play, Qt::LeftButton);
    sink.setAvailable(false);
    EXPECT_FALSE(sink.isPlaying());
    EXPECT_FALSE(play->isEnabled());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(RogerBeepWindowTest, SequenceWithoutLengthLosesItsReferences) {
    ASSERT_GE(usedSlots(ctx.doc.curImage, 0, 1), 2);
    ctx.doc.chTable.at({0, 1, 1}).rogerTone = 2;
    ctx.doc.chTable.at({0, 1, 2}).rogerTone = 3;
    ctx.doc.curImage.optFeat.pubRogerTone = 2;
    auto* w = open();
    test::EventRecorder events(ctx.events);
    selectTab(w, 2);
    for (int step = 1; step <= 14; ++step)
        choose(w, QStringLiteral("Combo4_%1").arg(step - 1), 0);
    EXPECT_EQ(validRogerTone(ctx.doc.curImage, 2), 0);
    EXPECT_EQ(ctx.doc.chTable.at({0, 1, 1}).rogerTone, 0);
    EXPECT_EQ(ctx.doc.chTable.at({0, 1, 2}).rogerTone, 3);
    EXPECT_EQ(ctx.doc.curImage.optFeat.pubRogerTone, 0);
    EXPECT_EQ(events.lines.count("changed RogerBeep -1 0 0"), 14);
    EXPECT_EQ(edits.size(), 14);
    EXPECT_EQ(edits.last(), "RB Tone 2 step 14 length | RB音 2 第 14 个音音长");
}

TEST_F(RogerBeepWindowTest, TheLastPlayableSequenceStaysOn) {
    for (int t = 2; t <= 5; ++t)
        seq(t).repeatCount = 0;
    seq(1).steps = {};
    seq(1).steps[4] = {210, 10};
    auto* w = open();
    choose(w, "Combo1", 0);
    EXPECT_EQ(seq(1).repeatCount, 1);
    EXPECT_EQ(find<QComboBox>(w, "Combo1")->currentText(), "1");
    choose(w, "Combo4_4", 0);
    EXPECT_EQ(seq(1).steps[4].durCode, 10);
    EXPECT_EQ(length(w, 5)->currentText(), "100");
    selectTab(w, 3);
    choose(w, "Combo1", 2); // another page: allowed, the sequence has lengths
    EXPECT_EQ(seq(3).repeatCount, 2);
    EXPECT_TRUE(edits.size() == 1);
}

// A code without an entry (below 400 Hz, or beyond the list) shows as itself, as the picture
// draws it, playback sounds it and the radio gets it; it stays until another entry is chosen.
TEST_F(RogerBeepWindowTest, CodesWithoutAnEntryShowAsStoredAndAreKeptUntilAStepIsChosen) {
    seq(1).steps[1].freqCode = 30;
    seq(1).steps[2].freqCode = 45;
    auto* w = open();
    auto* low = find<QComboBox>(w, "Combo3_1");
    const int offered = find<QComboBox>(w, "Combo3_0")->count();
    EXPECT_EQ(low->currentText(), "300");
    EXPECT_EQ(low->count(), offered + 1);
    EXPECT_EQ(seq(1).steps[1].freqCode, 30); // showing a window changes nothing
    EXPECT_EQ(playbackPlan(seq(1)).value(1), (PlayStep{300, seq(1).steps[1].durCode * 10}));
    choose(w, "Combo3_1", offered); // the stored value chosen again: no edit
    EXPECT_EQ(seq(1).steps[1].freqCode, 30);
    EXPECT_EQ(find<QComboBox>(w, "Combo3_2")->currentText(), "450");
    choose(w, "Combo3_2", 1);
    EXPECT_EQ(seq(1).steps[2].freqCode, 40);
    EXPECT_EQ(edits, QStringList({"RB Tone 1 step 3 frequency | RB音 1 第 3 个音频率"}));

    seq(1).steps[3].freqCode = 300; // beyond the list as well
    emit ctx.events.changed(DocumentChange{});
    EXPECT_EQ(find<QComboBox>(w, "Combo3_3")->currentText(), "3000");
    EXPECT_EQ(seq(1).steps[3].freqCode, 300);
    EXPECT_EQ(edits.size(), 1);

    choose(w, "Combo3_1", 0); // "None" replaces the stored code, and its own entry goes
    EXPECT_EQ(seq(1).steps[1].freqCode, 0);
    EXPECT_EQ(low->count(), offered);
    EXPECT_EQ(low->currentText(), "None");
}

TEST_F(RogerBeepWindowTest, PictureOfSequenceFourRisesInAlternatingColours) {
    auto* w = open();
    selectTab(w, 4);
    QWidget* picture = find<QWidget>(w, "Picture1");
    picture->resize(400, 200);
    const QImage image = picture->grab().toImage();
    auto colourAt = [&](int x, int y) {
        return image.pixelColor(x * image.width() / 400, y * image.height() / 200);
    };
    // The bars, left to right, on the bottom line of the picture.
    struct Bar {
        QColor colour;
        int left, right, top;
    };
    QList<Bar> bars;
    const int bottom = 196;
    for (int x = 0; x < 400; ++x) {
        const QColor c = colourAt(x, bottom);
        if (c == Qt::white)
            continue;
        if (bars.isEmpty() || bars.last().colour != c || bars.last().right != x - 1)
            bars << Bar{c, x, x, bottom};
        bars.last().right = x;
    }
    ASSERT_EQ(bars.size(), 5);
    for (Bar& bar : bars) {
        const int mid = (bar.left + bar.right) / 2;
        while (bar.top > 0 && colourAt(mid, bar.top - 1) == bar.colour)
            --bar.top;
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bars[i].colour, i % 2 ? QColor(Qt::blue) : QColor(Qt::red)) << i;
        if (i > 0) {
            EXPECT_LT(bars[i].top, bars[i - 1].top) << i;
        }
    }

    // A change redraws it: step 3 switched to a pause leaves a gap.
    choose(w, "Combo3_2", 0);
    const QImage after = picture->grab().toImage();
    EXPECT_EQ(after.pixelColor(after.width() / 2, after.height() * bottom / 200),
              QColor(Qt::white));
}

} // namespace
} // namespace r5k27

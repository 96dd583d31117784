#include "EditorWindows.h"
#include "RadioHarness.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelWindow.h"
#include "core/channels/ChannelTable.h"
#include "mainwindow/DataFileStore.h"
#include "support/VirtualRadio.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr int kWrittenBytes = 0x3F40;

class ChannelRadioTest : public ::testing::Test, protected test::RadioHarness {
protected:
    ChannelRadioTest() {
        registerChannelWindow(ctx, *window, prompter);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    ChannelGrid* grid() {
        auto* channels = test::openChild<ChannelWindow>(*window, ChildKind::Channel);
        return channels ? &channels->grid() : nullptr;
    }
};

TEST_F(ChannelRadioTest, TypedFrequencyReachesTheRadioAndComesBackFromFileAndRadio) {
    const QString radioFile = dir.path("radio.img");
    {
        test::SimRadioProcess sim({"--save", radioFile});
        ctx.settings.comPortName = sim.device();
        ASSERT_NE(grid(), nullptr);
        grid()->setCurrentCell(11, ChannelGrid::kFrequencyColumn);
        grid()->setFocus();
        QTest::keyClicks(grid(), "2");
        QTest::keyClicks(grid()->findChild<QLineEdit*>("Text1"), "8.0355");
        // Straight to the write: the entry is still in the editor.
        radio().write();
        ASSERT_TRUE(waitUntil([&] { return !radio().isBusy(); }));
    }
    EXPECT_EQ(prompter.texts().last(), "Write Data Completed.");
    const int slot = findChannel(ctx.doc.curImage, ctx.doc.chTable, {1, 1, 12});
    ASSERT_NE(slot, 0);
    EXPECT_EQ(ctx.doc.chTable.at({1, 1, slot}).rxFreq.clean(), "280355");
    QFile saved(radioFile);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray written = saved.readAll();
    EXPECT_EQ(written.left(kWrittenBytes), radioImageOf(ctx.doc).left(kWrittenBytes));

    // Saved and opened again.
    DataFileStore files(ctx, prompter);
    ASSERT_TRUE(files.save(dir.path("typed.dat")));
    window->children().closeAll();
    ctx.doc = Document{};
    ASSERT_TRUE(files.open(dir.path("typed.dat")));
    window->showChild(ChildKind::Channel);
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->frequency(12), "28.0355");

    // Read back from the radio it was written to.
    test::SimRadioProcess sim({"--image", dir.write("written.img", written)});
    ctx.settings.comPortName = sim.device();
    ctx.doc = Document{};
    radio().read();
    ASSERT_TRUE(waitUntil([&] { return !radio().isBusy(); }));
    EXPECT_EQ(prompter.texts().last(), "Read Data Completed.");
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->frequency(12), "28.0355");
}

} // namespace
} // namespace r5k27

#include "RadioHarness.h"
#include "link/SeveralRadiosWindow.h"
#include "platform/ProfileFile.h"
#include "startup/StartupSettings.h"
#include "support/VirtualRadio.h"

#include <QAction>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr int kWrittenBytes = 0x3F40;

// Four cables at once from the window, verified; the radio unplugged mid-write fails alone, its
// question names its port, and the summary names every port.
TEST(SeveralRadiosWindow, FourCablesAtOnceAndAnUnpluggedOneFailsAlone) {
    test::RadioHarness h;
    h.ctx.settings.verifyAfterWriting = true;
    std::vector<std::unique_ptr<test::SimRadioProcess>> sims;
    for (int i = 0; i < 4; ++i) {
        QStringList args{"--save", h.dir.path(QString("radio%1.img").arg(i))};
        if (i == 2)
            args << "--fault"
                 << "unplug:300";
        sims.push_back(std::make_unique<test::SimRadioProcess>(args));
        ASSERT_FALSE(sims.back()->device().isEmpty());
        SerialPortEntry entry;
        entry.name = entry.device = sims.back()->device();
        h.ports.append(entry);
    }
    h.prompter.answers = {Answer::Cancel, Answer::Cancel, Answer::Cancel};

    std::unique_ptr<SeveralRadiosWindow> window(h.feature->severalRadios().open());
    ASSERT_TRUE(window);
    for (const auto& sim : sims)
        window->tick(sim->device());
    window->start();
    const auto summaryShown = [&] {
        return !h.prompter.texts().isEmpty() &&
               h.prompter.texts().last().endsWith("3 of 4 radios written.");
    };
    ASSERT_TRUE(test::RadioHarness::waitUntil(summaryShown, 120000))
        << h.prompter.texts().join('|').toStdString();

    const QString lost = sims[2]->device() + ": Check Connection. Retry or Cancel?";
    EXPECT_TRUE(h.prompter.texts().contains(lost));
    const QByteArray sent = test::RadioHarness::radioImageOf(h.ctx.doc).left(kWrittenBytes);
    QTableWidget* table = window->table();
    ASSERT_EQ(table->rowCount(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table->item(i, 0)->text(), sims[std::size_t(i)]->device());
        if (i == 2) {
            EXPECT_EQ(table->item(i, 3)->text(),
                      "Failed: The connection was lost during the transfer.");
            continue;
        }
        EXPECT_EQ(table->item(i, 1)->text(), "ZT6666 V200");
        EXPECT_EQ(table->item(i, 2)->text(), "100%");
        EXPECT_EQ(table->item(i, 3)->text(), "Written");
        EXPECT_EQ(h.dir.read(QString("radio%1.img").arg(i)).left(kWrittenBytes), sent);
    }
    EXPECT_EQ(h.prompter.texts().last().split("\r\n").size(), 5);
    // The document sent was kept first, as a single write keeps it.
    const QStringList sets = h.feature->backups().sets();
    ASSERT_EQ(sets.size(), 1);
    EXPECT_TRUE(sets[0].endsWith("-write"));
}

// The Setup entry is kept in the settings file, and a single write then reads the radio back: a
// radio that stores a byte wrong fails the write, naming the field.
TEST(VerifyAfterWriting, SettingIsKeptAndASingleWriteIsReadBack) {
    for (const bool flip : {false, true}) {
        SCOPED_TRACE(flip);
        test::RadioHarness h;
        auto* item = h.window->findChild<QAction*>("mnuVerifyAfterWriting");
        ASSERT_TRUE(item);
        item->trigger();
        AppSettings loaded;
        MemoryImage image;
        loadStartupSettings(ProfileFile(h.ctx.settingsFile), loaded, image);
        EXPECT_TRUE(loaded.verifyAfterWriting);

        // 0x3F0E holds the microphone level, 30 in a new document.
        test::SimRadioProcess sim(flip ? QStringList{"--fault", "flip-byte:16142"} : QStringList{});
        h.ctx.settings.comPortName = sim.device();
        h.radio().write();
        ASSERT_TRUE(test::RadioHarness::waitUntil([&] { return !h.radio().isBusy(); }));
        const QStringList texts = h.prompter.texts();
        ASSERT_EQ(texts.size(), 2) << texts.join('|').toStdString();
        if (flip) {
            EXPECT_TRUE(texts[1].startsWith("Verify failed")) << texts[1].toStdString();
            EXPECT_TRUE(texts[1].endsWith(" 30 / 31")) << texts[1].toStdString();
        } else {
            EXPECT_EQ(texts[1], "Write Data Completed.");
        }
    }
}

TEST(VerifyAfterWriting, AGroupWriteReadsEachRadioBackAndNamesTheOneThatDiffers) {
    test::RadioHarness h;
    h.ctx.settings.verifyAfterWriting = true;
    test::SimRadioProcess sim({"--fault", "flip-byte:16142"});
    h.ctx.settings.comPortName = sim.device();
    h.groupSize.answers = {1};
    h.radio().groupWrite();
    ASSERT_TRUE(test::RadioHarness::waitUntil([&] { return !h.radio().isBusy(); }));
    const QStringList texts = h.prompter.texts();
    ASSERT_EQ(texts.size(), 3) << texts.join('|').toStdString();
    EXPECT_TRUE(texts[1].startsWith("Radio 1: Verify failed")) << texts[1].toStdString();
    EXPECT_TRUE(texts[1].endsWith(" 30 / 31")) << texts[1].toStdString();
    EXPECT_TRUE(texts[2].endsWith("Radios written: 0")) << texts[2].toStdString();
}

} // namespace
} // namespace r5k27

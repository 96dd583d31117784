// Closing the program while a radio operation is under way or ending: the radio is written to
// the end, and the program then ends, whatever windows the operation still shows.
#include "RadioHarness.h"
#include "link/SeveralRadiosWindow.h"
#include "startup/ProgramExit.h"
#include "support/VirtualRadio.h"

#include <QFile>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr int kWrittenBytes = 0x3F40;
constexpr int kHung = 7;

// Runs the program's event loop as main() does until it ends; kHung when it still runs after
// limitMs, as a process left without windows would.
int runProgramLoop(int limitMs = 30000) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(kHung); });
    watchdog.start(limitMs);
    return QApplication::exec();
}

// The user closes the main window while the radio is being written (single or group) or read
// back: the operation goes to its end and tells how it ended, then the program ends.
TEST(ExitDuringLink, TheRadioIsWrittenToTheEndThenTheProgramEnds) {
    for (const int percentAtClose : {10, 60, 97}) {
        for (const bool group : {false, true}) {
            SCOPED_TRACE(QString("%1% group %2").arg(percentAtClose).arg(group).toStdString());
            test::RadioHarness h;
            h.ctx.settings.verifyAfterWriting = true;
            test::SimRadioProcess sim({"--save", h.dir.path("radio.img"), "--pace", "230400"});
            h.ctx.settings.comPortName = sim.device();
            h.window->show();
            quitOnClose(*h.window);
            QTimer closer;
            QObject::connect(&closer, &QTimer::timeout, [&] {
                auto* w = h.radio().progressWindow();
                auto* percent = w ? w->findChild<QLabel*>("lblPercent") : nullptr;
                if (!percent || percent->text().chopped(1).toInt() < percentAtClose)
                    return;
                closer.stop();
                h.window->close();
            });
            closer.start(5);
            h.groupSize.answers = {1};
            group ? h.radio().groupWrite() : h.radio().write();
            EXPECT_EQ(runProgramLoop(), 0);
            EXPECT_FALSE(h.window->isVisible());
            QFile saved(h.dir.path("radio.img"));
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            EXPECT_EQ(saved.readAll().left(kWrittenBytes),
                      test::RadioHarness::radioImageOf(h.ctx.doc).left(kWrittenBytes));
            ASSERT_FALSE(h.prompter.shown.isEmpty());
            EXPECT_TRUE(h.prompter.shown.last().text.startsWith("Write Data Completed."))
                << h.prompter.texts().join('|').toStdString();
        }
    }
}

// Closing during a write to several cables: the cables are written to the end, and the program
// ends once the user has closed the window after its summary.
TEST(ExitDuringLink, SeveralCablesAreWrittenToTheEndThenTheProgramEnds) {
    test::RadioHarness h;
    test::SimRadioProcess sim({"--save", h.dir.path("radio.img"), "--pace", "230400"});
    SerialPortEntry entry;
    entry.name = entry.device = sim.device();
    h.ports.append(entry);
    h.window->show();
    quitOnClose(*h.window);
    std::unique_ptr<SeveralRadiosWindow> several(h.feature->severalRadios().open());
    ASSERT_TRUE(several);
    several->tick(sim.device());
    QTimer closer;
    bool closedWhileWriting = false;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        const auto& rows = several->write().rows();
        if (!closedWhileWriting && !rows.isEmpty() && rows.first().percent >= 30) {
            h.window->close();
            closedWhileWriting = true;
            EXPECT_TRUE(h.window->isVisible());
        }
        // The user reads the summary and closes the window.
        if (closedWhileWriting && !several->write().isRunning() && !h.prompter.shown.isEmpty()) {
            closer.stop();
            static_cast<QDialog*>(several.get())->reject();
        }
    });
    closer.start(5);
    QTimer::singleShot(0, [&] { several->start(); });
    EXPECT_EQ(runProgramLoop(), 0);
    EXPECT_TRUE(closedWhileWriting);
    EXPECT_FALSE(h.window->isVisible());
    QFile saved(h.dir.path("radio.img"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().left(kWrittenBytes),
              test::RadioHarness::radioImageOf(h.ctx.doc).left(kWrittenBytes));
}

// A write asked for but not begun when the window closes sends nothing.
TEST(ExitDuringLink, AWriteNotYetBegunIsDropped) {
    test::RadioHarness h;
    test::SimRadioProcess sim({"--save", h.dir.path("radio.img")});
    h.ctx.settings.comPortName = sim.device();
    h.window->show();
    quitOnClose(*h.window);
    QTimer::singleShot(0, [&] {
        h.radio().write();
        h.window->close();
    });
    EXPECT_EQ(runProgramLoop(3000), 0);
    EXPECT_TRUE(h.prompter.shown.isEmpty());
    EXPECT_FALSE(QFile::exists(h.dir.path("radio.img")));
}

} // namespace
} // namespace r5k27

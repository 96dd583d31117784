// Writes from the program against virtual radios, kept in a history in the scratch folder: the
// rows and images a group write and a several-cable write leave, and a radio's previous memory
// kept by a read before writing and written back from the History window byte for byte.
#include "app/link/RadioHarness.h"
#include "history/HistoryQuery.h"
#include "link/SeveralRadiosWindow.h"
#include "platform/ProfileFile.h"
#include "radio/HistoryRecorder.h"
#include "radiohistory/HistoryFeature.h"
#include "startup/StartupSettings.h"
#include "support/VirtualRadio.h"

#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace r5k27 {
namespace {

struct Recorder {
    HistoryRecorder recorder{nullptr, [] { return QStringLiteral("shop.dat"); }};
};

// The radio commands with the history recorder listening, as the program wires them.
struct HistoryWrites : Recorder, test::RadioHarness {
    HistoryWrites()
        : RadioHarness(&recorder) {
        history = std::make_unique<HistoryFeature>(
            ctx, *window, prompter, *feature,
            HistoryFeatureOptions{dir.path("data/history.sqlite"), dir.path("backups")});
        recorder.setLog(&history->log());
    }

    // Oldest first, each with its image.
    QList<std::pair<HistoryRow, QByteArray>> operations() {
        QList<std::pair<HistoryRow, QByteArray>> all;
        QSqlQuery query = historyQuery(history->database().connection(), {});
        while (query.next()) {
            const HistoryRow row = historyRow(query);
            all.prepend(
                {row,
                 operationImage(history->database().connection(), row.id).value_or(QByteArray())});
        }
        return all;
    }
    int storedImages() {
        QSqlQuery query(history->database().connection());
        return query.exec("SELECT COUNT(*) FROM images") && query.next() ? query.value(0).toInt()
                                                                         : -1;
    }

    // A radio holding the document with a microphone level of its own.
    QByteArray radioHolding(int micGain) const {
        QByteArray image = radioImageOf(ctx.doc);
        image[kMicGainAddr] = char(micGain);
        return image;
    }

    static constexpr int kMicGainAddr = 0x3F0E;
    std::unique_ptr<HistoryFeature> history;
};

struct Radios {
    Radios(HistoryWrites& h, int count) {
        for (int i = 0; i < count; ++i) {
            held << h.radioHolding(20 + i);
            const QString file = h.dir.write(QString("held%1.img").arg(i), held.last());
            sims.push_back(std::make_unique<test::SimRadioProcess>(
                QStringList{"--image", file, "--save", h.dir.path(QString("radio%1.img").arg(i))}));
        }
    }
    QList<QByteArray> held;
    std::vector<std::unique_ptr<test::SimRadioProcess>> sims;
};

// One cable; each radio is swapped for the next once written.
void groupWriteOfThree(HistoryWrites& h, Radios& radios) {
    test::RadioSocket socket;
    ASSERT_TRUE(socket.attach(radios.sims[0]->device()));
    h.ctx.settings.comPortName = socket.device();
    h.groupSize.answers = {3};
    int attached = 0;
    int done = 0;
    QTimer swap;
    QObject::connect(&swap, &QTimer::timeout, [&] {
        const int radiosDone = h.radio().link().engine.group().radiosDone();
        if (radiosDone > done && radiosDone < 3) {
            done = radiosDone;
            socket.detach();
            QTimer::singleShot(1500, [&] { socket.attach(radios.sims[++attached]->device()); });
        }
    });
    swap.start(50);
    h.radio().groupWrite();
}

void severalCableWriteOfThree(HistoryWrites& h, Radios& radios) {
    for (const auto& sim : radios.sims) {
        SerialPortEntry entry;
        entry.name = entry.device = sim->device();
        h.ports.append(entry);
    }
    std::unique_ptr<SeveralRadiosWindow> window(h.feature->severalRadios().open());
    ASSERT_TRUE(window);
    for (const auto& sim : radios.sims)
        window->tick(sim->device());
    window->start();
    ASSERT_TRUE(test::RadioHarness::waitUntil([&] { return !window->write().isRunning(); }));
}

TEST(HistoryWrites, GroupAndSeveralCableWritesOfThreeLeaveTheirRowsAndImages) {
    using K = OperationKind;
    struct Case {
        const char* name;
        bool group;
        bool readFirst;
        QList<OperationKind> kinds;
    };
    const Case cases[] = {
        {"group, each radio read first",
         true,
         true,
         {K::ReadBeforeWrite, K::ReadBeforeWrite, K::ReadBeforeWrite, K::GroupWrite}},
        {"several cables", false, false, {K::SeveralWrite, K::SeveralWrite, K::SeveralWrite}},
        {"several cables, each read first",
         false,
         true,
         {K::ReadBeforeWrite, K::ReadBeforeWrite, K::ReadBeforeWrite, K::SeveralWrite,
          K::SeveralWrite, K::SeveralWrite}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryWrites h;
        h.ctx.settings.readBeforeGroupWriting = c.readFirst;
        Radios radios(h, 3);
        if (c.group)
            groupWriteOfThree(h, radios);
        else
            severalCableWriteOfThree(h, radios);
        EXPECT_FALSE(h.timedOut);

        const QByteArray sent = test::RadioHarness::radioImageOf(h.ctx.doc);
        auto rows = h.operations();
        // Cables run at once, so their rows come in any order: the reads first.
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return (a.first.kind == K::ReadBeforeWrite) > (b.first.kind == K::ReadBeforeWrite);
        });
        ASSERT_EQ(rows.size(), c.kinds.size()) << h.prompter.texts().join('|').toStdString();
        QList<QByteArray> priors;
        for (int i = 0; i < rows.size(); ++i) {
            const auto& [row, image] = rows[i];
            EXPECT_EQ(row.kind, c.kinds[i]);
            EXPECT_EQ(row.outcome, Outcome::Done) << row.message.toStdString();
            EXPECT_EQ(row.document, "shop.dat");
            if (row.kind == K::ReadBeforeWrite) {
                priors << image;
            } else {
                EXPECT_EQ(image, sent);
            }
        }
        if (c.group) {
            EXPECT_EQ(rows.last().first.radio, 3);
        }
        std::sort(priors.begin(), priors.end());
        EXPECT_EQ(priors, c.readFirst ? radios.held : QList<QByteArray>{});
        // Each image once: the one sent, and every radio's own.
        EXPECT_EQ(h.storedImages(), 1 + int(priors.size()));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(h.dir.read(QString("radio%1.img").arg(i)).left(kWriteEndAddr + 1),
                      sent.left(kWriteEndAddr + 1));
    }
}

// The radio held a value out of range: a document made from it would write another byte, so
// only the stored memory written as it is gives the radio back.
TEST(HistoryWrites, TheMemoryKeptBeforeAWriteIsWrittenBackByteForByte) {
    HistoryWrites h;
    ASSERT_TRUE(h.ctx.settings.readBeforeWriting);
    const QByteArray held = h.radioHolding(0xEE);
    test::SimRadioProcess sim(
        {"--image", h.dir.write("held.img", held), "--save", h.dir.path("radio.img")});
    h.ctx.settings.comPortName = sim.device();
    h.radio().write();
    ASSERT_TRUE(test::RadioHarness::waitUntil([&] { return !h.radio().isBusy(); }));
    ASSERT_NE(h.dir.read("radio.img"), held);
    auto rows = h.operations();
    ASSERT_EQ(rows.size(), 2) << h.prompter.texts().join('|').toStdString();
    EXPECT_EQ(rows[0].first.kind, OperationKind::ReadBeforeWrite);
    EXPECT_EQ(rows[0].second, held);
    EXPECT_EQ(rows[1].first.kind, OperationKind::Write);

    h.window->findChild<QAction*>("mnuRadioHistory")->trigger();
    auto* w = test::openChild<HistoryWindow>(*h.window, ChildKind::History);
    ASSERT_TRUE(w);
    w->window()->resize(900, 500);
    QTableView* table = w->table();
    // Newest first: the read before the write is the second row.
    const QRect cell = table->visualRect(w->model()->index(1, int(HistoryColumn::Kind)));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    h.prompter.shown.clear();
    QTest::mouseClick(w->findChild<QPushButton*>("cmdWriteToRadio"), Qt::LeftButton);
    ASSERT_TRUE(test::RadioHarness::waitUntil([&] { return !h.radio().isBusy(); }));

    EXPECT_EQ(h.prompter.texts(), QStringList({"Write data to radio.\r\nDo you wish continue?",
                                               "Write Data Completed."}));
    EXPECT_EQ(h.dir.read("radio.img"), held);
    rows = h.operations();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[3].first.kind, OperationKind::Write);
    EXPECT_EQ(rows[3].second, held);
}

// Each Setup switch flips its setting and is kept in the settings file.
TEST(HistoryWrites, TheReadFirstSwitchesAreKeptInTheSettingsFile) {
    const std::pair<const char*, bool AppSettings::*> items[] = {
        {"mnuReadBeforeWriting", &AppSettings::readBeforeWriting},
        {"mnuReadBeforeGroupWriting", &AppSettings::readBeforeGroupWriting},
    };
    for (const auto& [name, member] : items) {
        SCOPED_TRACE(name);
        HistoryWrites h;
        const bool before = h.ctx.settings.*member;
        auto* item = h.window->findChild<QAction*>(name);
        ASSERT_TRUE(item);
        EXPECT_EQ(item->isChecked(), before);
        item->trigger();
        EXPECT_EQ(h.ctx.settings.*member, !before);
        AppSettings loaded;
        MemoryImage image;
        loadStartupSettings(ProfileFile(h.ctx.settingsFile), loaded, image);
        EXPECT_EQ(loaded.*member, !before);
    }
}

} // namespace
} // namespace r5k27

#include "app/link/RadioHarness.h"
#include "core/document/DataFile.h"
#include "link/CompareWindow.h"
#include "support/ChildProcess.h"
#include "radiohistory/HistoryFeature.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// The main window with its radio commands and a history in the scratch folder holding three
// operations: a read of a radio whose DTMF code 5 is "55", a write of the document as it is,
// and a failed read that brought no image.
struct HistoryHarness : test::RadioHarness {
    HistoryHarness() {
        history = std::make_unique<HistoryFeature>(
            ctx, *window, prompter, *feature,
            HistoryFeatureOptions{dir.path("data/history.sqlite"), dir.path("backups")});
        const Document plain = ctx.doc;
        ctx.model.setDtmfCode(5, "55", {"edit", "edit"}, {});
        radio = ctx.doc;
        ctx.doc = plain;
        record(OperationKind::Read, Outcome::Done, radioImageOf(radio), "/dev/ttyUSB0", "");
        record(OperationKind::Write, Outcome::Done, radioImageOf(ctx.doc), "/dev/ttyUSB1",
               "/home/shop/taxi.dat");
        record(OperationKind::Read, Outcome::Failed, {}, "/dev/ttyUSB0", "");
    }

    void record(OperationKind kind, Outcome outcome, const QByteArray& image, const QString& port,
                const QString& document) {
        const OperationTicket t =
            history->log().begin({.kind = kind, .port = port, .document = document});
        ASSERT_TRUE(history->log().end(t, {.outcome = outcome, .image = image}));
    }

    HistoryWindow* open() {
        ctx.settings.appliedLanguage = ctx.settings.language;
        window->changeLanguage();
        window->findChild<QAction*>("mnuRadioHistory")->trigger();
        return test::openChild<HistoryWindow>(*window, ChildKind::History);
    }

    // A real click on a row of the table, then on a button of the window.
    static void clickRowThen(HistoryWindow& w, int row, const char* button) {
        QTableView* table = w.table();
        const QRect cell = table->visualRect(w.model()->index(row, int(HistoryColumn::Kind)));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);
    }

    bool documentIsRadio() const {
        return documentDifferences(ctx.doc.curImage, ctx.doc.chTable, radio.curImage, radio.chTable,
                                   Language::English)
            .isEmpty();
    }

    Document radio;
    std::unique_ptr<HistoryFeature> history;
};

TEST(HistoryWindow, AnEntryOpensAsAnUntitledDocument) {
    HistoryHarness h;
    HistoryWindow* w = h.open();
    ASSERT_TRUE(w);
    w->window()->resize(900, 500);
    ASSERT_EQ(w->model()->rowCount(), 3);
    EXPECT_FALSE(w->findChild<QPushButton*>("cmdOpenAsDocument")->isEnabled());

    // The failed read (newest) has nothing to open; the document stays.
    HistoryHarness::clickRowThen(*w, 0, "cmdOpenAsDocument");
    EXPECT_EQ(h.prompter.texts().join('|'), "This entry holds no radio image.");
    EXPECT_FALSE(h.documentIsRadio());

    HistoryHarness::clickRowThen(*w, 2, "cmdOpenAsDocument");
    EXPECT_TRUE(h.documentIsRadio());
    EXPECT_EQ(h.ctx.doc.docPath, kUntitledDocPath);
    EXPECT_TRUE(h.ctx.doc.docUntitled);
    EXPECT_TRUE(h.window->windowTitle().contains(kUntitledDocPath));
}

TEST(HistoryWindow, AnEntryComparesWithTheOpenDocument) {
    HistoryHarness h;
    HistoryWindow* w = h.open();
    ASSERT_TRUE(w);
    w->window()->resize(900, 500);
    HistoryHarness::clickRowThen(*w, 2, "cmdCompare");
    auto* compare = h.window->findChild<CompareWindow*>();
    ASSERT_TRUE(compare);
    QTableWidget* table = compare->table();
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 0)->text(), "DTMF 5");
    EXPECT_EQ(table->item(0, 2)->text(), "55"); // the entry's side
    compare->close();

    // The write held what the document holds: nothing differs.
    HistoryHarness::clickRowThen(*w, 1, "cmdCompare");
    compare = h.window->findChildren<CompareWindow*>().last();
    EXPECT_EQ(compare->table()->rowCount(), 0);
}

TEST(HistoryWindow, FiltersWorkInBothLanguages) {
    for (const Language lang : kLanguages) {
        HistoryHarness h;
        h.ctx.settings.language = lang;
        HistoryWindow* w = h.open();
        ASSERT_TRUE(w);
        auto* outcome = w->findChild<QComboBox*>("cboOutcome");
        auto* kind = w->findChild<QComboBox*>("cboKind");
        const int failed = outcome->findText(outcomeText(Outcome::Failed, lang));
        ASSERT_GT(failed, 0) << int(lang);
        outcome->setCurrentIndex(failed);
        ASSERT_EQ(w->model()->rowCount(), 1);
        EXPECT_EQ(w->model()->index(0, int(HistoryColumn::Kind)).data().toString(),
                  kindText(OperationKind::Read, 0, lang));
        outcome->setCurrentIndex(0);
        kind->setCurrentIndex(kind->findText(kindText(OperationKind::Read, 0, lang)));
        EXPECT_EQ(w->model()->rowCount(), 2);
        w->findChild<QLineEdit*>("txtPort")->setText("/dev/ttyUSB1");
        EXPECT_EQ(w->model()->rowCount(), 0);
        kind->setCurrentIndex(0);
        EXPECT_EQ(w->model()->rowCount(), 1);
        w->findChild<QLineEdit*>("txtPort")->clear();
        QTest::keyClicks(w->findChild<QLineEdit*>("txtFileName"), "TAXI");
        ASSERT_EQ(w->model()->rowCount(), 1);
        EXPECT_EQ(w->model()->index(0, int(HistoryColumn::Document)).data().toString(),
                  "/home/shop/taxi.dat");
    }
}

TEST(HistoryWindow, ExportWritesTheRowsTheFiltersLetThrough) {
    HistoryHarness h;
    HistoryWindow* w = h.open();
    ASSERT_TRUE(w);
    auto* kind = w->findChild<QComboBox*>("cboKind");
    kind->setCurrentIndex(kind->findText("Read"));
    h.dialogs.saveAnswers << h.dir.path("out.csv");
    QTest::mouseClick(w->findChild<QPushButton*>("cmdExport"), Qt::LeftButton);
    const QList<QByteArray> lines = test::fileBytes(h.dir.path("out.csv")).split('\n');
    ASSERT_EQ(lines.size(), 4); // header, two reads, the empty end
    EXPECT_TRUE(lines[0].startsWith("id,started,ended,kind"));
    EXPECT_TRUE(lines[1].contains(",read,") && lines[1].contains(",failed,"));
    EXPECT_TRUE(lines[2].contains(",done,"));
    EXPECT_EQ(h.prompter.texts().last(),
              QString("2 operations exported to %1.").arg(h.dir.path("out.csv")));
}

} // namespace
} // namespace r5k27

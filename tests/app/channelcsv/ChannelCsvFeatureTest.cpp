#include "channelcsv/ChannelCsvFeature.h"

#include "app/mainwindow/MainWindowHarness.h"
#include "core/channels/ChannelTable.h"
#include "core/common/CsvText.h"
#include "core/document/ChannelCsv.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFileLayout.h"
#include "core/document/InitialValues.h"
#include "support/ChildProcess.h"

#include <QAction>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace r5k27 {
namespace {

class ChannelCsvFeatureTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    ChannelCsvFeatureTest() {
        writeBuiltInDefaults(ctx.doc, ctx.settings, 0, QDate(2026, 1, 5));
        window = makeWindow();
        feature = std::make_unique<ChannelCsvFeature>(ctx, *window, dialogs, prompter);
    }
    QByteArray bytes() const {
        return serializeImage(ctx.doc.curImage) +
               serializeChannelFile(ctx.doc.curImage, ctx.doc.chTable);
    }

    QString status() const { return window->findChild<QLabel*>("sbStatusBar_Panel1")->text(); }

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ChannelCsvFeature> feature;
};

TEST_F(ChannelCsvFeatureTest, ImportIsOneUndoableStepAndShowsTheRowsItLeftOutOrChanged) {
    ctx.doc.curImage.optFeat.modeEnable[1] = 0; // AM
    window->history().reset();
    const QByteArray before = bytes();
    int reloads = 0;
    QObject::connect(&ctx.events, &DocumentEvents::changed, [&](const DocumentChange& change) {
        reloads += change.kind == DocumentChange::Kind::Whole ? 1 : 0;
    });
    dialogs.openAnswers << dir.write("in.csv", "Location,Frequency,Mode\n5,27.0,AM\n6,40.0,FM\n");
    window->findChild<QAction*>("mnuImportChannels")->trigger();

    EXPECT_EQ(reloads, 1);
    EXPECT_NE(findChannel(ctx.doc.curImage, ctx.doc.chTable, {0, 1, 5}), 0);
    EXPECT_EQ(findChannel(ctx.doc.curImage, ctx.doc.chTable, {0, 1, 1}), 0);
    EXPECT_EQ(window->history().undoName().in(Language::English), "Import channels");
    auto* report = window->findChild<QDialog*>("ImportReport");
    ASSERT_NE(report, nullptr);
    const auto* table = report->findChild<QTableWidget*>("Problems");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 0)->text(), "3");
    EXPECT_EQ(table->item(0, 1)->text(), "40.0");
    EXPECT_EQ(table->item(1, 0)->text(), "2"); // the AM row, taken as FM
    EXPECT_EQ(table->item(1, 2)->text(), "taken as FM: AM is switched off");
    EXPECT_EQ(status(), "1 channels imported from in.csv, 1 of them changed");
    report->close();

    window->undo();
    EXPECT_TRUE(bytes() == before);
    EXPECT_EQ(reloads, 2);

    // Nothing taken: nothing changes and no step is made.
    feature->importFrom(dir.write("bad.csv", "Location,Frequency\n5,99\n"));
    EXPECT_TRUE(bytes() == before);
    EXPECT_FALSE(window->history().canUndo());
    feature->importFrom(dir.path("missing.csv"));
    EXPECT_EQ(prompter.texts().last(), "file error.");
}

// A FIFO is refused without waiting for a writer; a file far beyond any channel list is refused
// with the reason.
TEST_F(ChannelCsvFeatureTest, ImportRefusesFifosAndHugeFiles) {
    const QString fifo = dir.path("fifo.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString report = test::runInChild([&]() -> QString {
        ::alarm(20);
        feature->importFrom(fifo);
        return prompter.texts().join(u'|');
    });
    EXPECT_EQ(report, "file error.");

    const QByteArray before = bytes();
    feature->importFrom(
        dir.write("many.csv", "Location,Frequency\n" + QByteArray("5,27.0\n").repeated(100'001)));
    EXPECT_EQ(prompter.texts().last(), kCsvTooLarge.in(Language::English));
    EXPECT_TRUE(bytes() == before);
}

TEST_F(ChannelCsvFeatureTest, ExportWritesTheChannelListWhereTheUserChose) {
    dialogs.saveAnswers << dir.path("out.csv");
    window->findChild<QAction*>("mnuExportChannels")->trigger();
    EXPECT_EQ(dialogs.savePresets, QStringList{"new.csv"});
    EXPECT_TRUE(dir.read("out.csv") == channelsToCsv(ctx.doc.curImage, ctx.doc.chTable));
    EXPECT_EQ(dialogs.titles, QStringList{"Export Channels"});
    EXPECT_EQ(
        status(),
        QStringLiteral("%1 channels exported to out.csv").arg(dir.read("out.csv").count('\n') - 1));
    dialogs.saveAnswers << dir.path("no/such/folder/out.csv");
    feature->exportChannels();
    // The program's message, then which file and why.
    EXPECT_EQ(prompter.texts(), QStringList{"file error.\n" + dir.path("no/such/folder/out.csv") +
                                            ": No such file or directory"});
}

} // namespace
} // namespace r5k27

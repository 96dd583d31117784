#include "print/ChannelCard.h"

#include "app/mainwindow/MainWindowHarness.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/FrequencyCodec.h"
#include "core/document/InitialValues.h"
#include "print/PrintFeature.h"
#include "print/PrintTexts.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

QString runTool(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString() << " (poppler-utils)";
    EXPECT_EQ(process.exitCode(), 0) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf) {
    const auto match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(runTool("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

class ChannelCardTest : public ::testing::Test, protected test::MainWindowHarness {
protected:
    ChannelCardTest() {
        writeBuiltInDefaults(ctx.doc, ctx.settings, 0, QDate(2026, 1, 5));
        for (int mode = 0; mode < kModeCount; ++mode)
            for (int group = 1; group <= kGroupCount; ++group)
                for (int chNo = 2; chNo <= kOrdinaryChannels; ++chNo)
                    addChannel(ctx.doc.curImage, ctx.doc.chTable, {mode, group, chNo},
                               QStringLiteral("%1.%2").arg(26 + mode).arg(group * 1000 + chNo * 10,
                                                                          4, 10, QChar(u'0')));
    }
    QString writePdf(const QPageSize& size, const QString& name,
                     Language lang = Language::English) {
        return dir.write(
            name, channelCardPdf(channelCardPages(ctx.doc, ctx.settings, lang, QDate(2026, 3, 1)),
                                 lang, size));
    }
};

TEST_F(ChannelCardTest, AFullDocumentGetsAPagePerGroupOnA4AndLetterWithEveryFrequency) {
    QStringList frequencies;
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int slot = 1; slot <= usedSlots(ctx.doc.curImage, mode, group); ++slot) {
                const ChannelRec& rec = ctx.doc.chTable.at({mode, group, slot});
                if (rec.chNo <= kOrdinaryChannels || group == 1)
                    frequencies << storedToExactMhz(rec.rxFreq.clean());
            }
    ASSERT_EQ(frequencies.size(), 2 * (10 * 40 + 6));

    // 20 full groups a page each, the "MEM" channels after the last of a work mode, the options.
    for (const auto& [size, name] : {std::pair{QPageSize(QPageSize::A4), "a4.pdf"},
                                     {QPageSize(QPageSize::Letter), "letter.pdf"}}) {
        const QString pdf = writePdf(size, name);
        EXPECT_EQ(pageCount(pdf), 21) << name;
        const QString text = runTool("pdftotext", {"-layout", pdf, "-"});
        for (const QString& f : frequencies)
            ASSERT_TRUE(text.contains(f)) << f.toStdString() << " missing in " << name;
        EXPECT_TRUE(text.contains("BRELLOCK R5K27 [25.6150 - 30.1050 MHz]"));
        EXPECT_TRUE(text.contains("Date: 2026-03-01"));
        EXPECT_TRUE(text.contains("Page 21 of 21"));
    }

    ctx.doc.curImage.optFeat.groupValid(1, 4) = 0; // a group switched off is not printed
    const QString chinese = writePdf(QPageSize(QPageSize::A4), "zh.pdf", Language::Chinese);
    EXPECT_EQ(pageCount(chinese), 20);
    const QString text = runTool("pdftotext", {chinese, "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("频率 (MHz)")));
}

TEST_F(ChannelCardTest, SmallGroupsShareASheet) {
    // One channel in each group of both work modes, and the "MEM" channels.
    writeBuiltInDefaults(ctx.doc, ctx.settings, 0, QDate(2026, 1, 5));
    for (const auto& [size, name] : {std::pair{QPageSize(QPageSize::A4), "a4.pdf"},
                                     {QPageSize(QPageSize::Letter), "letter.pdf"}}) {
        const QString pdf = writePdf(size, name);
        EXPECT_LE(pageCount(pdf), 3) << name;
        const QString text = runTool("pdftotext", {"-layout", pdf, "-"});
        EXPECT_TRUE(text.contains("Group J")) << name;
        EXPECT_TRUE(text.contains("Steps [Hz/ms]")) << name;
    }
}

TEST_F(ChannelCardTest, TheOptionsPageUsesTheOptionsWindowsCaptionsInTheLanguage) {
    ctx.doc.curImage.optFeat.pubHiCut = 1;
    auto rowsOf = [&](Language lang) {
        QMap<QString, QMap<QString, QString>> rows; // section, caption: value
        const QList<CardPage> pages =
            channelCardPages(ctx.doc, ctx.settings, lang, QDate(2026, 3, 1));
        for (const CardSection& section : pages.last().sections)
            for (const QStringList& row : section.rows) {
                if (!section.columns.isEmpty()) // a table: its first cell names the row
                    rows[section.heading][row.value(0)] = row.mid(1).join(u' ');
                else // caption and value pairs
                    for (qsizetype i = 0; i < row.size(); i += 2)
                        rows[section.heading][row[i]] = row.value(i + 1);
            }
        return rows;
    };
    const auto english = rowsOf(Language::English);
    EXPECT_EQ(english.keys(), QStringList({"DTMF", "DTMF codes", "Mode Enable", "Options", "Public",
                                           "RSSI", "Roger Beep"}));
    EXPECT_EQ(english["RSSI"]["FM/AM RSSI"], "1 4 11 15 25 36");
    EXPECT_EQ(english["DTMF"].size(), 6);
    EXPECT_TRUE(english["DTMF"].contains("DTMF Send Time[ms]"));
    EXPECT_EQ(english["Roger Beep"].size(), 8);
    EXPECT_EQ(english["Public"]["HI-CUT"], "ON");
    EXPECT_EQ(english["Options"]["Battery Voltage Protect Max[V]"], "16.8");
    EXPECT_EQ(english["Options"]["SWR Protect Max"], "16.0");
    EXPECT_EQ(english["Mode Enable"].size(), 5);
    const auto chinese = rowsOf(Language::Chinese);
    EXPECT_EQ(chinese[QStringLiteral("公共信道设置")]["HI-CUT"], QStringLiteral("开"));
    EXPECT_TRUE(chinese[QStringLiteral("可选功能")].contains(QStringLiteral("背光灯颜色")));
    for (const auto& section : english)
        for (const QString& caption : section.keys())
            EXPECT_FALSE(caption.contains("Pub") || caption.contains("Enable("))
                << caption.toStdString();
}

// Values whose column or caption names no unit carry it: a CTCSS tone, the transmit offset.
TEST_F(ChannelCardTest, PrintedValuesCarryTheirUnit) {
    const int slot = findChannel(ctx.doc.curImage, ctx.doc.chTable, {0, 1, 2});
    ASSERT_GT(slot, 0);
    ctx.doc.chTable.at({0, 1, slot}).decodeTone = 1;
    const QList<CardPage> pages = channelCardPages(ctx.doc, ctx.settings, Language::English, {});
    const CardSection& groupA = pages.first().sections.first();
    ASSERT_EQ(groupA.columns.value(3), "Tone");
    const auto row = std::find_if(groupA.rows.begin(), groupA.rows.end(),
                                  [](const QStringList& r) { return r.value(0) == "2"; });
    ASSERT_NE(row, groupA.rows.end());
    EXPECT_EQ(row->value(3), "67.0 Hz");
    QStringList options;
    for (const QStringList& pairs : pages.last().sections.first().rows)
        options += pairs;
    EXPECT_EQ(options.value(options.indexOf("Tx Offset") + 1), "0.0100 MHz");
}

TEST_F(ChannelCardTest, PrintAndExportPdfSitInTheFileMenu) {
    auto window = makeWindow();
    QAction* print = window->findChild<QAction*>("mnuFilePrint");
    EXPECT_FALSE(print->isEnabled());
    PrintFeature feature(ctx, *window, dialogs, prompter);
    EXPECT_TRUE(print->isEnabled());
    EXPECT_EQ(print->shortcut(), QKeySequence(QKeySequence::Print));

    dialogs.saveAnswers << dir.path("card.pdf");
    window->findChild<QAction*>("mnuExportPdf")->trigger();
    EXPECT_EQ(dialogs.savePresets, QStringList{"new.pdf"});
    EXPECT_TRUE(dir.read("card.pdf").startsWith("%PDF"));
    EXPECT_FALSE(feature.writePdf(dir.path("no/folder/card.pdf")));
    // The program's message, then which file and why.
    EXPECT_EQ(prompter.texts(), QStringList{"file error.\n" + dir.path("no/folder/card.pdf") +
                                            ": No such file or directory"});
}

// The count the status line gives is the file's, where groups run on to sheets of their own.
TEST_F(ChannelCardTest, ExportPdfReportsThePagesTheFileHas) {
    auto window = makeWindow();
    PrintFeature feature(ctx, *window, dialogs, prompter);
    for (const Language lang : kLanguages) {
        ctx.settings.language = lang;
        const QString name = QStringLiteral("card%1.pdf").arg(settingOf(lang));
        dialogs.saveAnswers << dir.path(name);
        window->findChild<QAction*>("mnuExportPdf")->trigger();
        const int pages = pageCount(dir.path(name));
        EXPECT_GT(pages, 3);
        const QString status = window->findChild<QLabel*>("sbStatusBar_Panel1")->text();
        EXPECT_EQ(status, PrintTexts::pdfWritten.in(lang).arg(pages).arg(name));
    }
}

} // namespace
} // namespace r5k27

#include "app/mainwindow/MainWindowHarness.h"
#include "channelsheet/ChannelSheetModel.h"
#include "core/channels/ChannelTable.h"
#include "core/document/ChannelCsv.h"
#include "core/document/ChannelDetails.h"
#include "core/document/DocumentDiff.h"
#include "core/document/InitialValues.h"
#include "core/options/OptionCaptions.h"
#include "core/options/OptionText.h"
#include "core/signalling/DtmfReferences.h"
#include "print/ChannelCard.h"

#include <QDate>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

using F = ChannelField;
using O = OptionId;
constexpr Language kEn = Language::English;
constexpr Language kZh = Language::Chinese;

// What a user reads for a stored value of a channel field, written out by hand: in the channel
// window, the channel list and compare (English, Chinese), in the channel list file, and on the
// printed card (its mode, tone and scan columns show the value, the last column names the
// switches that are on). Every row's value is the only one set on channel A1.
struct FieldText {
    F field;
    int value;
    const char* en;
    const char* zh;
    const char* csv;
    const char* card;
};

// clang-format off
const FieldText kFieldTexts[] = {
    {F::HiCut, 0, "OFF", "关", "OFF", ""},         {F::HiCut, 1, "ON", "开", "ON", "HI-CUT"},
    {F::HiCut, 2, "2", "2", "OFF", ""},
    {F::NbAnl, 1, "ON", "开", "ON", "NB/ANL"},      {F::Echo, 1, "ON", "开", "ON", "ECHO"},
    {F::Add10K, 1, "ON", "开", "ON", "+10KHz"},     {F::BusyLock, 1, "ON", "开", "ON", "BUSY"},
    {F::BusyLock, 0, "OFF", "关", "OFF", ""},        {F::PublicCh, 1, "ON", "开", "ON", "Public"},
    {F::RepShift, 0, "OFF", "关", "", ""},           {F::RepShift, 1, "+", "+", "+", "REP+"},
    {F::RepShift, 2, "-", "-", "-", "REP-"},         {F::RepShift, 3, "3", "3", "", ""},
    {F::ScanAdd, 0, "Del", "删除", "S", "Del"},      {F::ScanAdd, 1, "Add", "添加", "", "Add"},
    {F::ScanAdd, 2, "2", "2", "", "2"},
    {F::Mode, 0, "FM", "FM", "FM", "FM"},            {F::Mode, 1, "AM", "AM", "AM", "AM"},
    {F::Mode, 2, "USB", "USB", "USB", "USB"},        {F::Mode, 3, "LSB", "LSB", "LSB", "LSB"},
    {F::Mode, 4, "PA", "PA", "PA", "PA"},            {F::Mode, 5, "5", "5", "FM", "5"},
    {F::DecodeTone, 0, "Off", "关", "", "Off"},
    {F::DecodeTone, 1, "C_001(67.0Hz)", "C_001(67.0Hz)", "TSQL 67.0", "67.0 Hz"},
    {F::DecodeTone, 8, "C_008(88.5Hz)", "C_008(88.5Hz)", "TSQL 88.5", "88.5 Hz"},
    {F::DecodeTone, 38, "C_038(250.3Hz)", "C_038(250.3Hz)", "TSQL 250.3", "250.3 Hz"},
    {F::DecodeTone, 39, "D_001(023N)", "D_001(023N)", "DTCS 023", "D023N"},
    {F::DecodeTone, 142, "D_104(754N)", "D_104(754N)", "DTCS 754", "D754N"},
    {F::DecodeTone, 143, "143", "143", "", "143"},
    {F::RogerTone, 0, "OFF", "关", "OFF", ""},      {F::RogerTone, 1, "1", "1", "1", "Roger 1"},
    {F::RogerTone, 9, "9", "9", "OFF", "Roger 9"},
    {F::BotCode, 0, "OFF", "关", "OFF", ""},        {F::BotCode, 2, "2", "2", "2", "BOT 2"},
    {F::BotCode, 3, "3", "3", "3", "BOT 3"},         {F::EotCode, 1, "1", "1", "1", "EOT 1"},
    {F::CallCode, 16, "16", "16", "16", "Call 16"},  {F::CallCode, 17, "17", "17", "OFF", "Call 17"},
};
// clang-format on

// A CB document whose channel A1 holds 27.0150 with every shown field off, codes 1, 2 and 16.
struct Sample {
    Sample() {
        writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 5));
        for (int n : {1, 2, 16})
            storeDtmfCode(doc.curImage, n, QStringLiteral("12"));
        enterFrequency(doc.curImage, doc.chTable, {0, 1, 1}, Frequency::parse(u"27.015"));
        for (const ChannelFieldInfo& f : channelFields())
            if (f.number && f.choice != ChannelChoice::None)
                a1().*f.number = 0;
        a1().scanAdd = 1;
    }
    ChannelRec& a1() {
        return doc.chTable.at({0, 1, findChannel(doc.curImage, doc.chTable, {0, 1, 1})});
    }

    Document doc;
    AppSettings settings;
    DocumentEvents events;
    DocumentModel model{doc, events};
};

QString csvCell(const Document& doc, const char* column) {
    const QList<QByteArray> lines = channelsToCsv(doc.curImage, doc.chTable).split('\n');
    const int at =
        int(QString::fromUtf8(lines[0]).trimmed().split(u',').indexOf(QLatin1String(column)));
    for (const QByteArray& line : lines)
        if (line.startsWith("1,"))
            return QString::fromUtf8(line).trimmed().split(u',').value(at);
    return QStringLiteral("no row");
}

QString cardCell(const Document& doc, const AppSettings& settings, Language lang, int column) {
    const QList<CardPage> pages = channelCardPages(doc, settings, lang, QDate(2026, 1, 5));
    for (const CardSection& section : pages.first().sections)
        for (const QStringList& row : section.rows)
            if (row.value(0) == u"1")
                return row.value(column);
    return QStringLiteral("no row");
}

QString csvText(const Document& doc, F field) {
    switch (field) {
    case F::RepShift:
        return csvCell(doc, "Duplex");
    case F::ScanAdd:
        return csvCell(doc, "Skip");
    case F::Mode:
        return csvCell(doc, "R5K27Mode");
    case F::DecodeTone: {
        const QString kind = csvCell(doc, "Tone");
        return kind == u"TSQL"   ? kind + u' ' + csvCell(doc, "cToneFreq")
               : kind == u"DTCS" ? kind + u' ' + csvCell(doc, "DtcsCode")
                                 : kind;
    }
    default:
        return csvCell(doc, channelFieldInfo(field).csvColumn);
    }
}

int cardColumn(F field) {
    return field == F::Mode ? 2 : field == F::DecodeTone ? 3 : field == F::ScanAdd ? 4 : 5;
}

TEST(FieldTexts, EveryChannelValueReadsTheSameEverywhere) {
    for (const FieldText& row : kFieldTexts) {
        const ChannelFieldInfo& info = channelFieldInfo(row.field);
        SCOPED_TRACE(QStringLiteral("%1 = %2").arg(info.name).arg(row.value).toStdString());
        Sample s;
        const Document before = s.doc;
        const int base = s.a1().*info.number;
        s.a1().*info.number = std::int16_t(row.value);
        ChannelSheetModel sheet(s.model, kEn);
        sheet.showRows(1, true);
        int column = 0;
        while (column < sheet.columnCount() && sheet.fieldOf(column) != row.field)
            ++column;
        for (const Language lang : {kEn, kZh}) {
            const QString expected = QString::fromUtf8(lang == kEn ? row.en : row.zh);
            const DetailChoices window =
                detailChoices(detailIndexOf(row.field), s.a1(), s.doc.curImage, lang, false);
            EXPECT_EQ(window.entries.value(window.shown), expected) << "channel window";
            ChannelSheetModel list(s.model, lang);
            list.showRows(1, true);
            EXPECT_EQ(
                list.data(list.index(list.rowOf({0, 1, 1}), column), Qt::DisplayRole).toString(),
                expected)
                << "channel list";
            const auto diffs = documentDifferences(before.curImage, before.chTable, s.doc.curImage,
                                                   s.doc.chTable, lang);
            ASSERT_EQ(diffs.size(), row.value == base ? 0 : 1) << "compare";
            if (!diffs.isEmpty()) {
                EXPECT_EQ(diffs[0].right, expected) << "compare";
            }
        }
        EXPECT_EQ(csvText(s.doc, row.field), QString::fromUtf8(row.csv)) << "channel list file";
        QString card = cardCell(s.doc, s.settings, kEn, cardColumn(row.field));
        EXPECT_EQ(card, QString::fromUtf8(row.card)) << "printed card";
        if (row.field == F::ScanAdd && row.value <= 1) {
            EXPECT_EQ(cardCell(s.doc, s.settings, kZh, 4), QString::fromUtf8(row.zh))
                << "printed card in Chinese";
        }
    }
}

// What an option shows for a stored value, in English and Chinese: the options window, the
// printed card and compare all read it.
struct OptionTextRow {
    O id;
    int value;
    const char* en;
    const char* zh;
};

// clang-format off
const OptionTextRow kOptionTexts[] = {
    {O::OptWorkMode, 0, "CB", "CB"}, {O::OptWorkMode, 1, "HF", "HF"}, {O::OptWorkMode, 2, "CB", "CB"},
    {O::ChannelMode, 0, "CH", "CH"}, {O::ChannelMode, 1, "MEM", "MEM"}, {O::ChannelMode, -1, "CH", "CH"},
    {O::PubHiCut, 0, "OFF", "关"}, {O::PubHiCut, 1, "ON", "开"}, {O::PubHiCut, 2, "OFF", "关"},
    {O::PubNbAnl, 0, "OFF", "关"}, {O::PubNbAnl, 1, "ON", "开"}, {O::PubNbAnl, 5, "OFF", "关"},
    {O::PubEcho, 1, "ON", "开"}, {O::PubAdd10K, 1, "ON", "开"}, {O::PubBusy, 1, "ON", "开"},
    {O::TxDisplay, 0, "Tx Frequency Display", "发射频率显示"}, {O::TxDisplay, 1, "SWR LCD Display", "SWR驻波LCD显示"},
    {O::TxDisplay, 2, "TOT Remain Time Display", "TOT剩余时间显示"}, {O::TxDisplay, 3, "Battery Voltage Display", "电池电压显示"},
    {O::TxDisplay, 4, "Tx Frequency Display", "发射频率显示"},
    {O::ScanMode, 0, "Squelch Scan", "静噪扫描"}, {O::ScanMode, 1, "Time Scan", "时间扫描"}, {O::ScanMode, 2, "Squelch Scan", "静噪扫描"},
    {O::FinTone, 0, "Off", "关"}, {O::FinTone, 1, "R", "R"}, {O::FinTone, 2, "T", "T"}, {O::FinTone, 3, "RT", "RT"},
    {O::FinTone, 4, "Off", "关"},
    {O::BacklightColor, 0, "White", "白"}, {O::BacklightColor, 1, "Blue", "蓝"}, {O::BacklightColor, 2, "Green", "绿"},
    {O::BacklightColor, 3, "Red", "红"}, {O::BacklightColor, 4, "Yellow", "黄"}, {O::BacklightColor, 5, "Purple", "紫"},
    {O::BacklightColor, 6, "Cyan", "青"}, {O::BacklightColor, 7, "White", "白"},
    {O::NoiseGate, 0, "Off", "关"}, {O::NoiseGate, 1, "1", "1"}, {O::NoiseGate, 32, "32", "32"}, {O::NoiseGate, 33, "Off", "关"},
    {O::Tot, 0, "Off", "关"}, {O::Tot, 3, "30s", "30s"}, {O::Tot, 7, "60s", "60s"}, {O::Tot, 9, "90s", "90s"},
    {O::Tot, 60, "600s", "600s"}, {O::Tot, 62, "600s", "600s"}, {O::Tot, 63, "Off", "关"},
    {O::MicLevel, 1, "1", "1"}, {O::MicLevel, 36, "36", "36"}, {O::MicLevel, 37, "1", "1"}, {O::MicLevel, 0, "1", "1"},
    {O::MenuPage, 9, "9", "9"}, {O::MenuPage, 10, "1", "1"}, {O::ExtSelect, 5, "5", "5"}, {O::ExtSelect, 0, "1", "1"},
    {O::ExtSwitch, 0, "Channel", "信道"}, {O::ExtSwitch, 1, "Frequency", "频率"}, {O::ExtSwitch, 2, "Channel", "信道"},
    {O::PubMode, 0, "FM", "FM"}, {O::PubMode, 2, "USB", "USB"}, {O::PubMode, 4, "PA", "PA"}, {O::PubMode, 5, "FM", "FM"},
    {O::PubBotCode, 0, "OFF", "关"}, {O::PubBotCode, 2, "2", "2"}, {O::PubBotCode, 3, "OFF", "关"},
    {O::PubCallCode, 16, "16", "16"}, {O::PubEotCode, 17, "OFF", "关"},
    {O::PubRogerTone, 0, "OFF", "关"}, {O::PubRogerTone, 1, "1", "1"}, {O::PubRogerTone, 9, "OFF", "关"},
    {O::BeepOn, 0, "OFF", "关"}, {O::BeepOn, 1, "ON", "开"}, {O::BeepOn, 2, "ON", "开"},
    {O::MemMenu, 1, "ON", "开"}, {O::MemMenu, 2, "OFF", "关"}, {O::PaEnable, 0, "OFF", "关"},
    {O::BattMin, 97, "9.7", "9.7"}, {O::BattMax, 170, "17.0", "17.0"}, {O::SwrMax, 12, "1.2", "1.2"},
    {O::ReceiveTrim, -1000, "-100.0", "-100.0"}, {O::ExtFreq, 100, "0.0100", "0.0100"},
    {O::ExtFreq, 50000, "5.0000", "5.0000"}, {O::ExtFreq, 1, "0.0001", "0.0001"},
    {O::HiddenRadioSetting, -7, "-7", "-7"}, {O::WorkGroupHF, 12, "12", "12"},
};
// clang-format on

QString captionOf(O id, Language lang) {
    for (const OptionFrame& frame : optionWindowFrames())
        for (const CaptionedOption& option : frame.options)
            if (option.id == id)
                return optionCaption(option, lang);
    return QStringLiteral("not on the card");
}

TEST(FieldTexts, EveryOptionValueReadsTheSameEverywhere) {
    for (const OptionTextRow& row : kOptionTexts) {
        const OptionInfo& info = optionInfo(row.id);
        SCOPED_TRACE(QStringLiteral("%1 = %2").arg(info.name).arg(row.value).toStdString());
        Sample s;
        const Document before = s.doc;
        info.access(s.doc.curImage).set(row.value);
        for (const Language lang : {kEn, kZh}) {
            const QString expected = QString::fromUtf8(lang == kEn ? row.en : row.zh);
            EXPECT_EQ(optionText(s.doc.curImage, row.id, lang), expected) << "options window";
            // Only this value differs, so every difference is its own. Where both values read
            // alike, compare adds what is stored: "OFF (2)".
            const QString stored = QStringLiteral(" (%1)").arg(row.value);
            for (const FieldDifference& diff : documentDifferences(
                     before.curImage, before.chTable, s.doc.curImage, s.doc.chTable, lang))
                EXPECT_TRUE(diff.right == expected || diff.right == expected + stored)
                    << "compare: " << diff.line().toStdString();
            QStringList card;
            const QList<CardPage> pages =
                channelCardPages(s.doc, s.settings, lang, QDate(2026, 1, 5));
            for (const CardSection& section : pages.last().sections)
                for (const QStringList& cells : section.rows)
                    for (qsizetype i = 0; i + 1 < cells.size(); i += 2)
                        if (cells[i] == captionOf(row.id, lang))
                            card << cells[i + 1];
            if (captionOf(row.id, lang) != u"not on the card") {
                EXPECT_FALSE(card.isEmpty()) << "not on the card";
            }
            for (const QString& text : card)
                EXPECT_TRUE(text == expected || text.startsWith(expected + u' '))
                    << "card: " << text.toStdString();
        }
    }
}

} // namespace
} // namespace r5k27

// A list's plain numbers and letters are read on a short road and every other form on the
// general one; both must take a value the same way.
#include "core/channels/ChannelTable.h"
#include "core/common/AppSettings.h"
#include "core/document/ChannelCsv.h"
#include "core/document/Document.h"
#include "core/document/InitialValues.h"

#include <QDate>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

Document startDocument() {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 5));
    return doc;
}

const QString kValueColumns = QStringLiteral("Frequency,Tone,cToneFreq,DtcsCode,Roger,Mode");

// The record a one-row list leaves at CB B7 (or the text of why it was refused); place is the
// row's WorkMode, Group and Channel, or its Location alone.
QString importedRow(const QString& place, const QString& values) {
    Document doc = startDocument();
    const QString placeColumns = place.count(u',') == 2 ? QStringLiteral("WorkMode,Group,Channel")
                                                        : QStringLiteral("Location");
    const QByteArray csv =
        (placeColumns + u',' + kValueColumns + "\r\n" + place + u',' + values + "\r\n").toUtf8();
    const CsvImportResult result = channelsFromCsv(csv, doc.curImage, doc.chTable);
    if (result.taken != 1)
        return result.problems.isEmpty() ? QStringLiteral("nothing taken")
                                         : result.problems.front().reason(Language::English);
    const int slot = findChannel(doc.curImage, doc.chTable, {0, 2, 7});
    if (!slot)
        return QStringLiteral("not at B7");
    const ChannelRec& r = doc.chTable.at({0, 2, slot});
    return QStringLiteral("%1 tone %2 roger %3 mode %4")
        .arg(r.rxFreq.raw())
        .arg(r.decodeTone)
        .arg(r.rogerTone)
        .arg(r.mode);
}

TEST(ChannelCsvForms, EveryWrittenFormOfAValueIsTakenAlike) {
    const QString values = QStringLiteral("27.125,TSQL,88.5,023,OFF,AM");
    const QString expected = importedRow(QStringLiteral("CB,B,7"), values);
    ASSERT_EQ(expected, QStringLiteral("27125000 tone 8 roger 0 mode 1"));
    for (const char* place : {"cb,b,07", "CB, b ,+7", "CB,B,7.0", "Cb,B,007"})
        EXPECT_EQ(importedRow(QString::fromLatin1(place), values), expected) << place;
    for (const char* tone : {"88.50", "+88.5", " 88.5 ", "088.5"})
        EXPECT_EQ(importedRow(QStringLiteral("CB,B,7"),
                              QStringLiteral("27.125,tsql,%1,023,off,am").arg(QLatin1String(tone))),
                  expected)
            << tone;
    // Where a location names the place, its number is read in every form too.
    for (const char* location : {"47", "047", "+47"})
        EXPECT_EQ(importedRow(QLatin1String(location), values), expected) << location;
    EXPECT_EQ(importedRow(QStringLiteral("CB,B,M"), values), "no such channel");
}

} // namespace
} // namespace r5k27

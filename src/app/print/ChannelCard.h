#pragma once

#include "core/lang/Language.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace r5k27 {

struct AppSettings;
struct Document;

// One table of a card page: a heading, the column heads and the rows.
struct CardSection {
    QString heading;
    QStringList columns;
    QList<QStringList> rows;
};

// What one page of the card says; a page whose rows do not fit runs on to the next sheet.
struct CardPage {
    QString header; // model, band, file name and date
    QList<CardSection> sections;
};

// The printed form of a document: per work mode a page with a table for each group in use (its
// name and its channels with frequency, mode, tone, scan and the switches that are on) and one
// for the "MEM" channels, then a page with the options and DTMF codes. Tables are kept whole
// on a sheet where they fit one.
QList<CardPage> channelCardPages(const Document& doc, const AppSettings& settings, Language lang,
                                 const QDate& date);

// Draws the pages on the device (printer or PDF writer), each sheet numbered at its foot; the
// number of sheets, more than pages where a page runs on.
int printChannelCard(const QList<CardPage>& pages, Language lang, QPagedPaintDevice& device);
// The card as a PDF document of that page size; sheets, when given, gets its number of sheets.
QByteArray channelCardPdf(const QList<CardPage>& pages, Language lang, const QPageSize& pageSize,
                          int* sheets = nullptr);

} // namespace r5k27

#include "CardPainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace r5k27 {
namespace {

// Column widths from the widest text of each column; the last one takes what is left and a
// text too long for it is cut with an ellipsis.
QList<qreal> columnWidths(const CardSection& section, const QFontMetricsF& metrics, qreal width,
                          qreal pad) {
    const qsizetype count = std::max<qsizetype>(
        section.columns.size(), section.rows.isEmpty() ? 0 : section.rows.first().size());
    QList<qreal> widths(count, 0);
    auto widen = [&](const QStringList& texts) {
        for (qsizetype i = 0; i < texts.size() && i < count; ++i)
            widths[i] = std::max(widths[i], metrics.horizontalAdvance(texts[i]) + 2 * pad);
    };
    widen(section.columns);
    for (const QStringList& row : section.rows)
        widen(row);
    qreal used = 0;
    for (qsizetype i = 0; i + 1 < count; ++i)
        used += widths[i];
    if (count > 0)
        widths[count - 1] = std::max(widths[count - 1], std::min(width - used, width));
    if (count > 0 && used + widths[count - 1] > width)
        widths[count - 1] = std::max<qreal>(width - used, pad * 4);
    return widths;
}

} // namespace

CardPainter::CardPainter(const QList<CardPage>& pages, QString pageOf)
    : pages_(pages)
    , pageOf_(std::move(pageOf)) {
    font_.setPointSizeF(7.5);
    bold_ = font_;
    bold_.setBold(true);
}

void CardPainter::paint(QPagedPaintDevice& device) {
    const int sheets = layOut(device, nullptr, 0);
    QPainter painter(&device);
    layOut(device, &painter, sheets);
}

int CardPainter::layOut(QPagedPaintDevice& device, QPainter* painter, int sheets) {
    const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QRectF box(0, 0, area.width(), area.height());
    const QFontMetricsF metrics(font_, &device);
    const QFontMetricsF boldMetrics(bold_, &device);
    const qreal row = metrics.height() * 1.35;
    const qreal pad = metrics.averageCharWidth();
    const qreal footer = row * 1.5;
    const qreal bottom = box.height() - footer;

    int sheet = 0;
    qreal y = 0;
    auto text = [&](const QRectF& r, const QString& s, const QFont& f, int align) {
        if (!painter)
            return;
        painter->setFont(f);
        const QString shown = QFontMetricsF(f, &device).elidedText(s, Qt::ElideRight, r.width());
        painter->drawText(r, align | Qt::AlignVCenter, shown);
    };
    auto startSheet = [&](const QString& header) {
        if (painter && sheet > 0)
            device.newPage();
        ++sheet;
        text(QRectF(0, box.height() - footer, box.width(), footer), pageOf_.arg(sheet).arg(sheets),
             font_, Qt::AlignHCenter);
        text(QRectF(0, 0, box.width(), row), header, bold_, Qt::AlignLeft);
        y = row * 1.5;
    };
    auto tableRow = [&](const QStringList& cells, const QList<qreal>& widths, const QFont& f) {
        qreal x = 0;
        for (qsizetype i = 0; i < widths.size(); ++i) {
            const QRectF cell(x, y, widths[i], row);
            if (painter)
                painter->drawRect(cell);
            text(cell.adjusted(pad, 0, -pad, 0), cells.value(i), f, Qt::AlignLeft);
            x += widths[i];
        }
        y += row;
    };

    for (const CardPage& page : pages_) {
        startSheet(page.header);
        for (const CardSection& section : page.sections) {
            const QList<qreal> widths = columnWidths(section, boldMetrics, box.width(), pad);
            auto heads = [&] {
                text(QRectF(0, y, box.width(), row * 1.2), section.heading, bold_, Qt::AlignLeft);
                y += row * 1.3;
                if (!section.columns.isEmpty())
                    tableRow(section.columns, widths, bold_);
            };
            // A table goes whole on the next sheet when it would fit there but not here; one
            // longer than a sheet starts wherever a few of its rows still fit.
            const qreal headsHeight = row * 1.3 + (section.columns.isEmpty() ? 0 : row);
            const qreal whole = headsHeight + row * qreal(section.rows.size());
            const qreal top = row * 1.5;
            if ((y + whole > bottom && top + whole <= bottom) || y + row * 4 > bottom)
                startSheet(page.header);
            heads();
            for (const QStringList& cells : section.rows) {
                if (y + row > bottom) {
                    startSheet(page.header);
                    heads();
                }
                tableRow(cells, widths, font_);
            }
            y += row * 0.5;
        }
    }
    return sheet;
}

} // namespace r5k27

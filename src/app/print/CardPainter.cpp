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

struct SheetStyle {
    const QString& pageOf;
    int sheets = 0; // 0 while counting
    const QFont& font;
    const QFont& bold;
};

// Walks down the sheets of one pass: where the next row goes, and when a sheet is full.
class SheetWriter {
public:
    SheetWriter(QPagedPaintDevice& device, QPainter* painter, const SheetStyle& style)
        : device_(device)
        , painter_(painter)
        , style_(style) {
        const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiX());
        box_ = QRectF(0, 0, area.width(), area.height());
        const QFontMetricsF metrics(style.font, &device);
        row_ = metrics.height() * 1.35;
        pad_ = metrics.averageCharWidth();
        footer_ = row_ * 1.5;
        bottom_ = box_.height() - footer_;
    }

    int sheet() const { return sheet_; }

    void startSheet(const QString& header) {
        if (painter_ && sheet_ > 0)
            device_.newPage();
        ++sheet_;
        text(QRectF(0, box_.height() - footer_, box_.width(), footer_),
             style_.pageOf.arg(sheet_).arg(style_.sheets), style_.font, Qt::AlignHCenter);
        text(QRectF(0, 0, box_.width(), row_), header, style_.bold, Qt::AlignLeft);
        y_ = row_ * 1.5;
    }

    // A table goes whole on the next sheet when it would fit there but not here; one longer
    // than a sheet starts wherever a few of its rows still fit.
    void table(const CardSection& section, const QString& header) {
        const QList<qreal> widths =
            columnWidths(section, QFontMetricsF(style_.bold, &device_), box_.width(), pad_);
        const qreal headsHeight = row_ * 1.3 + (section.columns.isEmpty() ? 0 : row_);
        const qreal whole = headsHeight + row_ * qreal(section.rows.size());
        const qreal top = row_ * 1.5;
        if ((y_ + whole > bottom_ && top + whole <= bottom_) || y_ + row_ * 4 > bottom_)
            startSheet(header);
        heads(section, widths);
        for (const QStringList& cells : section.rows) {
            if (y_ + row_ > bottom_) {
                startSheet(header);
                heads(section, widths);
            }
            tableRow(cells, widths, style_.font);
        }
        y_ += row_ * 0.5;
    }

private:
    void text(const QRectF& r, const QString& s, const QFont& f, int align) {
        if (!painter_)
            return;
        painter_->setFont(f);
        const QString shown = QFontMetricsF(f, &device_).elidedText(s, Qt::ElideRight, r.width());
        painter_->drawText(r, align | Qt::AlignVCenter, shown);
    }

    void heads(const CardSection& section, const QList<qreal>& widths) {
        text(QRectF(0, y_, box_.width(), row_ * 1.2), section.heading, style_.bold, Qt::AlignLeft);
        y_ += row_ * 1.3;
        if (!section.columns.isEmpty())
            tableRow(section.columns, widths, style_.bold);
    }

    void tableRow(const QStringList& cells, const QList<qreal>& widths, const QFont& f) {
        qreal x = 0;
        for (qsizetype i = 0; i < widths.size(); ++i) {
            const QRectF cell(x, y_, widths[i], row_);
            if (painter_)
                painter_->drawRect(cell);
            text(cell.adjusted(pad_, 0, -pad_, 0), cells.value(i), f, Qt::AlignLeft);
            x += widths[i];
        }
        y_ += row_;
    }

    QPagedPaintDevice& device_;
    QPainter* painter_;
    SheetStyle style_;
    QRectF box_;
    qreal row_ = 0;
    qreal pad_ = 0;
    qreal footer_ = 0;
    qreal bottom_ = 0;
    int sheet_ = 0;
    qreal y_ = 0;
};

} // namespace

CardPainter::CardPainter(const QList<CardPage>& pages, QString pageOf)
    : pages_(pages)
    , pageOf_(std::move(pageOf)) {
    font_.setPointSizeF(7.5);
    bold_ = font_;
    bold_.setBold(true);
}

int CardPainter::paint(QPagedPaintDevice& device) {
    const int sheets = layOut(device, nullptr, 0);
    QPainter painter(&device);
    return layOut(device, &painter, sheets);
}

int CardPainter::layOut(QPagedPaintDevice& device, QPainter* painter, int sheets) {
    SheetWriter writer(device, painter, {pageOf_, sheets, font_, bold_});
    for (const CardPage& page : pages_) {
        writer.startSheet(page.header);
        for (const CardSection& section : page.sections)
            writer.table(section, page.header);
    }
    return writer.sheet();
}

} // namespace r5k27

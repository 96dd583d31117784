#pragma once

#include "ChannelCard.h"

#include <QFont>

class QPainter;

namespace r5k27 {

// Draws card pages as plain ruled tables, sheet by sheet. Tables that do not fit run on to the
// next sheet under the same header and column heads; every sheet gets "page n of m" at its foot.
class CardPainter {
public:
    CardPainter(const QList<CardPage>& pages, QString pageOf);

    // The number of sheets drawn.
    int paint(QPagedPaintDevice& device);

private:
    // One pass over all pages: counts the sheets, and draws them when a painter is given.
    int layOut(QPagedPaintDevice& device, QPainter* painter, int sheets);

    const QList<CardPage>& pages_;
    QString pageOf_;
    QFont font_;
    QFont bold_;
};

} // namespace r5k27

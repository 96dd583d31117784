#include "ProgramArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace r5k27 {

namespace {

QFont sized(int pixels, int weight) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixels);
    font.setWeight(QFont::Weight(weight));
    return font;
}

// A stylised signal: three arcs over a dot, the radio's mark.
void paintSignalMark(QPainter& p, QPointF centre, qreal scale, const QColor& color) {
    p.save();
    p.setPen(QPen(color, 3 * scale, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = 10 * i * scale;
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(centre, 3.5 * scale, 3.5 * scale);
    p.restore();
}

} // namespace

QImage paintSplash(const SplashTexts& texts) {
    QImage image(kSplashSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, kSplashSize.height());
    sky.setColorAt(0, QColor(0x1d, 0x2b, 0x3a));
    sky.setColorAt(1, QColor(0x0b, 0x12, 0x1a));
    p.fillRect(image.rect(), sky);

    const QColor accent(0xf2, 0xa5, 0x2b);
    p.fillRect(QRect(0, 0, kSplashSize.width(), 6), accent);
    paintSignalMark(p, QPointF(kSplashSize.width() - 52, 82), 1.3, accent.lighter(110));

    const int left = 36;
    p.setPen(QColor(0xf4, 0xf6, 0xf8));
    p.setFont(sized(34, QFont::Bold));
    p.drawText(QRect(left, 62, 360, 48), Qt::AlignLeft | Qt::AlignVCenter, texts.modelName);
    p.setPen(QColor(0xc4, 0xd0, 0xdc));
    p.setFont(sized(20, QFont::Normal));
    p.drawText(QRect(left, 116, 360, 32), Qt::AlignLeft | Qt::AlignVCenter, texts.title);

    p.setPen(QPen(QColor(0x3a, 0x4c, 0x5e), 1));
    p.drawLine(left, 170, kSplashSize.width() - left, 170);

    p.setPen(QColor(0x9a, 0xab, 0xbc));
    p.setFont(sized(15, QFont::Normal));
    p.drawText(QRect(left, 184, 300, 24), Qt::AlignLeft | Qt::AlignVCenter, texts.version);
    p.setFont(sized(12, QFont::Normal));
    p.drawText(QRect(left, kSplashSize.height() - 44, kSplashSize.width() - 2 * left, 20),
               Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("CB  25.6150 - 30.1050 MHz     HF  28.0000 - 29.6990 MHz"));
    return image;
}

QImage paintAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 64.0; // drawn on a 64-unit grid
    const QRectF panel(2 * s, 2 * s, 60 * s, 60 * s);
    QLinearGradient sky(panel.topLeft(), panel.bottomLeft());
    sky.setColorAt(0, QColor(0x2a, 0x3d, 0x52));
    sky.setColorAt(1, QColor(0x0b, 0x12, 0x1a));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(panel, 12 * s, 12 * s);
    const QColor accent(0xf2, 0xa5, 0x2b);
    p.setBrush(accent);
    p.drawRect(QRectF(panel.left() + 10 * s, 50 * s, 40 * s, std::max(1.0, 4 * s)));
    // The signal mark, scaled so its outer arc nearly fills the panel.
    paintSignalMark(p, QPointF(32 * s, 40 * s), 0.95 * s, accent.lighter(110));
    return image;
}

QImage paintBackgroundTile(const QString& watermark) {
    // Drawn 2 pixels larger: the window drops the outer pixel on each side when tiling.
    const QSize inner = kBackgroundTileSize;
    QImage image(inner + QSize(2, 2), QImage::Format_RGB32);
    image.fill(QColor(0x5b, 0x6b, 0x7a));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(1, 1);
    p.fillRect(QRect(QPoint(0, 0), inner), QColor(0x5b, 0x6b, 0x7a));
    // Fine diagonal lines that meet across tile edges.
    p.setPen(QPen(QColor(0x64, 0x75, 0x85), 1));
    for (int d = -inner.height(); d < inner.width(); d += 16)
        p.drawLine(d, inner.height(), d + inner.height(), 0);
    p.setPen(QColor(0x6c, 0x7d, 0x8d));
    p.setFont(sized(15, QFont::DemiBold));
    p.drawText(QRect(0, inner.height() / 2 - 14, inner.width(), 28), Qt::AlignCenter, watermark);
    return image;
}

} // namespace r5k27

#include "ToneSequencePicture.h"

#include "ToneBoxes.h"
#include "common/Twips.h"

#include <QPainter>

namespace r5k27 {

ToneSequencePicture::ToneSequencePicture(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumSize(200, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ToneSequencePicture::setSequence(const ToneSeq& seq) {
    if (seq == seq_)
        return;
    seq_ = seq;
    update();
}

void ToneSequencePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The bars are laid out in twips, the picture's own scale, so the margin stays thin.
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    for (const ToneBox& box : toneBoxes(seq_, pixelsToTwips(width()), pixelsToTwips(height()))) {
        const QColor colour = box.step % 2 == 1 ? Qt::red : Qt::blue;
        painter.fillRect(box.rect, colour);
    }
}

} // namespace r5k27

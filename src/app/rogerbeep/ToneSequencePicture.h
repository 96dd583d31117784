#pragma once

#include "core/image/MemoryImage.h"

#include <QWidget>

namespace r5k27 {

// A sequence as bars, widths by step length and heights by frequency, odd steps red
// and even steps blue. Redrawn on every change and resize.
class ToneSequencePicture : public QWidget {
    Q_OBJECT
public:
    explicit ToneSequencePicture(QWidget* parent = nullptr);

    void setSequence(const ToneSeq& seq);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ToneSeq seq_;
};

} // namespace r5k27

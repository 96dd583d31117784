#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace r5k27 {

// A window rectangle kept from a larger or another screen, shrunk and moved so all of it lies
// within the available part of the current one.
QRect fittedToScreen(const QRect& wanted, const QRect& available);

// The frame rectangle of a window with this inside size and frame, centred on centre and
// fitted within available: its title bar stays on the screen, where it can be grabbed.
QRect placedFrame(const QSize& size, const QMargins& frame, const QPoint& centre,
                  const QRect& available);

// Places a top-level window so, centred over the window of over (the screen without one),
// before it is first shown. Until then its frame is unknown; that of the window it opens over,
// or a usual title bar, stands for it.
void placeWithinScreen(QWidget& window, const QWidget* over);

} // namespace r5k27

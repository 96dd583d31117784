#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace r5k27 {

namespace {

// What a window manager usually draws around a window: borders and a title bar.
constexpr QMargins kUsualFrame(4, 30, 4, 4);

QMargins frameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

} // namespace

QRect fittedToScreen(const QRect& wanted, const QRect& available) {
    const QSize size = wanted.size().boundedTo(available.size());
    const int left =
        std::clamp(wanted.left(), available.left(), available.right() + 1 - size.width());
    const int top =
        std::clamp(wanted.top(), available.top(), available.bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

QRect placedFrame(const QSize& size, const QMargins& frame, const QPoint& centre,
                  const QRect& available) {
    QRect wanted(QPoint(), size.grownBy(frame));
    wanted.moveCenter(centre);
    return fittedToScreen(wanted, available);
}

void placeWithinScreen(QWidget& window, const QWidget* over) {
    const QWidget* reference = over ? over->window() : nullptr;
    QScreen* screen = reference ? reference->screen() : window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QMargins frame = reference && reference->isVisible() ? frameOf(*reference) : QMargins();
    if (frame.isNull())
        frame = kUsualFrame;
    const QPoint centre = reference && reference->isVisible() ? reference->frameGeometry().center()
                                                              : available.center();
    const QRect placed = placedFrame(window.size(), frame, centre, available);
    window.resize(placed.size().shrunkBy(frame));
    // A window's position is that of its frame.
    window.move(placed.topLeft());
}

} // namespace r5k27

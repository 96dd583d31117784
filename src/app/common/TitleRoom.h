#pragma once

class QWidget;

namespace r5k27 {

// The width a window's title bar needs for its title, icon and buttons.
int titleBarWidth(const QWidget& window);
// Widens a small window to show its whole title: a window narrower than its title bar shows
// the title cut ("Com… Port"). Call once the window's title and layout are set.
void keepTitleWhole(QWidget& window);

} // namespace r5k27

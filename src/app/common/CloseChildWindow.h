#pragma once

class QWidget;

namespace r5k27 {

// Closes an editor window: the main window's sub-window around it when it has one, else the
// window itself (shown on its own, as in tests).
void closeChildWindow(QWidget& window);

} // namespace r5k27

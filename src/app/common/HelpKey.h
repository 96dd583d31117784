#pragma once

#include <functional>

class QAction;
class QWidget;

namespace r5k27 {

// F1 in a window of its own (a dialog, which the main window's F1 cannot reach while it is up)
// shows that window's part of the guide.
QAction* addHelpKey(QWidget& window, std::function<void()> showSection);

} // namespace r5k27

#include "CloseChildWindow.h"

#include <QMdiSubWindow>

namespace r5k27 {

void closeChildWindow(QWidget& window) {
    // The editor sits in a scroll area inside the sub-window.
    for (QWidget* up = window.parentWidget(); up; up = up->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(up)) {
            sub->close();
            return;
        }
    window.close();
}

} // namespace r5k27

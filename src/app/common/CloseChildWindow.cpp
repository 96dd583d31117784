#include "CloseChildWindow.h"

#include <QMdiSubWindow>

namespace r5k27 {

void closeChildWindow(QWidget& window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window.parentWidget()))
        sub->close();
    else
        window.close();
}

} // namespace r5k27

#include "TitleRoom.h"

#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace r5k27 {
namespace {

// Icon, three buttons and the margins of a title bar, as common window managers draw them.
constexpr int kTitleBarControls = 120;

} // namespace

int titleBarWidth(const QWidget& window) {
    // Title bars usually draw the title bold, in about the application's font.
    QFont font = window.font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarControls;
}

void keepTitleWhole(QWidget& window) {
    const int wanted = titleBarWidth(window);
    window.setMinimumWidth(std::max(window.minimumSizeHint().width(), wanted));
    // A dialog whose layout sets its minimum size itself (an input dialog) still opens this wide.
    const QSize hint = window.sizeHint();
    window.resize(std::max(hint.width(), wanted), hint.height());
}

} // namespace r5k27

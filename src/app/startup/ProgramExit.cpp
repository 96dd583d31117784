#include "ProgramExit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace r5k27 {

namespace {

// A close the window accepted hides it; a hide of the window system's own (minimising) does
// not count.
class QuitOnClose : public QObject {
public:
    explicit QuitOnClose(QWidget& window)
        : QObject(&window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && !event->spontaneous() &&
            !static_cast<QWidget*>(watched)->isVisible()) {
            watched->removeEventFilter(this);
            QCoreApplication::exit(0);
        }
        return false;
    }
};

} // namespace

void quitOnClose(QWidget& window) {
    new QuitOnClose(window);
}

void endProgram(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace r5k27

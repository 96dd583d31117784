#include "HelpKey.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace r5k27 {

QAction* addHelpKey(QWidget& window, std::function<void()> showSection) {
    auto* action = new QAction(&window);
    action->setObjectName(QStringLiteral("HelpKey"));
    action->setShortcuts(QKeySequence::HelpContents);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, std::move(showSection));
    window.addAction(action);
    return action;
}

} // namespace r5k27

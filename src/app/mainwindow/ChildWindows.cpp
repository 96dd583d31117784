#include "ChildWindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace r5k27 {

ChildWindows::ChildWindows(QMdiArea& area)
    : area_(area) {}

void ChildWindows::setFactory(ChildKind kind, Factory factory) {
    factories_[index(kind)] = std::move(factory);
}

bool ChildWindows::canShow(ChildKind kind) const {
    return bool(factories_[index(kind)]);
}

QMdiSubWindow* ChildWindows::openWindow(ChildKind kind) const {
    // A closed window lingers hidden until its deferred deletion; it no longer counts.
    QMdiSubWindow* sub = open_[index(kind)];
    return sub && !sub->isHidden() ? sub : nullptr;
}

QMdiSubWindow* ChildWindows::show(ChildKind kind) {
    if (QMdiSubWindow* existing = openWindow(kind)) {
        area_.setActiveSubWindow(existing);
        return existing;
    }
    if (!canShow(kind))
        return nullptr;
    QWidget* content = factories_[index(kind)]();
    if (!content)
        return nullptr;
    QMdiSubWindow* sub = area_.addSubWindow(content);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    open_[index(kind)] = sub;
    sub->show();
    cascade();
    area_.setActiveSubWindow(sub);
    return sub;
}

void ChildWindows::closeAll() {
    area_.closeAllSubWindows();
}

void ChildWindows::cascade() {
    area_.cascadeSubWindows();
}

} // namespace r5k27

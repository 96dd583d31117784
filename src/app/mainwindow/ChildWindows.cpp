#include "ChildWindows.h"

#include "ScrollingChild.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <algorithm>

namespace r5k27 {
namespace {

// A sheet of every channel has use for all the room there is.
bool fillsArea(ChildKind kind) {
    return kind == ChildKind::ChannelList;
}

} // namespace

ChildWindows::ChildWindows(QMdiArea& area)
    : area_(area) {
    area_.installEventFilter(this);
}

bool ChildWindows::eventFilter(QObject* watched, QEvent* event) {
    // Windows cascaded before the main window was shown, or a window made smaller.
    if (watched != &area_)
        return false;
    if (event->type() == QEvent::Show) {
        // Windows opened before the area was shown are cascaded by the area's own handling of
        // this event, which comes after this filter; fitting them must wait for it.
        QMetaObject::invokeMethod(this, &ChildWindows::fitToArea, Qt::QueuedConnection);
    } else if (event->type() == QEvent::Resize && area_.isVisible()) {
        // Sent before the area lays out its viewport.
        const int frame = 2 * area_.frameWidth();
        fitInto(static_cast<QResizeEvent*>(event)->size() - QSize(frame, frame));
    }
    return QObject::eventFilter(watched, event);
}

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
    if (opened_)
        opened_(kind, content);
    QMdiSubWindow* sub = area_.addSubWindow(new ScrollingChild(content));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    open_[index(kind)] = sub;
    fill_[index(kind)] = fillsArea(kind);
    sub->show();
    cascade();
    area_.setActiveSubWindow(sub);
    return sub;
}

void ChildWindows::closeAll() {
    area_.closeAllSubWindows();
}

QWidget* ChildWindows::editor(ChildKind kind) const {
    QMdiSubWindow* sub = openWindow(kind);
    return sub ? editorOf(sub->widget()) : nullptr;
}

void ChildWindows::cascade() {
    area_.cascadeSubWindows();
    // Before the main window is shown the area has no size of its own yet.
    if (area_.isVisible())
        fitToArea();
}

void ChildWindows::fitToArea() {
    const QSize room = area_.viewport()->size();
    for (std::size_t i = 0; i < open_.size(); ++i) {
        // Once, when the window has come up in an area that has its size.
        if (open_[i] && fill_[i] && area_.isVisible()) {
            open_[i]->setGeometry(QRect(QPoint(0, 0), room));
            fill_[i] = false;
        }
    }
    fitInto(room);
}

void ChildWindows::fitInto(QSize size) {
    // Cascading sizes each window by its content; on a small screen that reaches past the
    // area, where the lower buttons could not be reached. The content scrolls instead.
    const QRect room(QPoint(0, 0), size);
    for (QMdiSubWindow* sub : area_.subWindowList()) {
        if (sub->isMinimized() || sub->isMaximized())
            continue;
        QRect r = sub->geometry();
        r.setRight(std::min(r.right(), room.right()));
        r.setBottom(std::min(r.bottom(), room.bottom()));
        if (r != sub->geometry())
            sub->setGeometry(r.intersected(room).isEmpty() ? room : r);
    }
}

} // namespace r5k27

#pragma once

#include "common/ChildKind.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

class QMdiArea;
class QSize;
class QMdiSubWindow;
class QWidget;

namespace r5k27 {

// The editor windows inside the main window: at most one of each kind, made on demand by the
// factory its feature registers. A kind without a factory cannot be opened yet.
class ChildWindows : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*()>;

    explicit ChildWindows(QMdiArea& area);

    void setFactory(ChildKind kind, Factory factory);
    // Called with each editor once it is made, before it is shown.
    void setOpenedHandler(std::function<void(ChildKind, QWidget*)> handler) {
        opened_ = std::move(handler);
    }
    bool canShow(ChildKind kind) const;
    // Focuses the open window of that kind, or makes one and cascades all of them.
    QMdiSubWindow* show(ChildKind kind);
    QMdiSubWindow* openWindow(ChildKind kind) const;
    // The editor of the open window of that kind (inside the scroll area around it).
    QWidget* editor(ChildKind kind) const;
    void closeAll();
    void cascade();
    // Shrinks windows that reach past the area's visible part so all of each can be scrolled to;
    // a window of a kind that fills the area gets all of it once, when it first can.
    void fitToArea();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitInto(QSize size);
    static std::size_t index(ChildKind kind) { return static_cast<std::size_t>(kind); }

    QMdiArea& area_;
    std::array<Factory, static_cast<std::size_t>(ChildKind::Count)> factories_;
    std::function<void(ChildKind, QWidget*)> opened_;
    std::array<QPointer<QMdiSubWindow>, static_cast<std::size_t>(ChildKind::Count)> open_;
    std::array<bool, static_cast<std::size_t>(ChildKind::Count)> fill_{};
};

} // namespace r5k27

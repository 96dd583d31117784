#pragma once

#include <QPointer>
#include <array>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace r5k27 {

enum class ChildKind { Channel, Options, RogerBeep, Dtmf, Count };

// The editor windows inside the main window: at most one of each kind, made on demand by the
// factory its feature registers. A kind without a factory cannot be opened yet.
class ChildWindows {
public:
    using Factory = std::function<QWidget*()>;

    explicit ChildWindows(QMdiArea& area);

    void setFactory(ChildKind kind, Factory factory);
    bool canShow(ChildKind kind) const;
    // Focuses the open window of that kind, or makes one and cascades all of them.
    QMdiSubWindow* show(ChildKind kind);
    QMdiSubWindow* openWindow(ChildKind kind) const;
    void closeAll();
    void cascade();

private:
    static std::size_t index(ChildKind kind) { return static_cast<std::size_t>(kind); }

    QMdiArea& area_;
    std::array<Factory, static_cast<std::size_t>(ChildKind::Count)> factories_;
    std::array<QPointer<QMdiSubWindow>, static_cast<std::size_t>(ChildKind::Count)> open_;
};

} // namespace r5k27

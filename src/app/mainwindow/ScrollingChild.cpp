#include "ScrollingChild.h"

#include <QCloseEvent>
#include <QScrollBar>

namespace r5k27 {

ScrollingChild::ScrollingChild(QWidget* editor, QWidget* parent)
    : QScrollArea(parent) {
    setObjectName(editor->objectName() + QStringLiteral("_scroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(editor);
    setWindowTitle(editor->windowTitle());
    setWindowIcon(editor->windowIcon());
    editor->installEventFilter(this);
}

QSize ScrollingChild::sizeHint() const {
    // QScrollArea caps its hint at a few dozen lines; the sub-window should open at full size
    // wherever there is room, and ChildWindows fits it to the area.
    const QWidget* editor = widget();
    return editor ? editor->sizeHint().expandedTo(editor->minimumSize()) : QScrollArea::sizeHint();
}

bool ScrollingChild::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget()) {
        if (event->type() == QEvent::WindowTitleChange)
            setWindowTitle(widget()->windowTitle());
        else if (event->type() == QEvent::WindowIconChange)
            setWindowIcon(widget()->windowIcon());
    }
    return QScrollArea::eventFilter(watched, event);
}

void ScrollingChild::closeEvent(QCloseEvent* event) {
    if (widget() && !widget()->close()) {
        event->ignore();
        return;
    }
    QScrollArea::closeEvent(event);
}

QWidget* editorOf(QWidget* subWindowContent) {
    if (auto* scroll = qobject_cast<ScrollingChild*>(subWindowContent))
        return scroll->widget();
    return subWindowContent;
}

} // namespace r5k27

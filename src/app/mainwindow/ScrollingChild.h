#pragma once

#include <QScrollArea>

namespace r5k27 {

// Holds an editor window inside its sub-window: on a small screen the editor scrolls instead
// of putting its lower fields and buttons out of reach. Asks for the editor's full size, and
// carries the editor's title up to the sub-window.
class ScrollingChild : public QScrollArea {
    Q_OBJECT
public:
    explicit ScrollingChild(QWidget* editor, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the sub-window closes the editor, which may store what is being typed first.
    void closeEvent(QCloseEvent* event) override;
};

// The editor inside a sub-window made by ChildWindows, or the sub-window's widget itself.
QWidget* editorOf(QWidget* subWindowContent);

} // namespace r5k27

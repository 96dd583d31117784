#pragma once

#include <QObject>
#include <functional>

class QAction;
class QWidget;

namespace r5k27 {

// Ctrl+Z and its kin typed in a text field of an editor window undo or redo the document's
// steps, as the same keys do everywhere else in the editors. A field's own undo would only
// bring back older text, which the field then stores as a new change.
class EditorUndoKeys : public QObject {
public:
    EditorUndoKeys(QWidget& editorArea, const QAction& undoItem, const QAction& redoItem,
                   std::function<void()> undo, std::function<void()> redo,
                   QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& editorArea_;
    const QAction& undoItem_;
    const QAction& redoItem_;
    std::function<void()> undo_;
    std::function<void()> redo_;
};

} // namespace r5k27

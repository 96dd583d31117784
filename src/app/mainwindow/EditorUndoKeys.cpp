#include "EditorUndoKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace r5k27 {

EditorUndoKeys::EditorUndoKeys(QWidget& editorArea, const QAction& undoItem,
                               const QAction& redoItem, std::function<void()> undo,
                               std::function<void()> redo, QObject* parent)
    : QObject(parent)
    , editorArea_(editorArea)
    , undoItem_(undoItem)
    , redoItem_(redoItem)
    , undo_(std::move(undo))
    , redo_(std::move(redo)) {}

bool EditorUndoKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || !editorArea_.isAncestorOf(field))
        return false;
    const QKeySequence keys(static_cast<QKeyEvent*>(event)->keyCombination());
    const bool isUndo = undoItem_.shortcuts().contains(keys);
    if (!isUndo && !redoItem_.shortcuts().contains(keys))
        return false;
    // Claimed at the override, so neither the field nor the menu's shortcut acts on the press
    // that follows; the press does the one undo or redo.
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    else
        isUndo ? undo_() : redo_();
    return true;
}

} // namespace r5k27

#pragma once

#include "FeatureHost.h"

namespace r5k27 {

// Gives the main window an editor window of one kind, made on demand by make(). When the editor
// has a commitPending slot, a write or save first takes what is still being typed in it.
template <class Editor, class Make>
void registerEditor(FeatureHost& host, ChildKind kind, Make make,
                    void (Editor::*commitPending)() = nullptr) {
    host.registerChildWindow(kind, [&host, make, commitPending]() -> QWidget* {
        Editor* editor = make();
        if (commitPending)
            host.whenCommittingEdits(editor,
                                     [editor, commitPending] { (editor->*commitPending)(); });
        return editor;
    });
}

} // namespace r5k27

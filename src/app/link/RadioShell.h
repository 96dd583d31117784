#pragma once

class QWidget;

namespace r5k27 {

// What the radio commands need of the main window.
class RadioShell {
public:
    virtual ~RadioShell() = default;
    // Owner of the progress windows and questions.
    virtual QWidget* window() = 0;
    // Open editor windows validate and commit the edit in progress.
    virtual void commitPendingEdits() = 0;
    virtual void closeAllChildren() = 0;
    // The unsaved-changes question of New and Open (Yes saves first); false when the user backs
    // out.
    virtual bool mayReplaceDocument() = 0;
    // After a read: texts, caption and the channel window for the new document.
    virtual void showReadDocument() = 0;
};

} // namespace r5k27

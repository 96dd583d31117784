#pragma once

#include "Document.h"
#include "core/common/DocumentEvents.h"

#include <QObject>
#include <deque>
#include <memory>

namespace r5k27 {

// Undo and redo over the whole working pair (record and channel table). Every user change the
// document model makes becomes one step holding a snapshot of the document as it then is, so the
// knock-on changes of the rules (references cleared, modes normalised, group repairs) are part of
// the step without any editor knowing how to reverse them. Snapshots share the record or the table
// with the step before when that part did not change.
class EditHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxSteps = 500;

    EditHistory(Document& doc, DocumentEvents& events, QObject* parent = nullptr);
    ~EditHistory() override;

    // The document was replaced (new, open, initial setting): it becomes the state
    // to which everything can be undone, and all steps are forgotten.
    void reset();

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ + 1 < states_.size(); }
    int undoCount() const { return int(current_); }
    int redoCount() const { return int(states_.size() - current_ - 1); }
    // The name of the step Undo or Redo would take back or do again; empty when there is none.
    EditName undoName() const;
    EditName redoName() const;

    // Records the document as it now is as the step of a user change. Changes in a row with
    // the same non-empty mergeKey (keystrokes in one field) become one step. False, and no
    // step, when the document is as it was.
    bool record(const EditName& name, const QString& mergeKey, const DocumentChange& change);
    // True while undo or redo puts a state back and the windows show it: no user change then.
    bool restoring() const { return restoring_; }
    // Typing in the field again later is a step of its own, even with the same mergeKey.
    void endMerge() { mergeOpen_ = false; }

    // Put the document back as it was before / after the step, announce the whole document
    // changed and reveal what the step changed. False when there is no such step.
    bool undo();
    bool redo();

    // Bytes held by the snapshots (each shared part counted once).
    std::size_t storedBytes() const;

signals:
    // The steps or their names changed: the Undo and Redo items follow.
    void changed();
    // A user change was recorded, as a step of its own or merged into the newest one.
    void recorded(const r5k27::EditName& name, const QString& mergeKey);

private:
    struct State {
        std::shared_ptr<const MemoryImage> image;
        std::shared_ptr<const ChTable> table;
        EditName name; // of the step that led to this state; empty for the first state
        QString mergeKey;
        DocumentChange change; // what the step that led to this state changed
    };

    State snapshot() const;
    void restore(const State& state, const DocumentChange& reveal);

    Document& doc_;
    DocumentEvents& events_;
    // states_[0] is the oldest state that can be reached; states_[current_] is the document.
    std::deque<State> states_;
    std::size_t current_ = 0;
    // A step that is no longer the newest, or was undone, takes no more keystrokes.
    bool mergeOpen_ = false;
    bool restoring_ = false;
};

} // namespace r5k27

#include "EditHistory.h"

#include <set>

namespace r5k27 {

EditHistory::EditHistory(Document& doc, DocumentEvents& events, QObject* parent)
    : QObject(parent)
    , doc_(doc)
    , events_(events) {
    reset();
}

EditHistory::~EditHistory() = default;

EditHistory::State EditHistory::snapshot() const {
    State state;
    const State* now = states_.empty() ? nullptr : &states_[current_];
    state.image = now && *now->image == doc_.curImage
                      ? now->image
                      : std::make_shared<const MemoryImage>(doc_.curImage);
    state.table = now && *now->table == doc_.chTable
                      ? now->table
                      : std::make_shared<const ChTable>(doc_.chTable);
    return state;
}

void EditHistory::reset() {
    states_.clear();
    current_ = 0;
    states_.push_back(snapshot());
    mergeOpen_ = false;
    emit changed();
}

bool EditHistory::record(const EditName& name, const QString& mergeKey,
                         const DocumentChange& change) {
    State state = snapshot();
    const State& now = states_[current_];
    // A change that changed nothing (a value typed over itself) is no step.
    if (state.image == now.image && state.table == now.table)
        return false;
    state.name = name;
    state.mergeKey = mergeKey;
    state.change = change;
    states_.erase(states_.begin() + std::ptrdiff_t(current_) + 1, states_.end());
    if (mergeOpen_ && !mergeKey.isEmpty() && current_ > 0 && now.mergeKey == mergeKey) {
        states_[current_] = std::move(state);
    } else {
        states_.push_back(std::move(state));
        ++current_;
        if (states_.size() > std::size_t(kMaxSteps) + 1) {
            states_.pop_front();
            --current_;
        }
    }
    mergeOpen_ = true;
    emit recorded(name, mergeKey);
    emit changed();
    return true;
}

EditName EditHistory::undoName() const {
    return canUndo() ? states_[current_].name : EditName{};
}

EditName EditHistory::redoName() const {
    return canRedo() ? states_[current_ + 1].name : EditName{};
}

bool EditHistory::undo() {
    if (!canUndo())
        return false;
    const DocumentChange undone = states_[current_].change;
    --current_;
    restore(states_[current_], undone);
    return true;
}

bool EditHistory::redo() {
    if (!canRedo())
        return false;
    ++current_;
    restore(states_[current_], states_[current_].change);
    return true;
}

void EditHistory::restore(const State& state, const DocumentChange& reveal) {
    // The whole record, the group shown included: the document is exactly as it was after
    // that step, byte for byte.
    doc_.curImage = *state.image;
    doc_.chTable = *state.table;
    mergeOpen_ = false;
    restoring_ = true;
    emit events_.changed(DocumentChange{});
    emit events_.revealed(reveal);
    restoring_ = false;
    emit changed();
}

std::size_t EditHistory::storedBytes() const {
    std::set<const void*> seen;
    std::size_t bytes = 0;
    for (const State& state : states_) {
        if (seen.insert(state.image.get()).second)
            bytes += sizeof(MemoryImage);
        if (seen.insert(state.table.get()).second)
            bytes += sizeof(ChTable);
        bytes += sizeof(State);
    }
    return bytes;
}

} // namespace r5k27

#include "editor/history.h"

namespace bevelmint::editor {

void History::record(Snapshot before) {
    if (inGesture() && gestureRecorded_) return;
    gestureRecorded_ = inGesture();
    redo_.clear();
    undo_.push_back(std::move(before));
    // The oldest steps go first once the history is full.
    if (undo_.size() > maxSteps_) undo_.erase(undo_.begin());
}

void History::beginGesture() {
    if (gestureDepth_++ == 0) gestureRecorded_ = false;
}

void History::endGesture() {
    if (gestureDepth_ > 0) --gestureDepth_;
}

std::optional<Snapshot> History::move(std::vector<Snapshot>& from, std::vector<Snapshot>& to,
                                      Snapshot present) {
    gestureDepth_ = 0;
    if (from.empty()) return std::nullopt;
    Snapshot taken = std::move(from.back());
    from.pop_back();
    to.push_back(std::move(present));
    return taken;
}

std::optional<Snapshot> History::undo(Snapshot present) {
    return move(undo_, redo_, std::move(present));
}

std::optional<Snapshot> History::redo(Snapshot present) {
    return move(redo_, undo_, std::move(present));
}

void History::clear() {
    undo_.clear();
    redo_.clear();
    gestureDepth_ = 0;
}

}  // namespace bevelmint::editor

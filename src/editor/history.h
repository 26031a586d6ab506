#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "render/texture.h"
#include "state/button_state.h"

namespace bevelmint::editor {

struct Snapshot;

// The design file being edited: its path (empty before the first save or load),
// the design as last saved or loaded, and which opening of a file it belongs to.
// Undo and redo across a load bring back the document of the other side.
struct Document {
    std::string path;
    std::shared_ptr<const Snapshot> saved;
    int opening = 0;
};

// The whole design at one moment: the state, the texture pictures (shared, never
// copied, between moments that have the same texture) and the export paths,
// with the document it then belonged to.
struct Snapshot {
    state::ButtonState design;
    std::shared_ptr<const render::TextureImages> texture;
    std::string exportPath;
    std::string exportPressedPath;
    Document document;
};

// Undo and redo as two stacks of snapshots. The editor records the snapshot from
// before each operation that changed the design; undo hands back the latest and
// keeps the present for redo. A gesture (a bar dragged through many positions)
// records only the snapshot from before its first change, so it undoes as one step.
class History {
  public:
    explicit History(size_t maxSteps = 1000) : maxSteps_(maxSteps) {}

    // An operation is about to replace `before`; forgets what could be redone.
    void record(Snapshot before);

    void beginGesture();
    void endGesture();
    bool inGesture() const { return gestureDepth_ > 0; }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The snapshot to bring back, with `present` kept for the way back; nothing
    // when there is no step. Either one ends an open gesture.
    std::optional<Snapshot> undo(Snapshot present);
    std::optional<Snapshot> redo(Snapshot present);

    void clear();

  private:
    std::optional<Snapshot> move(std::vector<Snapshot>& from, std::vector<Snapshot>& to,
                                 Snapshot present);

    std::vector<Snapshot> undo_;
    std::vector<Snapshot> redo_;
    size_t maxSteps_;
    int gestureDepth_ = 0;
    bool gestureRecorded_ = false;
};

}  // namespace bevelmint::editor

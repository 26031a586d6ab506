#pragma once

// Comparing the editor's snapshots: what an operation changed, and whether two
// snapshots hold the same design or would render alike.

#include "editor/changes.h"
#include "editor/history.h"
#include "state/button_state.h"

namespace bevelmint::editor {

bool sameDesign(const Snapshot& a, const Snapshot& b);

// The texture pictures of a design without a texture, shared by all of them.
const std::shared_ptr<const render::TextureImages>& noTexture();

// Whether the two render alike: only the export settings (the web export's
// included), the texture preview's stretching and the hover lift are left out,
// as the normal and pressed pictures do not depend on them.
bool samePictures(const Snapshot& a, const Snapshot& b);

// The aspects in which b differs from a.
Changes differences(const Snapshot& a, const Snapshot& b);

}  // namespace bevelmint::editor

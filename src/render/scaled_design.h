#pragma once

#include "image/picture.h"
#include "render/canvas.h"
#include "state/button_state.h"

namespace bevelmint::render {

// The design drawn n times larger for export: every length (size, depth,
// roundness, light centre and radius, text offsets) multiplied by n. The inscription's pixel size
// is scaled by the text pass.
state::ButtonState scaledDesign(const state::ButtonState& s, int n);

// Each pixel becomes an n x n block.
image::Picture enlarged(const image::Picture& picture, int n);

// The button's outline at inset 0 at scale n, in the picture's coordinates.
RoundShape exportOutline(const state::ButtonState& s, int n);

}  // namespace bevelmint::render

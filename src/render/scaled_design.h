#pragma once

#include "image/picture.h"
#include "render/canvas.h"
#include "state/button_state.h"
#include "state/layout.h"

namespace bevelmint::render {

using state::scaledDesign;

// Each pixel becomes an n x n block.
image::Picture enlarged(const image::Picture& picture, int n);

// The button's outline at inset 0 at scale n, in the picture's coordinates.
RoundShape exportOutline(const state::ButtonState& s, int n);

}  // namespace bevelmint::render

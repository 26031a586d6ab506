#pragma once

#include "image/picture.h"
#include "render/text_engine.h"
#include "state/button_state.h"
#include "state/layout.h"

namespace bevelmint::render {

using state::Offset;

// Top-left corner of the inscription's text cell: the width is estimated from
// the character count (two thirds of the point size each), never measured.
Offset textAnchor(const state::ButtonState& s);

// Draws the inscription onto both pictures: plain, or engraved with a dark copy
// towards the light and a bright one away from it; fast edit mode draws no
// fringes and an engraved inscription black (sketch). At a scale above 1 the anchor, the
// engraved shifts and the pixel size are that many times larger.
void paintInscription(const state::ButtonState& s, image::Picture& normal, image::Picture& pressed,
                      TextEngine& text, int scale = 1, bool sketch = false);

}  // namespace bevelmint::render

#pragma once

#include "image/picture.h"
#include "render/text_engine.h"
#include "state/button_state.h"

namespace bevelmint::render {

// Colour derivations of the inscription, per channel.
constexpr uint8_t half(uint8_t v) {
    return v / 2;
}
constexpr uint8_t quarter(uint8_t v) {
    return v / 4;
}
// Nearest integer to 1.5 v (halves to even), at most 255.
uint8_t bright(uint8_t v);
image::Rgb half(image::Rgb c);
image::Rgb quarter(image::Rgb c);
image::Rgb bright(image::Rgb c);

struct Offset {
    int x = 0, y = 0;
    bool operator==(const Offset&) const = default;
};

// One pixel towards the light, for the engraved copies.
Offset towardsLight(int lightPosition);
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

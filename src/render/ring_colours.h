#pragma once

#include <cstdint>
#include <vector>

#include "image/color.h"

namespace bevelmint::render {

// One channel of bevel ring i of depth d for button channel b and border fade
// (percent): the normal picture darkens towards the rim, the pressed one towards
// the face.
uint8_t normalRingChannel(uint8_t b, int i, int d, int borderFade);
uint8_t pressedRingChannel(uint8_t b, int i, int d, int borderFade);

// Ring colours 0..d, outermost first.
std::vector<image::Colour> normalRingColours(image::Rgb button, int d, int borderFade);
std::vector<image::Colour> pressedRingColours(image::Rgb button, int d, int borderFade);

}  // namespace bevelmint::render

#pragma once

#include <vector>

#include "image/color.h"

namespace bevelmint::render {

// Ring colours 0..d of the normal and the pressed picture, outermost first
// (image/shading.h gives each channel).
std::vector<image::Colour> normalRingColours(image::Rgb button, int d, int borderFade);
std::vector<image::Colour> pressedRingColours(image::Rgb button, int d, int borderFade);

}  // namespace bevelmint::render

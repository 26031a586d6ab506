#pragma once

#include <string>
#include <vector>

#include "image/picture.h"
#include "vector/vector_button.h"

namespace bevelmint::exporter {

// An SVG picture of the button: the looks stacked from the top (one for a
// picture, three for a sprite sheet), the inscription as text. The rings are
// rectangles on device pixels with the round corners painted over them by
// hard-edged gradients, which the browser decides at pixel centres as the
// renderer does; the light is a grey gradient blended with colour-dodge. Each
// look is drawn for device scales 1 to 3 and a document picks its drawing by
// resolution; a browser showing the file as an image draws the first at any
// scale. `texture` is the working texture of a textured design, embedded as PNG.
std::string svgPicture(const std::vector<vector::VectorButton>& scales,
                       const std::vector<vector::Look>& looks, const std::string& title,
                       const image::Picture* texture);

}  // namespace bevelmint::exporter

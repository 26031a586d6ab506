#pragma once

#include <cstdint>
#include <vector>

#include "image/picture.h"
#include "image/rgba_picture.h"
#include "render/canvas.h"

namespace bevelmint::render {

// Sub-rows per pixel row over which the coverage is measured; along each one the
// share of a pixel is exact.
inline constexpr int kCoverageRows = 16;

// For each pixel of the top-left width x height area, the share of its square
// that lies inside the shape's real outline (the one whose pixel centres decide
// the shape), as 0..255: 255 exactly for a square wholly inside, 0 for one wholly
// outside. Rows of width values, from the top.
std::vector<uint8_t> outlineCoverage(const RoundShape& shape, int width, int height);

// The top-left width x height pixels of a rendered picture with the outline's
// coverage as alpha. A pixel whose centre lies inside keeps its colour; a partly
// covered one whose centre lies outside takes the colour of the nearest inside
// pixel; a pixel wholly outside is transparent black. So nothing outside the
// outline (background, edge smoothing, inscription) reaches a visible pixel.
image::RgbaPicture cutOut(const RoundShape& outline, const image::Picture& picture, int width,
                          int height);

}  // namespace bevelmint::render

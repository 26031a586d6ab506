#pragma once

#include <cstdint>
#include <vector>

#include "export/gif/colour_lookup.h"
#include "image/picture.h"

namespace bevelmint::exporter {

// Palette indices of the top-left w x h pixels, rows from the top.
struct IndexPicture {
    int width = 0, height = 0;
    std::vector<uint8_t> indices;
    Palette palette{};
    uint8_t at(int x, int y) const { return indices[static_cast<size_t>(y) * width + x]; }
};

// Serpentine Floyd-Steinberg error diffusion in sixteenths onto the look-up's palette.
IndexPicture ditherPicture(const image::Picture& picture, int w, int h, ColourLookup& lookup);

// The whole colour reduction: octree palette, then dithering onto it.
IndexPicture reduceColours(const image::Picture& picture, int w, int h);

}  // namespace bevelmint::exporter

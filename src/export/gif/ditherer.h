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

class LzwCoder;

// Serpentine Floyd-Steinberg error diffusion in sixteenths onto the look-up's
// palette. A coder given is fed every index in reading order.
IndexPicture ditherPicture(const image::Picture& picture, int w, int h, ColourLookup& lookup,
                           LzwCoder* coder = nullptr);

// The octree palette of the top-left w x h pixels, ready for look-ups.
ColourLookup paletteFor(const image::Picture& picture, int w, int h);

// The whole colour reduction: octree palette, then dithering onto it.
IndexPicture reduceColours(const image::Picture& picture, int w, int h);

}  // namespace bevelmint::exporter

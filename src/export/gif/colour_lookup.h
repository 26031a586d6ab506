#pragma once

#include <array>
#include <cstdint>

#include "export/gif/octree_quantizer.h"

namespace bevelmint::exporter {

// Nearest palette entry with a cache of 32768 cells, one per top-5-bit colour.
// The cache is seeded with each entry's own cell (lowest index first); a miss
// searches all 256 entries by the sum of absolute channel differences and its
// answer then holds for every colour of the cell.
class ColourLookup {
public:
    explicit ColourLookup(const Palette& palette);
    uint8_t find(int r, int g, int b);
    const Palette& palette() const { return palette_; }

private:
    static int cell(int r, int g, int b) { return (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3); }

    Palette palette_;
    std::array<int16_t, 32768> cache_;
};

}  // namespace bevelmint::exporter

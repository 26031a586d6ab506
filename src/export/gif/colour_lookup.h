#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "image/color.h"

#include "export/gif/octree_quantizer.h"

namespace bevelmint::exporter {

// Nearest palette entry with a cache of 32768 cells, one per top-5-bit colour.
// The cache is seeded with each entry's own cell (lowest index first); a miss
// searches all 256 entries by the sum of absolute channel differences (the
// lowest index wins a tie) and its answer then holds for every colour of the cell.
class ColourLookup {
  public:
    explicit ColourLookup(const Palette& palette);
    uint8_t find(int r, int g, int b) {
        const uint32_t c = cell(r, g, b);
        if (!known(c)) learn(r, g, b);
        return static_cast<uint8_t>(answer(c) >> 24);
    }
    const Palette& palette() const { return palette_; }

    // The cache cell of a colour, whether it holds an answer yet, the answer it
    // holds, and filling the colour's cell with its answer. An answer is the
    // entry's colour with its index in the top byte, so that a caller reads both
    // at once.
    static uint32_t cell(int r, int g, int b) {
        return static_cast<uint32_t>((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
    }
    // The same cell straight from a colour value's bits; its top byte is ignored.
    static uint32_t cell(image::Colour c) {
        return (c & 0xF8) << 7 | (c >> 6 & 0x3E0) | (c >> 19 & 0x1F);
    }
    bool known(uint32_t c) const { return filled_[c / 64] >> (c % 64) & 1; }
    const uint32_t& answer(uint32_t c) const { return cache_[c]; }
    void learn(int r, int g, int b) { fill(cell(r, g, b), nearest(r, g, b)); }
    void learn(image::Colour c) { learn(c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF); }

  private:
    uint8_t nearest(int r, int g, int b);
    void fill(uint32_t cell, uint8_t index);

    Palette palette_;
    // The search looks only at the entries that can be nearest to some colour of
    // the query's block (32 values a side, 512 blocks): those whose least
    // distance to the block does not exceed the smallest largest distance of any
    // entry. Found once per block, kept in index order, so ties still go to the
    // lowest index.
    // Eight entries a group, each channel in 16-bit lanes, one cache line a group;
    // a block's groups lie together in one pool, padded with entries too far away
    // to be chosen.
    using Lanes = int16_t __attribute__((vector_size(16)));
    struct Group {
        Lanes red, green, blue, index;
    };
    struct Block {
        uint32_t first = 0;
        uint32_t groups = 0;
        bool ready = false;
    };
    const Block& findCandidates(int block);
    std::vector<Group> pool_;
    std::array<Block, 512> blocks_{};
    static constexpr int kVectors = 256 / 8;
    Lanes red_[kVectors], green_[kVectors], blue_[kVectors];
    std::array<uint32_t, 32768> cache_{};
    std::array<uint64_t, 32768 / 64> filled_{};
};

}  // namespace bevelmint::exporter

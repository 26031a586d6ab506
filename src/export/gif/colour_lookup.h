#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "image/color.h"

#include "export/gif/lanes.h"
#include "export/gif/octree_quantizer.h"

namespace bevelmint::exporter {

// Nearest palette entry with a cache of 32768 cells, one per top-5-bit colour.
// The cache is seeded with each entry's own cell (lowest index first). A colour
// whose cell holds no answer yet gets the entry nearest to it by the sum of
// absolute channel differences (the lowest index wins a tie), as if all 256
// were compared, and that answer then holds for every colour of the cell. A
// caller asks known(cell); when not, ready(colour) (else prepare(colour)) and
// then learn(colour); then reads answer(cell).
class ColourLookup {
  public:
    explicit ColourLookup(const Palette& palette);
    const Palette& palette() const { return palette_; }

    // The cache cell of a colour value (its top byte ignored), whether it holds an
    // answer yet, and the answer it holds: the entry's colour with its index in
    // the top byte, so that a caller reads both at once.
    static uint32_t cell(image::Colour c) {
        return (c & 0xF8) << 7 | (c >> 6 & 0x3E0) | (c >> 19 & 0x1F);
    }
    bool known(uint32_t c) const { return cache_[c] != noAnswer_; }
    // A reference, so that a caller can load the answer straight into a vector
    // register.
    const uint32_t& answer(uint32_t c) const { return cache_[c]; }
    // Filling a colour's cell with its answer takes the candidates of the
    // colour's block, found once (out of line) by prepare(), which learn()
    // needs first; learn() itself is inline, so that a loop calling it keeps
    // its own values in registers.
    bool ready(image::Colour c) const { return blocks_[blockOf(c)].ready; }
    void prepare(image::Colour c) { findCandidates(blockOf(c)); }
    void learn(image::Colour c) {
        const uint32_t at = cell(c);
        store(at, nearest(blocks_[blockOf(c)], c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF));
    }

  private:
    using Lanes = lanes::Lanes;
    // Eight entries a group, each channel in 16-bit lanes; a block's groups lie
    // together in one pool, padded with entries too far away to be chosen.
    struct Group {
        Lanes red, green, blue, index;
    };
    struct Block {
        uint32_t first = 0;
        uint32_t groups = 0;
        bool ready = false;
    };
    static int blockOf(image::Colour c) {
        return static_cast<int>((c >> 5 & 7) << 6 | (c >> 13 & 7) << 3 | (c >> 21 & 7));
    }
    // The same answer as comparing all 256 entries in index order: the candidates
    // keep index order, each lane keeps the first of its entries at its smallest
    // distance, and of the lanes at the smallest distance of all the lowest index
    // wins.
    uint8_t nearest(const Block& list, int r, int g, int b) const {
        using namespace lanes;
        const Group* groups = pool_.data() + list.first;
        const Lanes qr = splat(r), qg = splat(g), qb = splat(b);
        Lanes smallest = splat(0x7FFF), index{};
        for (uint32_t v = 0; v < list.groups; ++v) {
            const Group& e = groups[v];
            const Lanes d = absolute(qr - e.red) + absolute(qg - e.green) + absolute(qb - e.blue);
            const Lanes closer = d < smallest;
            index = closer ? e.index : index;
            smallest = closer ? d : smallest;
        }
        const Lanes best = splat(smallestLane(smallest));
        return static_cast<uint8_t>(smallestLane(smallest == best ? index : splat(0x7FFF)));
    }
    void store(uint32_t at, uint8_t index) {
        cache_[at] = image::makeColor(palette_[index]) | static_cast<uint32_t>(index) << 24;
    }

    Palette palette_;
    // The search looks only at the entries that can be nearest to some colour of
    // the query's block (32 values a side, 512 blocks): those whose least
    // distance to the block does not exceed the smallest largest distance of any
    // entry. Found once per block, kept in index order, so ties still go to the
    // lowest index.
    void findCandidates(int block);
    std::vector<Group> pool_;
    std::array<Block, 512> blocks_{};
    static constexpr int kVectors = 256 / 8;
    Lanes red_[kVectors], green_[kVectors], blue_[kVectors];
    // An empty cell holds a value no answer has: index 0 with a colour other
    // than entry 0's, so that the answer's own read says whether there is one.
    const uint32_t noAnswer_;
    std::array<uint32_t, 32768> cache_;
};

}  // namespace bevelmint::exporter

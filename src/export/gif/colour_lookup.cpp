#include "export/gif/colour_lookup.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace bevelmint::exporter {

ColourLookup::ColourLookup(const Palette& palette) : palette_(palette) {
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = cell(palette[i].r, palette[i].g, palette[i].b);
        if (!(filled_[c / 64] >> (c % 64) & 1)) fill(c, static_cast<uint8_t>(i));
        red_[i / 8][i % 8] = palette[i].r;
        green_[i / 8][i % 8] = palette[i].g;
        blue_[i / 8][i % 8] = palette[i].b;
    }
}

namespace {

using Lanes = int16_t __attribute__((vector_size(16)));

Lanes splat(int v) {
    return Lanes{} + static_cast<int16_t>(v);
}
Lanes minimum(Lanes a, Lanes b) {
    return a < b ? a : b;
}
Lanes maximum(Lanes a, Lanes b) {
    return a > b ? a : b;
}
Lanes absolute(Lanes a) {
    return maximum(a, -a);
}
// Least and largest absolute difference between values e and the range lo..hi.
Lanes least(Lanes e, Lanes lo, Lanes hi) {
    return maximum(maximum(lo - e, e - hi), Lanes{});
}
Lanes largest(Lanes e, Lanes lo, Lanes hi) {
    return maximum(absolute(e - lo), absolute(e - hi));
}
int16_t smallestLane(Lanes v) {
    v = minimum(v, __builtin_shufflevector(v, v, 4, 5, 6, 7, 0, 1, 2, 3));
    v = minimum(v, __builtin_shufflevector(v, v, 2, 3, 0, 1, 6, 7, 4, 5));
    v = minimum(v, __builtin_shufflevector(v, v, 1, 0, 3, 2, 5, 4, 7, 6));
    return v[0];
}
// A bit for each lane of a comparison's result that holds true.
uint32_t trueLanes(Lanes v) {
    uint32_t bits = 0;
    for (int lane = 0; lane < 8; ++lane)
        bits |= static_cast<uint32_t>(v[lane] & 1) << lane;
    return bits;
}

}  // namespace

const ColourLookup::Block& ColourLookup::findCandidates(int block) {
    Block& list = blocks_[block];
    list.ready = true;
    const int lo[3] = {(block >> 6) * 32, (block >> 3 & 7) * 32, (block & 7) * 32};
    const Lanes rLo = splat(lo[0]), gLo = splat(lo[1]), bLo = splat(lo[2]);
    const Lanes rHi = rLo + 31, gHi = gLo + 31, bHi = bLo + 31;
    Lanes near[kVectors];
    Lanes bound = splat(0x7FFF);
    for (int v = 0; v < kVectors; ++v) {
        near[v] = least(red_[v], rLo, rHi) + least(green_[v], gLo, gHi) + least(blue_[v], bLo, bHi);
        bound = minimum(bound, largest(red_[v], rLo, rHi) + largest(green_[v], gLo, gHi) +
                                   largest(blue_[v], bLo, bHi));
    }
    const int16_t limit = smallestLane(bound);
    list.first = static_cast<uint32_t>(pool_.size());
    int count = 0;
    for (int v = 0; v < kVectors; ++v) {
        for (uint32_t chosen = trueLanes(near[v] <= limit); chosen != 0; chosen &= chosen - 1) {
            const int i = 8 * v + std::countr_zero(chosen);
            // Padding lanes lie far outside the colour cube and are never nearest.
            if (count % 8 == 0) pool_.push_back({splat(2000), splat(2000), splat(2000), splat(0)});
            Group& g = pool_.back();
            const int lane = count % 8;
            g.red[lane] = palette_[i].r;
            g.green[lane] = palette_[i].g;
            g.blue[lane] = palette_[i].b;
            g.index[lane] = static_cast<int16_t>(i);
            ++count;
        }
    }
    list.groups = static_cast<uint32_t>(pool_.size()) - list.first;
    return list;
}

// The same answer as comparing all 256 entries in index order: the candidates
// keep index order, each lane keeps the first of its entries at its smallest
// distance, and of the lanes at the smallest distance of all the lowest index wins.
uint8_t ColourLookup::nearest(int r, int g, int b) {
    const int block = (r >> 5) << 6 | (g >> 5) << 3 | (b >> 5);
    const Block& list = blocks_[block].ready ? blocks_[block] : findCandidates(block);
    const Group* groups = pool_.data() + list.first;
    const Lanes qr = splat(r), qg = splat(g), qb = splat(b);
    Lanes smallest = splat(0x7FFF), index{};
    for (uint32_t v = 0; v < list.groups; ++v) {
        const Group& c = groups[v];
        const Lanes d = absolute(qr - c.red) + absolute(qg - c.green) + absolute(qb - c.blue);
        const Lanes closer = d < smallest;
        index = closer ? c.index : index;
        smallest = closer ? d : smallest;
    }
    const Lanes best = splat(smallestLane(smallest));
    return static_cast<uint8_t>(smallestLane(smallest == best ? index : splat(0x7FFF)));
}

void ColourLookup::fill(uint32_t c, uint8_t index) {
    cache_[c] = image::makeColor(palette_[index]) | static_cast<uint32_t>(index) << 24;
    filled_[c / 64] |= uint64_t{1} << (c % 64);
}

}  // namespace bevelmint::exporter

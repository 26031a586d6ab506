#include "export/gif/colour_lookup.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

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
// The first lane of a comparison's result that holds true (all ones), or -1.
int firstTrueLane(Lanes v) {
    using Bytes = int8_t __attribute__((vector_size(8)));
    const Bytes packed = __builtin_convertvector(v, Bytes);
    uint64_t bits = 0;
    std::memcpy(&bits, &packed, sizeof bits);
    if (bits == 0) return -1;
    return std::endian::native == std::endian::little ? std::countr_zero(bits) / 8
                                                      : std::countl_zero(bits) / 8;
}
int16_t smallestLane(Lanes v) {
    int16_t m = v[0];
    for (int lane = 1; lane < 8; ++lane)
        m = std::min(m, static_cast<int16_t>(v[lane]));
    return m;
}

}  // namespace

const ColourLookup::Block& ColourLookup::candidates(int block) {
    Block& list = blocks_[block];
    if (list.ready) return list;
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
    for (int i = 0; i < 256; ++i) {
        if (near[i / 8][i % 8] > limit) continue;
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
    list.groups = static_cast<uint32_t>(pool_.size()) - list.first;
    return list;
}

// The same answer as comparing all 256 entries in index order: the candidates
// keep index order, and the first lane with the smallest distance wins.
uint8_t ColourLookup::nearest(int r, int g, int b) {
    const Block& list = candidates((r >> 5) << 6 | (g >> 5) << 3 | (b >> 5));
    const Group* groups = pool_.data() + list.first;
    const Lanes qr = splat(r), qg = splat(g), qb = splat(b);
    auto distance = [&](const Group& c) {
        return absolute(qr - c.red) + absolute(qg - c.green) + absolute(qb - c.blue);
    };
    Lanes smallest = splat(0x7FFF);
    for (uint32_t v = 0; v < list.groups; ++v)
        smallest = minimum(smallest, distance(groups[v]));
    const Lanes best = splat(smallestLane(smallest));
    for (uint32_t v = 0; v < list.groups; ++v) {
        const int lane = firstTrueLane(distance(groups[v]) == best);
        if (lane >= 0) return static_cast<uint8_t>(groups[v].index[lane]);
    }
    return 0;
}

void ColourLookup::fill(uint32_t c, uint8_t index) {
    cache_[c] = index | image::makeColor(palette_[index]) << 8;
    filled_[c / 64] |= uint64_t{1} << (c % 64);
}

}  // namespace bevelmint::exporter

#include "export/gif/colour_lookup.h"

#include <algorithm>
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
    int16_t m = v[0];
    for (int lane = 1; lane < 8; ++lane)
        m = std::min(m, static_cast<int16_t>(v[lane]));
    return m;
}

}  // namespace

const ColourLookup::Candidates& ColourLookup::candidates(int block) {
    Candidates& list = candidates_[block];
    if (hasCandidates_[block]) return list;
    hasCandidates_[block] = true;
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
    int count = 0;
    for (int i = 0; i < 256; ++i) {
        if (near[i / 8][i % 8] > limit) continue;
        if (count % 8 == 0) {
            // Padding lanes lie far outside the colour cube and are never nearest.
            list.red.push_back(splat(2000));
            list.green.push_back(splat(2000));
            list.blue.push_back(splat(2000));
            list.index.push_back(splat(0));
        }
        const size_t v = count / 8;
        const int lane = count % 8;
        list.red[v][lane] = palette_[i].r;
        list.green[v][lane] = palette_[i].g;
        list.blue[v][lane] = palette_[i].b;
        list.index[v][lane] = static_cast<int16_t>(i);
        ++count;
    }
    return list;
}

// The same answer as comparing all 256 entries in index order: the candidates
// keep index order, and the first lane with the smallest distance wins.
uint8_t ColourLookup::nearest(int r, int g, int b) {
    const Candidates& c = candidates((r >> 5) << 6 | (g >> 5) << 3 | (b >> 5));
    const Lanes qr = splat(r), qg = splat(g), qb = splat(b);
    const size_t n = c.red.size();
    Lanes distance[kVectors];
    Lanes smallest = splat(0x7FFF);
    for (size_t v = 0; v < n; ++v) {
        distance[v] =
            absolute(qr - c.red[v]) + absolute(qg - c.green[v]) + absolute(qb - c.blue[v]);
        smallest = minimum(smallest, distance[v]);
    }
    const int16_t best = smallestLane(smallest);
    for (size_t v = 0; v < n; ++v)
        for (int lane = 0; lane < 8; ++lane)
            if (distance[v][lane] == best) return static_cast<uint8_t>(c.index[v][lane]);
    return 0;
}

void ColourLookup::fill(uint32_t c, uint8_t index) {
    cache_[c] = index | image::makeColor(palette_[index]) << 8;
    filled_[c / 64] |= uint64_t{1} << (c % 64);
}

}  // namespace bevelmint::exporter

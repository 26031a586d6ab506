#include "export/gif/colour_lookup.h"

#include <bit>

namespace bevelmint::exporter {

ColourLookup::ColourLookup(const Palette& palette)
    : palette_(palette), noAnswer_(image::makeColor(palette[0]) ^ 1) {
    cache_.fill(noAnswer_);
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = cell(image::makeColor(palette[i]));
        if (!known(c)) store(c, static_cast<uint8_t>(i));
        red_[i / 8][i % 8] = palette[i].r;
        green_[i / 8][i % 8] = palette[i].g;
        blue_[i / 8][i % 8] = palette[i].b;
    }
}

namespace {

using namespace lanes;

// Least and largest absolute difference between values e and the range lo..hi.
Lanes least(Lanes e, Lanes lo, Lanes hi) {
    return maximum(maximum(lo - e, e - hi), Lanes{});
}
Lanes largest(Lanes e, Lanes lo, Lanes hi) {
    return maximum(absolute(e - lo), absolute(e - hi));
}
// A bit for each lane of a comparison's result that holds true.
uint32_t trueLanes(Lanes v) {
    uint32_t bits = 0;
    for (int lane = 0; lane < 8; ++lane)
        bits |= static_cast<uint32_t>(v[lane] & 1) << lane;
    return bits;
}

}  // namespace

void ColourLookup::findCandidates(int block) {
    Block& list = blocks_[block];
    if (list.ready) return;
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
}

}  // namespace bevelmint::exporter

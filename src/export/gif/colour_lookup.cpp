#include "export/gif/colour_lookup.h"

#include <cstdlib>

namespace bevelmint::exporter {

ColourLookup::ColourLookup(const Palette& palette) : palette_(palette) {
    cache_.fill(-1);
    for (int i = 0; i < 256; ++i) {
        int16_t& c = cache_[cell(palette[i].r, palette[i].g, palette[i].b)];
        if (c < 0) c = static_cast<int16_t>(i);
    }
}

uint8_t ColourLookup::find(int r, int g, int b) {
    int16_t& c = cache_[cell(r, g, b)];
    if (c >= 0) return static_cast<uint8_t>(c);
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const render::Rgb& e = palette_[i];
        const int d = std::abs(r - e.r) + std::abs(g - e.g) + std::abs(b - e.b);
        if (d < bestDistance) best = i, bestDistance = d;
    }
    c = static_cast<int16_t>(best);
    return static_cast<uint8_t>(best);
}

}  // namespace bevelmint::exporter

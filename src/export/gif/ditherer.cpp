#include "export/gif/ditherer.h"

#include <algorithm>

namespace bevelmint::exporter {

IndexPicture ditherPicture(const image::Picture& picture, int w, int h, ColourLookup& lookup) {
    IndexPicture out;
    out.width = w, out.height = h;
    out.indices.resize(static_cast<size_t>(w) * h);
    out.palette = lookup.palette();
    // Errors in sixteenths: per channel a row of w + 2 slots below (interleaved),
    // and the carried, below and below-previous errors of the current row.
    std::vector<int> slots(3 * static_cast<size_t>(w + 2), 0);

    for (int y = 0; y < h; ++y) {
        const bool leftToRight = y % 2 == 0;
        const int step = leftToRight ? 1 : -1;
        int slot = leftToRight ? 0 : w + 1;
        int carried[3] = {0, 0, 0}, below[3] = {0, 0, 0}, belowPrevious[3] = {0, 0, 0};
        const image::Colour* row = picture.row(y);
        uint8_t* indices = out.indices.data() + static_cast<size_t>(y) * w;
        for (int i = 0; i < w; ++i, slot += step) {
            const int x = leftToRight ? i : w - 1 - i;
            const image::Rgb p = image::splitColor(row[x]);
            const int channel[3] = {p.r, p.g, p.b};
            int* s = &slots[3 * static_cast<size_t>(slot)];
            int value[3];
            for (int k = 0; k < 3; ++k)
                value[k] = std::clamp(channel[k] + (s[k] + carried[k] + 8) / 16, 0, 255);
            const uint32_t found = lookup.findEntry(value[0], value[1], value[2]);
            indices[x] = static_cast<uint8_t>(found);
            const int entry[3] = {static_cast<int>(found >> 8 & 0xFF),
                                  static_cast<int>(found >> 16 & 0xFF),
                                  static_cast<int>(found >> 24)};
            for (int k = 0; k < 3; ++k) {
                const int err = value[k] - entry[k];
                if (err != 0) {
                    s[k] = belowPrevious[k] + 3 * err;
                    belowPrevious[k] = below[k] + 5 * err;
                    below[k] = err;
                    carried[k] = 7 * err;
                } else {
                    carried[k] = 0;
                }
            }
        }
        for (int k = 0; k < 3; ++k)
            slots[3 * static_cast<size_t>(slot) + k] = belowPrevious[k];
    }
    return out;
}

IndexPicture reduceColours(const image::Picture& picture, int w, int h) {
    OctreeQuantizer quantizer;
    quantizer.addPicture(picture, w, h);
    ColourLookup lookup(quantizer.palette());
    return ditherPicture(picture, w, h, lookup);
}

}  // namespace bevelmint::exporter

#include "export/gif/ditherer.h"

#include <algorithm>

namespace bevelmint::exporter {

namespace {

// One row in one direction (step +1 or -1). Errors in sixteenths: `slots` holds
// the row below, three channels a slot; the carried, below and below-previous
// errors of this row live in locals.
template <int step>
void ditherRow(const image::Colour* row, uint8_t* indices, int w, int* slots,
               ColourLookup& lookup) {
    int carried[3] = {0, 0, 0}, below[3] = {0, 0, 0}, belowPrevious[3] = {0, 0, 0};
    int x = step > 0 ? 0 : w - 1;
    int* s = slots + (step > 0 ? 0 : 3 * (w + 1));
    for (int i = 0; i < w; ++i, x += step, s += 3 * step) {
        const image::Rgb p = image::splitColor(row[x]);
        const int channel[3] = {p.r, p.g, p.b};
        int value[3];
        for (int k = 0; k < 3; ++k)
            value[k] = std::clamp(channel[k] + (s[k] + carried[k] + 8) / 16, 0, 255);
        const uint32_t found = lookup.findEntry(value[0], value[1], value[2]);
        indices[x] = static_cast<uint8_t>(found);
        for (int k = 0; k < 3; ++k) {
            const int err = value[k] - static_cast<int>(found >> (8 * k + 8) & 0xFF);
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
        s[k] = belowPrevious[k];
}

}  // namespace

IndexPicture ditherPicture(const image::Picture& picture, int w, int h, ColourLookup& lookup) {
    IndexPicture out;
    out.width = w, out.height = h;
    out.indices.resize(static_cast<size_t>(w) * h);
    out.palette = lookup.palette();
    // A slot for every pixel and one beyond each end; rows alternate direction,
    // the first running left to right.
    std::vector<int> slots(3 * static_cast<size_t>(w + 2), 0);
    for (int y = 0; y < h; ++y) {
        uint8_t* indices = out.indices.data() + static_cast<size_t>(y) * w;
        if (y % 2 == 0) {
            ditherRow<1>(picture.row(y), indices, w, slots.data(), lookup);
        } else {
            ditherRow<-1>(picture.row(y), indices, w, slots.data(), lookup);
        }
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

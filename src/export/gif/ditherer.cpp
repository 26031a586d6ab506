#include "export/gif/ditherer.h"

#include <algorithm>

namespace bevelmint::exporter {

namespace {

// Error state of one channel: the row of slots below and the three running errors.
struct ChannelErrors {
    std::vector<int> slots;
    int carried = 0, below = 0, belowPrevious = 0;
};

}  // namespace

IndexPicture ditherPicture(const render::Picture& picture, int w, int h, ColourLookup& lookup) {
    IndexPicture out;
    out.width = w, out.height = h;
    out.indices.resize(static_cast<size_t>(w) * h);
    out.palette = lookup.palette();
    ChannelErrors ch[3];
    for (ChannelErrors& c : ch) c.slots.assign(w + 2, 0);

    for (int y = 0; y < h; ++y) {
        const bool leftToRight = y % 2 == 0;
        const int step = leftToRight ? 1 : -1;
        int slot = leftToRight ? 0 : w + 1;
        for (ChannelErrors& c : ch) c.carried = c.below = c.belowPrevious = 0;
        const render::Colour* row = picture.row(y);
        for (int i = 0; i < w; ++i, slot += step) {
            const int x = leftToRight ? i : w - 1 - i;
            const render::Rgb p = render::splitcolor(row[x]);
            const int channel[3] = {p.r, p.g, p.b};
            int value[3];
            for (int k = 0; k < 3; ++k)
                value[k] = std::clamp(channel[k] + (ch[k].slots[slot] + ch[k].carried + 8) / 16, 0, 255);
            const uint8_t index = lookup.find(value[0], value[1], value[2]);
            out.indices[static_cast<size_t>(y) * w + x] = index;
            const render::Rgb& e = out.palette[index];
            const int entry[3] = {e.r, e.g, e.b};
            for (int k = 0; k < 3; ++k) {
                ChannelErrors& c = ch[k];
                const int err = value[k] - entry[k];
                if (err != 0) {
                    c.slots[slot] = c.belowPrevious + 3 * err;
                    c.belowPrevious = c.below + 5 * err;
                    c.below = err;
                    c.carried = 7 * err;
                } else {
                    c.carried = 0;
                }
            }
        }
        for (ChannelErrors& c : ch) c.slots[slot] = c.belowPrevious;
    }
    return out;
}

IndexPicture reduceColours(const render::Picture& picture, int w, int h) {
    OctreeQuantizer quantizer;
    quantizer.addPicture(picture, w, h);
    ColourLookup lookup(quantizer.palette());
    return ditherPicture(picture, w, h, lookup);
}

}  // namespace bevelmint::exporter

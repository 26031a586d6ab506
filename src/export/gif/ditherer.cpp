#include "export/gif/ditherer.h"

#include <cstring>

#include "export/gif/lzw_encoder.h"

namespace bevelmint::exporter {

namespace {

// Red, green and blue in the first three lanes, the rest zero. Sixteen bits
// hold every error the diffusion carries: at most nine times 255 sixteenths.
using Channels = int16_t __attribute__((vector_size(16)));

Channels channelsOf(image::Colour c) {
    using Bytes = uint8_t __attribute__((vector_size(8)));
    Bytes bytes{};
    c &= 0xFFFFFF;
    std::memcpy(&bytes, &c, sizeof c);
    return __builtin_convertvector(bytes, Channels);
}

// What the diffusion carries along a row, and the last cache cell looked up with
// its answer: neighbouring pixels often fall into the same cell.
struct Diffusion {
    Channels carried{}, below{}, belowPrevious{};
    uint32_t cell = 0xFFFFFFFF;
    uint8_t index = 0;
    Channels entry{};
};

// One row in one direction (step +1 or -1). Errors in sixteenths: `slots` holds
// the row below. A channel whose error is zero passes nothing on to the row below.
// With a coder, the row above goes to it pixel by pixel in the same loop: the
// diffusion and the coder each wait on their own chain of results, and the
// processor overlaps the two.
template <int step, bool coding>
void ditherPixels(const image::Colour* row, uint8_t* indices, int w, Channels* slots,
                  Diffusion& state, ColourLookup& lookup, const uint8_t* above, LzwCoder* coder) {
    Diffusion d = state;
    d.carried = d.below = d.belowPrevious = Channels{};
    int x = step > 0 ? 0 : w - 1;
    Channels* s = slots + (step > 0 ? 0 : w + 1);
    for (int i = 0; i < w; ++i, x += step, s += step) {
        // (e + 8) / 16 in C's division, which truncates towards zero.
        Channels sum = *s + d.carried + 8;
        sum = (sum + (sum >> 15 & 15)) >> 4;
        Channels value = channelsOf(row[x]) + sum;
        value = value < 0 ? 0 : value;
        value = value > 255 ? 255 : value;
        const uint32_t cell = ColourLookup::cell(value[0], value[1], value[2]);
        if (cell != d.cell) {
            if (!lookup.known(cell)) [[unlikely]]
                lookup.learn(value[0], value[1], value[2]);
            const uint32_t answer = lookup.answer(cell);
            d.cell = cell;
            d.index = static_cast<uint8_t>(answer);
            d.entry = channelsOf(answer >> 8);
        }
        indices[x] = d.index;
        if constexpr (coding) coder->add(above[i]);
        const Channels err = value - d.entry;
        const Channels moved = err != 0;
        *s = moved ? d.belowPrevious + 3 * err : *s;
        d.belowPrevious = moved ? d.below + 5 * err : d.belowPrevious;
        d.below = moved ? err : d.below;
        d.carried = 7 * err;
    }
    *s = d.belowPrevious;
    state = d;
}

template <int step>
void ditherRow(const image::Colour* row, uint8_t* indices, int w, Channels* slots, Diffusion& state,
               ColourLookup& lookup, const uint8_t* above, LzwCoder* coder) {
    if (above && coder) {
        ditherPixels<step, true>(row, indices, w, slots, state, lookup, above, coder);
    } else {
        ditherPixels<step, false>(row, indices, w, slots, state, lookup, above, coder);
    }
}

}  // namespace

IndexPicture ditherPicture(const image::Picture& picture, int w, int h, ColourLookup& lookup,
                           LzwCoder* coder) {
    IndexPicture out;
    out.width = w, out.height = h;
    out.indices.resize(static_cast<size_t>(w) * h);
    out.palette = lookup.palette();
    // A slot for every pixel and one beyond each end; rows alternate direction,
    // the first running left to right.
    std::vector<Channels> slots(static_cast<size_t>(w + 2), Channels{});
    Diffusion d;
    for (int y = 0; y < h; ++y) {
        uint8_t* indices = out.indices.data() + static_cast<size_t>(y) * w;
        const uint8_t* above = y > 0 ? indices - w : nullptr;
        if (y % 2 == 0) {
            ditherRow<1>(picture.row(y), indices, w, slots.data(), d, lookup, above, coder);
        } else {
            ditherRow<-1>(picture.row(y), indices, w, slots.data(), d, lookup, above, coder);
        }
    }
    if (coder && h > 0) {
        for (const uint8_t* k = out.indices.data() + static_cast<size_t>(h - 1) * w;
             k != out.indices.data() + out.indices.size(); ++k)
            coder->add(*k);
    }
    return out;
}

ColourLookup paletteFor(const image::Picture& picture, int w, int h) {
    OctreeQuantizer quantizer;
    quantizer.addPicture(picture, w, h);
    return ColourLookup(quantizer.palette());
}

IndexPicture reduceColours(const image::Picture& picture, int w, int h) {
    ColourLookup lookup = paletteFor(picture, w, h);
    return ditherPicture(picture, w, h, lookup);
}

}  // namespace bevelmint::exporter

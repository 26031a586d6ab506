#include "export/gif/ditherer.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <bit>

#include "export/gif/lanes.h"
#include "export/gif/lzw_encoder.h"

namespace bevelmint::exporter {

namespace {

// Red, green and blue in the first three lanes; the fourth carries an answer's
// index along (see the loop); the last four hold nothing (zero, or kHalf in the
// slots). Sixteen bits hold every error the diffusion carries: at most nine
// times 255 sixteenths.
using Channels = lanes::Lanes;

// Lanes and bytes line up as in memory, which a little-endian machine keeps in
// the order of the colour's bytes.
static_assert(std::endian::native == std::endian::little);

// Half of sixteen, which rounds an error in sixteenths. It is stored pre-added in
// every slot, which keeps the addition off the path from pixel to pixel.
constexpr int16_t kHalf = 8;

using Bytes = uint8_t __attribute__((vector_size(16)));
using Words = uint32_t __attribute__((vector_size(16)));

// The first eight bytes widened to lanes: interleaved with zero bytes, the one
// instruction that widens bytes to sixteen bits.
Channels lanesOf(Bytes bytes) {
    return std::bit_cast<Channels>(__builtin_shufflevector(bytes, Bytes{}, 0, 16, 1, 17, 2, 18, 3,
                                                           19, 4, 20, 5, 21, 6, 22, 7, 23));
}

// The four bytes of a colour, the top one in the fourth lane.
Channels bytesOf(const image::Colour& c) {
    return lanesOf(std::bit_cast<Bytes>(Words{c, 0, 0, 0}));
}

Channels channelsOf(image::Colour c) {
    return bytesOf(c & 0xFFFFFF);
}

// The lanes clamped to 0..255 as bytes, the first eight bytes. On x86 one
// instruction does both, which shortens the path from a pixel's value to its
// look-up.
Bytes clampedBytes(Channels v) {
#ifdef __SSE2__
    const __m128i packed = std::bit_cast<__m128i>(v);
    return std::bit_cast<Bytes>(_mm_packus_epi16(packed, packed));
#else
    v = v < 0 ? 0 : v;
    v = v > 255 ? 255 : v;
    using Half = uint8_t __attribute__((vector_size(8)));
    const Half half = __builtin_convertvector(v, Half);
    return __builtin_shufflevector(half, half, 0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7);
#endif
}

// One row's work: its pixels, their indices, the slots of the row below, and,
// when coding, the row above and the coder it goes to.
struct Row {
    const image::Colour* pixels;
    uint8_t* indices;
    int width;
    Channels* slots;
    const uint8_t* above;
    LzwCoder* coder;
};

// Where a row stands: the previous pixel's error (seven sixteenths of it carry
// to this pixel), the below and below-previous errors, the pixels done, and the
// colour of the next one when the candidates of its block are still to be found.
struct RowState {
    Channels previousError{}, below{}, belowPrevious{};
    int done = 0;
    image::Colour unprepared = 0;
};

// The row's pixels on from where it stands, in one direction (step +1 or -1),
// up to its end or to a pixel whose block's candidates are still to be found,
// which is left undone. Errors in sixteenths: `slots` holds the row below, each
// slot with the 8 that rounds it (see kHalf). A channel whose error is zero
// leaves its slot and its below errors as they were. With a coder, the row
// above goes to it pixel by pixel in the same loop: the diffusion and the coder
// each wait on their own chain of results, and the processor overlaps the two.
// Out of line, and with no call on the loop's common path (only the coder's
// rare restart), so that the loop's values stay in registers.
template <int step, bool coding>
[[gnu::noinline]] void ditherPixels(const Row& row, RowState& state, ColourLookup& lookup) {
    const image::Colour* pixels = row.pixels;
    uint8_t* indices = row.indices;
    const uint8_t* above = row.above;
    LzwCoder* coder = row.coder;
    const int w = row.width;
    Channels previousError = state.previousError, below = state.below,
             belowPrevious = state.belowPrevious;
    int i = state.done;
    int x = step > 0 ? i : w - 1 - i;
    Channels* s = row.slots + (step > 0 ? i : w + 1 - i);
    for (; i < w; ++i, x += step, s += step) {
        // (s + 7e) / 16 in C's division, which truncates towards zero, where
        // the slot s holds the errors from above and the rounding 8, and e is
        // the previous pixel's error; 7e as 8e - e, both halves at once.
        Channels sum = (*s - previousError) + (previousError << 3);
        sum = (sum + (sum >> 15 & 15)) >> 4;
        const Bytes clamped = clampedBytes(channelsOf(pixels[x]) + sum);
        const Channels value = lanesOf(clamped);
        // Every pixel looks its cell up: neighbours change cells too often for
        // a "same cell as before" shortcut to pay for its mispredictions.
        const image::Colour colour = std::bit_cast<Words>(clamped)[0];
        const uint32_t cell = ColourLookup::cell(colour);
        if (!lookup.known(cell)) [[unlikely]] {
            if (!lookup.ready(colour)) {
                state.unprepared = colour;
                break;
            }
            lookup.learn(colour);
        }
        const uint32_t& answer = lookup.answer(cell);
        indices[x] = static_cast<uint8_t>(answer >> 24);
        if constexpr (coding) coder->add(above[i]);
        // The index comes along in the fourth lane, which the first three never
        // see: dithered there like a fourth channel, bounded like the others.
        const Channels err = value - bytesOf(answer);
        const Channels moved = err != 0;
        *s = moved ? belowPrevious + 3 * err + kHalf : *s;
        belowPrevious = moved ? below + 5 * err : belowPrevious;
        below = moved ? err : below;
        previousError = err;
    }
    if (i == w) *s = belowPrevious + kHalf;
    state.previousError = previousError, state.below = below, state.belowPrevious = belowPrevious;
    state.done = i;
}

template <int step, bool coding>
void ditherWholeRow(const Row& row, ColourLookup& lookup) {
    RowState state;
    for (;;) {
        ditherPixels<step, coding>(row, state, lookup);
        if (state.done == row.width) return;
        lookup.prepare(state.unprepared);
    }
}

template <int step>
void ditherRow(const Row& row, ColourLookup& lookup) {
    if (row.above && row.coder) {
        ditherWholeRow<step, true>(row, lookup);
    } else {
        ditherWholeRow<step, false>(row, lookup);
    }
}

}  // namespace

IndexPicture ditherPicture(const image::Picture& picture, int w, int h, ColourLookup& lookup,
                           LzwCoder* coder) {
    IndexPicture out;
    out.width = w, out.height = h;
    out.indices.resize(static_cast<size_t>(w) * h);
    out.palette = lookup.palette();
    // Rows alternate direction, the first running left to right. Column c's
    // errors for the row below gather in slot c + 1; that row reads them one
    // column behind its own direction, at slot x going right and slot x + 2
    // going left (so w + 2 slots).
    std::vector<Channels> slots(static_cast<size_t>(w + 2), Channels{} + kHalf);
    for (int y = 0; y < h; ++y) {
        uint8_t* indices = out.indices.data() + static_cast<size_t>(y) * w;
        const Row row{picture.row(y), indices, w, slots.data(), y > 0 ? indices - w : nullptr,
                      coder};
        if (y % 2 == 0) {
            ditherRow<1>(row, lookup);
        } else {
            ditherRow<-1>(row, lookup);
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

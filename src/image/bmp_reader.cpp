#include "image/bmp_reader.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace bevelmint::image {

namespace {

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

// Bounds-checked little-endian reads; every offset is tested before use.
class Bytes {
  public:
    explicit Bytes(std::string_view b) : b_(b) {}
    bool has(uint64_t at, uint64_t n) const { return at <= b_.size() && n <= b_.size() - at; }
    uint8_t u8(uint64_t at) const { return static_cast<uint8_t>(b_[at]); }
    uint32_t u16(uint64_t at) const { return u8(at) | u8(at + 1) << 8; }
    uint32_t u32(uint64_t at) const { return u16(at) | u16(at + 2) << 16; }
    size_t size() const { return b_.size(); }

  private:
    std::string_view b_;
};

struct Header {
    uint32_t size = 0;
    int64_t width = 0, height = 0;
    uint32_t bitCount = 0, compression = kRgb, coloursUsed = 0;
    bool core = false;
    bool topDown = false;
};

// A channel given by a bit mask, scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint64_t max = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        const int bits = 32 - std::countl_zero(m >> shift);
        max = (uint64_t{1} << bits) - 1;
    }
    uint8_t operator()(uint32_t px) const {
        if (max == 0) return 0;
        const uint64_t v = (px & mask) >> shift;
        return static_cast<uint8_t>((v * 255 + max / 2) / max);
    }
};

struct Decoder {
    Bytes in;
    Header h;
    std::vector<Colour> palette;
    uint64_t data = 0;
    Picture* out = nullptr;

    std::optional<std::string> header();
    std::optional<std::string> readPalette(uint64_t at);
    std::optional<std::string> uncompressed(uint32_t rm, uint32_t gm, uint32_t bm);
    std::optional<std::string> runLength(bool fourBit);
    std::optional<std::string> paletteColour(uint32_t index, Colour& c) const;
};

std::optional<std::string> Decoder::header() {
    if (!in.has(0, 18) || in.u8(0) != 'B' || in.u8(1) != 'M') return "it is not a Windows bitmap";
    h.size = in.u32(14);
    if (h.size != 12 && (h.size < 16 || h.size > 124)) {
        return "its header size " + std::to_string(h.size) + " is not supported";
    }
    if (!in.has(14, h.size)) return "the file is cut short in its header";
    if (h.size == 12) {
        h.core = true;
        h.width = in.u16(18);
        h.height = static_cast<int16_t>(in.u16(20));
        h.bitCount = in.u16(24);
    } else {
        h.width = static_cast<int32_t>(in.u32(18));
        h.height = static_cast<int32_t>(in.u32(22));
        h.bitCount = in.u16(28);
        if (h.size >= 20) h.compression = in.u32(30);
        if (h.size >= 36) h.coloursUsed = in.u32(46);
        // OS/2 2.x headers number their Huffman and RLE24 schemes 3 and 4.
        const bool os2 =
            h.size != 40 && h.size != 52 && h.size != 56 && h.size != 108 && h.size != 124;
        if (os2 && (h.compression == 3 || h.compression == 4)) {
            return "its OS/2 compression " + std::to_string(h.compression) + " is not supported";
        }
    }
    if (h.width == 0 || h.height == 0) return "it has a width or height of 0";
    if (h.width < 0) return "it has a negative width";
    h.topDown = h.height < 0;
    if (h.topDown) h.height = -h.height;
    if (h.width > kMaxBitmapSide || h.height > kMaxBitmapSide) {
        return "it is larger than " + std::to_string(kMaxBitmapSide) + " pixels in one direction";
    }
    if (h.width * h.height > kMaxBitmapPixels) return "it has too many pixels";
    const uint32_t c = h.compression;
    if (c != kRgb && c != kRle8 && c != kRle4 && c != kBitfields && c != kAlphaBitfields) {
        return "its compression " + std::to_string(c) + " is not supported";
    }
    switch (h.bitCount) {
        case 1:
        case 2:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return "its bit count " + std::to_string(h.bitCount) + " is not supported";
    }
    const bool ok =
        c == kRgb || (c == kRle8 && h.bitCount == 8) || (c == kRle4 && h.bitCount == 4) ||
        ((c == kBitfields || c == kAlphaBitfields) && (h.bitCount == 16 || h.bitCount == 32));
    if (!ok) {
        return "its compression " + std::to_string(c) + " with " + std::to_string(h.bitCount) +
               " bits per pixel is not supported";
    }
    if ((c == kRle8 || c == kRle4) && h.topDown) return "it is run-length encoded top-down";
    return std::nullopt;
}

std::optional<std::string> Decoder::readPalette(uint64_t at) {
    const uint32_t entry = h.core ? 3 : 4;
    uint64_t count = uint64_t{1} << h.bitCount;
    if (h.coloursUsed != 0 && h.coloursUsed < count) count = h.coloursUsed;
    const uint64_t offBits = in.u32(10);
    if (offBits > at && (offBits - at) / entry < count) count = (offBits - at) / entry;
    if (!in.has(at, count * entry)) count = (in.size() > at ? in.size() - at : 0) / entry;
    if (count == 0) return "its colour palette is missing";
    palette.resize(count);
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t p = at + i * entry;
        palette[i] = makeColor(in.u8(p + 2), in.u8(p + 1), in.u8(p));
    }
    data = offBits >= at + count * entry ? offBits : at + count * entry;
    return std::nullopt;
}

std::optional<std::string> Decoder::paletteColour(uint32_t index, Colour& c) const {
    if (index >= palette.size()) {
        return "a pixel uses colour " + std::to_string(index) + " beyond its palette of " +
               std::to_string(palette.size());
    }
    c = palette[index];
    return std::nullopt;
}

std::optional<std::string> Decoder::uncompressed(uint32_t rm, uint32_t gm, uint32_t bm) {
    const uint64_t w = h.width, bpp = h.bitCount;
    const uint64_t stride = (w * bpp + 31) / 32 * 4;
    const uint64_t rowBytes = (w * bpp + 7) / 8;
    // The last row's padding may be missing.
    if (!in.has(data, stride * (h.height - 1) + rowBytes))
        return "the file is cut short in its pixels";
    const Channel r(rm), g(gm), b(bm);
    for (int64_t row = 0; row < h.height; ++row) {
        const uint64_t at = data + row * stride;
        const int y = static_cast<int>(h.topDown ? row : h.height - 1 - row);
        for (uint64_t x = 0; x < w; ++x) {
            Colour c = 0;
            if (bpp <= 8) {
                const uint64_t bit = x * bpp;
                const uint32_t byte = in.u8(at + bit / 8);
                const uint32_t index = (byte >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                if (auto e = paletteColour(index, c)) return e;
            } else if (bpp == 24) {
                c = makeColor(in.u8(at + 3 * x + 2), in.u8(at + 3 * x + 1), in.u8(at + 3 * x));
            } else {
                const uint32_t px = bpp == 16 ? in.u16(at + 2 * x) : in.u32(at + 4 * x);
                c = makeColor(r(px), g(px), b(px));
            }
            out->setPixel(static_cast<int>(x), y, c);
        }
    }
    return std::nullopt;
}

// Runs of one index, absolute runs, end of line, delta and end of picture. Data
// that stops early leaves the rest black; a run beyond the picture is refused.
std::optional<std::string> Decoder::runLength(bool fourBit) {
    const int64_t w = h.width, height = h.height;
    int64_t x = 0, y = 0;  // y counts up from the bottom row
    uint64_t p = data;
    auto put = [&](uint32_t index) -> std::optional<std::string> {
        if (x >= w || y >= height) return "its run-length data runs past the picture";
        Colour c = 0;
        if (auto e = paletteColour(index, c)) return e;
        out->setPixel(static_cast<int>(x), static_cast<int>(height - 1 - y), c);
        ++x;
        return std::nullopt;
    };
    while (in.has(p, 2)) {
        const uint32_t count = in.u8(p), value = in.u8(p + 1);
        p += 2;
        if (count > 0) {
            for (uint32_t i = 0; i < count; ++i) {
                const uint32_t index = fourBit ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value;
                if (auto e = put(index)) return e;
            }
        } else if (value == 0) {
            x = 0, ++y;
        } else if (value == 1) {
            return std::nullopt;
        } else if (value == 2) {
            if (!in.has(p, 2)) break;
            x += in.u8(p), y += in.u8(p + 1);
            p += 2;
            if (x > w || y > height) return "its run-length data runs past the picture";
        } else {
            const uint64_t bytes = fourBit ? (value + 1) / 2 : value;
            if (!in.has(p, bytes)) break;
            for (uint32_t i = 0; i < value; ++i) {
                const uint32_t byte = in.u8(p + (fourBit ? i / 2 : i));
                const uint32_t index = fourBit ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte;
                if (auto e = put(index)) return e;
            }
            p += bytes + (bytes & 1);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> decodeBmp(std::string_view bytes, Picture& out) {
    Decoder d{Bytes(bytes), {}, {}, 0, nullptr};
    if (auto e = d.header()) return e;
    const Header& h = d.h;
    uint64_t after = 14 + h.size;
    uint32_t rm = 0x7C00, gm = 0x03E0, bm = 0x001F;
    if (h.bitCount == 32) rm = 0xFF0000, gm = 0xFF00, bm = 0xFF;
    if (h.compression == kBitfields || h.compression == kAlphaBitfields) {
        uint64_t at = 14 + 40;  // masks follow an info header, or sit inside a longer one
        if (h.size == 40) after += h.compression == kAlphaBitfields ? 16 : 12;
        if (!d.in.has(at, 12)) return "the file is cut short in its colour masks";
        rm = d.in.u32(at), gm = d.in.u32(at + 4), bm = d.in.u32(at + 8);
    }
    if (h.bitCount <= 8) {
        if (auto e = d.readPalette(after)) return e;
    } else {
        const uint64_t offBits = d.in.u32(10);
        d.data = offBits >= after ? offBits : after;
    }
    Picture picture(static_cast<int>(h.width), static_cast<int>(h.height), kBlack);
    d.out = &picture;
    std::optional<std::string> e;
    if (h.compression == kRle8 || h.compression == kRle4) {
        e = d.runLength(h.compression == kRle4);
    } else {
        e = d.uncompressed(rm, gm, bm);
    }
    if (e) return e;
    out = std::move(picture);
    return std::nullopt;
}

uint64_t bmpSizeBound(std::string_view head) {
    Decoder d{Bytes(head), {}, {}, 0, nullptr};
    if (d.header()) return UINT64_MAX;
    const Header& h = d.h;
    const uint64_t w = h.width, height = h.height;
    const uint64_t palette = h.bitCount <= 8 ? uint64_t{4} << h.bitCount : 0;
    const bool rle = h.compression == kRle8 || h.compression == kRle4;
    const uint64_t pixels =
        rle ? 2 * (w + 2) * height + 4 : (w * h.bitCount + 31) / 32 * 4 * height;
    return 14 + h.size + 16 + palette + pixels + kBitmapSlackBytes;
}

namespace {

base::FileError bitmapError(const std::string& path, const std::string& why) {
    return base::FileError{"Cannot load the bitmap \"" + path + "\": " + why + "."};
}

}  // namespace

std::optional<base::FileError> readBmpFile(const std::string& path, std::string& bytes) {
    // The file system's refusal names the file and says why.
    return base::readWholeFile(path, bytes, kMaxBitmapFileBytes, bmpSizeBound);
}

std::optional<base::FileError> decodeBmpFile(const std::string& path, std::string_view bytes,
                                             Picture& out) {
    if (auto why = decodeBmp(bytes, out)) return bitmapError(path, *why);
    return std::nullopt;
}

std::optional<base::FileError> readBmp(const std::string& path, Picture& out,
                                       std::string* fileBytes) {
    std::string bytes;
    if (auto error = readBmpFile(path, bytes)) return error;
    if (auto error = decodeBmpFile(path, bytes, out)) return error;
    if (fileBytes) *fileBytes = std::move(bytes);
    return std::nullopt;
}

}  // namespace bevelmint::image

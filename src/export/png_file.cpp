#include "export/png_file.h"

#include <libdeflate.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace bevelmint::exporter {

namespace {

void putBig32(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

struct FreeCompressor {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};
using Compressor = std::unique_ptr<libdeflate_compressor, FreeCompressor>;

// A compressor holds large tables: each thread keeps one per level it used.
libdeflate_compressor* compressorFor(int level) {
    thread_local Compressor compressors[13];
    Compressor& c = compressors[level];
    if (!c) c.reset(libdeflate_alloc_compressor(level));
    return c.get();
}

// Written without branches so that the compiler can work on many bytes at once.
inline uint8_t paethPredictor(int a, int b, int c) {
    const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    const int bc = pb <= pc ? b : c;
    return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : bc);
}

}  // namespace

std::string pngChunk(const char* type, const std::string& data) {
    std::string out;
    out.reserve(data.size() + 12);
    putBig32(out, static_cast<uint32_t>(data.size()));
    out.append(type, 4);
    out += data;
    putBig32(out, libdeflate_crc32(0, out.data() + 4, out.size() - 4));
    return out;
}

std::string pngFile(int width, int height, PngColour colour, const std::string& chunks,
                    const std::string& zlibStream) {
    std::string header;
    putBig32(header, static_cast<uint32_t>(width));
    putBig32(header, static_cast<uint32_t>(height));
    header.push_back(8);  // bits a sample
    header.push_back(static_cast<char>(colour));
    header.append(3, '\0');  // deflate, adaptive filtering, not interlaced
    return std::string("\x89PNG\r\n\x1A\n", 8) + pngChunk("IHDR", header) + chunks +
           pngChunk("IDAT", zlibStream) + pngChunk("IEND", {});
}

std::string pngScanlines(const uint8_t* pixels, int width, int height, int channels, bool paeth) {
    const size_t stride = static_cast<size_t>(width) * channels;
    const size_t left = std::min(static_cast<size_t>(channels), stride);
    std::string out(static_cast<size_t>(height) * (stride + 1), '\0');
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels + y * stride;
        auto* line = reinterpret_cast<uint8_t*>(out.data()) + y * (stride + 1);
        line[0] = paeth ? 4 : 0;
        uint8_t* filtered = line + 1;
        if (!paeth) {
            std::copy(row, row + stride, filtered);
            continue;
        }
        // Neighbours outside the picture are 0: Paeth's predictor is then the
        // left pixel on the first row and the upper one in the first column.
        const uint8_t* above = y > 0 ? row - stride : nullptr;
        for (size_t i = 0; i < left; ++i)
            filtered[i] = static_cast<uint8_t>(row[i] - (above ? above[i] : 0));
        if (!above) {
            for (size_t i = left; i < stride; ++i)
                filtered[i] = static_cast<uint8_t>(row[i] - row[i - channels]);
            continue;
        }
        for (size_t i = left; i < stride; ++i)
            filtered[i] = static_cast<uint8_t>(
                row[i] - paethPredictor(row[i - channels], above[i], above[i - channels]));
    }
    return out;
}

std::string zlibStream(const std::string& bytes, int level) {
    libdeflate_compressor* c = compressorFor(level);
    if (!c) return {};
    std::string out(libdeflate_zlib_compress_bound(c, bytes.size()), '\0');
    out.resize(libdeflate_zlib_compress(c, bytes.data(), bytes.size(), out.data(), out.size()));
    return out;
}

}  // namespace bevelmint::exporter

#include "image/bmp_writer.h"

#include "image/byte_output.h"

#include <algorithm>
#include <cstdint>

namespace bevelmint::image {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void fileHeader(std::string& out, uint32_t imageSize) {
    out += "BM";
    put32(out, kFileHeaderSize + kInfoHeaderSize + imageSize);
    put32(out, 0);  // reserved
    put32(out, kFileHeaderSize + kInfoHeaderSize);
}

void infoHeader(std::string& out, int w, int h, uint32_t imageSize) {
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<uint32_t>(w));
    put32(out, static_cast<uint32_t>(h));  // positive: rows bottom-up
    put16(out, 1);                         // planes
    put16(out, 24);                        // bits per pixel
    put32(out, 0);                         // BI_RGB
    put32(out, imageSize);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 0);  // palette colours
    put32(out, 0);  // important colours
}

void pixelRows(std::string& out, const Picture& picture, int w, int h, int stride) {
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            Rgb c = splitColor(picture.pixel(x, y));
            out.push_back(static_cast<char>(c.b));
            out.push_back(static_cast<char>(c.g));
            out.push_back(static_cast<char>(c.r));
        }
        out.append(static_cast<size_t>(stride - 3 * w), '\0');
    }
}

}  // namespace

std::string encodeBmp(const Picture& picture, int w, int h) {
    w = std::clamp(w, 0, picture.width());
    h = std::clamp(h, 0, picture.height());
    const int stride = (3 * w + 3) / 4 * 4;
    const auto imageSize = static_cast<uint32_t>(stride) * static_cast<uint32_t>(h);
    std::string out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + imageSize);
    fileHeader(out, imageSize);
    infoHeader(out, w, h, imageSize);
    pixelRows(out, picture, w, h, stride);
    return out;
}

}  // namespace bevelmint::image

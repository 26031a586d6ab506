#include "export/png_writer.h"

#include <algorithm>

#include "export/png_file.h"

namespace bevelmint::exporter {

namespace {

// A quick pass at this level over a sample of the rows tells the better filter
// and how compressible the pixels are; the file is then compressed at the full
// level.
constexpr int kQuickLevel = 1;
constexpr int kFullLevel = 6;
// Every fourth band of eight rows: rows stay beside their neighbours, as the
// filters and the matches across rows need, at a quarter of the work.
constexpr int kBandRows = 8;
constexpr int kBandStep = 4 * kBandRows;

// The pixels without their alpha, three bytes each.
std::string rgbPixels(const image::RgbaPicture& picture) {
    const size_t pixels = static_cast<size_t>(picture.width()) * picture.height();
    const uint8_t* rgba = picture.data();
    std::string rgb(pixels * 3, '\0');
    for (size_t i = 0; i < pixels; ++i)
        for (size_t c = 0; c < 3; ++c)
            rgb[3 * i + c] = static_cast<char>(rgba[4 * i + c]);
    return rgb;
}

std::string sampledScanlines(const uint8_t* pixels, int width, int height, int channels,
                             bool paeth) {
    const size_t stride = static_cast<size_t>(width) * channels;
    std::string out;
    for (int y = 0; y < height; y += kBandStep)
        out += pngScanlines(pixels + y * stride, width, std::min(kBandRows, height - y), channels,
                            paeth);
    return out;
}

}  // namespace

std::string encodePng(const image::RgbaPicture& picture) {
    const bool alpha = !picture.opaque();
    const int channels = alpha ? 4 : 3;
    const std::string rgb = alpha ? std::string() : rgbPixels(picture);
    const uint8_t* bytes = alpha ? picture.data() : reinterpret_cast<const uint8_t*>(rgb.data());
    const int w = picture.width(), h = picture.height();
    // Flat bevel rings repeat from row to row and compress best unfiltered; lit
    // gradients leave Paeth's predictor little to add.
    size_t quick[2] = {0, 0}, sampled = 0;
    for (int paeth = 0; paeth < 2; ++paeth) {
        const std::string lines = sampledScanlines(bytes, w, h, channels, paeth != 0);
        quick[paeth] = zlibStream(lines, kQuickLevel).size();
        sampled = lines.size();
    }
    const bool paeth = quick[1] < quick[0];
    // Noise saves little more at the full level than the quick pass found.
    const int level = quick[paeth] * 4 < sampled * 3 ? kFullLevel : kQuickLevel;
    const std::string stream = zlibStream(pngScanlines(bytes, w, h, channels, paeth), level);
    if (stream.empty()) return {};
    return pngFile(w, h, alpha ? PngColour::rgba : PngColour::rgb, {}, stream);
}

std::string encodePng(const image::Picture& picture) {
    image::RgbaPicture rgba(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            rgba.set(x, y, picture.pixel(x, y), 255);
    return encodePng(rgba);
}

}  // namespace bevelmint::exporter

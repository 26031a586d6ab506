#pragma once

// PNG and WebP decoded with libpng and libwebp, independently of the encoders.
#include <gtest/gtest.h>
#include <png.h>
#include <webp/decode.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace bevelmint::testing {

struct Decoded {
    int width = 0, height = 0;
    bool hasAlpha = false;
    std::vector<uint8_t> rgba;
    const uint8_t* at(int x, int y) const {
        return &rgba[(static_cast<size_t>(y) * width + x) * 4];
    }
    // Rows first..first+count-1 as their own picture.
    std::vector<uint8_t> rows(int first, int count) const {
        return {rgba.begin() + static_cast<ptrdiff_t>(first) * width * 4,
                rgba.begin() + static_cast<ptrdiff_t>(first + count) * width * 4};
    }
};

inline Decoded decodePng(const std::string& bytes) {
    Decoded d;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    EXPECT_TRUE(png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()));
    d.hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_RGBA;
    d.width = static_cast<int>(image.width), d.height = static_cast<int>(image.height);
    d.rgba.resize(PNG_IMAGE_SIZE(image));
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, d.rgba.data(), 0, nullptr));
    return d;
}

inline Decoded decodeWebp(const std::string& bytes) {
    Decoded d;
    uint8_t* out = WebPDecodeRGBA(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                                  &d.width, &d.height);
    EXPECT_NE(out, nullptr);
    if (out) d.rgba.assign(out, out + static_cast<size_t>(d.width) * d.height * 4);
    WebPFree(out);
    return d;
}

// PSNR in dB of `b` against `a` over red, green, blue and alpha, the colours
// premultiplied by their alpha (infinite when equal).
inline double premultipliedPsnr(const Decoded& a, const Decoded& b) {
    EXPECT_EQ(a.rgba.size(), b.rgba.size());
    double sum = 0;
    for (size_t i = 0; i + 3 < std::min(a.rgba.size(), b.rgba.size()); i += 4) {
        const double alphaA = a.rgba[i + 3] / 255.0, alphaB = b.rgba[i + 3] / 255.0;
        for (size_t c = 0; c < 3; ++c) {
            const double d = a.rgba[i + c] * alphaA - b.rgba[i + c] * alphaB;
            sum += d * d;
        }
        sum += (a.rgba[i + 3] - b.rgba[i + 3]) * (a.rgba[i + 3] - b.rgba[i + 3]);
    }
    if (sum == 0) return std::numeric_limits<double>::infinity();
    return 10 * std::log10(255.0 * 255.0 * static_cast<double>(a.rgba.size()) / sum);
}

}  // namespace bevelmint::testing

#include "export/palette_png_writer.h"

#include <libimagequant.h>
#include <omp.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "export/png_file.h"
#include "export/png_writer.h"

namespace bevelmint::exporter {

namespace {

// libimagequant's effort (1 slowest .. 10 fastest). No dithering: at 45 dB
// the steps between entries are too small to band, and dither noise makes the
// label set's files a third larger.
constexpr int kSpeed = 4;
constexpr float kDithering = 0;
// The quality asked for first; short of 100 libimagequant may stop before 256
// colours, which makes smaller files. A picture that then misses the PSNR
// floor is tried again at 100.
constexpr int kFirstQuality = 95;
constexpr int kFullLevel = 9;

struct LiqDelete {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};
template <class T>
using Liq = std::unique_ptr<T, LiqDelete>;

struct Quantised {
    std::vector<uint8_t> indices;  // rows from the top
    liq_palette palette{};
};

std::optional<Quantised> quantise(const image::RgbaPicture& picture, int quality) {
    // libimagequant shares its work out over OpenMP threads, and how many there
    // are can change the palette: one thread, so every machine writes the same
    // bytes (a set already runs a picture on each core).
    omp_set_num_threads(1);
    const Liq<liq_attr> attr(liq_attr_create());
    if (!attr) return std::nullopt;
    liq_set_max_colors(attr.get(), 256);
    liq_set_speed(attr.get(), kSpeed);
    liq_set_quality(attr.get(), 0, quality);
    const Liq<liq_image> image(
        liq_image_create_rgba(attr.get(), picture.data(), picture.width(), picture.height(), 0));
    if (!image) return std::nullopt;
    liq_result* made = nullptr;
    if (liq_image_quantize(image.get(), attr.get(), &made) != LIQ_OK) return std::nullopt;
    const Liq<liq_result> result(made);
    liq_set_dithering_level(result.get(), kDithering);
    Quantised out;
    out.indices.resize(static_cast<size_t>(picture.width()) * picture.height());
    if (liq_write_remapped_image(result.get(), image.get(), out.indices.data(),
                                 out.indices.size()) != LIQ_OK)
        return std::nullopt;
    // Remapping refines the palette: it is read afterwards.
    out.palette = *liq_get_palette(result.get());
    return out;
}

image::RgbaPicture expanded(const Quantised& q, int width, int height) {
    image::RgbaPicture out(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = out.row(y);
        for (int x = 0; x < width; ++x) {
            const liq_color& c = q.palette.entries[q.indices[static_cast<size_t>(y) * width + x]];
            row[4 * x] = c.r, row[4 * x + 1] = c.g, row[4 * x + 2] = c.b, row[4 * x + 3] = c.a;
        }
    }
    return out;
}

// The entries with some transparency first, so that tRNS can stop at the last
// of them; otherwise in libimagequant's order.
std::string palettePng(int width, int height, const Quantised& q) {
    const unsigned count = q.palette.count;
    std::vector<uint8_t> order;
    for (bool opaque : {false, true})
        for (unsigned i = 0; i < count; ++i)
            if ((q.palette.entries[i].a == 255) == opaque) order.push_back(static_cast<uint8_t>(i));
    uint8_t newIndex[256] = {};
    std::string plte, trns;
    for (size_t k = 0; k < order.size(); ++k) {
        const liq_color& c = q.palette.entries[order[k]];
        newIndex[order[k]] = static_cast<uint8_t>(k);
        plte += {static_cast<char>(c.r), static_cast<char>(c.g), static_cast<char>(c.b)};
        if (c.a != 255) trns.push_back(static_cast<char>(c.a));
    }
    std::vector<uint8_t> pixels(q.indices.size());
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = newIndex[q.indices[i]];
    const std::string chunks =
        pngChunk("PLTE", plte) + (trns.empty() ? "" : pngChunk("tRNS", trns));
    const std::string stream =
        zlibStream(pngScanlines(pixels.data(), width, height, 1, false), kFullLevel);
    if (stream.empty()) return {};
    return pngFile(width, height, PngColour::palette, chunks, stream);
}

std::string decibels(double psnr) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", psnr);
    return text;
}

}  // namespace

double premultipliedPsnr(const image::RgbaPicture& a, const image::RgbaPicture& b) {
    double sum = 0;
    const size_t pixels = static_cast<size_t>(a.width()) * a.height();
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* p = a.data() + 4 * i;
        const uint8_t* q = b.data() + 4 * i;
        for (int c = 0; c < 3; ++c) {
            const double d = (p[c] * p[3] - q[c] * q[3]) / 255.0;
            sum += d * d;
        }
        sum += (p[3] - q[3]) * (p[3] - q[3]);
    }
    if (sum == 0) return std::numeric_limits<double>::infinity();
    const double mse = sum / (4.0 * static_cast<double>(pixels));
    return 10 * std::log10(255.0 * 255.0 / mse);
}

PalettePng encodePalettePng(const image::RgbaPicture& picture) {
    PalettePng out;
    double best = 0;
    for (int quality : {kFirstQuality, 100}) {
        const std::optional<Quantised> q = quantise(picture, quality);
        if (!q) break;
        const double psnr =
            premultipliedPsnr(picture, expanded(*q, picture.width(), picture.height()));
        best = std::max(best, psnr);
        if (psnr < kPaletteMinimumPsnr) continue;
        out.bytes = palettePng(picture.width(), picture.height(), *q);
        out.palette = !out.bytes.empty();
        out.psnr = psnr;
        if (out.palette) return out;
        break;
    }
    out.bytes = encodePng(picture);
    out.psnr = best;
    out.notice = best == 0 ? "kept lossless: libimagequant refused the picture"
                           : "kept lossless: a palette reaches only " + decibels(best) +
                                 " dB PSNR, " + decibels(kPaletteMinimumPsnr) + " needed";
    return out;
}

}  // namespace bevelmint::exporter

#pragma once

#include <string>

#include "image/rgba_picture.h"

namespace bevelmint::exporter {

// The least PSNR (over red, green, blue and alpha, premultiplied by alpha) a
// palette picture must reach against the picture it stands for.
inline constexpr double kPaletteMinimumPsnr = 45;

struct PalettePng {
    std::string bytes;  // the palette PNG, or the lossless PNG it fell back to
    bool palette = false;
    double psnr = 0;     // of the palette picture; infinite when exact, 0 when refused
    std::string notice;  // why the file is lossless; empty for a palette PNG
};

// An 8-bit palette PNG with the alpha of each entry in a tRNS chunk, its
// colours chosen by libimagequant, when the palette picture reaches
// kPaletteMinimumPsnr; else the lossless PNG (encodePng) with a notice. The
// same picture gives the same bytes on every machine. `bytes` is empty only
// when an encoder is out of memory.
PalettePng encodePalettePng(const image::RgbaPicture& picture);

// PSNR in decibels of `b` against `a` (same size) over red, green, blue and
// alpha, each colour premultiplied by its alpha; infinite when they agree.
double premultipliedPsnr(const image::RgbaPicture& a, const image::RgbaPicture& b);

}  // namespace bevelmint::exporter

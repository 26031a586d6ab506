#pragma once

#include <string>

#include "image/rgba_picture.h"

namespace bevelmint::exporter {

// A PNG file through libpng: 8-bit RGB when every pixel is opaque, else 8-bit
// RGBA with straight alpha. Empty only when libpng fails (out of memory).
std::string encodePng(const image::RgbaPicture& picture);

}  // namespace bevelmint::exporter

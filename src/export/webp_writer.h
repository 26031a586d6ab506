#pragma once

#include <string>

#include "image/rgba_picture.h"

namespace bevelmint::exporter {

// A lossless WebP file with alpha through libwebp. The colour under full
// transparency is kept as well, so the file decodes to exactly the picture.
// Empty only when libwebp fails (out of memory).
std::string encodeWebp(const image::RgbaPicture& picture);

}  // namespace bevelmint::exporter

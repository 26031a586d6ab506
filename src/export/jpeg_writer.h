#pragma once

#include <optional>
#include <string>

#include "image/picture.h"

namespace bevelmint::exporter {

// libjpeg quality for a compression level 0..100: 100 - level (0 becomes the
// library's lowest, 1).
int jpegQuality(int compression);

// The top-left w x h pixels as a colour JPEG: library defaults, floating-point
// DCT, baseline-compatible tables, the simple progressive script on request.
std::string encodeJpeg(const image::Picture& picture, int w, int h, int compression,
                       bool progressive);

}  // namespace bevelmint::exporter

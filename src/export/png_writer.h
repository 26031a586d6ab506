#pragma once

#include <string>

#include "image/rgba_picture.h"

namespace bevelmint::exporter {

// A PNG file: 8-bit RGB when every pixel is opaque, else 8-bit RGBA with
// straight alpha; unfiltered or Paeth-filtered rows, whichever compresses
// better. Empty only when libdeflate is out of memory.
std::string encodePng(const image::RgbaPicture& picture);
// An opaque picture (a texture) as an 8-bit RGB PNG.
std::string encodePng(const image::Picture& picture);

}  // namespace bevelmint::exporter

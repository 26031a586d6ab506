#pragma once

#include <optional>
#include <string>

#include "export/gif/ditherer.h"

namespace bevelmint::exporter {

// The GIF file of one image with its 256-entry local colour table: version 87a,
// or 89a with a graphic control extension whose transparent index is the
// bottom-left pixel's when `transparent` is set.
std::string encodeGif(const IndexPicture& image, bool transparent);

// Reduces the top-left w x h pixels to a palette picture and encodes it.
std::string encodeGifPicture(const image::Picture& picture, int w, int h, bool transparent);

}  // namespace bevelmint::exporter

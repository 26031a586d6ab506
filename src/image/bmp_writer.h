#pragma once

#include <optional>
#include <string>

#include "image/picture.h"

namespace bevelmint::image {

// The top-left w x h pixels as an uncompressed 24-bit Windows bitmap.
std::string encodeBmp(const Picture& picture, int w, int h);

}  // namespace bevelmint::image

#pragma once

#include <optional>
#include <string>

#include "render/file_io.h"
#include "render/picture.h"

namespace bevelmint::exporter {

// The top-left w x h pixels as an uncompressed 24-bit Windows bitmap.
std::string encodeBmp(const render::Picture& picture, int w, int h);

std::string cannotCreateMessage(const std::string& path);

}  // namespace bevelmint::exporter

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/file_io.h"
#include "image/picture.h"

namespace bevelmint::image {

// Largest width or height a bitmap may have, and the largest pixel count.
inline constexpr int kMaxBitmapSide = 16384;
inline constexpr int64_t kMaxBitmapPixels = int64_t{64} * 1024 * 1024;

// Decodes a Windows bitmap (core, info, V4 and V5 headers; 1, 2, 4, 8, 16, 24 and
// 32 bits; uncompressed, RLE4, RLE8 and bit fields; either row order) into a true
// colour picture. Returns the fault in a few words when the bytes are refused.
std::optional<std::string> decodeBmp(std::string_view bytes, Picture& out);

// Reads and decodes a bitmap file; the error names the file and the fault.
std::optional<base::FileError> readBmp(const std::string& path, Picture& out);

}  // namespace bevelmint::image

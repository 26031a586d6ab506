#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_io.h"
#include "image/picture.h"

namespace bevelmint::image {

// Largest width or height a bitmap may have, and the largest pixel count.
inline constexpr int kMaxBitmapSide = 16384;
inline constexpr int64_t kMaxBitmapPixels = int64_t{64} * 1024 * 1024;
// Room a file may hold beyond what its header's picture needs (gaps, profiles).
inline constexpr uint64_t kBitmapSlackBytes = uint64_t{1} << 20;
// The largest bitmap file read at all: the most pixels at 32 bits, and room.
inline constexpr uint64_t kMaxBitmapFileBytes = kMaxBitmapPixels * 4 + 2 * kBitmapSlackBytes;

// Decodes a Windows bitmap (core, info, V4 and V5 headers; 1, 2, 4, 8, 16, 24 and
// 32 bits; uncompressed, RLE4, RLE8 and bit fields; either row order) into a true
// colour picture. Returns the fault in a few words when the bytes are refused.
std::optional<std::string> decodeBmp(std::string_view bytes, Picture& out);

// The most bytes a bitmap whose file begins with head can need: headers, masks, a
// full palette, its pixels (two bytes a pixel and an end of line a row when run-
// length encoded) and kBitmapSlackBytes. Unbounded when head is no bitmap header.
uint64_t bmpSizeBound(std::string_view head);

// Reads a bitmap file's bytes: a regular file no larger than its header allows.
// The error names the file and the fault.
std::optional<base::FileError> readBmpFile(const std::string& path, std::string& bytes);

// Decodes the bytes read from a bitmap file; the error names the file and the fault.
std::optional<base::FileError> decodeBmpFile(const std::string& path, std::string_view bytes,
                                             Picture& out);

// Reads and decodes a bitmap file; the error names the file and the fault. The
// file's bytes are kept in fileBytes when asked for.
std::optional<base::FileError> readBmp(const std::string& path, Picture& out,
                                       std::string* fileBytes = nullptr);

}  // namespace bevelmint::image

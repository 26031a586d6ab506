#pragma once

#include <cstdint>
#include <string>

namespace bevelmint::exporter {

// PNG colour types this exporter writes, all at 8 bits a sample.
enum class PngColour : uint8_t { rgb = 2, palette = 3, rgba = 6 };

// The PNG file of one image: signature, IHDR, the chunks given (whole, as
// pngChunk makes them), one IDAT holding the zlib stream, IEND.
std::string pngFile(int width, int height, PngColour colour, const std::string& chunks,
                    const std::string& zlibStream);

// One chunk: length, type, data and the CRC over type and data.
std::string pngChunk(const char* type, const std::string& data);

// The rows (`width` pixels of `channels` bytes each, rows from the top,
// contiguous) as PNG scanlines, each led by its filter type: none, or Paeth's
// predictor from the left, upper and upper-left neighbours.
std::string pngScanlines(const uint8_t* pixels, int width, int height, int channels, bool paeth);

// A zlib stream of the bytes through libdeflate at a level of 1 (fastest) to
// 12; empty when libdeflate is out of memory.
std::string zlibStream(const std::string& bytes, int level);

}  // namespace bevelmint::exporter

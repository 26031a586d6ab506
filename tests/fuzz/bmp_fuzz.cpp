// Fuzz target for the bitmap reader: any bytes must decode or be refused, never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "image/bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bevelmint::image::Picture picture;
    bevelmint::image::decodeBmp(std::string_view(reinterpret_cast<const char*>(data), size),
                                picture);
    return 0;
}

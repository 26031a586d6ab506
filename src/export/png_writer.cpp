#include "export/png_writer.h"

#include <png.h>

#include <vector>

namespace bevelmint::exporter {

namespace {

// An opaque picture loses nothing without its alpha channel and is a quarter smaller.
png_image pngHeader(const image::RgbaPicture& picture) {
    png_image header{};
    header.version = PNG_IMAGE_VERSION;
    header.width = static_cast<png_uint_32>(picture.width());
    header.height = static_cast<png_uint_32>(picture.height());
    header.format = picture.opaque() ? PNG_FORMAT_RGB : PNG_FORMAT_RGBA;
    return header;
}

// The pixels in the header's layout, rows from the top.
std::vector<uint8_t> packedPixels(const image::RgbaPicture& picture, const png_image& header) {
    const size_t channels = PNG_IMAGE_PIXEL_CHANNELS(header.format);
    const size_t pixels = static_cast<size_t>(picture.width()) * picture.height();
    if (channels == 4) return {picture.data(), picture.data() + pixels * 4};
    std::vector<uint8_t> rgb(pixels * 3);
    for (size_t i = 0; i < pixels; ++i)
        for (size_t c = 0; c < 3; ++c)
            rgb[3 * i + c] = picture.data()[4 * i + c];
    return rgb;
}

// Compresses once into a buffer of the largest size libpng can need.
std::string writeToMemory(png_image& header, const std::vector<uint8_t>& pixels) {
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(header);
    std::string out(size, '\0');
    const int ok =
        png_image_write_to_memory(&header, out.data(), &size, 0, pixels.data(), 0, nullptr);
    png_image_free(&header);
    if (!ok) return {};
    out.resize(size);
    return out;
}

}  // namespace

std::string encodePng(const image::RgbaPicture& picture) {
    png_image header = pngHeader(picture);
    return writeToMemory(header, packedPixels(picture, header));
}

std::string encodePng(const image::Picture& picture) {
    image::RgbaPicture rgba(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            rgba.set(x, y, picture.pixel(x, y), 255);
    return encodePng(rgba);
}

}  // namespace bevelmint::exporter

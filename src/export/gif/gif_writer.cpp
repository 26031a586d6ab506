#include "export/gif/gif_writer.h"

#include "export/gif/lzw_encoder.h"
#include "image/byte_output.h"

namespace bevelmint::exporter {

namespace {

void header(std::string& out, bool extension) {
    out += extension ? "GIF89a" : "GIF87a";
}

void logicalScreen(std::string& out, int w, int h) {
    image::put16(out, w);
    image::put16(out, h);
    out.push_back('\x77');  // no global table, 8-bit colour resolution
    out.push_back('\0');    // background index
    out.push_back('\0');    // aspect ratio
}

void graphicControl(std::string& out, uint8_t transparentIndex) {
    out += std::string("\x21\xF9\x04\x01\x00\x00", 6);
    out.push_back(static_cast<char>(transparentIndex));
    out.push_back('\0');
}

void imageDescriptor(std::string& out, int w, int h) {
    out.push_back('\x2C');
    image::put16(out, 0);
    image::put16(out, 0);
    image::put16(out, w);
    image::put16(out, h);
    out.push_back('\x87');  // local table of 256 entries, not interlaced
}

void colourTable(std::string& out, const Palette& palette) {
    for (const image::Rgb& c : palette) {
        out.push_back(static_cast<char>(c.r));
        out.push_back(static_cast<char>(c.g));
        out.push_back(static_cast<char>(c.b));
    }
}

void imageData(std::string& out, const std::string& codes) {
    out.push_back('\x08');  // minimum code size
    for (size_t at = 0; at < codes.size(); at += 255) {
        const size_t n = std::min<size_t>(255, codes.size() - at);
        out.push_back(static_cast<char>(n));
        out.append(codes, at, n);
    }
    out.push_back('\0');
}

std::string gifFile(const IndexPicture& image, bool transparent, const std::string& codes) {
    std::string out;
    header(out, transparent);
    logicalScreen(out, image.width, image.height);
    if (transparent) graphicControl(out, image.indices.empty() ? 0 : image.at(0, image.height - 1));
    imageDescriptor(out, image.width, image.height);
    colourTable(out, image.palette);
    imageData(out, codes);
    out.push_back('\x3B');
    return out;
}

}  // namespace

std::string encodeGif(const IndexPicture& image, bool transparent) {
    return gifFile(image, transparent, lzwEncode(image.indices));
}

// The coder runs beside the ditherer, a row behind it.
std::string encodeGifPicture(const image::Picture& picture, int w, int h, bool transparent) {
    ColourLookup lookup = paletteFor(picture, w, h);
    LzwCoder coder(static_cast<size_t>(w) * h);
    const IndexPicture image = ditherPicture(picture, w, h, lookup, &coder);
    return gifFile(image, transparent, coder.finish());
}

}  // namespace bevelmint::exporter

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/picture.h"

namespace bevelmint::image {

// A picture with straight (not premultiplied) alpha, four bytes a pixel in the
// order red, green, blue, alpha, rows from the top: what PNG and WebP store.
class RgbaPicture {
  public:
    RgbaPicture() = default;
    RgbaPicture(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    const uint8_t* data() const { return bytes_.data(); }
    uint8_t* row(int y) { return at(0, y); }
    const uint8_t* row(int y) const { return at(0, y); }

    uint8_t* at(int x, int y) { return bytes_.data() + offset(x, y); }
    const uint8_t* at(int x, int y) const { return bytes_.data() + offset(x, y); }
    void set(int x, int y, Colour c, uint8_t alpha);
    Colour colour(int x, int y) const;
    uint8_t alpha(int x, int y) const { return at(x, y)[3]; }

    // Whether every pixel's alpha is 255.
    bool opaque() const;

    bool operator==(const RgbaPicture&) const = default;

  private:
    size_t offset(int x, int y) const { return (static_cast<size_t>(y) * width_ + x) * 4; }

    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> bytes_;
};

// Pictures of one width stacked from the top, as a sprite sheet holds them.
Picture stackPictures(const std::vector<const Picture*>& pictures);
RgbaPicture stackPictures(const std::vector<const RgbaPicture*>& pictures);

}  // namespace bevelmint::image

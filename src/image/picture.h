#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/color.h"

namespace bevelmint::image {

// A true-colour picture. Reads outside it give black and writes outside it are
// ignored, so passes may touch the border freely.
class Picture {
  public:
    Picture() = default;
    Picture(int width, int height, Colour fill = kBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Colour pixel(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : kBlack; }
    void setPixel(int x, int y, Colour c) {
        if (contains(x, y)) pixels_[index(x, y)] = c;
    }

    Colour* row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const Colour* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }

    void fill(Colour c);
    // Grows the picture to at least w x h, keeping its pixels; new ones are black.
    void ensureSize(int w, int h);
    // The top-left w x h pixels (clipped to the picture) as a new picture.
    Picture cut(int w, int h) const;

    bool operator==(const Picture&) const = default;

  private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

}  // namespace bevelmint::image

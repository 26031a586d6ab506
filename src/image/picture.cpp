#include "image/picture.h"

#include <algorithm>

namespace bevelmint::image {

Picture::Picture(int width, int height, Colour fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

void Picture::fill(Colour c) {
    std::fill(pixels_.begin(), pixels_.end(), c);
}

void Picture::ensureSize(int w, int h) {
    if (w <= width_ && h <= height_) return;
    Picture bigger(std::max(w, width_), std::max(h, height_));
    for (int y = 0; y < height_; ++y)
        std::copy(row(y), row(y) + width_, bigger.row(y));
    *this = std::move(bigger);
}

Picture Picture::cut(int w, int h) const {
    Picture out(std::min(w, width_), std::min(h, height_));
    for (int y = 0; y < out.height_; ++y)
        std::copy(row(y), row(y) + out.width_, out.row(y));
    return out;
}

}  // namespace bevelmint::image

#include "image/rgba_picture.h"

#include <algorithm>

namespace bevelmint::image {

RgbaPicture::RgbaPicture(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bytes_(static_cast<size_t>(width_) * height_ * 4, 0) {}

void RgbaPicture::set(int x, int y, Colour c, uint8_t alpha) {
    const Rgb rgb = splitColor(c);
    uint8_t* p = at(x, y);
    p[0] = rgb.r, p[1] = rgb.g, p[2] = rgb.b, p[3] = alpha;
}

Colour RgbaPicture::colour(int x, int y) const {
    const uint8_t* p = at(x, y);
    return makeColor(p[0], p[1], p[2]);
}

bool RgbaPicture::opaque() const {
    for (size_t i = 3; i < bytes_.size(); i += 4)
        if (bytes_[i] != 255) return false;
    return true;
}

namespace {

size_t rowValues(const Picture& p) {
    return static_cast<size_t>(p.width());
}
size_t rowValues(const RgbaPicture& p) {
    return static_cast<size_t>(p.width()) * 4;
}

template <class P>
P stacked(const std::vector<const P*>& pictures) {
    int width = 0, height = 0;
    for (const P* p : pictures)
        width = std::max(width, p->width()), height += p->height();
    P out(width, height);
    int top = 0;
    for (const P* p : pictures) {
        for (int y = 0; y < p->height(); ++y)
            std::copy(p->row(y), p->row(y) + rowValues(*p), out.row(top + y));
        top += p->height();
    }
    return out;
}

}  // namespace

Picture stackPictures(const std::vector<const Picture*>& pictures) {
    return stacked(pictures);
}

RgbaPicture stackPictures(const std::vector<const RgbaPicture*>& pictures) {
    return stacked(pictures);
}

}  // namespace bevelmint::image

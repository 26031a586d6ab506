#include "render/ring_colours.h"

#include "image/shading.h"

namespace bevelmint::render {

namespace {

std::vector<image::Colour> ringColours(image::Rgb button, int d, int borderFade,
                                       uint8_t (*channel)(uint8_t, int, int, int)) {
    std::vector<image::Colour> out;
    out.reserve(d + 1);
    for (int i = 0; i <= d; ++i) {
        out.push_back(image::makeColor(channel(button.r, i, d, borderFade),
                                       channel(button.g, i, d, borderFade),
                                       channel(button.b, i, d, borderFade)));
    }
    return out;
}

}  // namespace

std::vector<image::Colour> normalRingColours(image::Rgb button, int d, int borderFade) {
    return ringColours(button, d, borderFade, image::normalRingChannel);
}

std::vector<image::Colour> pressedRingColours(image::Rgb button, int d, int borderFade) {
    return ringColours(button, d, borderFade, image::pressedRingChannel);
}

}  // namespace bevelmint::render

#include "render/ring_colours.h"

namespace bevelmint::render {

namespace {

// round(a * f + (1 - f) * b) with f held as a double, the whole expression in
// extended precision.
uint8_t fade(int64_t a, uint8_t b, int borderFade) {
    const double f = borderFade / 100.0;
    const long double f_ext = f;
    return static_cast<uint8_t>(image::roundHalfEven(a * f_ext + (1.0L - f_ext) * b));
}

// round(n / d * b) in extended precision.
int64_t ramp(int n, int d, uint8_t b) {
    return image::roundHalfEven(static_cast<long double>(n) / d * b);
}

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

uint8_t normalRingChannel(uint8_t b, int i, int d, int borderFade) {
    return fade(ramp(i, d, b), b, borderFade);
}

uint8_t pressedRingChannel(uint8_t b, int i, int d, int borderFade) {
    return fade(ramp(d - i, d, b), b, borderFade);
}

std::vector<image::Colour> normalRingColours(image::Rgb button, int d, int borderFade) {
    return ringColours(button, d, borderFade, normalRingChannel);
}

std::vector<image::Colour> pressedRingColours(image::Rgb button, int d, int borderFade) {
    return ringColours(button, d, borderFade, pressedRingChannel);
}

}  // namespace bevelmint::render

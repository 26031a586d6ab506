#include "image/shading.h"

namespace bevelmint::image {

namespace {

// round(a * f + (1 - f) * b) with f held as a double, the whole expression in
// extended precision.
uint8_t fade(int64_t a, uint8_t b, int borderFade) {
    const double f = borderFade / 100.0;
    const long double f_ext = f;
    return static_cast<uint8_t>(roundHalfEven(a * f_ext + (1.0L - f_ext) * b));
}

// round(n / d * b) in extended precision.
int64_t ramp(int n, int d, uint8_t b) {
    return roundHalfEven(static_cast<long double>(n) / d * b);
}

}  // namespace

uint8_t normalRingChannel(uint8_t b, int i, int d, int borderFade) {
    return fade(ramp(i, d, b), b, borderFade);
}

uint8_t pressedRingChannel(uint8_t b, int i, int d, int borderFade) {
    return fade(ramp(d - i, d, b), b, borderFade);
}

double lightFactor(int radius, int intensity, int distance) {
    const long double ext = static_cast<long double>(radius - distance) / radius *
                            (static_cast<long double>(intensity) / 100);
    return static_cast<double>(ext);
}

uint8_t bright(uint8_t v) {
    const int64_t b = roundHalfEven(1.5L * v);
    return static_cast<uint8_t>(b >= 255 ? 255 : b);
}

Rgb half(Rgb c) {
    return {half(c.r), half(c.g), half(c.b)};
}
Rgb quarter(Rgb c) {
    return {quarter(c.r), quarter(c.g), quarter(c.b)};
}
Rgb bright(Rgb c) {
    return {bright(c.r), bright(c.g), bright(c.b)};
}

}  // namespace bevelmint::image

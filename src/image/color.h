#pragma once

#include <cstdint>

namespace bevelmint::image {

// A colour value: red in the low byte, green in the second, blue in the third.
using Colour = uint32_t;

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr Colour makeColor(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}

constexpr Rgb splitColor(Colour v) {
    return {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>((v >> 8) & 0xFF),
            static_cast<uint8_t>((v >> 16) & 0xFF)};
}

constexpr Colour makeColor(Rgb c) {
    return makeColor(c.r, c.g, c.b);
}

inline constexpr Colour kBlack = makeColor(0, 0, 0);
inline constexpr Colour kWhite = makeColor(255, 255, 255);
inline constexpr Colour kRed = makeColor(255, 0, 0);
inline constexpr Colour kBlue = makeColor(0, 0, 255);

// Nearest integer, exact halves to the even integer (extended precision input).
int64_t roundHalfEven(long double v);

}  // namespace bevelmint::image

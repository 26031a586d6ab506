#pragma once

#include <cstdint>

#include "image/color.h"

// The colour arithmetic of the bevel, the light and the inscription, shared by
// the raster renderer and the vector description of the same button.
namespace bevelmint::image {

// One channel of bevel ring i of depth d for button channel b and border fade
// (percent): the normal picture darkens towards the rim, the pressed one towards
// the face.
uint8_t normalRingChannel(uint8_t b, int i, int d, int borderFade);
uint8_t pressedRingChannel(uint8_t b, int i, int d, int borderFade);

// The light's factor at a rounded distance below the radius: falling linearly
// from intensity / 100 at the light point to nothing at the rim, evaluated in
// extended precision and held as a double.
double lightFactor(int radius, int intensity, int distance);

// Colour derivations of the inscription, per channel.
constexpr uint8_t half(uint8_t v) {
    return v / 2;
}
constexpr uint8_t quarter(uint8_t v) {
    return v / 4;
}
// Nearest integer to 1.5 v (halves to even), at most 255.
uint8_t bright(uint8_t v);
Rgb half(Rgb c);
Rgb quarter(Rgb c);
Rgb bright(Rgb c);

}  // namespace bevelmint::image

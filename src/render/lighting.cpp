#include "render/lighting.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "image/color.h"
#include "image/shading.h"
#include "render/canvas.h"

namespace bevelmint::render {

LightFactor::LightFactor(double x) {
    int exp = 0;
    const double frac = std::frexp(x, &exp);  // x = frac * 2^exp, frac in [0.5, 1)
    // v * mantissa < 2^61, so a shift of 62 or more leaves less than a half: no gain.
    if (!(x > 0) || 53 - exp >= 62) return;
    mantissa_ = static_cast<uint64_t>(std::ldexp(frac, 53));
    shift_ = 53 - exp;
}

// p / 2^shift rounded, halves to even: adding half - 1 and the parity of the
// truncated quotient carries exactly the remainders above a half, and a half when odd.
int LightFactor::gain(uint8_t v) const {
    const uint64_t p = v * mantissa_;
    const uint64_t half = uint64_t{1} << (shift_ - 1);
    return static_cast<int>((p + (half - 1) + ((p >> shift_) & 1)) >> shift_);
}

namespace {

// The rounded square root k of n, the one with k^2 - k < n <= k^2 + k, found by
// stepping from a nearby guess: along a column the distance changes slowly.
int64_t roundedRootFrom(int64_t n, int64_t k) {
    while (n > k * k + k)
        ++k;
    while (k > 0 && n <= k * k - k)
        --k;
    return k;
}

uint8_t addClamped(int v, int t, int b) {
    return static_cast<uint8_t>(std::clamp(v + t - b, 0, 255));
}

image::Colour blend(image::Colour pixel, image::Rgb t, image::Rgb b) {
    image::Rgb p = image::splitColor(pixel);
    return image::makeColor(addClamped(p.r, t.r, b.r), addClamped(p.g, t.g, b.g),
                            addClamped(p.b, t.b, b.b));
}

uint8_t litChannel(uint8_t v, const LightFactor& x) {
    int n = v + x.gain(v);
    return static_cast<uint8_t>(n < 255 ? n : 254);
}

}  // namespace

image::Colour lit(image::Colour pixel, const LightFactor& x) {
    image::Rgb p = image::splitColor(pixel);
    return image::makeColor(litChannel(p.r, x), litChannel(p.g, x), litChannel(p.b, x));
}

void lightShape(const state::ButtonState& s, const image::Picture& mask,
                const image::Picture* texture, image::Picture& normal, image::Picture& pressed,
                const std::function<void()>& progress) {
    const int w = s.buttonWidth, h = s.buttonHeight;
    const int radius = s.lightRadius;
    const bool textured = s.textureActive && texture != nullptr;
    const image::Rgb button{s.buttonRed, s.buttonGreen, s.buttonBlue};

    // The factor depends on the rounded distance alone: one per distance inside the disc.
    std::vector<LightFactor> factors(radius);
    for (int dist = 0; dist < radius; ++dist)
        factors[dist] = LightFactor(image::lightFactor(radius, s.lightIntensity, dist));

    // A rounded distance below the radius means n <= (r - 1)^2 + (r - 1).
    const int64_t outside = int64_t{radius} * radius - radius;
    // One pixel; `dist` carries the last rounded distance as the next one's guess.
    auto visit = [&](int i, int j, int64_t& dist) {
        const image::Colour m = mask.pixel(i, j);
        if (m != image::kWhite && m != image::kRed) return;
        if (textured) {
            // Beyond the texture's edge the button colour stands in: no change.
            const image::Rgb t =
                texture->contains(i, j) ? image::splitColor(texture->pixel(i, j)) : button;
            normal.setPixel(i, j, blend(normal.pixel(i, j), t, button));
            pressed.setPixel(i, j, blend(pressed.pixel(i, j), t, button));
        }
        if (!(m == image::kWhite || (textured && s.lightenFront))) return;
        const int64_t dx = i - s.lightX, dy = j - s.lightY;
        const int64_t n = dx * dx + dy * dy;
        if (n > outside) return;
        dist = roundedRootFrom(n, dist);
        const LightFactor& x = factors[dist];
        normal.setPixel(i, j, lit(normal.pixel(i, j), x));
        const int mi = w - 1 - i, mj = h - 1 - j;
        pressed.setPixel(mi, mj, lit(pressed.pixel(mi, mj), x));
    };
    // Columns in strips of 30, the progress reported before each strip.
    for (int strip = 0; strip <= w; strip += 30) {
        if (progress) progress();
        const int end = std::min(strip + 29, w);
        if (textured) {
            // A pressed pixel is blended at its own visit and lit at its mirror's:
            // column by column keeps which of the two comes first.
            for (int i = strip; i <= end; ++i) {
                int64_t dist = std::abs(i - s.lightX);
                for (int j = 0; j <= h; ++j)
                    visit(i, j, dist);
            }
        } else {
            // Without a texture each pixel changes at one visit only, and only inside
            // the disc: each row visits the columns with dx^2 <= outside - dy^2.
            for (int j = 0; j <= h; ++j) {
                const int64_t dy = j - s.lightY;
                const int64_t room = outside - dy * dy;
                if (room < 0) continue;
                const int64_t reach = isqrt(room);
                const int64_t from = std::max<int64_t>(strip, s.lightX - reach);
                const int64_t to = std::min<int64_t>(end, s.lightX + reach);
                int64_t dist = isqrt((from - s.lightX) * (from - s.lightX) + dy * dy);
                for (int64_t i = from; i <= to; ++i)
                    visit(static_cast<int>(i), j, dist);
            }
        }
    }
}

}  // namespace bevelmint::render

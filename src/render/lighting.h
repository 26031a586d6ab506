#pragma once

#include <functional>

#include "image/picture.h"
#include "state/button_state.h"

namespace bevelmint::render {

// round(v * x) for a channel v and a light factor x held as a double, exactly as
// the extended-precision product would round (halves to even), in integers.
class LightFactor {
  public:
    LightFactor() = default;
    explicit LightFactor(double x);
    int gain(uint8_t v) const;

  private:
    uint64_t mantissa_ = 0;
    int shift_ = 1;
};

// A pixel under the light: each channel gains its own value times x, rounded,
// and one that would reach 255 stays at 254.
image::Colour lit(image::Colour pixel, const LightFactor& x);

// Lights the button and blends the texture into it, column by column: the normal
// picture round the light point, the pressed one round its mirror point. Reads
// the shape mask; `texture` is the working texture, used while textureActive is
// set. `progress` runs at the start of every column whose index is a multiple of 30.
void lightShape(const state::ButtonState& s, const image::Picture& mask,
                const image::Picture* texture, image::Picture& normal, image::Picture& pressed,
                const std::function<void()>& progress);

}  // namespace bevelmint::render

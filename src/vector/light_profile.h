#pragma once

#include <vector>

#include "vector/vector_button.h"

namespace bevelmint::vector {

// A colour stop of a radial gradient: a distance from the light's centre in CSS
// pixels and a grey from 0 to 1. Two stops at one distance make a hard step.
struct GreyStop {
    double at = 0;
    double grey = 0;
};

// The light as a grey radial gradient that the colour-dodge blend turns into the
// renderer's gain: dodging v with the grey g gives v / (1 - g), and with
// g = x / (1 + x) that is v (1 + x). Where one device pixel of distance changes
// a channel by more than a level, the gradient steps at every rounded distance
// as the renderer does; otherwise it is smooth. Black from the radius on.
std::vector<GreyStop> lightProfile(const LightField& light, int intensityPercent);

}  // namespace bevelmint::vector

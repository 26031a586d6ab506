#include "vector/light_profile.h"

#include <algorithm>

namespace bevelmint::vector {

namespace {

// Pieces of a smooth profile: x / (1 + x) bends so little over a 32nd of the
// light's reach that straight pieces stay within a quarter of a level.
constexpr int kSmoothPieces = 32;

double dodgeGrey(double x) {
    return x / (1 + x);
}

}  // namespace

std::vector<GreyStop> lightProfile(const LightField& light, int intensityPercent) {
    std::vector<GreyStop> stops;
    const int steps = light.steps;
    if (steps <= 0) return stops;
    const double n = light.scale;
    const double levelsPerStep = 255.0 * intensityPercent / 100 / steps;
    if (levelsPerStep > 1) {
        // Distance m covers the device distances that round to it.
        for (int m = 0; m < steps; ++m) {
            const double g = dodgeGrey(light.factor(intensityPercent, m));
            stops.push_back({std::max(m - 0.5, 0.0) / n, g});
            stops.push_back({(m + 0.5) / n, g});
        }
        stops.push_back({(steps - 0.5) / n, 0});
        return stops;
    }
    const double full = intensityPercent / 100.0;
    for (int piece = 0; piece <= kSmoothPieces; ++piece) {
        const double r = static_cast<double>(steps) * piece / kSmoothPieces;
        stops.push_back({r / n, dodgeGrey(full * (steps - r) / steps)});
    }
    return stops;
}

}  // namespace bevelmint::vector

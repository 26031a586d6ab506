#pragma once

#include "state/button_state.h"

// Where the parts of the button lie, derived from the design: what the raster
// renderer draws and the vector description describes alike.
namespace bevelmint::state {

// The design drawn n times larger for export: every length (size, depth,
// roundness, light centre and radius, text offsets) multiplied by n. The
// inscription's pixel size is scaled by the text pass.
ButtonState scaledDesign(const ButtonState& s, int n);

// Where a light position puts the light: halves of the width and height plus
// whole bevel depths, so the place follows the button when it changes size.
struct LightPlace {
    int halvesX = 0, depthsX = 0;
    int halvesY = 0, depthsY = 0;
};
// False (and `place` untouched) for an unknown position code.
bool lightPlace(int32_t position, LightPlace& place);

// Character height in pixels of a font size in points on a 96 dpi display.
int characterHeight(int pointSize);

struct Offset {
    int x = 0, y = 0;
    bool operator==(const Offset&) const = default;
};

// One pixel towards the light, for the engraved copies.
Offset towardsLight(int lightPosition);

// The top of the inscription's text cell: centred on the character height, then
// moved by the vertical offset.
int textTop(const ButtonState& s);

}  // namespace bevelmint::state

#pragma once

// The button as a browser can draw it: the outline, the bevel rings with their
// normal and pressed colours, the light as a radial field, the face, the texture
// and the inscription, derived from the design with the formulas the raster
// renderer uses. A description is exact for one device scale: there the rings
// are one device pixel wide and the light's distances are rounded to device
// pixels, as in a picture rendered at that scale.

#include <optional>
#include <string>
#include <vector>

#include "image/color.h"
#include "state/button_state.h"

namespace bevelmint::vector {

// A length along one side of a box: a share of that side plus CSS pixels, so
// that it follows the box when a longer label widens the button.
struct Length {
    double share = 0;
    double px = 0;
    double at(double side) const { return share * side + px; }
    bool operator==(const Length&) const = default;
};

enum class Outline { rect, ellipse, roundRect };

// The button at rest, under the pointer (the light raised by the hover lift) and
// held down (the rings reversed, the light mirrored).
enum class Look { rest, hover, pressed };

// Bevel ring i: the outline drawn in the button's box inset by `inset` on every
// side, its corners quarters of an ellipse whose radii are lengths along the
// inset box (half of it for an ellipse, CSS pixels for a rounded rectangle).
// Each ring lies inside the one before; the last is the face.
struct Ring {
    double inset = 0;  // CSS pixels
    Length cornerX, cornerY;
    image::Rgb normal, pressed;
};

// The light brightens each channel v of what lies under it to v (1 + x), x
// falling linearly from intensity / 100 at the centre to nothing at the radius.
// Distances are rounded to whole device pixels first, as the renderer does.
// The pressed button is lit round the centre mirrored through the box's middle.
struct LightField {
    Length x, y;                // the centre in the button's box
    Length pressedX, pressedY;  // the mirrored centre
    int steps = 0;              // the radius in device pixels
    int scale = 1;
    int intensity = 0;       // percent, at rest and pressed
    int hoverIntensity = 0;  // under the pointer
    bool lightsFace = true;  // else only the bevel is lit

    double radius() const { return static_cast<double>(steps) / scale; }  // CSS pixels
    // x at a rounded device distance below `steps`.
    double factor(int intensityPercent, int distance) const;
};

// One copy of the inscription: shifted by (dx, dy), in its colour at rest and pressed.
struct TextCopy {
    int dx = 0, dy = 0;
    image::Rgb normal, pressed;
};

// The inscription as live text: centred across the button and moved right by
// `offsetX`; its text cell's top `top` pixels below the button's, and so its
// baseline `ascent` below that, as in the picture.
struct Inscription {
    std::string text;
    state::FontDesc font;
    int pixelSize = 0;  // CSS pixels
    int top = 0;
    int ascent = 0, descent = 0;  // the font's, at that size
    int offsetX = 0;
    std::vector<TextCopy> copies;  // in drawing order, the plain text last

    int baseline() const { return top + ascent; }
};

// The font's vertical extent at the inscription's pixel size, above and below
// the baseline, in pixels.
struct TextMetrics {
    int ascent = 0, descent = 0;
};

struct VectorButton {
    int scale = 1;              // device pixels per CSS pixel
    int width = 0, height = 0;  // CSS pixels: the design's size, the least the button takes
    Outline outline = Outline::rect;
    std::vector<Ring> rings;  // outermost first, one device pixel apart
    LightField light;
    std::optional<Inscription> inscription;
    // Laid under the face from the top-left corner, brightness applied.
    std::optional<int> textureBrightness;
    image::Rgb button, background;
};

// How much darker a ring is than the button colour, 0 to 1, as a black veil's
// opacity over a texture: the mean over the channels the button has.
double ringShade(image::Rgb ring, image::Rgb button);

// The design at a device scale of 1 to 4. `metrics` place the baseline; without
// them the inscription's cell top is taken for it.
VectorButton describeButton(const state::ButtonState& s, int scale, TextMetrics metrics = {});

// Descriptions at device scales 1 to kMaxLiveScale.
inline constexpr int kMaxLiveScale = 3;
std::vector<VectorButton> describeScales(const state::ButtonState& s, TextMetrics metrics);

}  // namespace bevelmint::vector

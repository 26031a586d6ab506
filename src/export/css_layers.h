#pragma once

// The painted layers of a live button as CSS values, for one device scale. The
// rings are inset box shadows (exact for rectangular insets); the round corners
// and the ellipse are painted over them as hard-edged radial gradients, which
// the browser decides at pixel centres as the renderer's shapes do; the light
// is a grey radial gradient blended with colour-dodge.

#include <string>
#include <vector>

#include "image/color.h"
#include "vector/vector_button.h"

namespace bevelmint::exporter {

// Up to four decimals, without trailing zeros: "0.5", "12", "-3.25".
std::string cssNumber(double v);
// "0" or "12.5px".
std::string cssPx(double v);
// A length along a side: "50%", "3px", "calc(50% + 0.5px)".
std::string cssLength(const vector::Length& length);

// The box-shadow value that paints rings 0 .. d - 1 along the straight insets,
// in their normal or pressed colours; "none" without a bevel.
std::string ringShadows(const vector::VectorButton& b, bool pressed);
// The box-shadow value of a textured button: the rings as black veils that
// darken the texture as the rings darken the button colour.
std::string ringVeils(const vector::VectorButton& b, bool pressed);
// A background layer veiling a textured face as dark as the face ring is.
std::string faceVeil(const vector::VectorButton& b, bool pressed);
// The background layers that correct the round outlines: for each ring, the part
// of its inset box outside its rounded shape, in the colour of the ring before.
// "none" for a rectangle.
std::string cornerCutouts(const vector::VectorButton& b, bool pressed);
// The background layers of the face alone (the innermost ring's shape), laid over
// the light when the light spares the face.
std::string faceLayers(const vector::VectorButton& b, bool pressed);
// The light of a look as a background layer for colour-dodge.
std::string lightLayer(const vector::VectorButton& b, vector::Look look);

// The inscription's font family: the design's face, then the generic family it
// most likely falls back to.
std::string fontFamily(const std::string& face);

}  // namespace bevelmint::exporter

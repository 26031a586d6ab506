#include "export/css_layers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "export/css_button.h"
#include "export/html_snippet.h"
#include "vector/light_profile.h"

namespace bevelmint::exporter {

using vector::Length;
using vector::Ring;
using vector::VectorButton;

std::string cssNumber(double v) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    std::string out = buf;
    while (out.back() == '0')
        out.pop_back();
    if (out.back() == '.') out.pop_back();
    return out == "-0" ? "0" : out;
}

std::string cssPx(double v) {
    const std::string n = cssNumber(v);
    return n == "0" ? n : n + "px";
}

std::string cssLength(const Length& length) {
    if (length.share == 0) return cssPx(length.px);
    const std::string share = cssNumber(length.share * 100) + "%";
    const std::string px = cssNumber(std::abs(length.px));
    if (px == "0") return share;
    return "calc(" + share + (length.px < 0 ? " - " : " + ") + px + "px)";
}

namespace {

const image::Rgb& ringColour(const Ring& r, bool pressed) {
    return pressed ? r.pressed : r.normal;
}

Length insetSide(double inset) {
    return {1, -2 * inset};
}

std::string join(const std::vector<std::string>& layers) {
    std::string out;
    for (const std::string& l : layers)
        out += (out.empty() ? "" : ",\n    ") + l;
    return out.empty() ? "none" : out;
}

// The four corner quadrants of a rounded ring's inset box, each with a quarter
// ellipse: `inside` paints the ellipse, otherwise the rest of the quadrant. The
// browser puts background tiles on whole device pixels, so each tile is rounded
// up to them and the ellipse placed in it; the extra half pixel lies on the
// ellipse's centre line, inside it.
void quadrantLayers(const VectorButton& b, const Ring& r, image::Rgb colour, bool inside,
                    std::vector<std::string>& layers) {
    const double rx = r.cornerX.px, ry = r.cornerY.px;
    if (rx <= 0 || ry <= 0) return;
    const double n = b.scale;
    const double tw = std::ceil(rx * n - 1e-9) / n, th = std::ceil(ry * n - 1e-9) / n;
    const std::string c = hexColour(colour);
    const std::string stops = inside ? c + " 100%, #0000 0" : "#0000 100%, " + c + " 0";
    const std::string radii = cssPx(rx) + " " + cssPx(ry);
    const std::string at = cssPx(r.inset);
    const std::string size = cssPx(tw) + " " + cssPx(th);
    for (int k = 0; k < 4; ++k) {
        const bool right = k % 2, bottom = k >= 2;
        layers.push_back("radial-gradient(" + radii + " at " + cssPx(right ? tw - rx : rx) + " " +
                         cssPx(bottom ? th - ry : ry) + ", " + stops + ") " +
                         (right ? "right " : "left ") + at + (bottom ? " bottom " : " top ") + at +
                         " / " + size + " no-repeat");
    }
}

// A layer filling a centred box of the given size with one colour.
std::string centredFill(image::Rgb colour, const Length& w, const Length& h) {
    const std::string c = hexColour(colour);
    return "linear-gradient(" + c + ", " + c + ") 50% 50% / " + cssLength(w) + " " + cssLength(h) +
           " no-repeat";
}

// An ellipse filling a ring's inset box, or the rest of the box around it.
std::string ellipseLayer(const Ring& r, image::Rgb colour, bool inside) {
    const std::string c = hexColour(colour);
    const std::string side = cssLength(insetSide(r.inset));
    return "radial-gradient(closest-side, " +
           (inside ? c + " 100%, #0000 0" : "#0000 100%, " + c + " 0") + ") 50% 50% / " + side +
           " " + side + " no-repeat";
}

}  // namespace

std::string ringShadows(const VectorButton& b, bool pressed) {
    std::string out;
    for (size_t i = 0; i + 1 < b.rings.size(); ++i) {
        out += (out.empty() ? "" : ",\n    ") + std::string("inset 0 0 0 ") +
               cssPx(b.rings[i + 1].inset) + " " + hexColour(ringColour(b.rings[i], pressed));
    }
    return out.empty() ? "none" : out;
}

std::string ringVeils(const VectorButton& b, bool pressed) {
    std::string out;
    for (size_t i = 0; i + 1 < b.rings.size(); ++i) {
        const double a = vector::ringShade(ringColour(b.rings[i], pressed), b.button);
        out += (out.empty() ? "" : ",\n    ") + std::string("inset 0 0 0 ") +
               cssPx(b.rings[i + 1].inset) + " rgba(0,0,0," + cssNumber(a) + ")";
    }
    return out.empty() ? "none" : out;
}

std::string faceVeil(const VectorButton& b, bool pressed) {
    const std::string veil =
        "rgba(0,0,0," +
        cssNumber(vector::ringShade(ringColour(b.rings.back(), pressed), b.button)) + ")";
    return "linear-gradient(" + veil + ", " + veil + ")";
}

std::string cornerCutouts(const VectorButton& b, bool pressed) {
    std::vector<std::string> layers;
    if (b.outline != vector::Outline::rect) {
        for (size_t j = 1; j < b.rings.size(); ++j) {
            const Ring& r = b.rings[j];
            const image::Rgb outside = ringColour(b.rings[j - 1], pressed);
            if (b.outline == vector::Outline::ellipse)
                layers.push_back(ellipseLayer(r, outside, false));
            else
                quadrantLayers(b, r, outside, false, layers);
        }
    }
    return join(layers);
}

std::string faceLayers(const VectorButton& b, bool pressed) {
    const Ring& face = b.rings.back();
    const image::Rgb colour = ringColour(face, pressed);
    const Length side = insetSide(face.inset);
    std::vector<std::string> layers;
    switch (b.outline) {
        case vector::Outline::rect:
            layers.push_back(centredFill(colour, side, side));
            break;
        case vector::Outline::ellipse:
            layers.push_back(ellipseLayer(face, colour, true));
            break;
        case vector::Outline::roundRect: {
            quadrantLayers(b, face, colour, true, layers);
            // The cross between the corners' tiles.
            const double n = b.scale;
            const double cw = std::ceil(face.cornerX.px * n - 1e-9) / n;
            const double ch = std::ceil(face.cornerY.px * n - 1e-9) / n;
            const std::string c = hexColour(colour);
            auto band = [&](double x, double y) {
                layers.push_back("linear-gradient(" + c + ", " + c + ") left " + cssPx(x) +
                                 " top " + cssPx(y) + " / " + cssLength({1, -2 * x}) + " " +
                                 cssLength({1, -2 * y}) + " no-repeat");
            };
            band(face.inset + cw, face.inset);
            band(face.inset, face.inset + ch);
            break;
        }
    }
    return join(layers);
}

std::string lightLayer(const VectorButton& b, vector::Look look) {
    const vector::LightField& light = b.light;
    const int intensity = look == vector::Look::hover ? light.hoverIntensity : light.intensity;
    const std::vector<vector::GreyStop> stops = vector::lightProfile(light, intensity);
    if (stops.empty()) return "none";
    const bool pressed = look == vector::Look::pressed;
    std::string out = "radial-gradient(circle " + cssPx(light.radius()) + " at " +
                      cssLength(pressed ? light.pressedX : light.x) + " " +
                      cssLength(pressed ? light.pressedY : light.y);
    for (const vector::GreyStop& s : stops) {
        const std::string g = cssNumber(s.grey * 100) + "%";
        out += ", rgb(" + g + "," + g + "," + g + ") " + cssPx(s.at);
    }
    return out + ")";
}

std::string fontFamily(const std::string& face) {
    std::string f = face;
    std::transform(f.begin(), f.end(), f.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    auto has = [&](const char* part) { return f.find(part) != std::string::npos; };
    const char* generic = "sans-serif";
    if (has("mono") || has("courier") || has("consol"))
        generic = "monospace";
    else if ((has("serif") && !has("sans")) || has("times") || has("georgia") || has("garamond") ||
             has("roman"))
        generic = "serif";
    return cssString(face) + ", " + generic;
}

}  // namespace bevelmint::exporter

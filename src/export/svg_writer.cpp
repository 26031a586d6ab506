#include "export/svg_writer.h"

#include <algorithm>
#include <set>

#include "export/css_layers.h"
#include "export/html_snippet.h"
#include "export/png_writer.h"
#include "vector/light_profile.h"

namespace bevelmint::exporter {

using vector::Look;
using vector::Ring;
using vector::VectorButton;

namespace {

// The document as it is written: gradients and patterns go to the definitions
// once each, the drawing to the body.
struct Svg {
    std::string defs, body;
    std::set<std::string> ids;
    bool firstUse(const std::string& id) { return ids.insert(id).second; }
};

std::string attr(const char* name, double v) {
    return std::string(" ") + name + "=\"" + cssNumber(v) + "\"";
}

std::string attr(const char* name, const std::string& v) {
    return std::string(" ") + name + "=\"" + escapeText(v) + "\"";
}

const image::Rgb& colourOf(const Ring& r, Look look) {
    return look == Look::pressed ? r.pressed : r.normal;
}

std::string base64(const std::string& bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t v = static_cast<uint8_t>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 2]);
        for (size_t k = 0; k < 4; ++k)
            out += i + k <= bytes.size() ? kDigits[(v >> (18 - 6 * k)) & 63] : '=';
    }
    return out;
}

// A gradient over its box, in one colour inside or outside the ellipse that the
// box's top-left quadrant (a corner) or the whole box (an ellipse) holds.
std::string shapeGradient(Svg& svg, image::Rgb colour, bool corner, bool inside) {
    const std::string id =
        std::string(corner ? "c" : "e") + (inside ? "i" : "o") + hexColour(colour).substr(1);
    if (svg.firstUse(id)) {
        const std::string paint = "<stop offset=\"1\" stop-color=\"" + hexColour(colour) + "\"/>";
        const std::string clear = "<stop offset=\"1\" stop-opacity=\"0\"/>";
        svg.defs += "<radialGradient id=\"" + id + "\"" +
                    (corner ? " cx=\"1\" cy=\"1\" r=\"1\" fx=\"1\" fy=\"1\">"
                            : " cx=\"0.5\" cy=\"0.5\" r=\"0.5\">") +
                    (inside ? paint + clear : clear + paint) + "</radialGradient>\n";
    }
    return "url(#" + id + ")";
}

std::string rect(double x, double y, double w, double h, const std::string& fill,
                 const std::string& extra = {}) {
    return "<rect" + attr("x", x) + attr("y", y) + attr("width", w) + attr("height", h) +
           " fill=\"" + fill + "\"" + extra + "/>\n";
}

// The ring's four corner quadrants, each a mirror of the top-left one.
std::string corners(Svg& svg, const VectorButton& b, const Ring& r, image::Rgb colour,
                    bool inside) {
    const double boxW = b.width - 2 * r.inset, boxH = b.height - 2 * r.inset;
    const double w = r.cornerX.at(boxW), h = r.cornerY.at(boxH);
    if (w <= 0 || h <= 0) return {};
    const std::string fill = shapeGradient(svg, colour, true, inside);
    const std::string W = cssNumber(b.width), H = cssNumber(b.height);
    const std::string mirrors[4] = {"", " transform=\"matrix(-1 0 0 1 " + W + " 0)\"",
                                    " transform=\"matrix(1 0 0 -1 0 " + H + ")\"",
                                    " transform=\"matrix(-1 0 0 -1 " + W + " " + H + ")\""};
    std::string out;
    for (const std::string& m : mirrors)
        out += rect(r.inset, r.inset, w, h, fill, m);
    return out;
}

// The rings: each inset rectangle over the one before, then each ring's round
// corners, the outermost last, in the colour of the ring outside it.
std::string rings(Svg& svg, const VectorButton& b, Look look) {
    std::string out;
    for (const Ring& r : b.rings) {
        const double w = b.width - 2 * r.inset, h = b.height - 2 * r.inset;
        if (w > 0 && h > 0) out += rect(r.inset, r.inset, w, h, hexColour(colourOf(r, look)));
    }
    if (b.outline == vector::Outline::rect) return out;
    for (size_t j = b.rings.size(); j-- > 1;) {
        const Ring& r = b.rings[j];
        const image::Rgb outside = colourOf(b.rings[j - 1], look);
        const double w = b.width - 2 * r.inset, h = b.height - 2 * r.inset;
        if (b.outline == vector::Outline::ellipse) {
            if (w > 0 && h > 0)
                out += rect(r.inset, r.inset, w, h, shapeGradient(svg, outside, false, false));
        } else {
            out += corners(svg, b, r, outside, false);
        }
    }
    return out;
}

// The innermost ring's shape alone, laid over the light when the light spares it.
std::string face(Svg& svg, const VectorButton& b, Look look) {
    const Ring& r = b.rings.back();
    const image::Rgb c = colourOf(r, look);
    const double w = b.width - 2 * r.inset, h = b.height - 2 * r.inset;
    if (w <= 0 || h <= 0) return {};
    switch (b.outline) {
        case vector::Outline::rect:
            return rect(r.inset, r.inset, w, h, hexColour(c));
        case vector::Outline::ellipse:
            return rect(r.inset, r.inset, w, h, shapeGradient(svg, c, false, true));
        case vector::Outline::roundRect: {
            const double cw = r.cornerX.at(w), ch = r.cornerY.at(h);
            std::string out = corners(svg, b, r, c, true);
            if (w > 2 * cw) out += rect(r.inset + cw, r.inset, w - 2 * cw, h, hexColour(c));
            if (h > 2 * ch) out += rect(r.inset, r.inset + ch, w, h - 2 * ch, hexColour(c));
            return out;
        }
    }
    return {};
}

std::string light(Svg& svg, const VectorButton& b, Look look, size_t part) {
    const vector::LightField& l = b.light;
    const int intensity = look == Look::hover ? l.hoverIntensity : l.intensity;
    const std::vector<vector::GreyStop> stops = vector::lightProfile(l, intensity);
    if (stops.empty()) return {};
    const bool pressed = look == Look::pressed;
    const std::string id = "light" + std::to_string(part) + "x" + std::to_string(b.scale);
    const double r = l.radius();
    svg.defs += "<radialGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\"" +
                attr("cx", (pressed ? l.pressedX : l.x).at(b.width)) +
                attr("cy", (pressed ? l.pressedY : l.y).at(b.height)) + attr("r", r) + ">";
    for (const vector::GreyStop& s : stops) {
        const std::string g = cssNumber(s.grey * 100) + "%";
        svg.defs += "<stop" + attr("offset", std::min(s.at / r, 1.0)) + " stop-color=\"rgb(" + g +
                    "," + g + "," + g + ")\"/>";
    }
    svg.defs += "</radialGradient>\n";
    return rect(0, 0, b.width, b.height, "url(#" + id + ")",
                " style=\"mix-blend-mode:color-dodge\"");
}

// A textured design: the texture under black veils as dark as the rings.
std::string texturedRings(const VectorButton& b, Look look) {
    std::string out = rect(0, 0, b.width, b.height, "url(#texture)");
    for (size_t i = 0; i < b.rings.size(); ++i) {
        const Ring& r = b.rings[i];
        const double opacity = vector::ringShade(colourOf(r, look), b.button);
        if (opacity <= 0) continue;
        const double w = b.width - 2 * r.inset, h = b.height - 2 * r.inset;
        if (w <= 0 || h <= 0) continue;
        // The ring's band, or the whole face for the innermost.
        std::string d = "M" + cssNumber(r.inset) + "," + cssNumber(r.inset) + "h" + cssNumber(w) +
                        "v" + cssNumber(h) + "h" + cssNumber(-w) + "z";
        if (i + 1 < b.rings.size()) {
            const double in = b.rings[i + 1].inset;
            const double iw = b.width - 2 * in, ih = b.height - 2 * in;
            if (iw > 0 && ih > 0)
                d += "M" + cssNumber(in) + "," + cssNumber(in) + "v" + cssNumber(ih) + "h" +
                     cssNumber(iw) + "v" + cssNumber(-ih) + "z";
        }
        out += "<path d=\"" + d + "\" fill=\"#000\"" + attr("fill-opacity", opacity) + "/>\n";
    }
    return out;
}

std::string texts(const VectorButton& b, Look look) {
    if (!b.inscription) return {};
    const vector::Inscription& in = *b.inscription;
    std::string font = attr("font-family", fontFamily(in.font.face)) +
                       attr("font-size", in.pixelSize) + " text-anchor=\"middle\"";
    if (in.font.bold) font += " font-weight=\"bold\"";
    if (in.font.italic) font += " font-style=\"italic\"";
    std::string out;
    for (const vector::TextCopy& c : in.copies) {
        out += "<text" + attr("x", b.width / 2.0 + in.offsetX + c.dx) +
               attr("y", in.baseline() + c.dy) + font + " fill=\"" +
               hexColour(look == Look::pressed ? c.pressed : c.normal) + "\">" +
               escapeText(in.text) + "</text>\n";
    }
    return out;
}

std::string outlineClip(const VectorButton& b) {
    const Ring& r = b.rings.front();
    if (b.outline == vector::Outline::ellipse) {
        return "<ellipse" + attr("cx", b.width / 2.0) + attr("cy", b.height / 2.0) +
               attr("rx", b.width / 2.0) + attr("ry", b.height / 2.0) + "/>";
    }
    return "<rect" + attr("width", b.width) + attr("height", b.height) +
           attr("rx", r.cornerX.at(b.width)) + attr("ry", r.cornerY.at(b.height)) + "/>";
}

// One drawing per scale, each shown at its resolution only.
template <class Draw>
std::string perScale(const std::vector<VectorButton>& scales, Draw draw) {
    std::string out;
    for (const VectorButton& b : scales) {
        const std::string inner = draw(b);
        if (!inner.empty())
            out += "<g class=\"s" + std::to_string(b.scale) + "\">\n" + inner + "</g>\n";
    }
    return out;
}

}  // namespace

std::string svgPicture(const std::vector<VectorButton>& scales, const std::vector<Look>& looks,
                       const std::string& title, const image::Picture* texture) {
    if (scales.empty()) return {};
    const VectorButton& first = scales.front();
    Svg svg;
    svg.defs = "<clipPath id=\"outline\">" + outlineClip(first) + "</clipPath>\n";
    const bool textured = first.textureBrightness && texture && texture->width() > 0;
    if (textured) {
        svg.defs += "<pattern id=\"texture\" patternUnits=\"userSpaceOnUse\"" +
                    attr("width", texture->width()) + attr("height", texture->height()) +
                    "><image" + attr("width", texture->width()) +
                    attr("height", texture->height()) +
                    " style=\"image-rendering:pixelated\" href=\"data:image/png;base64," +
                    base64(encodePng(*texture)) + "\"/></pattern>\n";
    }
    for (size_t part = 0; part < looks.size(); ++part) {
        const Look look = looks[part];
        const bool lightsFace = first.light.lightsFace;
        svg.body += "<g" +
                    (part ? " transform=\"translate(0 " +
                                cssNumber(static_cast<double>(part) * first.height) + ")\""
                          : std::string()) +
                    " clip-path=\"url(#outline)\" style=\"isolation:isolate\">\n";
        svg.body += perScale(scales, [&](const VectorButton& b) {
            return textured ? texturedRings(b, look) : rings(svg, b, look);
        });
        if (lightsFace) svg.body += texts(first, look);
        svg.body +=
            perScale(scales, [&](const VectorButton& b) { return light(svg, b, look, part); });
        if (!lightsFace) {
            if (!textured)
                svg.body +=
                    perScale(scales, [&](const VectorButton& b) { return face(svg, b, look); });
            svg.body += texts(first, look);
        }
        svg.body += "</g>\n";
    }
    const double height = static_cast<double>(looks.size()) * first.height;
    return "<svg xmlns=\"http://www.w3.org/2000/svg\"" + attr("width", first.width) +
           attr("height", height) + " viewBox=\"0 0 " + cssNumber(first.width) + " " +
           cssNumber(height) + "\">\n<title>" + escapeText(title) +
           "</title>\n<style>.s2,.s3{display:none}"
           "@media (min-resolution:2dppx){.s1,.s3{display:none}.s2{display:inline}}"
           "@media (min-resolution:3dppx){.s1,.s2{display:none}.s3{display:inline}}</style>\n"
           "<defs>\n" +
           svg.defs + "</defs>\n" + svg.body + "</svg>\n";
}

}  // namespace bevelmint::exporter

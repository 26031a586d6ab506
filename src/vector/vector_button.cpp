#include "vector/vector_button.h"

#include <algorithm>

#include "image/shading.h"
#include "state/layout.h"
#include "state/state_rules.h"

namespace bevelmint::vector {

double LightField::factor(int intensityPercent, int distance) const {
    return image::lightFactor(steps, intensityPercent, distance);
}

namespace {

Outline outlineOf(state::ShapeKind kind) {
    switch (kind) {
        case state::ShapeKind::rect:
            return Outline::rect;
        case state::ShapeKind::elips:
            return Outline::ellipse;
        case state::ShapeKind::rrect:
            return Outline::roundRect;
    }
    return Outline::rect;
}

// A corner radius along a side of an inset box `side` device pixels long: the
// corner ellipse is `diameter` wide, limited to the box. An ellipse's follows
// its box; a rounded rectangle's keeps the design's, also in a wider button.
Length cornerRadius(Outline outline, int diameter, int side, int scale) {
    if (outline == Outline::rect) return {};
    if (outline == Outline::ellipse) return {0.5, 0};
    return {0, std::min(diameter, side) / 2.0 / scale};
}

// A light coordinate as a share of the side and a rest in CSS pixels, measured
// to the middle of the device pixel the renderer lights from.
Length lightCoordinate(int halves, int centre, int side, int scale) {
    const double share = halves / 2.0;
    return {share, (centre + 0.5 - share * side) / scale};
}

Inscription inscriptionOf(const state::ButtonState& s, TextMetrics metrics) {
    Inscription in;
    in.text = s.buttonText;
    in.font = s.textFont;
    in.pixelSize = state::characterHeight(s.textFont.size);
    in.top = state::textTop(s);
    in.ascent = metrics.ascent;
    in.descent = metrics.descent;
    in.offsetX = s.textOffsetX;
    const image::Rgb t{s.textRed, s.textGreen, s.textBlue};
    if (s.text3D) {
        const state::Offset d = state::towardsLight(s.lightPosition);
        in.copies.push_back({d.x, d.y, image::half(t), image::quarter(t)});
        in.copies.push_back({-d.x, -d.y, image::bright(t), image::half(image::bright(t))});
    }
    in.copies.push_back({0, 0, t, image::half(t)});
    return in;
}

}  // namespace

VectorButton describeButton(const state::ButtonState& state, int scale, TextMetrics metrics) {
    const state::ButtonState design = state::clampedForRender(state);
    const int n = state::kScaleRange.clamp(scale);
    const state::ButtonState s = state::scaledDesign(design, n);

    VectorButton b;
    b.scale = n;
    b.width = design.buttonWidth;
    b.height = design.buttonHeight;
    b.outline = outlineOf(s.shapeKind);
    b.button = {s.buttonRed, s.buttonGreen, s.buttonBlue};
    b.background = {s.backRed, s.backGreen, s.backBlue};

    const int w = s.buttonWidth, h = s.buttonHeight, d = s.buttonDepth;
    for (int i = 0; i <= d; ++i) {
        Ring r;
        r.inset = static_cast<double>(i) / n;
        const int boxW = std::max(w - 2 * i, 0), boxH = std::max(h - 2 * i, 0);
        r.cornerX = cornerRadius(b.outline, s.roundness, boxW, n);
        r.cornerY = cornerRadius(b.outline, s.roundness, boxH, n);
        auto channel = [&](uint8_t c, bool pressed) {
            return pressed ? image::pressedRingChannel(c, i, d, s.borderFade)
                           : image::normalRingChannel(c, i, d, s.borderFade);
        };
        r.normal = {channel(b.button.r, false), channel(b.button.g, false),
                    channel(b.button.b, false)};
        r.pressed = {channel(b.button.r, true), channel(b.button.g, true),
                     channel(b.button.b, true)};
        b.rings.push_back(r);
    }

    LightField& light = b.light;
    state::LightPlace place;
    if (!state::lightPlace(s.lightPosition, place)) place = {};
    light.x = lightCoordinate(place.halvesX, s.lightX, w, n);
    light.y = lightCoordinate(place.halvesY, s.lightY, h, n);
    // The pressed picture lights pixel (W - 1 - i, H - 1 - j) as the normal one lights (i, j).
    light.pressedX = {1 - light.x.share, -light.x.px};
    light.pressedY = {1 - light.y.share, -light.y.px};
    light.steps = s.lightRadius;
    light.scale = n;
    light.intensity = s.lightIntensity;
    light.hoverIntensity = state::hoverState(s).lightIntensity;
    light.lightsFace = s.lightenFront;

    if (s.useText && !s.buttonText.empty()) b.inscription = inscriptionOf(design, metrics);
    if (s.textureActive) b.textureBrightness = s.textureBrightness;
    return b;
}

double ringShade(image::Rgb ring, image::Rgb button) {
    double sum = 0;
    int channels = 0;
    const uint8_t r[3] = {ring.r, ring.g, ring.b}, b[3] = {button.r, button.g, button.b};
    for (int c = 0; c < 3; ++c) {
        if (b[c] == 0) continue;
        sum += 1.0 - static_cast<double>(r[c]) / b[c];
        ++channels;
    }
    return channels ? std::max(sum / channels, 0.0) : 0.0;
}

std::vector<VectorButton> describeScales(const state::ButtonState& s, TextMetrics metrics) {
    std::vector<VectorButton> out;
    for (int scale = 1; scale <= kMaxLiveScale; ++scale)
        out.push_back(describeButton(s, scale, metrics));
    return out;
}

}  // namespace bevelmint::vector

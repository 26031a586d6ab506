#include "state/state_rules.h"

#include <algorithm>

#include "state/layout.h"

namespace bevelmint::state {

int32_t Range::clamp(int64_t v) const {
    return static_cast<int32_t>(std::clamp<int64_t>(v, min, max));
}

int64_t roundDivHalfEven(int64_t n, int64_t d) {
    int64_t q = n / d;
    int64_t r = n % d;
    if (r < 0) {  // floor division
        r += d;
        q -= 1;
    }
    if (2 * r > d || (2 * r == d && (q & 1) != 0)) ++q;
    return q;
}

Range widthRange(const ButtonState& s) {
    return {kMinWidth, s.widthMax};
}
Range heightRange(const ButtonState& s) {
    return {kMinHeight, s.heightMax};
}
Range depthRange(const ButtonState& s) {
    return {1, s.depthLimit};
}

Range textOffsetXRange(int32_t buttonWidth) {
    return {static_cast<int32_t>(-roundDivHalfEven(buttonWidth, 3)), buttonWidth / 3};
}

Range textOffsetYRange(int32_t buttonHeight) {
    return {static_cast<int32_t>(-roundDivHalfEven(buttonHeight, 3)), buttonHeight / 3};
}

bool lightCentre(int32_t position, int32_t w, int32_t h, int32_t d, int32_t& x, int32_t& y) {
    LightPlace p;
    if (!lightPlace(position, p)) return false;
    // Half the width is the integer half (W div 2).
    x = p.halvesX * w / 2 + p.depthsX * d;
    y = p.halvesY * h / 2 + p.depthsY * d;
    return true;
}

void updateDerived(ButtonState& s) {
    s.textOffsetX = textOffsetXRange(s.buttonWidth).clamp(s.textOffsetX);
    s.textOffsetY = textOffsetYRange(s.buttonHeight).clamp(s.textOffsetY);
    lightCentre(s.lightPosition, s.buttonWidth, s.buttonHeight, s.buttonDepth, s.lightX, s.lightY);
}

namespace {

void changeSize(ButtonState& s, int32_t width, int32_t height) {
    s.buttonWidth = width;
    s.buttonHeight = height;
    s.depthLimit = std::min(width, height) / 2;
    if (s.buttonDepth > s.depthLimit) s.buttonDepth = s.depthLimit;
    updateDerived(s);
}

}  // namespace

bool setButtonWidth(ButtonState& s, int32_t width) {
    if (!widthRange(s).contains(width) || width == s.buttonWidth) return false;
    changeSize(s, width, s.buttonHeight);
    return true;
}

bool setButtonHeight(ButtonState& s, int32_t height) {
    if (!heightRange(s).contains(height) || height == s.buttonHeight) return false;
    changeSize(s, s.buttonWidth, height);
    return true;
}

void setButtonSize(ButtonState& s, int32_t width, int32_t height) {
    changeSize(s, Range{kMinWidth, kMaxWidth}.clamp(width),
               Range{kMinHeight, kMaxHeight}.clamp(height));
}

bool setButtonDepth(ButtonState& s, int32_t depth) {
    if (!depthRange(s).contains(depth) || depth == s.buttonDepth) return false;
    s.buttonDepth = depth;
    updateDerived(s);
    return true;
}

void setSizeMaxima(ButtonState& s, int32_t widthMax, int32_t heightMax) {
    if (widthMax >= kMinWidth) s.widthMax = std::min(widthMax, kMaxWidth);
    if (heightMax >= kMinHeight) s.heightMax = std::min(heightMax, kMaxHeight);
}

void setShapeKind(ButtonState& s, ShapeKind kind) {
    s.shapeKind = kind;
}

bool setLightPosition(ButtonState& s, int32_t position) {
    if (!kLightPositionRange.contains(position)) return false;
    s.lightPosition = position;
    updateDerived(s);
    return true;
}

uint8_t& buttonChannel(ButtonState& s, Channel c) {
    switch (c) {
        case Channel::red:
            return s.buttonRed;
        case Channel::green:
            return s.buttonGreen;
        case Channel::blue:
            break;
    }
    return s.buttonBlue;
}

uint8_t& textChannel(ButtonState& s, Channel c) {
    switch (c) {
        case Channel::red:
            return s.textRed;
        case Channel::green:
            return s.textGreen;
        case Channel::blue:
            break;
    }
    return s.textBlue;
}

void setButtonChannel(ButtonState& s, Channel c, uint8_t value) {
    buttonChannel(s, c) = value;
    if (s.text3D) textChannel(s, c) = value;
}

void setButtonColour(ButtonState& s, uint8_t r, uint8_t g, uint8_t b) {
    setButtonChannel(s, Channel::red, r);
    setButtonChannel(s, Channel::green, g);
    setButtonChannel(s, Channel::blue, b);
}

void setText3D(ButtonState& s, bool on) {
    s.text3D = on;
    if (on) {
        s.textRed = s.buttonRed, s.textGreen = s.buttonGreen, s.textBlue = s.buttonBlue;
    } else {
        s.textRed = s.textGreen = s.textBlue = 0;
    }
}

void setFontSize(ButtonState& s, int32_t size) {
    if (kFontSizeRange.contains(size)) s.textFont.size = size;
}

void setFont(ButtonState& s, const FontDesc& font) {
    s.textFont = font;
}

ButtonState hoverState(const ButtonState& s) {
    ButtonState hover = s;
    hover.lightIntensity = kLightIntensityRange.clamp(int64_t{s.lightIntensity} + s.hoverLift);
    return hover;
}

ButtonState darkVariant(const ButtonState& s) {
    ButtonState dark = s;
    const DarkScheme& d = s.dark;
    dark.textRed = d.textRed, dark.textGreen = d.textGreen, dark.textBlue = d.textBlue;
    setButtonColour(dark, d.buttonRed, d.buttonGreen, d.buttonBlue);
    dark.backRed = d.backRed, dark.backGreen = d.backGreen, dark.backBlue = d.backBlue;
    return dark;
}

ButtonState clampedForRender(const ButtonState& s) {
    ButtonState c = s;
    c.buttonWidth = Range{kMinWidth, kMaxWidth}.clamp(s.buttonWidth);
    c.buttonHeight = Range{kMinHeight, kMaxHeight}.clamp(s.buttonHeight);
    c.depthLimit = std::min(c.buttonWidth, c.buttonHeight) / 2;
    c.buttonDepth = Range{1, c.depthLimit}.clamp(s.buttonDepth);
    c.roundness = kRoundnessRange.clamp(s.roundness);
    c.lightPosition = kLightPositionRange.clamp(s.lightPosition);
    c.lightRadius = kLightRadiusRange.clamp(s.lightRadius);
    c.lightIntensity = kLightIntensityRange.clamp(s.lightIntensity);
    c.borderFade = kBorderFadeRange.clamp(s.borderFade);
    c.textFont.size = kFontSizeRange.clamp(s.textFont.size);
    c.textureBrightness = kBrightnessRange.clamp(s.textureBrightness);
    c.hoverLift = kHoverLiftRange.clamp(s.hoverLift);
    updateDerived(c);
    return c;
}

}  // namespace bevelmint::state

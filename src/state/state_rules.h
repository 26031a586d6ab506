#pragma once

#include "state/button_state.h"
#include "state/limits.h"

// The coupling rules between design fields. Every face of the program (window,
// command line, design-file reader) changes the state through these.
namespace bevelmint::state {

struct Range {
    int32_t min = 0;
    int32_t max = 0;
    bool contains(int64_t v) const { return v >= min && v <= max; }
    int32_t clamp(int64_t v) const;
};

// Nearest integer to n / d (d > 0), exact halves to the even integer.
int64_t roundDivHalfEven(int64_t n, int64_t d);

Range widthRange(const ButtonState& s);
Range heightRange(const ButtonState& s);
Range depthRange(const ButtonState& s);
Range textOffsetXRange(int32_t buttonWidth);
Range textOffsetYRange(int32_t buttonHeight);

inline constexpr Range kRoundnessRange{0, 200};
inline constexpr Range kLightPositionRange{1, 8};
inline constexpr Range kLightRadiusRange{1, 200};
inline constexpr Range kLightIntensityRange{1, 99};
inline constexpr Range kBorderFadeRange{1, 99};
inline constexpr Range kColourRange{0, 255};
inline constexpr Range kFontSizeRange{0, 100};
inline constexpr Range kBrightnessRange{0, 100};
inline constexpr Range kJpegCompressionRange{0, 100};
inline constexpr Range kHoverLiftRange{0, 98};
// Exported pictures are drawn at 1 to 4 times the design's resolution.
inline constexpr Range kScaleRange{1, 4};

// Light centre for a light position code; false (and x, y untouched) for an unknown code.
bool lightCentre(int32_t position, int32_t w, int32_t h, int32_t d, int32_t& x, int32_t& y);

// Recomputes what the read-out refresh derives: the light centre and the text
// offsets clamped into their size-dependent ranges.
void updateDerived(ButtonState& s);

// Size change: remembers the old size, stores the new one, limits the depth and
// refreshes the derived values. A value outside the control's range or equal to
// the current one is ignored, as the size bars ignore it; returns whether it changed.
bool setButtonWidth(ButtonState& s, int32_t width);
bool setButtonHeight(ButtonState& s, int32_t height);
bool setButtonDepth(ButtonState& s, int32_t depth);
// A size change made by the program rather than a control: the same coupling,
// with the size clamped to 20..330 x 10..195 whatever the controls' maxima.
void setButtonSize(ButtonState& s, int32_t width, int32_t height);
// Lowers or raises the size controls' maxima; the size itself is not changed.
// A maximum below the control's minimum is ignored.
void setSizeMaxima(ButtonState& s, int32_t widthMax, int32_t heightMax);

void setShapeKind(ButtonState& s, ShapeKind kind);
bool setLightPosition(ButtonState& s, int32_t position);

enum class Channel { red, green, blue };
uint8_t& buttonChannel(ButtonState& s, Channel c);
uint8_t& textChannel(ButtonState& s, Channel c);
// A button colour change that an engraved inscription follows.
void setButtonChannel(ButtonState& s, Channel c, uint8_t value);
void setButtonColour(ButtonState& s, uint8_t r, uint8_t g, uint8_t b);
// Engraved look on: the text takes the button colour; off: the text turns black.
void setText3D(ButtonState& s, bool on);
void setFontSize(ButtonState& s, int32_t size);
void setFont(ButtonState& s, const FontDesc& font);

// The design as the hover picture shows it: the light intensity raised by
// hoverLift points, at most to the top of its range.
ButtonState hoverState(const ButtonState& s);

// The design as a dark page shows it: the dark scheme's button, text and page
// colours in place of the light ones (an engraved inscription follows the button).
ButtonState darkVariant(const ButtonState& s);

// Every field forced into its range, so that a render never reads or writes
// outside its pictures; derived values recomputed.
ButtonState clampedForRender(const ButtonState& s);

}  // namespace bevelmint::state

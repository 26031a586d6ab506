#pragma once

#include <optional>
#include <string>
#include <vector>

#include "image/picture.h"
#include "render/text_engine.h"
#include "state/button_state.h"

namespace bevelmint::exporter {

// WCAG 2 relative luminance (0 black .. 1 white) and contrast ratio (1 .. 21).
double relativeLuminance(image::Rgb c);
double contrastRatio(image::Rgb a, image::Rgb b);

// Text of 18 points or more, or 14 points bold, needs 3:1; other text 4.5:1.
inline constexpr double kTextMinimum = 4.5;
inline constexpr double kLargeTextMinimum = 3.0;
// A control's edge against what surrounds it.
inline constexpr double kEdgeMinimum = 3.0;
// The smallest target size in CSS pixels, and the larger recommended one.
inline constexpr int kMinimumTarget = 24;
inline constexpr int kLargerTarget = 44;

struct ContrastCheck {
    image::Rgb fore, back;
    double ratio = 1;
    double minimum = 1;
    bool required = true;  // whether WCAG asks for it here, or it is advice
    bool passes() const { return ratio >= minimum; }
};

// What a page author needs to know about one button before it goes live.
struct ButtonReport {
    std::string label;
    bool dark = false;                  // the dark variant on its dark page
    std::optional<ContrastCheck> text;  // none when the button shows no inscription
    bool largeText = false;
    // Required only without an inscription: a label identifies the button
    // without its outline (WCAG 1.4.11).
    ContrastCheck edge;
    int width = 0, height = 0;  // CSS pixels
    bool nameEmpty = false;
    std::vector<std::string> notices;  // files kept lossless where a palette was asked for

    bool sizePasses() const { return width >= kMinimumTarget && height >= kMinimumTarget; }
    bool meetsLargerTarget() const { return width >= kLargerTarget && height >= kLargerTarget; }
    // Every required check: the text, the minimum size, the name, and the edge
    // when required; the larger target is advice.
    bool passes() const;
};

// The colour of middle luminance: one that really occurs on the button.
std::optional<image::Rgb> medianColour(std::vector<image::Rgb> pixels);
ContrastCheck contrastCheck(image::Rgb fore, image::Rgb back, double minimum);
// A report of a button with this label: its name and whether text in the font
// counts as large; the figures are left to fill in.
ButtonReport reportFor(const state::FontDesc& font, const std::string& label);

// The pixels of the W x H button that the inscription's copies cover, row by row.
std::vector<bool> inscriptionInk(const state::ButtonState& s, render::TextEngine& text);

// Measures the normal picture (the button at its top left, scale 1): the text
// colour against the median of the face pixels in the inscription's box that
// are not ink, and the median of the outermost pixels inside the outline
// against the page background.
ButtonReport reportButton(const state::ButtonState& s, const image::Picture& normal,
                          const std::vector<bool>& ink);

// A ratio cut (never rounded up) to two decimals: "4.49" for 4.499.
std::string ratioText(double v);

// The reports as a JSON document; ratios are cut (never rounded up) to two
// decimals. A button's notices appear only when it has some.
std::string reportJson(const std::vector<ButtonReport>& reports);

}  // namespace bevelmint::exporter

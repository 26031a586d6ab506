#pragma once

#include <optional>
#include <string>
#include <vector>

#include "image/color.h"
#include "state/button_state.h"

namespace bevelmint::exporter {

// A picture file by its bare name, at the scale it was rendered at.
struct ScaledName {
    int scale = 1;
    std::string name;
};

// One button as a web page shows it.
struct WebButton {
    std::string name;                      // the accessible name: the inscription
    std::string key;                       // the set member's slug; empty for a lone button
    std::vector<ScaledName> pictures;      // by ascending scale
    std::vector<ScaledName> darkPictures;  // the dark variant's; empty without one
};

// The flat colours of one scheme: what shows where pictures do not.
struct SchemeColours {
    image::Rgb face, text, page;
};

// Buttons of one design (so of one size) on a page of the design's background.
struct WebButtons {
    int width = 0, height = 0;  // CSS pixels
    image::Rgb background;
    std::vector<WebButton> buttons;
    SchemeColours light;
    std::optional<SchemeColours> dark;  // with the dark variant
    std::string language = "en";
    state::FontDesc font;
    state::ShapeKind shape = state::ShapeKind::rect;
    int roundness = 0;  // the corner radius of a rounded rectangle, CSS pixels
};

// The start and end of a UTF-8, LF-ended HTML5 page in `language`, titled
// `title` (escaped here); `bodyAttributes` are written into the body tag as they
// are. `withDark`: the page declares that it has a dark scheme too.
std::string pageHead(const std::string& language, const std::string& title,
                     const std::string& headExtra, const std::string& bodyAttributes,
                     bool withDark);
std::string pageTail();

// The start and end of the body's one main landmark with its level-one heading
// (shown to screen readers only, so the page looks as the buttons alone).
std::string mainStart(const std::string& heading);
std::string mainEnd();
// The style rule behind mainStart's heading.
std::string hiddenHeadingRule();

}  // namespace bevelmint::exporter

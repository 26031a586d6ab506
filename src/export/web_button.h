#pragma once

#include <string>
#include <vector>

#include "image/color.h"

namespace bevelmint::exporter {

// A picture file by its bare name, at the scale it was rendered at.
struct ScaledName {
    int scale = 1;
    std::string name;
};

// One button as a web page shows it.
struct WebButton {
    std::string name;                  // the accessible name: the inscription
    std::string key;                   // the set member's slug; empty for a lone button
    std::vector<ScaledName> pictures;  // by ascending scale
};

// Buttons of one design (so of one size) on a page of the design's background.
struct WebButtons {
    int width = 0, height = 0;  // CSS pixels
    image::Rgb background;
    std::vector<WebButton> buttons;
};

// The start and end of a UTF-8, LF-ended HTML5 page titled `title` (escaped here);
// `bodyAttributes` are written into the body tag as they are.
std::string pageHead(const std::string& title, const std::string& headExtra,
                     const std::string& bodyAttributes);
std::string pageTail();

}  // namespace bevelmint::exporter

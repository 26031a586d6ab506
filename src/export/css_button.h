#pragma once

#include <string>

#include "export/web_button.h"

namespace bevelmint::exporter {

// A button without script: a link whose background is the sprite sheet (normal,
// hover and pressed stacked from the top), switching thirds on :hover and
// :active, with a keyboard outline outside it and a greyed disabled look.
// `pictures` of each button are its sprite sheets; with several scales the
// browser picks one through image-set().

// A text as a double-quoted CSS string that cannot end the string, the rule or
// the style element it stands in.
std::string cssString(const std::string& text);

// The keyboard focus of the links `selector` picks: two rings of opposite
// colours (WCAG technique C40), the outer one of whichever of black and white
// stands out more from the page, so it shows at 4.5:1 or more on any page
// colour, the inner one setting it off from the button.
std::string focusRule(const std::string& selector, image::Rgb page, const std::string& indent);
// A greyed look that takes no pointer for aria-disabled="true", its rule
// beginning with `first`.
std::string disabledRule(const std::string& selector, const std::string& first);

// The style rules of the buttons (without the page's own rules).
std::string cssRules(const WebButtons& set);
// The link elements, one a line.
std::string cssElements(const WebButtons& set);
// What to paste into a site: a style element with the rules, then the links.
std::string cssSnippet(const WebButtons& set);
// A page of the design's background colour showing the buttons.
std::string cssPage(const WebButtons& set);

}  // namespace bevelmint::exporter

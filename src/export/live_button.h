#pragma once

// The live button: a link whose bevel, light, hover and pressed looks are drawn
// by CSS alone, over its label as real text. No picture (but a textured
// design's texture beside the page) and no script.
//
//   <a class="bvl" href="..."><span>Add to cart</span></a>
//
// The link is the design's size at least and wider when its label needs it; the
// rings and cutouts are drawn from its edges and the light placed by shares of
// its size, so they follow. Layers, from the bottom: the rings (the link's
// ::before), the round corners (::after), the text, the light (the span's
// ::after, blended with colour-dodge); when the light spares the face, the light
// goes under the text and the face (the span's ::before) over it. Each device
// scale from 1 to 3 has its own rings and light, chosen by the resolution, and
// a dark variant its own colours under prefers-color-scheme: dark.

#include <string>
#include <vector>

#include "image/color.h"
#include "vector/vector_button.h"

namespace bevelmint::exporter {

struct LiveButtons {
    std::vector<vector::VectorButton> scales;  // the design at device scales 1, 2, 3
    // The dark variant at the same scales, shown where the reader prefers a dark
    // scheme; empty without one.
    std::vector<vector::VectorButton> dark;
    std::vector<std::string> labels;  // one button each
    std::string textureName;          // the texture's bare file name beside the page, if textured
    std::string language = "en";      // the page's, a BCP 47 tag
};

// Room between the text and either side of the button, in CSS pixels: the
// bevel, the text's offset and half the text's height.
int liveTextRoom(const vector::VectorButton& b);

// The one set of style rules every button of the set shares.
std::string liveRules(const LiveButtons& set);
// The links, one a line.
std::string liveElements(const LiveButtons& set);
// What to paste into a site: a style element with the rules, then the links.
std::string liveSnippet(const LiveButtons& set);
// A page of the design's background colour showing the buttons.
std::string livePage(const LiveButtons& set);

}  // namespace bevelmint::exporter

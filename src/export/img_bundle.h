#pragma once

#include <string>

#include "export/web_button.h"

namespace bevelmint::exporter {

// Markup for places that strip style elements and scripts (e-mail, README
// files): an image in a link with its size in CSS pixels, inside a table cell
// of the face colour whose alt text is styled as the inscription, so that with
// pictures turned off the reader still sees a button with its label. The image
// is the 2x picture when there is one, so it stays sharp on dense screens; with
// the dark variant a picture element offers its picture to dark schemes.
// Outlook's desktop engine, which draws no round corners, gets a VML rounded
// rectangle for round outlines instead. There is no hover.
std::string imgBundle(const WebButtons& set, const WebButton& button);
// A font family name as a single-quoted CSS string.
std::string cssFamily(const std::string& face);
// A page showing every button of the set that way, one a line.
std::string imgPage(const WebButtons& set);

}  // namespace bevelmint::exporter

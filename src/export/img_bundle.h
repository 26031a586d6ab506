#pragma once

#include <string>

#include "export/web_button.h"

namespace bevelmint::exporter {

// Markup for places that strip styles and scripts (e-mail, README files): an
// image in a link with its size in CSS pixels. The image is the 2x picture when
// there is one, so it stays sharp on dense screens; there is no hover.
std::string imgBundle(const WebButtons& set, const WebButton& button);
// A page showing every button of the set that way, one a line.
std::string imgPage(const WebButtons& set);

}  // namespace bevelmint::exporter

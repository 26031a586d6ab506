#pragma once

#include <string>

#include "export/contrast_report.h"
#include "vector/vector_button.h"

namespace bevelmint::exporter {

// The width a live button takes for a label whose text advances `textWidth`
// pixels: the design's width at least, else the text with room on either side.
int liveWidth(const vector::VectorButton& b, int64_t textWidth);

// The report of a live button at rest (a scale-1 description), as wide as its
// label makes it: the text colour against the median of the colours the
// description gives under the text's box (each ring's colour, lit where the
// light reaches), the outermost ring against the page, and the button's size.
ButtonReport liveReport(const vector::VectorButton& b, const std::string& label, int64_t textWidth);

}  // namespace bevelmint::exporter

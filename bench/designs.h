#pragma once

#include <optional>
#include <string>

#include "editor/editor.h"
#include "state/button_state.h"
#include "state/state_rules.h"

namespace bevelmint::bench {

// The largest button: 330 x 195, depth 97, an ellipse with smoothed edges.
inline state::ButtonState largestButton() {
    state::ButtonState s = state::defaultState();
    state::setButtonWidth(s, 330);
    state::setButtonHeight(s, 195);
    state::setButtonDepth(s, 97);
    state::setShapeKind(s, state::ShapeKind::elips);
    s.smoothEdges = true;
    s.useText = false;
    return s;
}

// The largest button with an engraved inscription, set through an editor as the
// user would: the slowest design to render while its bars are dragged. The
// field that was refused, if one was.
inline std::optional<std::string> setLargestEngraved(editor::Editor& ed) {
    for (const char* field :
         {"shapeKind=elips", "buttonWidth=330", "buttonHeight=195", "buttonDepth=97",
          "smoothEdges=true", "buttonText=Download", "text3D=true"}) {
        const std::string f = field;
        const size_t eq = f.find('=');
        if (ed.setField(f.substr(0, eq), f.substr(eq + 1))) return f;
    }
    return std::nullopt;
}

}  // namespace bevelmint::bench

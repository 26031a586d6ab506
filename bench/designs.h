#pragma once

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

}  // namespace bevelmint::bench

#pragma once

#include "image/picture.h"
#include "render/text_engine.h"
#include "state/button_state.h"

namespace bevelmint::render {

// The pictures a web page switches between, each cut to the button's size at
// the scale they were drawn at.
struct ButtonPictures {
    image::Picture normal, hover, pressed;
};

// Renders the design at a scale (1..4): the normal and the pressed picture, and
// with `withHover` the hover picture (the normal one under the raised light).
// `texture` is the working texture, used while the design has one active.
ButtonPictures renderButtonPictures(const state::ButtonState& s, const image::Picture* texture,
                                    int scale, TextEngine& text, bool withHover);

}  // namespace bevelmint::render

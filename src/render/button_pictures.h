#pragma once

#include "image/picture.h"
#include "render/render_pipeline.h"
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
// The same on a pipeline kept between renders (its scale and text engine are its
// own), so a run of renders does not allocate its pictures again each time.
ButtonPictures renderButtonPictures(RenderPipeline& pipeline, const state::ButtonState& s,
                                    const image::Picture* texture, bool withHover);

}  // namespace bevelmint::render

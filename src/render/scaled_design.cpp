#include "render/scaled_design.h"

#include "render/render_pipeline.h"
#include "state/state_rules.h"

namespace bevelmint::render {

image::Picture enlarged(const image::Picture& picture, int n) {
    image::Picture out(picture.width() * n, picture.height() * n);
    for (int y = 0; y < out.height(); ++y) {
        const image::Colour* from = picture.row(y / n);
        image::Colour* to = out.row(y);
        for (int x = 0; x < out.width(); ++x)
            to[x] = from[x / n];
    }
    return out;
}

RoundShape exportOutline(const state::ButtonState& s, int n) {
    return shapeAtInset(scaledDesign(state::clampedForRender(s), n), 0);
}

}  // namespace bevelmint::render

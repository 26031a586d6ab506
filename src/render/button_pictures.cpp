#include "render/button_pictures.h"

#include "render/render_pipeline.h"
#include "state/state_rules.h"

namespace bevelmint::render {

ButtonPictures renderButtonPictures(const state::ButtonState& s, const image::Picture* texture,
                                    int scale, TextEngine& text, bool withHover) {
    RenderPipeline pipeline(scale);
    pipeline.useTextEngine(text);
    return renderButtonPictures(pipeline, s, texture, withHover);
}

ButtonPictures renderButtonPictures(RenderPipeline& pipeline, const state::ButtonState& s,
                                    const image::Picture* texture, bool withHover) {
    const state::ButtonState design = state::clampedForRender(s);
    const int w = design.buttonWidth * pipeline.scale(), h = design.buttonHeight * pipeline.scale();
    ButtonPictures out;
    if (withHover) {
        pipeline.render(state::hoverState(design), texture);
        out.hover = pipeline.normal().cut(w, h);
    }
    pipeline.render(design, texture);
    out.normal = pipeline.normal().cut(w, h);
    out.pressed = pipeline.pressed().cut(w, h);
    return out;
}

}  // namespace bevelmint::render

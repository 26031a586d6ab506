#include "render/render_pipeline.h"

#include <vector>

#include "render/inscription.h"
#include "render/lighting.h"
#include "render/ring_colours.h"
#include "render/scaled_design.h"
#include "render/smoothing.h"
#include "state/state_rules.h"

namespace bevelmint::render {

using state::ButtonState;
using state::ShapeKind;

RoundShape shapeInBox(const ButtonState& s, Box box) {
    switch (s.shapeKind) {
        case ShapeKind::rect:
            return RoundShape::rectangle(box);
        case ShapeKind::elips:
            return RoundShape::ellipse(box);
        case ShapeKind::rrect:
            return RoundShape(box, s.roundness, s.roundness);
    }
    return RoundShape::rectangle(box);
}

RoundShape shapeAtInset(const ButtonState& s, int i) {
    return shapeInBox(s, {i, i, s.buttonWidth - i, s.buttonHeight - i});
}

RenderPipeline::RenderPipeline(int scale)
    : scale_(state::kScaleRange.clamp(scale)),
      normal_(kWorkWidth * scale_, kWorkHeight * scale_),
      pressed_(kWorkWidth * scale_, kWorkHeight * scale_),
      work_(kWorkWidth * scale_, kWorkHeight * scale_, image::kBlack) {}

void RenderPipeline::useTextEngine(TextEngine& engine) {
    inscription = [&engine, scale = scale_](const ButtonState& s, image::Picture& normal,
                                            image::Picture& pressed, bool sketch) {
        paintInscription(s, normal, pressed, engine, scale, sketch);
    };
}

// Every mode draws the shape at inset 0 over the button area next, so only the
// pixels around it need the background: the button area is then the same
// whatever was drawn before. The area the last render drew is erased too, so the
// pictures keep nothing of an earlier, larger button.
void RenderPipeline::eraseButtonArea(const ButtonState& s) {
    const image::Colour back = image::makeColor(s.backRed, s.backGreen, s.backBlue);
    const RoundShape shape = shapeAtInset(s, 0);
    const Box area{0, 0, s.buttonWidth, s.buttonHeight};
    for (image::Picture* pic : {&normal_, &pressed_}) {
        fillAround(*pic, drawn_, shape, back);
        // Within the last area the second fill would change nothing.
        if (area.x2 > drawn_.x2 || area.y2 > drawn_.y2) fillAround(*pic, area, shape, back);
    }
    drawn_ = area;
}

// The mask's nested shapes, outermost first: the edge ring of round shapes, the
// shape to be lit, and the face when it is textured or not lit.
void RenderPipeline::buildMask(const ButtonState& s, bool textured) {
    std::vector<RoundShape> shapes;
    std::vector<image::Colour> colours;
    if (s.shapeKind != ShapeKind::rect) {
        shapes.push_back(shapeInBox(s, {-1, -1, s.buttonWidth + 1, s.buttonHeight + 1}));
        colours.push_back(image::kBlue);
    }
    shapes.push_back(shapeAtInset(s, 0));
    colours.push_back(image::kWhite);
    if (textured || !s.lightenFront) {
        shapes.push_back(shapeAtInset(s, s.buttonDepth));
        colours.push_back(textured ? image::kRed : image::kBlack);
    }
    // Only the last render marked the mask, and only inside the box of its
    // outermost shape (the edge ring reaches one pixel beyond the button, where
    // lighting reads): erasing that box around the new shapes leaves the mask a
    // fresh pipeline would build.
    fillAround(work_, marked_, shapes.front(), image::kBlack);
    fillNestedShapes(shapes, {{&work_, &colours}});
    marked_ = shapes.front().box();
}

void RenderPipeline::drawRings(const ButtonState& s) {
    const image::Rgb button{s.buttonRed, s.buttonGreen, s.buttonBlue};
    std::vector<RoundShape> rings;
    rings.reserve(s.buttonDepth + 1);
    for (int i = 0; i <= s.buttonDepth; ++i)
        rings.push_back(shapeAtInset(s, i));
    const auto normalColours = normalRingColours(button, s.buttonDepth, s.borderFade);
    const auto pressedColours = pressedRingColours(button, s.buttonDepth, s.borderFade);
    fillNestedShapes(rings, {{&normal_, &normalColours}, {&pressed_, &pressedColours}});
}

void RenderPipeline::drawFastEdit(const ButtonState& s) {
    const image::Colour button = image::makeColor(s.buttonRed, s.buttonGreen, s.buttonBlue);
    for (image::Picture* pic : {&normal_, &pressed_}) {
        Canvas c(*pic);
        c.brush = {button, BrushStyle::solid};
        c.pen = {image::kBlack, PenStyle::solid};
        c.draw(shapeAtInset(s, 0));
        c.pen.style = PenStyle::dotted;
        c.draw(shapeAtInset(s, s.buttonDepth));
    }
    Canvas c(normal_);
    c.pen = {image::makeColor(254, 254, 254), PenStyle::dotted};
    c.brush.style = BrushStyle::none;
    c.ellipse({s.lightX - s.lightRadius, s.lightY - s.lightRadius, s.lightX + s.lightRadius,
               s.lightY + s.lightRadius});
}

void RenderPipeline::render(const ButtonState& state, const image::Picture* texture, bool sketch) {
    // The inscription pass scales itself; every other pass draws the scaled design.
    const ButtonState design = state::clampedForRender(state);
    const ButtonState s = scaledDesign(design, scale_);
    const bool textured = s.textureActive && texture != nullptr;
    image::Picture enlargedTexture;
    if (textured && scale_ > 1) {
        enlargedTexture = enlarged(*texture, scale_);
        texture = &enlargedTexture;
    }

    normal_.ensureSize(kWorkWidth * scale_, kWorkHeight * scale_);
    pressed_.ensureSize(kWorkWidth * scale_, kWorkHeight * scale_);
    eraseButtonArea(s);
    // The mask does not depend on the edit mode.
    buildMask(s, textured);
    if (sketch) {
        drawFastEdit(s);
        if (s.useText && inscription) inscription(design, normal_, pressed_, true);
    } else {
        drawRings(s);
        if (s.useText && inscription) inscription(design, normal_, pressed_, false);
        lightShape(s, work_, textured ? texture : nullptr, normal_, pressed_, progress);
    }
    if (s.smoothEdges) smoothOutline(s.buttonWidth, s.buttonHeight, work_, normal_, pressed_);
}

}  // namespace bevelmint::render

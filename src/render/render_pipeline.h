#pragma once

#include <functional>

#include "image/picture.h"
#include "render/canvas.h"
#include "render/text_engine.h"
#include "state/button_state.h"

namespace bevelmint::render {

inline constexpr int kWorkWidth = 335;
inline constexpr int kWorkHeight = 199;

// The shape of the button at inset i: the box (i, i, W - i, H - i).
RoundShape shapeAtInset(const state::ButtonState& s, int i);
// The same outline kind in any box (the mask's edge ring uses a larger one).
RoundShape shapeInBox(const state::ButtonState& s, Box box);

// Owns the normal and the pressed picture and the work canvas with the shape mask
// between renders, and turns a design state into the two pictures. The button's
// pixels depend on the design and texture alone, never on earlier renders. An export
// pipeline draws at a scale of 1 to 4, on pictures and a canvas that much larger.
class RenderPipeline {
  public:
    explicit RenderPipeline(int scale = 1);

    // Draws the inscription onto both pictures (the text pass); runs after the
    // bevel rings, before the lighting.
    using InscriptionPass = std::function<void(const state::ButtonState&, image::Picture& normal,
                                               image::Picture& pressed, bool sketch)>;

    // Runs while lighting, at the start of every 30th column.
    std::function<void()> progress;
    InscriptionPass inscription;

    // Draws the inscription with this engine from now on.
    void useTextEngine(TextEngine& engine);

    // Renders both pictures from the state. `texture` is the working texture,
    // blended in while the state says a texture is active. Fields outside their
    // ranges are clamped first. A sketch is fast edit mode's flat button with
    // dotted guides for the bevel and the light's reach, unlit.
    void render(const state::ButtonState& state, const image::Picture* texture = nullptr,
                bool sketch = false);

    int scale() const { return scale_; }
    const image::Picture& normal() const { return normal_; }
    const image::Picture& pressed() const { return pressed_; }
    const image::Picture& work() const { return work_; }

    // The pictures may be replaced (an export cuts them); the next render grows
    // them back as needed.
    image::Picture& normal() { return normal_; }
    image::Picture& pressed() { return pressed_; }

  private:
    void eraseButtonArea(const state::ButtonState& s);
    void buildMask(const state::ButtonState& s, bool textured);
    void drawRings(const state::ButtonState& s);
    void drawFastEdit(const state::ButtonState& s);

    int scale_;
    image::Picture normal_;
    image::Picture pressed_;
    image::Picture work_;
    // What the last render left: its button area on the pictures, and the box
    // holding every mark on the mask. Empty before the first render.
    Box drawn_;
    Box marked_;
};

}  // namespace bevelmint::render

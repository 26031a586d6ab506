#include "render/inscription.h"

#include "image/color.h"
#include "image/shading.h"

namespace bevelmint::render {

Offset textAnchor(const state::ButtonState& s) {
    const int64_t n = static_cast<int64_t>(decodeUtf8(s.buttonText).size());
    return {static_cast<int>(s.buttonWidth / 2 + s.textOffsetX - (n * s.textFont.size) / 3),
            state::textTop(s)};
}

void paintInscription(const state::ButtonState& s, image::Picture& normal, image::Picture& pressed,
                      TextEngine& text, int scale, bool sketch) {
    using image::half;
    const Offset at = textAnchor(s);
    const image::Rgb t{s.textRed, s.textGreen, s.textBlue};
    auto draw = [&](image::Picture& pic, Offset shift, image::Rgb colour) {
        text.drawText(pic, scale * (at.x + shift.x), scale * (at.y + shift.y), s.buttonText,
                      s.textFont, image::makeColor(colour), scale);
    };
    if (s.text3D && !sketch) {
        const Offset d = state::towardsLight(s.lightPosition);
        const Offset away{-d.x, -d.y};
        draw(normal, d, half(t));
        draw(pressed, d, image::quarter(t));
        draw(normal, away, image::bright(t));
        draw(pressed, away, half(image::bright(t)));
    }
    const bool black = sketch && s.text3D;
    draw(normal, {}, black ? image::Rgb{} : t);
    draw(pressed, {}, black ? image::Rgb{} : half(t));
}

}  // namespace bevelmint::render

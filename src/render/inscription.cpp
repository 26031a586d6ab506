#include "render/inscription.h"

#include "image/color.h"

namespace bevelmint::render {

uint8_t bright(uint8_t v) {
    const int64_t b = image::roundHalfEven(1.5L * v);
    return static_cast<uint8_t>(b >= 255 ? 255 : b);
}

image::Rgb half(image::Rgb c) {
    return {half(c.r), half(c.g), half(c.b)};
}
image::Rgb quarter(image::Rgb c) {
    return {quarter(c.r), quarter(c.g), quarter(c.b)};
}
image::Rgb bright(image::Rgb c) {
    return {bright(c.r), bright(c.g), bright(c.b)};
}

Offset towardsLight(int lightPosition) {
    static constexpr Offset table[8] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                        {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
    return lightPosition >= 1 && lightPosition <= 8 ? table[lightPosition - 1] : Offset{};
}

Offset textAnchor(const state::ButtonState& s) {
    const int64_t n = static_cast<int64_t>(decodeUtf8(s.buttonText).size());
    const int size = s.textFont.size;
    const int h = characterHeight(size);
    return {static_cast<int>(s.buttonWidth / 2 + s.textOffsetX - (n * size) / 3),
            s.buttonHeight / 2 - h / 2 + s.textOffsetY};
}

void paintInscription(const state::ButtonState& s, image::Picture& normal, image::Picture& pressed,
                      TextEngine& text, int scale, bool sketch) {
    const Offset at = textAnchor(s);
    const image::Rgb t{s.textRed, s.textGreen, s.textBlue};
    auto draw = [&](image::Picture& pic, Offset shift, image::Rgb colour) {
        text.drawText(pic, scale * (at.x + shift.x), scale * (at.y + shift.y), s.buttonText,
                      s.textFont, image::makeColor(colour), scale);
    };
    if (s.text3D && !sketch) {
        const Offset d = towardsLight(s.lightPosition);
        const Offset away{-d.x, -d.y};
        draw(normal, d, half(t));
        draw(pressed, d, quarter(t));
        draw(normal, away, bright(t));
        draw(pressed, away, half(bright(t)));
    }
    const bool black = sketch && s.text3D;
    draw(normal, {}, black ? image::Rgb{} : t);
    draw(pressed, {}, black ? image::Rgb{} : half(t));
}

}  // namespace bevelmint::render

#include "render/inscription.h"

#include <gtest/gtest.h>

#include "image/shading.h"
#include "state/state_rules.h"

using namespace bevelmint;
using image::makeColor;
using image::Picture;
using image::Rgb;

namespace {

const image::Colour kFace = makeColor(220, 190, 110);

struct Drawn {
    Picture normal{100, 40, kFace};
    Picture pressed{100, 40, kFace};
};

Drawn inscribe(const state::ButtonState& s, render::TextEngine& engine, bool sketch = false) {
    Drawn d;
    render::paintInscription(s, d.normal, d.pressed, engine, 1, sketch);
    return d;
}

// What a single copy drawn at (x, y) in colour c looks like on the plain face.
Picture copyAt(render::TextEngine& engine, const state::ButtonState& s, int x, int y, Rgb c,
               Picture on = Picture(100, 40, kFace)) {
    engine.drawText(on, x, y, s.buttonText, s.textFont, image::makeColor(c));
    return on;
}

}  // namespace

TEST(InscriptionColours, HalfQuarterAndBright) {
    EXPECT_EQ(image::bright(uint8_t{1}), 2);
    EXPECT_EQ(image::bright(uint8_t{3}), 4);  // 4.5 to even
    EXPECT_EQ(image::bright(uint8_t{5}), 8);  // 7.5 to even
    EXPECT_EQ(image::bright(uint8_t{169}), 254);
    EXPECT_EQ(image::bright(uint8_t{170}), 255);
    EXPECT_EQ(image::bright(uint8_t{255}), 255);
    const Rgb t{220, 190, 110};
    EXPECT_EQ(image::half(t), (Rgb{110, 95, 55}));
    EXPECT_EQ(image::bright(t), (Rgb{255, 255, 165}));
    EXPECT_EQ(image::quarter(t), (Rgb{55, 47, 27}));
    EXPECT_EQ(image::half(image::bright(t)), (Rgb{127, 127, 82}));
}

TEST(InscriptionPlace, DefaultDesignStandsAt39_12AndEngravedCopiesAroundIt) {
    render::TextEngine engine;
    state::ButtonState s = state::defaultState();
    s.textRed = 10, s.textGreen = 20, s.textBlue = 30;
    const Rgb t{10, 20, 30};
    Drawn plain = inscribe(s, engine);
    EXPECT_NE(plain.normal, Picture(100, 40, kFace));
    EXPECT_EQ(plain.normal, copyAt(engine, s, 39, 12, t));
    EXPECT_EQ(plain.pressed, copyAt(engine, s, 39, 12, image::half(t)));

    state::setText3D(s, true);  // text takes the button colour
    const Rgb b{220, 190, 110};
    Drawn engraved = inscribe(s, engine);
    Picture want = copyAt(engine, s, 38, 11, image::half(b));
    want = copyAt(engine, s, 40, 13, image::bright(b), want);
    want = copyAt(engine, s, 39, 12, b, want);
    EXPECT_EQ(engraved.normal, want);
    Picture wantPressed = copyAt(engine, s, 38, 11, image::quarter(b));
    wantPressed = copyAt(engine, s, 40, 13, image::half(image::bright(b)), wantPressed);
    wantPressed = copyAt(engine, s, 39, 12, image::half(b), wantPressed);
    EXPECT_EQ(engraved.pressed, wantPressed);

    EXPECT_EQ(state::towardsLight(4), (render::Offset{-1, 0}));
    EXPECT_EQ(state::towardsLight(5), (render::Offset{1, 0}));
    EXPECT_EQ(state::towardsLight(2), (render::Offset{0, -1}));
    EXPECT_EQ(state::towardsLight(7), (render::Offset{0, 1}));
    EXPECT_EQ(state::towardsLight(8), (render::Offset{1, 1}));
}

TEST(InscriptionPlace, FastEditDrawsOneCopyBlackWhenEngraved) {
    render::TextEngine engine;
    state::ButtonState s = state::defaultState();
    state::setText3D(s, true);
    Drawn d = inscribe(s, engine, true);
    EXPECT_EQ(d.normal, copyAt(engine, s, 39, 12, {0, 0, 0}));
    EXPECT_EQ(d.pressed, copyAt(engine, s, 39, 12, {0, 0, 0}));
    state::setText3D(s, false);
    s.textRed = 200, s.textGreen = 100, s.textBlue = 50;
    d = inscribe(s, engine, true);
    EXPECT_EQ(d.normal, copyAt(engine, s, 39, 12, {200, 100, 50}));
    EXPECT_EQ(d.pressed, copyAt(engine, s, 39, 12, {100, 50, 25}));
}

TEST(InscriptionPlace, SizeZeroEmptyTextAndUnknownFamiliesNeverFail) {
    render::TextEngine engine;
    state::ButtonState s = state::defaultState();
    s.textFont.size = 0;
    EXPECT_EQ(render::textAnchor(s), (render::Offset{55, 20}));
    EXPECT_EQ(inscribe(s, engine).normal, Picture(100, 40, kFace));
    s = state::defaultState();
    s.buttonText.clear();
    EXPECT_EQ(inscribe(s, engine).normal, Picture(100, 40, kFace));
    s = state::defaultState();
    s.textFont.face = "No Such Family At All";
    s.textFont.bold = true;
    s.textFont.italic = true;
    EXPECT_NE(inscribe(s, engine).normal, Picture(100, 40, kFace));  // best match stands in
}

TEST(InscriptionPlace, ALongInscriptionIsDrawnWhole) {
    render::TextEngine engine;
    state::ButtonState s = state::defaultState();
    state::setButtonWidth(s, 330);
    s.buttonText = std::string(100, 'i');
    const render::Offset at = render::textAnchor(s);
    EXPECT_EQ(at.x, 165 + 5 - 400);  // the full count centres it
    Picture whole(335, 40, kFace), cut(335, 40, kFace), pressed(335, 40, kFace);
    render::paintInscription(s, whole, pressed, engine);
    s.buttonText = std::string(79, 'i') + std::string(21, ' ');
    render::paintInscription(s, cut, pressed, engine);
    EXPECT_NE(whole, cut);
}

TEST(TextEngine, CharacterHeightAndUtf8) {
    EXPECT_EQ(state::characterHeight(12), 16);
    EXPECT_EQ(state::characterHeight(0), 0);
    EXPECT_EQ(state::characterHeight(100), 133);
    EXPECT_EQ(render::decodeUtf8("a\xc3\xa9"), (std::vector<uint32_t>{'a', 0xE9}));
    EXPECT_EQ(render::decodeUtf8("\xe9t\xc3"), (std::vector<uint32_t>{0xE9, 't', 0xC3}));
    state::ButtonState s = state::defaultState();
    s.buttonText = "\xc3\xa9t\xc3\xa9";  // three characters
    EXPECT_EQ(render::textAnchor(s).x, 50 + 5 - 12);
}

TEST(InscriptionPlace, GlyphsOutsideThePictureAreSkippedWithoutLosingTheOnesThatReachIn) {
    render::TextEngine engine;
    state::FontDesc font;
    font.face = "Liberation Serif";
    font.italic = true;  // slanted glyphs reach outside their cells
    font.size = 30;
    const std::string text = "fWjWfAVjf";
    const image::Colour ink = makeColor(0, 0, 0);
    // A wide picture holds the whole text; a narrow one shows a window of it,
    // with glyphs cut at both edges and some wholly outside.
    Picture wide(600, 120, kFace);
    engine.drawText(wide, 200, 40, text, font, ink);
    for (int left : {-10, 35, 90, 150, 230}) {
        for (int top : {-30, 0, 20, 60}) {
            Picture narrow(40, 40, kFace);
            engine.drawText(narrow, 200 - left, 40 - top, text, font, ink);
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) {
                    const bool inside = x + left >= 0 && y + top >= 0 && y + top < 120;
                    const image::Colour want = inside ? wide.pixel(x + left, y + top) : kFace;
                    ASSERT_EQ(narrow.pixel(x, y), want)
                        << left << "," << top << " " << x << "," << y;
                }
        }
    }
    EXPECT_NE(wide, Picture(600, 120, kFace));
}

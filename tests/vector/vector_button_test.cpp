#include "vector/vector_button.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "image/shading.h"
#include "render/button_pictures.h"
#include "render/canvas.h"
#include "render/lighting.h"
#include "state/enum_names.h"
#include "state/state_rules.h"
#include "vector/light_profile.h"

using namespace bevelmint;
using vector::Look;
using vector::VectorButton;

namespace {

// Draws a description the way a browser is asked to, in device pixels: each
// pixel takes the colour of the innermost ring whose shape holds its centre, and
// where the light reaches, each channel gains its value times the light's factor
// at the rounded distance from the light's centre.
image::Picture drawDescription(const VectorButton& b, Look look) {
    const int n = b.scale, w = b.width * n, h = b.height * n;
    std::vector<render::RoundShape> shapes;
    for (const vector::Ring& r : b.rings) {
        const int inset = static_cast<int>(std::lround(r.inset * n));
        const double boxW = b.width - 2 * r.inset, boxH = b.height - 2 * r.inset;
        const auto cornerW = static_cast<int>(std::lround(2 * n * r.cornerX.at(boxW)));
        const auto cornerH = static_cast<int>(std::lround(2 * n * r.cornerY.at(boxH)));
        // A browser does not limit the corner to the box as the shape below does.
        EXPECT_LE(cornerW, std::max(w - 2 * inset, 0));
        EXPECT_LE(cornerH, std::max(h - 2 * inset, 0));
        shapes.emplace_back(render::Box{inset, inset, w - inset, h - inset}, cornerW, cornerH);
    }
    const vector::LightField& l = b.light;
    const bool pressed = look == Look::pressed;
    const double cx = (pressed ? l.pressedX : l.x).at(b.width) * n - 0.5;
    const double cy = (pressed ? l.pressedY : l.y).at(b.height) * n - 0.5;
    const int intensity = look == Look::hover ? l.hoverIntensity : l.intensity;
    image::Picture out(w, h, image::kBlack);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!shapes.front().contains(x, y)) continue;
            size_t ring = 0;
            while (ring + 1 < shapes.size() && shapes[ring + 1].contains(x, y))
                ++ring;
            const vector::Ring& r = b.rings[ring];
            image::Colour c = image::makeColor(pressed ? r.pressed : r.normal);
            const int dist = static_cast<int>(std::lround(std::hypot(x - cx, y - cy)));
            const bool face = ring + 1 == shapes.size();
            if (dist < l.steps && (l.lightsFace || !face))
                c = render::lit(c, render::LightFactor(l.factor(intensity, dist)));
            out.setPixel(x, y, c);
        }
    }
    return out;
}

state::ButtonState randomDesign(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    state::ButtonState s = state::defaultState();
    const state::ShapeKind kinds[] = {state::ShapeKind::rect, state::ShapeKind::elips,
                                      state::ShapeKind::rrect};
    state::setShapeKind(s, kinds[pick(0, 2)]);
    state::setButtonSize(s, pick(20, 120), pick(10, 80));
    state::setButtonDepth(s, pick(1, s.depthLimit));
    s.roundness = pick(0, 200);
    state::setButtonColour(s, pick(0, 255), pick(0, 255), pick(0, 255));
    s.borderFade = pick(1, 99);
    state::setLightPosition(s, pick(1, 8));
    s.lightRadius = pick(1, 200);
    s.lightIntensity = pick(1, 99);
    s.hoverLift = pick(0, 98);
    s.lightenFront = pick(0, 1);
    s.smoothEdges = pick(0, 1);
    s.useText = false;
    return s;
}

}  // namespace

// The description carries everything the renderer draws: the same rings, round
// corners, light, hover lift and pressed mirror give the same pixels inside the
// outline, at device scales 1 and 2.
TEST(VectorButton, DrawsThePicturesOfTheRendererPixelForPixel) {
    std::mt19937 rng(19);
    render::TextEngine text;
    for (int round = 0; round < 40; ++round) {
        const state::ButtonState s = randomDesign(rng);
        for (int scale : {1, 2}) {
            const VectorButton b = vector::describeButton(s, scale);
            const render::ButtonPictures pictures =
                render::renderButtonPictures(s, nullptr, scale, text, true);
            const std::pair<Look, const image::Picture*> looks[] = {
                {Look::rest, &pictures.normal},
                {Look::hover, &pictures.hover},
                {Look::pressed, &pictures.pressed}};
            for (const auto& [look, picture] : looks) {
                const image::Picture drawn = drawDescription(b, look);
                int differing = 0;
                for (int y = 0; y < drawn.height(); ++y)
                    for (int x = 0; x < drawn.width(); ++x)
                        if (drawn.pixel(x, y) != image::kBlack &&
                            drawn.pixel(x, y) != picture->pixel(x, y))
                            ++differing;
                ASSERT_EQ(differing, 0)
                    << "design " << round << " at scale " << scale << ", look "
                    << static_cast<int>(look) << ": " << state::nameOf(s.shapeKind) << " "
                    << s.buttonWidth << "x" << s.buttonHeight << " depth " << s.buttonDepth;
            }
        }
    }
}

TEST(VectorButton, RingsLightAndTextInCssPixels) {
    state::ButtonState s = state::defaultState();
    state::setShapeKind(s, state::ShapeKind::rrect);
    s.roundness = 15;
    state::setLightPosition(s, 2);  // top, a depth above the middle of the top edge
    const VectorButton b1 = vector::describeButton(s, 1, {14, 3});
    const VectorButton b2 = vector::describeButton(s, 2, {14, 3});
    ASSERT_EQ(b1.rings.size(), 8u);
    ASSERT_EQ(b2.rings.size(), 15u);  // one device pixel apart at either scale
    EXPECT_EQ(b2.rings[3].inset, 1.5);
    EXPECT_EQ(b1.rings[0].normal, (image::Rgb{110, 95, 55}));
    EXPECT_EQ(b1.rings[7].normal, (image::Rgb{220, 190, 110}));
    EXPECT_EQ(b1.rings[7].pressed, (image::Rgb{110, 95, 55}));
    // A corner of 15 pixels has a radius of 7.5 at any scale; the ring whose box
    // is narrower than the corner takes half the box.
    EXPECT_EQ(b2.rings[0].cornerX, (vector::Length{0, 7.5}));
    EXPECT_EQ(vector::describeButton(s, 1).outline, vector::Outline::roundRect);
    // The light: half the width (and the middle of its pixel), a depth above.
    EXPECT_EQ(b1.light.x, (vector::Length{0.5, 0.5}));
    EXPECT_EQ(b1.light.y, (vector::Length{0, -6.5}));
    EXPECT_EQ(b2.light.y, (vector::Length{0, -6.75}));
    EXPECT_EQ(b1.light.pressedX, (vector::Length{0.5, -0.5}));
    EXPECT_EQ(b1.light.radius(), 100);
    EXPECT_EQ(b2.light.steps, 200);
    EXPECT_EQ(b1.light.hoverIntensity, 60);

    ASSERT_TRUE(b1.inscription);
    const vector::Inscription& in = *b1.inscription;
    EXPECT_EQ(in.pixelSize, 16);
    EXPECT_EQ(in.top, 12);
    EXPECT_EQ(in.baseline(), 26);
    EXPECT_EQ(in.offsetX, 5);
    ASSERT_EQ(in.copies.size(), 1u);
    EXPECT_EQ(in.copies[0].pressed, (image::Rgb{0, 0, 0}));

    // Engraved: the dark copy towards the light, the bright one away, the text on top.
    state::setText3D(s, true);
    const vector::Inscription engraved = *vector::describeButton(s, 1).inscription;
    ASSERT_EQ(engraved.copies.size(), 3u);
    EXPECT_EQ(engraved.copies[0].dy, -1);
    EXPECT_EQ(engraved.copies[0].normal, image::half(image::Rgb{220, 190, 110}));
    EXPECT_EQ(engraved.copies[1].dy, 1);
    EXPECT_EQ(engraved.copies[1].pressed, image::half(image::bright(image::Rgb{220, 190, 110})));
    EXPECT_EQ(engraved.copies[2].pressed, image::half(image::Rgb{220, 190, 110}));

    s.useText = false;
    EXPECT_FALSE(vector::describeButton(s, 1).inscription);
    s.useText = true;
    s.buttonText.clear();
    EXPECT_FALSE(vector::describeButton(s, 1).inscription);
}

// Colour-dodge turns grey g into the gain 1 / (1 - g): the profile's greys give
// each channel its lit value, stepping where a step is worth a level.
TEST(LightProfile, DodgingGivesTheRenderersGain) {
    vector::LightField light;
    light.scale = 1;
    light.steps = 40;
    const std::vector<vector::GreyStop> stepped = vector::lightProfile(light, 80);
    ASSERT_EQ(stepped.size(), 81u);
    for (size_t i = 0; i + 1 < stepped.size(); ++i) {
        EXPECT_LE(stepped[i].at, stepped[i + 1].at);
        EXPECT_GE(stepped[i].grey, stepped[i + 1].grey);
    }
    EXPECT_EQ(stepped[2].at, 0.5);  // distance 1 begins half a pixel out
    EXPECT_EQ(stepped.back().grey, 0);
    for (int dist = 0; dist < 40; ++dist) {
        const double g = stepped[2 * dist].grey;
        const render::LightFactor x(light.factor(80, dist));
        for (int v : {17, 128, 200})
            EXPECT_NEAR(v / (1 - g), v + x.gain(static_cast<uint8_t>(v)), 0.5) << dist;
    }
    // Across a wide light a step is below a level: a few straight pieces.
    light.steps = 400;
    light.scale = 2;
    const std::vector<vector::GreyStop> smooth = vector::lightProfile(light, 50);
    EXPECT_LT(smooth.size(), 40u);
    EXPECT_EQ(smooth.back().at, 200);
    EXPECT_NEAR(smooth.front().grey, 0.5 / 1.5, 1e-12);
}

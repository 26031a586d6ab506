#include "render/render_pipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "state/state_rules.h"

using namespace bevelmint;
using image::Colour;
using image::makeColor;
using image::Picture;
using state::ButtonState;

namespace {

const Colour kBack = makeColor(196, 196, 196);

// Ring channel from the bevel formulas, written out here independently.
int ringChannel(int b, int k, int d, double f) {
    const long double a = std::nearbyintl(static_cast<long double>(k) / d * b);
    return static_cast<int>(std::nearbyintl(a * f + (1.0L - f) * b));
}

int litChannel(int v, double x) {
    const int n = v + static_cast<int>(std::nearbyintl(v * static_cast<long double>(x)));
    return n < 255 ? n : 254;
}

int count(const Picture& p, int w, int h, Colour c) {
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            n += p.pixel(x, y) == c;
    return n;
}

// The edge ring lies just outside the outline: each blue pixel touches the shape.
bool blueOnlyBesideTheShape(const Picture& m) {
    for (int y = 0; y < m.height(); ++y) {
        for (int x = 0; x < m.width(); ++x) {
            if (m.pixel(x, y) != image::kBlue) continue;
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    Colour c = m.pixel(x + dx, y + dy);
                    touches |= c != image::kBlue && c != image::kBlack;
                }
            if (!touches) return false;
        }
    }
    return true;
}

}  // namespace

TEST(RenderPipeline, DefaultRectangleMatchesTheFormulasPixelByPixel) {
    const ButtonState s = state::defaultState();
    render::RenderPipeline pipeline;
    pipeline.render(s);
    const int w = 100, h = 40, d = 7;
    const int rgb[3] = {220, 190, 110};
    auto factor = [](int x, int y) {  // light at (0, 0), radius 100, intensity 40
        const int dist =
            static_cast<int>(std::nearbyintl(std::sqrt(static_cast<long double>(x * x + y * y))));
        if (dist >= 100) return -1.0;
        return static_cast<double>((100.0L - dist) / 100 * (40.0L / 100));
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int ring = std::min({x, y, w - 1 - x, h - 1 - y, d});
            const double lightHere = factor(x, y);
            const double lightMirror = factor(w - 1 - x, h - 1 - y);
            int n[3], p[3];
            for (int c = 0; c < 3; ++c) {
                n[c] = ringChannel(rgb[c], ring, d, 0.5);
                p[c] = ringChannel(rgb[c], d - ring, d, 0.5);
                if (lightHere >= 0) n[c] = litChannel(n[c], lightHere);
                if (lightMirror >= 0) p[c] = litChannel(p[c], lightMirror);
            }
            ASSERT_EQ(pipeline.normal().pixel(x, y), makeColor(n[0], n[1], n[2])) << x << "," << y;
            ASSERT_EQ(pipeline.pressed().pixel(x, y), makeColor(p[0], p[1], p[2])) << x << "," << y;
        }
    }
    EXPECT_EQ(pipeline.normal().pixel(0, 0), makeColor(154, 133, 77));
    EXPECT_EQ(pipeline.pressed().pixel(99, 39), makeColor(254, 254, 154));
}

TEST(RenderPipeline, MaskColoursPerShapeLightingAndTexture) {
    render::RenderPipeline pipeline;
    ButtonState s = state::defaultState();
    pipeline.render(s);
    EXPECT_EQ(count(pipeline.work(), 335, 199, image::kBlue), 0);
    EXPECT_EQ(count(pipeline.work(), 335, 199, image::kWhite), 100 * 40);

    state::setShapeKind(s, state::ShapeKind::elips);
    s.lightenFront = false;
    pipeline.render(s);
    const Picture& m = pipeline.work();
    EXPECT_EQ(m.pixel(50, 20), image::kBlack);  // unlit face
    EXPECT_EQ(m.pixel(0, 20), image::kWhite);   // bevel
    EXPECT_EQ(m.pixel(-1, 20), image::kBlack);  // off the canvas
    EXPECT_EQ(m.pixel(100, 20), image::kBlue);  // edge ring touches column W
    EXPECT_GT(count(m, 101, 41, image::kBlue), 100);
    EXPECT_TRUE(blueOnlyBesideTheShape(m));

    state::setShapeKind(s, state::ShapeKind::rrect);
    s.textureActive = true;
    Picture texture(100, 40, makeColor(220, 190, 110));
    pipeline.render(s, &texture);
    EXPECT_EQ(pipeline.work().pixel(50, 20), image::kRed);
    EXPECT_EQ(pipeline.work().pixel(3, 20), image::kWhite);
    EXPECT_EQ(pipeline.work().pixel(0, 0), image::kBlack);  // corner cut by roundness 15
    EXPECT_TRUE(blueOnlyBesideTheShape(pipeline.work()));
}

TEST(RenderPipeline, AShrunkButtonLeavesOnlyBackgroundInTheOldArea) {
    render::RenderPipeline pipeline;
    ButtonState s = state::defaultState();
    state::setButtonWidth(s, 200);
    pipeline.render(s);
    EXPECT_NE(pipeline.normal().pixel(150, 20), kBack);
    state::setButtonWidth(s, 100);
    pipeline.render(s);
    for (int y = 0; y < 40; ++y) {
        for (int x = 100; x < 200; ++x) {
            ASSERT_EQ(pipeline.normal().pixel(x, y), kBack);
            ASSERT_EQ(pipeline.pressed().pixel(x, y), kBack);
            ASSERT_EQ(pipeline.work().pixel(x, y), image::kBlack);
        }
    }
}

TEST(RenderPipeline, TwoSizeChangesBetweenRendersLeaveNoMarkOfTheLargerButton) {
    render::RenderPipeline pipeline;
    ButtonState s = state::defaultState();
    state::setShapeKind(s, state::ShapeKind::elips);
    state::setButtonWidth(s, 200);
    pipeline.render(s);
    // The pipeline erases what it drew itself, not what the design last changed from.
    state::setButtonWidth(s, 100);
    state::setButtonHeight(s, 30);
    pipeline.render(s);
    EXPECT_EQ(pipeline.work().pixel(100, 5), image::kBlack);
    EXPECT_EQ(pipeline.work().pixel(150, 35), image::kBlack);
    EXPECT_EQ(pipeline.normal().pixel(150, 35), kBack);
    render::RenderPipeline fresh;
    fresh.render(s);
    EXPECT_EQ(pipeline.work(), fresh.work());
    EXPECT_EQ(pipeline.normal().cut(100, 30), fresh.normal().cut(100, 30));
    EXPECT_EQ(pipeline.pressed().cut(100, 30), fresh.pressed().cut(100, 30));
}

TEST(RenderPipeline, FastEditDrawsAFlatButtonWithDottedGuides) {
    render::RenderPipeline pipeline;
    ButtonState s = state::defaultState();
    pipeline.render(s, nullptr, true);
    const Colour button = makeColor(220, 190, 110);
    const Colour guide = makeColor(254, 254, 254);
    for (const Picture* p : {&pipeline.normal(), &pipeline.pressed()}) {
        EXPECT_EQ(p->pixel(0, 0), image::kBlack);
        EXPECT_EQ(p->pixel(50, 0), image::kBlack);
        EXPECT_EQ(p->pixel(3, 20), button);
        EXPECT_EQ(p->pixel(50, 20), button);
        int dots = 0;
        for (int x = 7; x < 93; ++x)
            dots += p->pixel(x, 7) == image::kBlack;
        EXPECT_GT(dots, 20);
        EXPECT_LT(dots, 86);
    }
    EXPECT_GT(count(pipeline.normal(), 100, 40, guide),
              10);  // light circle, radius 100 round (0, 0)
    EXPECT_EQ(count(pipeline.pressed(), 100, 40, guide), 0);
    EXPECT_EQ(pipeline.work().pixel(50, 20), image::kWhite);  // the mask is still built
}

TEST(RenderPipeline, SmoothingChangesRoundShapesOnlyAndPassesRunInOrder) {
    ButtonState s = state::defaultState();
    render::RenderPipeline plain, smooth;
    s.smoothEdges = false;
    plain.render(s);
    s.smoothEdges = true;
    smooth.render(s);
    EXPECT_EQ(plain.normal(), smooth.normal());
    EXPECT_EQ(plain.pressed(), smooth.pressed());

    state::setShapeKind(s, state::ShapeKind::elips);
    smooth.render(s);
    s.smoothEdges = false;
    plain.render(s);
    EXPECT_NE(plain.normal(), smooth.normal());

    // The inscription runs after the rings and before the lighting.
    int calls = 0;
    plain.inscription = [&](const ButtonState&, Picture& n, Picture&, bool) {
        ++calls;
        EXPECT_EQ(n.pixel(0, 20), makeColor(110, 95, 55));  // rim ring, not lit yet
        n.setPixel(50, 20, makeColor(0, 0, 0));
    };
    s.shapeKind = state::ShapeKind::rect;
    plain.render(s);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(plain.normal().pixel(50, 20), makeColor(0, 0, 0));  // black stays black under light
    s.useText = false;
    plain.render(s);
    EXPECT_EQ(calls, 1);
}

TEST(RenderPipeline, PicturesCutByAnExportGrowBackAndBadStateIsClamped) {
    render::RenderPipeline pipeline;
    ButtonState s = state::defaultState();
    pipeline.render(s);
    pipeline.normal() = pipeline.normal().cut(100, 40);
    pipeline.pressed() = pipeline.pressed().cut(100, 40);
    state::setButtonWidth(s, 300);
    pipeline.render(s);
    EXPECT_GE(pipeline.normal().width(), 300);
    EXPECT_NE(pipeline.normal().pixel(250, 20), kBack);

    s.buttonWidth = 100000, s.buttonHeight = 100000, s.buttonDepth = -5;
    s.lightRadius = 100000;
    pipeline.render(s);  // must not touch memory outside the pictures
    EXPECT_NE(pipeline.normal().pixel(329, 194), kBack);
}

// Pictures drawn at 2 and 3 times the resolution look like the picture at scale 1
// once averaged down; the hover picture is the normal one under a stronger light.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "render/button_pictures.h"
#include "render/render_pipeline.h"
#include "render/scaled_design.h"
#include "state/enum_names.h"
#include "state/state_rules.h"

using namespace bevelmint;
using image::Picture;
using state::ButtonState;
using state::ShapeKind;

namespace {

// The ramp of N x depth rings averages a third of a ring step off at scale 3, and
// glyphs are hinted anew at each size: a few levels on average, a few per cent of
// pixels (edges, letters) clearly apart.
constexpr double kMeanLimit = 4.0;
constexpr double kFarLimit = 0.05;

struct Likeness {
    double meanDifference = 0;  // per channel, over every pixel
    double farShare = 0;        // pixels with a channel more than 24 away
};

// Averages each n x n block of the large picture and compares it with the small one.
Likeness compareDown(const Picture& large, const Picture& small, int n) {
    Likeness l;
    long far = 0;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            int sum[3] = {0, 0, 0};
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) {
                    const image::Rgb c = image::splitColor(large.pixel(n * x + i, n * y + j));
                    sum[0] += c.r, sum[1] += c.g, sum[2] += c.b;
                }
            const image::Rgb s = image::splitColor(small.pixel(x, y));
            const double d[3] = {std::abs(sum[0] / double(n * n) - s.r),
                                 std::abs(sum[1] / double(n * n) - s.g),
                                 std::abs(sum[2] / double(n * n) - s.b)};
            l.meanDifference += d[0] + d[1] + d[2];
            far += d[0] > 24 || d[1] > 24 || d[2] > 24;
        }
    }
    const double pixels = double(small.width()) * small.height();
    l.meanDifference /= 3 * pixels;
    l.farShare = far / pixels;
    return l;
}

ButtonState design(ShapeKind kind, int w, int h, int depth, bool text) {
    ButtonState s = state::defaultState();
    state::setShapeKind(s, kind);
    state::setButtonWidth(s, w);
    state::setButtonHeight(s, h);
    state::setButtonDepth(s, depth);
    s.useText = text;
    return s;
}

}  // namespace

TEST(ScaledRender, AveragedDownEveryScaleLooksLikeScaleOne) {
    render::TextEngine text;
    ButtonState lit = design(ShapeKind::rrect, 150, 60, 12, false);
    state::setLightPosition(lit, 7);
    lit.lightRadius = 80;
    ButtonState engraved = design(ShapeKind::rect, 100, 40, 7, true);
    state::setText3D(engraved, true);
    const ButtonState designs[] = {design(ShapeKind::rect, 100, 40, 7, false),
                                   design(ShapeKind::elips, 120, 50, 10, false), lit,
                                   design(ShapeKind::elips, 330, 195, 97, true), engraved};
    for (const ButtonState& s : designs) {
        const render::ButtonPictures one = render::renderButtonPictures(s, nullptr, 1, text, true);
        for (int n : {2, 3}) {
            SCOPED_TRACE(std::string(state::nameOf(s.shapeKind)) + " " +
                         std::to_string(s.buttonWidth) + " at scale " + std::to_string(n));
            const render::ButtonPictures big =
                render::renderButtonPictures(s, nullptr, n, text, true);
            ASSERT_EQ(big.normal.width(), n * s.buttonWidth);
            ASSERT_EQ(big.normal.height(), n * s.buttonHeight);
            for (auto [large, small] :
                 {std::pair{&big.normal, &one.normal}, std::pair{&big.hover, &one.hover},
                  std::pair{&big.pressed, &one.pressed}}) {
                const Likeness l = compareDown(*large, *small, n);
                EXPECT_LT(l.meanDifference, kMeanLimit);
                EXPECT_LT(l.farShare, kFarLimit);
            }
        }
    }
}

TEST(ScaledRender, ScaleOneIsThePipelinesPictureAndTheTextureIsEnlarged) {
    render::TextEngine text;
    ButtonState s = design(ShapeKind::elips, 64, 32, 5, true);
    render::RenderPipeline pipeline;
    pipeline.useTextEngine(text);
    pipeline.render(s);
    const render::ButtonPictures one = render::renderButtonPictures(s, nullptr, 1, text, false);
    EXPECT_EQ(one.normal, pipeline.normal().cut(64, 32));
    EXPECT_EQ(one.pressed, pipeline.pressed().cut(64, 32));
    EXPECT_EQ(one.hover.width(), 0);

    Picture texture(64, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            texture.setPixel(x, y, image::makeColor(x * 2, y * 4, (x + y) * 2));
    const Picture big = render::enlarged(texture, 3);
    ASSERT_EQ(big.width(), 192);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 192; ++x)
            ASSERT_EQ(big.pixel(x, y), texture.pixel(x / 3, y / 3));
    s.textureActive = true;
    s.useText = false;
    state::setShapeKind(s, ShapeKind::rect);
    const render::ButtonPictures small = render::renderButtonPictures(s, &texture, 1, text, false);
    const render::ButtonPictures large = render::renderButtonPictures(s, &texture, 3, text, false);
    EXPECT_LT(compareDown(large.normal, small.normal, 3).meanDifference, kMeanLimit);
}

TEST(HoverPicture, TheNormalPictureUnderALightRaisedByHoverLift) {
    render::TextEngine text;
    ButtonState s = design(ShapeKind::rect, 100, 40, 7, false);
    auto normalAt = [&](int intensity) {
        ButtonState lit = s;
        lit.lightIntensity = intensity;
        return render::renderButtonPictures(lit, nullptr, 1, text, false).normal;
    };
    EXPECT_EQ(render::renderButtonPictures(s, nullptr, 1, text, true).hover, normalAt(60));
    s.lightIntensity = 90;
    EXPECT_EQ(render::renderButtonPictures(s, nullptr, 1, text, true).hover, normalAt(99));
    s.hoverLift = 0;
    const render::ButtonPictures flat = render::renderButtonPictures(s, nullptr, 1, text, true);
    EXPECT_EQ(flat.hover, flat.normal);
    EXPECT_EQ(state::hoverState(s).lightIntensity, 90);
}

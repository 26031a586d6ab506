#include "render/texture.h"

#include <gtest/gtest.h>

#include "render/render_pipeline.h"
#include "state/state_rules.h"

using namespace bevelmint;
using image::makeColor;
using image::Picture;

namespace {

Picture texture(int w, int h, image::Colour fill = makeColor(80, 120, 200)) {
    Picture p(w, h, fill);
    p.setPixel(0, 0, makeColor(10, 20, 30));
    return p;
}

}  // namespace

TEST(TextureLoad, LimitsTheSizeAndTakesTheTopLeftColour) {
    state::ButtonState s = state::defaultState();
    state::setText3D(s, true);
    render::TextureImages images;
    render::layTexture(s, images, texture(64, 32), "/x/wood.bmp");
    EXPECT_TRUE(s.textureActive);
    EXPECT_EQ(s.textureFileName, "/x/wood.bmp");
    EXPECT_EQ(s.buttonWidth, 64);
    EXPECT_EQ(s.buttonHeight, 32);
    EXPECT_EQ(s.widthMax, 64);
    EXPECT_EQ(s.heightMax, 32);
    EXPECT_EQ(s.depthLimit, 16);
    EXPECT_EQ(s.buttonRed, 10);
    EXPECT_EQ(s.buttonBlue, 30);
    EXPECT_EQ(s.textGreen, 20);  // the engraved inscription follows
    EXPECT_EQ(images.working, images.original);

    render::layTexture(s, images, texture(400, 300), "/x/big.bmp");
    EXPECT_EQ(s.buttonWidth, 64);
    EXPECT_EQ(s.widthMax, 330);
    EXPECT_EQ(s.heightMax, 195);

    s = state::defaultState();
    render::layTexture(s, images, texture(12, 6), "/x/tiny.bmp");
    EXPECT_EQ(s.buttonWidth, 100);  // below the minimum: size and bound stay
    EXPECT_EQ(s.buttonHeight, 40);
    EXPECT_EQ(s.widthMax, 330);
    EXPECT_EQ(s.heightMax, 195);
    render::RenderPipeline pipeline;
    pipeline.render(s, render::activeTexture(s, images));  // smaller than the button
    EXPECT_NE(pipeline.normal().pixel(99, 39), pipeline.normal().pixel(100, 39));
}

TEST(TextureBrightness, ShiftsFromTheOriginalAndReportsProgress) {
    state::ButtonState s = state::defaultState();
    render::TextureImages images;
    Picture t = texture(100, 3, makeColor(80, 200, 120));
    render::layTexture(s, images, t, "t.bmp");
    int calls = 0, last = -1;
    render::setTextureBrightness(s, images, 0, [&](int p) { ++calls, last = p; });
    EXPECT_EQ(images.working.pixel(50, 1), makeColor(0, 100, 20));
    EXPECT_EQ(calls, 21);  // the start, then columns 0, 5, ..., 95
    EXPECT_EQ(last, 100);
    EXPECT_EQ(s.buttonRed, 0);  // adjusted top-left pixel (10, 20, 30) - 100
    render::setTextureBrightness(s, images, 100);
    EXPECT_EQ(images.working.pixel(50, 1), makeColor(180, 255, 220));
    render::setTextureBrightness(s, images, 51);
    EXPECT_EQ(images.working.pixel(50, 1), makeColor(82, 202, 122));
    render::setTextureBrightness(s, images, 49);
    EXPECT_EQ(images.working.pixel(50, 1), makeColor(78, 198, 118));
    render::setTextureBrightness(s, images, 50);
    EXPECT_EQ(images.working, images.original);
    EXPECT_EQ(s.buttonRed, 10);

    // Narrower than 20 columns: progress every column, every pixel adjusted.
    render::layTexture(s, images, texture(7, 2, makeColor(100, 100, 100)), "n.bmp");
    calls = 0;
    render::setTextureBrightness(s, images, 60, [&](int) { ++calls; });
    EXPECT_EQ(calls, 8);
    EXPECT_EQ(images.working.pixel(6, 1), makeColor(120, 120, 120));
}

TEST(TextureRemoval, RestoresTheLimitsAndKeepsColourAndSize) {
    state::ButtonState s = state::defaultState();
    render::TextureImages images;
    render::layTexture(s, images, texture(64, 32), "t.bmp");
    render::setTextureBrightness(s, images, 70);
    render::removeTexture(s, images);
    EXPECT_FALSE(s.textureActive);
    EXPECT_EQ(s.widthMax, 330);
    EXPECT_EQ(s.heightMax, 195);
    EXPECT_EQ(s.textureBrightness, 50);
    EXPECT_EQ(s.buttonWidth, 64);
    EXPECT_EQ(s.buttonRed, 50);  // as the texture at brightness 70 made it
    EXPECT_EQ(render::activeTexture(s, images), nullptr);
}

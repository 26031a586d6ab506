#include "render/lighting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "state/state_rules.h"

using namespace bevelmint;
using image::Colour;
using image::makeColor;
using image::Picture;

namespace {

struct Scene {
    state::ButtonState s = state::defaultState();
    Picture mask{335, 199, image::kBlack};
    Picture normal{335, 199, image::kBlack};
    Picture pressed{335, 199, image::kBlack};

    Scene(int w, int h) {
        state::setButtonWidth(s, w);
        state::setButtonHeight(s, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                mask.setPixel(x, y, image::kWhite);
    }
    void light(const Picture* texture = nullptr) {
        render::lightShape(s, mask, texture, normal, pressed, nullptr);
    }
};

}  // namespace

TEST(LightFactor, RoundsLikeTheExtendedProductWithHalvesToEven) {
    EXPECT_EQ(render::LightFactor(0.5).gain(53), 26);
    EXPECT_EQ(render::LightFactor(0.5).gain(55), 28);
    EXPECT_EQ(render::LightFactor(0.4).gain(110), 44);
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> dist(1e-7, 0.99);
    for (int k = 0; k < 20000; ++k) {
        const double x = k < 100 ? (k + 1) / 200.0 : dist(rng);
        const render::LightFactor f(x);
        for (int v = 0; v < 256; v += (k < 100 ? 1 : 17)) {
            const auto want = static_cast<int>(std::nearbyintl(v * static_cast<long double>(x)));
            ASSERT_EQ(f.gain(static_cast<uint8_t>(v)), want) << x << " " << v;
        }
    }
}

TEST(Lighting, MultipliesEachChannelCapsAt254AndLeavesBlackBlack) {
    Scene sc(100, 40);
    sc.s.lightIntensity = 50;
    sc.normal.setPixel(0, 0, makeColor(53, 55, 0));
    sc.normal.setPixel(1, 1, makeColor(255, 200, 0));
    sc.pressed.setPixel(99, 39, makeColor(255, 255, 255));
    sc.light();
    EXPECT_EQ(sc.normal.pixel(0, 0), makeColor(79, 83, 0));
    // dist 1: x = 99/100 * 0.5; 200 gains 99
    EXPECT_EQ(sc.normal.pixel(1, 1), makeColor(254, 254, 0));
    EXPECT_EQ(sc.pressed.pixel(99, 39), makeColor(254, 254, 254));
    EXPECT_EQ(sc.normal.pixel(50, 20), image::kBlack);
}

TEST(Lighting, TheDiscEndsBeforeTheRadiusAndThePressedPictureIsLitAtTheMirror) {
    Scene sc(100, 40);
    sc.s.lightRadius = 10;
    sc.s.lightIntensity = 99;
    sc.normal.fill(makeColor(100, 100, 100));
    sc.pressed.fill(makeColor(100, 100, 100));
    sc.light();
    // (6, 8) lies at distance 10 exactly, (7, 7) at round(9.899) = 10, (6, 7) at 9.22 -> 9
    EXPECT_EQ(sc.normal.pixel(6, 8), makeColor(100, 100, 100));
    EXPECT_EQ(sc.normal.pixel(7, 7), makeColor(100, 100, 100));
    const int gain9 = static_cast<int>(std::nearbyintl(
        100 * static_cast<long double>(static_cast<double>((10.0L - 9) / 10 * (99.0L / 100)))));
    EXPECT_EQ(sc.normal.pixel(6, 7), makeColor(100 + gain9, 100 + gain9, 100 + gain9));
    EXPECT_EQ(sc.pressed.pixel(99 - 6, 39 - 7), sc.normal.pixel(6, 7));
    EXPECT_EQ(sc.pressed.pixel(6, 7), makeColor(100, 100, 100));

    Scene one(100, 40);
    one.s.lightRadius = 1;
    one.normal.fill(makeColor(100, 100, 100));
    one.light();
    EXPECT_EQ(one.normal.pixel(0, 0), makeColor(140, 140, 140));
    EXPECT_EQ(one.normal.pixel(1, 0), makeColor(100, 100, 100));
}

TEST(Lighting, OnlyWhiteMaskPixelsAreLitWithoutATexture) {
    Scene sc(100, 40);
    sc.normal.fill(makeColor(100, 100, 100));
    sc.mask.setPixel(1, 0, image::kBlack);
    sc.mask.setPixel(2, 0, image::kBlue);
    sc.mask.setPixel(3, 0, image::kRed);
    sc.light();
    EXPECT_NE(sc.normal.pixel(0, 0), makeColor(100, 100, 100));
    for (int x = 1; x <= 3; ++x)
        EXPECT_EQ(sc.normal.pixel(x, 0), makeColor(100, 100, 100)) << x;
}

TEST(Lighting, TextureBlendClampsInVisitingOrder) {
    Scene sc(20, 10);
    sc.s.lightRadius = 200;
    sc.s.lightIntensity = 99;
    sc.s.textureActive = true;
    state::setButtonColour(sc.s, 100, 100, 100);
    Picture texture(20, 10, makeColor(250, 250, 250));
    sc.normal.fill(makeColor(200, 200, 200));
    sc.pressed.fill(makeColor(200, 200, 200));
    sc.light(&texture);
    // Normal (0, 0): textured to 255, then lit: 254.
    EXPECT_EQ(sc.normal.pixel(0, 0), makeColor(254, 254, 254));
    // Pressed (19, 9) is lit from column 0 first (200 -> 254), textured at column 19: 255.
    EXPECT_EQ(sc.pressed.pixel(19, 9), makeColor(255, 255, 255));
    // Pressed (0, 0) is textured first and lit from column 19: 254.
    EXPECT_EQ(sc.pressed.pixel(0, 0), makeColor(254, 254, 254));
}

TEST(Lighting, TexturedFaceIsLitOnlyWithLightenFrontAndTheEdgeKeepsTheBevel) {
    for (bool front : {true, false}) {
        Scene sc(40, 20);
        sc.s.lightRadius = 1;  // lights (0, 0) only
        sc.s.lightenFront = front;
        sc.s.textureActive = true;
        state::setButtonColour(sc.s, 100, 100, 100);
        sc.mask.setPixel(0, 0, image::kRed);
        Picture texture(30, 15, makeColor(110, 90, 100));
        sc.normal.fill(makeColor(120, 120, 120));
        sc.light(&texture);
        EXPECT_EQ(sc.normal.pixel(5, 5), makeColor(130, 110, 120));
        // beyond the texture's edge the pixel stays as the bevel drew it
        EXPECT_EQ(sc.normal.pixel(35, 17), makeColor(120, 120, 120));
        const Colour face = sc.normal.pixel(0, 0);
        EXPECT_EQ(face == makeColor(130, 110, 120), !front);
    }
}

TEST(Lighting, ReportsProgressEveryThirtyColumns) {
    Scene sc(100, 40);
    int calls = 0;
    render::lightShape(sc.s, sc.mask, nullptr, sc.normal, sc.pressed, [&] { ++calls; });
    EXPECT_EQ(calls, 4);  // columns 0, 30, 60, 90
}

namespace {

// The lighting rules written out plainly: square root and products in extended
// precision, each pixel in the visiting order.
void referenceLighting(const state::ButtonState& s, const Picture& mask, const Picture* texture,
                       Picture& normal, Picture& pressed) {
    auto ch = [](Colour c, int k) { return static_cast<int>((c >> (8 * k)) & 0xFF); };
    auto make = [](const int v[3]) { return makeColor(v[0], v[1], v[2]); };
    const Colour b = makeColor(s.buttonRed, s.buttonGreen, s.buttonBlue);
    for (int i = 0; i <= s.buttonWidth; ++i) {
        for (int j = 0; j <= s.buttonHeight; ++j) {
            const Colour m = mask.pixel(i, j);
            if (m != image::kWhite && m != image::kRed) continue;
            if (s.textureActive) {
                const Colour t = texture->contains(i, j) ? texture->pixel(i, j) : b;
                for (Picture* p : {&normal, &pressed}) {
                    int v[3];
                    for (int k = 0; k < 3; ++k)
                        v[k] = std::clamp(ch(p->pixel(i, j), k) + ch(t, k) - ch(b, k), 0, 255);
                    p->setPixel(i, j, make(v));
                }
            }
            if (!(m == image::kWhite || (s.textureActive && s.lightenFront))) continue;
            const long long n = (i - s.lightX) * (i - s.lightX) + (j - s.lightY) * (j - s.lightY);
            const int dist =
                static_cast<int>(std::nearbyintl(std::sqrt(static_cast<long double>(n))));
            if (dist >= s.lightRadius) continue;
            const double x = static_cast<double>(static_cast<long double>(s.lightRadius - dist) /
                                                 s.lightRadius * (s.lightIntensity / 100.0L));
            auto light = [&](Picture& p, int px, int py) {
                int v[3];
                for (int k = 0; k < 3; ++k) {
                    const int c = ch(p.pixel(px, py), k);
                    const int t =
                        static_cast<int>(std::nearbyintl(c * static_cast<long double>(x)));
                    v[k] = c + t < 255 ? c + t : 254;
                }
                p.setPixel(px, py, make(v));
            };
            light(normal, i, j);
            light(pressed, s.buttonWidth - 1 - i, s.buttonHeight - 1 - j);
        }
    }
}

}  // namespace

TEST(Lighting, MatchesThePlainRulesOnRandomScenes) {
    std::mt19937 rng(11);
    auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 60; ++round) {
        Scene sc(any(20, 120), any(10, 60));
        sc.s.buttonDepth = 1;
        state::setLightPosition(sc.s, any(1, 8));
        sc.s.lightRadius = any(1, 200);
        sc.s.lightIntensity = any(1, 99);
        sc.s.lightenFront = any(0, 1);
        sc.s.textureActive = any(0, 1);
        state::setButtonColour(sc.s, any(0, 255), any(0, 255), any(0, 255));
        Picture texture(any(5, 130), any(5, 70));
        for (Picture* p : {&sc.mask, &sc.normal, &sc.pressed, &texture}) {
            for (int y = 0; y < p->height(); ++y) {
                for (int x = 0; x < p->width(); ++x) {
                    const Colour masks[] = {image::kWhite, image::kRed, image::kBlue,
                                            image::kBlack};
                    p->setPixel(x, y,
                                p == &sc.mask ? masks[any(0, 3)]
                                              : makeColor(any(0, 255), any(0, 255), any(0, 255)));
                }
            }
        }
        Picture wantNormal = sc.normal, wantPressed = sc.pressed;
        referenceLighting(sc.s, sc.mask, &texture, wantNormal, wantPressed);
        sc.light(&texture);
        ASSERT_EQ(sc.normal, wantNormal) << "round " << round;
        ASSERT_EQ(sc.pressed, wantPressed) << "round " << round;
    }
}

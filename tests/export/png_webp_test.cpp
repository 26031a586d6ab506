// PNG and WebP with true alpha, decoded with libpng and libwebp and checked
// against the outline's geometry computed here from its definition.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "decoders.h"
#include "export/picture_export.h"
#include "export/png_writer.h"
#include "render/render_pipeline.h"
#include "render/text_engine.h"
#include "state/enum_names.h"
#include "state/state_rules.h"

using namespace bevelmint;
using bevelmint::testing::Decoded;
using bevelmint::testing::decodePng;
using bevelmint::testing::decodeWebp;
using exporter::PictureFormat;
using state::ButtonState;
using state::ShapeKind;

namespace {

// The outline of a W x H button: an ellipse filling the box, or a box whose
// corners are quarters of an ellipse min(roundness, W) x min(roundness, H).
struct Outline {
    double w, h, rx, ry;
    Outline(const ButtonState& s) : w(s.buttonWidth), h(s.buttonHeight) {
        const bool ellipse = s.shapeKind == ShapeKind::elips;
        const bool rect = s.shapeKind == ShapeKind::rect;
        rx = rect ? 0 : (ellipse ? w : std::min<double>(s.roundness, w)) / 2;
        ry = rect ? 0 : (ellipse ? h : std::min<double>(s.roundness, h)) / 2;
    }
    bool inside(double x, double y) const {
        if (x < 0 || y < 0 || x > w || y > h) return false;
        const double qx = std::max(0.0, std::abs(x - w / 2) - (w / 2 - rx));
        const double qy = std::max(0.0, std::abs(y - h / 2) - (h / 2 - ry));
        if (qx == 0 || qy == 0) return true;
        return (qx / rx) * (qx / rx) + (qy / ry) * (qy / ry) <= 1;
    }
    double area() const { return w * h - (4 - M_PI) * rx * ry; }
    // Share of pixel (x, y) inside, by 32 x 32 samples.
    double share(int x, int y) const {
        int n = 0;
        for (int j = 0; j < 32; ++j)
            for (int i = 0; i < 32; ++i)
                n += inside(x + (i + 0.5) / 32, y + (j + 0.5) / 32);
        return n / 1024.0;
    }
    // Every point within a pixel's distance of the centre is inside.
    bool deepInside(int x, int y) const {
        for (int k = 0; k < 16; ++k) {
            const double a = k * M_PI / 8;
            if (!inside(x + 0.5 + std::cos(a), y + 0.5 + std::sin(a))) return false;
        }
        return true;
    }
};

image::Picture renderNormal(const ButtonState& s, render::TextEngine& text) {
    render::RenderPipeline pipeline;
    pipeline.useTextEngine(text);
    pipeline.render(s);
    return pipeline.normal().cut(s.buttonWidth, s.buttonHeight);
}

ButtonState design(ShapeKind kind, int w, int h, int roundness = 15) {
    ButtonState s = state::defaultState();
    state::setShapeKind(s, kind);
    state::setButtonWidth(s, w);
    state::setButtonHeight(s, h);
    s.roundness = roundness;
    s.smoothEdges = true;
    return s;
}

}  // namespace

TEST(PngWebp, AlphaIsTheOutlinesCoverageAndInsideColoursAreTheBitmaps) {
    render::TextEngine text;
    const ButtonState designs[] = {
        design(ShapeKind::elips, 100, 40),     design(ShapeKind::elips, 21, 10),
        design(ShapeKind::elips, 330, 195),    design(ShapeKind::rrect, 100, 40, 15),
        design(ShapeKind::rrect, 57, 33, 200), design(ShapeKind::rrect, 120, 61, 40),
        design(ShapeKind::rect, 45, 20)};
    for (const ButtonState& s : designs) {
        SCOPED_TRACE(std::string(state::nameOf(s.shapeKind)) + " " + std::to_string(s.buttonWidth) +
                     "x" + std::to_string(s.buttonHeight));
        const image::Picture bitmap = renderNormal(s, text);
        const std::string png = exporter::encodeStacked(PictureFormat::png, s, 1, {&bitmap});
        const std::string webp = exporter::encodeStacked(PictureFormat::webp, s, 1, {&bitmap});
        const Decoded p = decodePng(png);
        ASSERT_EQ(p.width, s.buttonWidth);
        ASSERT_EQ(p.height, s.buttonHeight);
        EXPECT_EQ(p.hasAlpha, s.shapeKind != ShapeKind::rect);
        EXPECT_EQ(decodeWebp(webp).rgba, p.rgba);

        const Outline outline(s);
        double alphaSum = 0;
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                const uint8_t* px = p.at(x, y);
                alphaSum += px[3] / 255.0;
                if (outline.deepInside(x, y)) {
                    ASSERT_EQ(px[3], 255) << x << "," << y;
                }
                const bool corners = outline.inside(x, y) && outline.inside(x + 1, y) &&
                                     outline.inside(x, y + 1) && outline.inside(x + 1, y + 1);
                if (!corners) {
                    const double share = outline.share(x, y);
                    if (share == 0) {
                        ASSERT_EQ(px[3], 0) << x << "," << y;
                    }
                    ASSERT_NEAR(px[3] / 255.0, share, 0.05) << x << "," << y;
                }
                if (outline.inside(x + 0.5, y + 0.5)) {
                    const image::Rgb c = image::splitColor(bitmap.pixel(x, y));
                    ASSERT_EQ((image::Rgb{px[0], px[1], px[2]}), c) << x << "," << y;
                }
            }
        }
        EXPECT_NEAR(alphaSum, outline.area(), 0.002 * outline.area() + 0.5);
    }
}

TEST(PngWebp, TheBackgroundColourReachesNoPixelAndTheInscriptionIsCutAtTheOutline) {
    render::TextEngine text;
    for (ShapeKind kind : {ShapeKind::elips, ShapeKind::rrect}) {
        ButtonState s = design(kind, 90, 36, 30);
        s.buttonText = "WWWWWWWW";
        state::setFontSize(s, 30);
        s.textOffsetX = -20;
        ButtonState other = s;
        other.backRed = 10, other.backGreen = 200, other.backBlue = 30;
        const image::Picture a = renderNormal(s, text), b = renderNormal(other, text);
        ASSERT_NE(a, b);  // the background and the smoothing do show in the bitmap
        for (PictureFormat f : {PictureFormat::png, PictureFormat::webp}) {
            EXPECT_EQ(exporter::encodeStacked(f, s, 1, {&a}),
                      exporter::encodeStacked(f, other, 1, {&b}));
        }
        // The inscription reaches past the outline in the bitmap, but not in the PNG.
        const Decoded p = decodePng(exporter::encodeStacked(PictureFormat::png, s, 1, {&a}));
        const Outline outline(s);
        int textOutside = 0;
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                if (outline.share(x, y) > 0) continue;
                textOutside += a.pixel(x, y) != image::makeColor(196, 196, 196);
                EXPECT_EQ(p.at(x, y)[3], 0);
            }
        }
        EXPECT_GT(textOutside, 0);
    }
}

TEST(PngWebp, StackedPicturesFormOneSpriteAndPlainFormatsStayAsTheyWere) {
    render::TextEngine text;
    ButtonState s = design(ShapeKind::elips, 60, 24);
    const image::Picture normal = renderNormal(s, text);
    ButtonState darker = s;
    darker.buttonRed = 90;
    const image::Picture other = renderNormal(darker, text);
    const Decoded one = decodePng(exporter::encodeStacked(PictureFormat::png, s, 1, {&normal}));
    const Decoded two = decodePng(exporter::encodeStacked(PictureFormat::png, s, 1, {&other}));
    const Decoded sprite =
        decodeWebp(exporter::encodeStacked(PictureFormat::webp, s, 1, {&normal, &other, &normal}));
    ASSERT_EQ(sprite.width, 60);
    ASSERT_EQ(sprite.height, 72);
    const size_t third = one.rgba.size();
    EXPECT_TRUE(std::equal(one.rgba.begin(), one.rgba.end(), sprite.rgba.begin()));
    EXPECT_TRUE(std::equal(two.rgba.begin(), two.rgba.end(), sprite.rgba.begin() + third));
    EXPECT_TRUE(std::equal(one.rgba.begin(), one.rgba.end(), sprite.rgba.begin() + 2 * third));

    s.exportFormat = state::ExportFormat::gif;
    EXPECT_EQ(exporter::encodeForExport(s, normal),
              exporter::encodeStacked(PictureFormat::gif, s, 1, {&normal}));
    const std::string bmp = exporter::encodeStacked(PictureFormat::bmp, s, 1, {&normal, &other});
    EXPECT_EQ(bmp.size(), 54u + 48 * 180);
}

// Each file is filtered and compressed as suits its pixels: rows that repeat
// further along, a smooth gradient, noise that hardly compresses, and the
// smallest pictures. Every one must decode to exactly its pixels.
TEST(PngWebp, PngKeepsEveryPixelWhateverItsFilterAndLevel) {
    std::mt19937 rng(7);
    auto picture = [&](int w, int h, auto pixel) {
        image::RgbaPicture p(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const auto [c, a] = pixel(x, y);
                p.set(x, y, c, a);
            }
        return p;
    };
    const image::RgbaPicture pictures[] = {
        picture(200, 90,
                [](int x, int y) {
                    return std::pair{image::makeColor((x + 3 * y) % 7 * 30, 80, 200),
                                     uint8_t(x < 150 ? 255 : 90)};
                }),
        picture(120, 70,
                [](int x, int y) {
                    return std::pair{image::makeColor(x + y, 2 * y, 255 - x), uint8_t(255)};
                }),
        picture(97, 41,
                [&](int, int) {
                    return std::pair{image::Colour(rng() & 0xFFFFFF), uint8_t(rng())};
                }),
        picture(1, 1,
                [](int, int) {
                    return std::pair{image::makeColor(1, 2, 3), uint8_t(4)};
                }),
        picture(1, 33,
                [](int, int y) {
                    return std::pair{image::makeColor(y, 9, 9), uint8_t(255)};
                }),
        picture(40, 1, [](int x, int) {
            return std::pair{image::makeColor(9, x, 9), uint8_t(x)};
        })};
    for (const image::RgbaPicture& p : pictures) {
        SCOPED_TRACE(std::to_string(p.width()) + "x" + std::to_string(p.height()));
        const Decoded d = decodePng(exporter::encodePng(p));
        ASSERT_EQ(d.width, p.width());
        ASSERT_EQ(d.height, p.height());
        EXPECT_EQ(d.hasAlpha, !p.opaque());
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x) {
                // Under full transparency only the alpha counts.
                const size_t n = p.alpha(x, y) == 0 ? 1 : 4;
                ASSERT_TRUE(std::equal(p.at(x, y) + 4 - n, p.at(x, y) + 4, d.at(x, y) + 4 - n))
                    << x << "," << y;
            }
    }
}

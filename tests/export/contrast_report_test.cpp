#include <gtest/gtest.h>

#include <cmath>

#include "export/contrast_report.h"
#include "render/render_pipeline.h"
#include "state/button_state.h"

using namespace bevelmint;
using exporter::ButtonReport;

namespace {

constexpr image::Rgb kBlackRgb{0, 0, 0}, kWhiteRgb{255, 255, 255};

ButtonReport renderedReport(state::ButtonState s) {
    render::TextEngine text;
    render::RenderPipeline pipeline;
    pipeline.useTextEngine(text);
    pipeline.render(s);
    return exporter::reportButton(s, pipeline.normal(), exporter::inscriptionInk(s, text));
}

}  // namespace

TEST(Contrast, WcagRatios) {
    EXPECT_DOUBLE_EQ(exporter::contrastRatio(kBlackRgb, kWhiteRgb), 21.0);
    EXPECT_DOUBLE_EQ(exporter::contrastRatio(kWhiteRgb, kBlackRgb), 21.0);
    EXPECT_DOUBLE_EQ(exporter::contrastRatio({220, 190, 110}, {220, 190, 110}), 1.0);
    // #777 on white, the well-known near miss: 1.05 / (L(0x77) + 0.05).
    const double l = std::pow((119 / 255.0 + 0.055) / 1.055, 2.4);
    EXPECT_NEAR(exporter::contrastRatio({119, 119, 119}, kWhiteRgb), 1.05 / (l + 0.05), 1e-12);
    EXPECT_LT(exporter::contrastRatio({119, 119, 119}, kWhiteRgb), 4.5);
}

// A hand-made button: the face colour, its outermost ring and ink known exactly.
TEST(Contrast, FaceUnderTheTextAndTheEdgeOfAnEllipse) {
    state::ButtonState s = state::defaultState();
    s.shapeKind = state::ShapeKind::elips;
    s.buttonWidth = 60, s.buttonHeight = 30;
    s.buttonText = "go";
    s.textRed = s.textGreen = s.textBlue = 0;
    s.backRed = s.backGreen = s.backBlue = 255;
    const image::Colour outside = image::makeColor(0, 200, 0), rim = image::makeColor(40, 40, 40),
                        face = image::makeColor(250, 250, 250), ink = image::kBlack;
    image::Picture pic(60, 30, outside);
    std::vector<bool> inked(60 * 30, false);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const double dx = (x + 0.5 - 30) / 30, dy = (y + 0.5 - 15) / 15;
            const double ix = (x + 0.5 - 30) / 27, iy = (y + 0.5 - 15) / 12;
            if (dx * dx + dy * dy < 1) pic.setPixel(x, y, rim);
            if (ix * ix + iy * iy < 1) pic.setPixel(x, y, face);
            // Letters of black ink in a box, half its pixels inked.
            if (x >= 20 && x < 40 && y >= 10 && y < 20 && (x + y) % 2 == 0) {
                pic.setPixel(x, y, ink);
                inked[y * 60 + x] = true;
            }
        }
    const ButtonReport r = exporter::reportButton(s, pic, inked);
    ASSERT_TRUE(r.text);
    EXPECT_EQ(r.text->back, (image::Rgb{250, 250, 250}));
    EXPECT_EQ(r.text->ratio, exporter::contrastRatio(kBlackRgb, {250, 250, 250}));
    EXPECT_EQ(r.text->minimum, 4.5);
    EXPECT_EQ(r.edge.fore, (image::Rgb{40, 40, 40}));  // never the green outside the outline
    EXPECT_EQ(r.edge.ratio, exporter::contrastRatio({40, 40, 40}, kWhiteRgb));
    EXPECT_TRUE(r.passes());

    s.backRed = s.backGreen = s.backBlue = 40;  // the edge vanishes into the page
    const ButtonReport faint = exporter::reportButton(s, pic, inked);
    EXPECT_EQ(faint.edge.ratio, 1.0);
    // The inscription identifies the button: its edge is not required then.
    EXPECT_FALSE(faint.edge.required);
    EXPECT_TRUE(faint.passes());
    const ButtonReport bare = exporter::reportButton(s, pic, std::vector<bool>(inked.size()));
    EXPECT_FALSE(bare.text);
    EXPECT_TRUE(bare.edge.required);
    EXPECT_FALSE(bare.passes());
}

TEST(Contrast, RenderedDesignsWithKnownAnswers) {
    state::ButtonState s = state::defaultState();
    s.lightenFront = false;  // the face keeps its colour exactly
    s.buttonRed = s.buttonGreen = s.buttonBlue = 255;
    s.textRed = s.textGreen = s.textBlue = 0;
    ButtonReport r = renderedReport(s);
    ASSERT_TRUE(r.text) << "no font found";
    EXPECT_EQ(r.text->back, kWhiteRgb);
    EXPECT_DOUBLE_EQ(r.text->ratio, 21.0);

    // Text in the button's own colour cannot be read at all.
    s.buttonRed = 220, s.buttonGreen = 190, s.buttonBlue = 110;
    s.textRed = 220, s.textGreen = 190, s.textBlue = 110;
    r = renderedReport(s);
    ASSERT_TRUE(r.text);
    EXPECT_DOUBLE_EQ(r.text->ratio, 1.0);
    EXPECT_FALSE(r.passes());

    s.useText = false;
    EXPECT_FALSE(renderedReport(s).text);
}

TEST(Contrast, ThresholdsSizesNamesAndTheJson) {
    state::ButtonState s = state::defaultState();
    const image::Picture pic(100, 40, image::kWhite);
    const std::vector<bool> none(100 * 40, false);
    auto report = [&] { return exporter::reportButton(s, pic, none); };
    EXPECT_FALSE(report().largeText);
    s.textFont.size = 14;
    EXPECT_FALSE(report().largeText);
    s.textFont.bold = true;
    EXPECT_TRUE(report().largeText);
    s.textFont = {"Arial", 18, false, false};
    EXPECT_TRUE(report().largeText);

    EXPECT_TRUE(report().sizePasses());
    EXPECT_FALSE(report().meetsLargerTarget());
    s.buttonWidth = 23, s.buttonHeight = 40;
    EXPECT_FALSE(report().sizePasses());
    s.buttonWidth = 44, s.buttonHeight = 44;
    EXPECT_TRUE(report().meetsLargerTarget());

    s.buttonText = " \t";
    EXPECT_TRUE(report().nameEmpty);
    EXPECT_FALSE(report().passes());

    ButtonReport r;
    r.label = "Say \"hi\"\\\n";
    r.text = exporter::ContrastCheck{kBlackRgb, {255, 0, 0}, 4.4999, 4.5};
    r.edge = {kWhiteRgb, kBlackRgb, 21, 3};
    r.width = 100, r.height = 40;
    const std::string json = exporter::reportJson({r});
    EXPECT_NE(json.find("\"label\": \"Say \\\"hi\\\"\\\\\\u000a\","), std::string::npos) << json;
    EXPECT_NE(json.find("\"text\": {\"colour\": \"#000000\", \"face\": \"#ff0000\", "
                        "\"ratio\": 4.49, \"minimum\": 4.50, \"required\": true, \"pass\": false}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"scheme\": \"light\""), std::string::npos);
    EXPECT_NE(
        json.find("\"size\": {\"width\": 100, \"height\": 40, \"minimum\": 24, "
                  "\"required\": true, \"pass\": true, \"target\": 44, \"meetsTarget\": false}"),
        std::string::npos);
    EXPECT_NE(json.find("\n  \"pass\": false\n}\n"), std::string::npos);
}

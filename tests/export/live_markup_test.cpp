#include <gtest/gtest.h>

#include "export/css_button.h"
#include "export/html_snippet.h"
#include "export/live_button.h"
#include "export/live_report.h"
#include "export/svg_writer.h"
#include "image/shading.h"
#include "state/state_rules.h"
#include "test_support.h"

using namespace bevelmint;
using bevelmint::testing::countOf;
using vector::Look;

namespace {

exporter::LiveButtons liveSet(const state::ButtonState& s, std::vector<std::string> labels) {
    exporter::LiveButtons set;
    set.scales = vector::describeScales(s, {14, 3});
    set.labels = std::move(labels);
    return set;
}

state::ButtonState roundDesign() {
    state::ButtonState s = state::defaultState();
    state::setShapeKind(s, state::ShapeKind::rrect);
    s.roundness = 20;
    return s;
}

}  // namespace

TEST(LiveButton, OneRuleSetForEveryLabelAndNoPicture) {
    const std::string page =
        exporter::livePage(liveSet(roundDesign(), {"Add to cart", "Buy", "Über uns"}));
    EXPECT_EQ(countOf(page, "<style>"), 1u);
    EXPECT_EQ(countOf(page, ".bvl {\n  position: relative;"), 1u);
    EXPECT_EQ(countOf(page, "<a class=\"bvl\" href=\"http://www.your-site.example/\"><span>"), 3u);
    EXPECT_NE(page.find("><span>Über uns</span></a>\n"), std::string::npos);
    EXPECT_EQ(page.find("url("), std::string::npos);
    EXPECT_EQ(page.find(".png"), std::string::npos);
    // The design's size is the least; the text has the bevel, its offset and half
    // its height on either side, shifted by the offset (5): 7 + 5 + 8 = 20.
    EXPECT_NE(page.find("  min-width: 100px;\n  height: 40px;\n  padding: 12px 15px 0 25px;\n"
                        "  font: 16px/17px \"Arial\", sans-serif;\n"),
              std::string::npos);
    EXPECT_NE(page.find("  border-radius: 10px;\n"), std::string::npos);
    // Each finer scale draws its own rings and light, hover before pressed.
    EXPECT_EQ(countOf(page, "@media (min-resolution: 2dppx) {"), 1u);
    EXPECT_EQ(countOf(page, "@media (min-resolution: 3dppx) {"), 1u);
    EXPECT_EQ(countOf(page, ":hover span::after {"), 3u);
    EXPECT_LT(page.find(".bvl:hover span::after"), page.find(".bvl:active span::after"));
    EXPECT_NE(page.find("  box-shadow: inset 0 0 0 1px #6e5f37,\n    inset 0 0 0 2px #7e6c3f"),
              std::string::npos);
    EXPECT_NE(page.find("inset 0 0 0 0.5px #6e5f37"), std::string::npos);
    EXPECT_NE(page.find("mix-blend-mode: color-dodge"), std::string::npos);
    // The light at the top-left corner pixel, its radius 100.
    EXPECT_NE(page.find("radial-gradient(circle 100px at 0.5px 0.5px, rgb(28.5714%"),
              std::string::npos);

    const std::string snippet = exporter::liveSnippet(liveSet(roundDesign(), {"Go"}));
    EXPECT_EQ(snippet.rfind("<style>\n.bvl {", 0), 0u);
    EXPECT_EQ(snippet.find("<body"), std::string::npos);

    // Without an inscription the label is the link's name only.
    state::ButtonState plain = roundDesign();
    plain.useText = false;
    EXPECT_NE(
        exporter::liveElements(liveSet(plain, {"Go"})).find("aria-label=\"Go\"><span></span></a>"),
        std::string::npos);

    // A textured design lays its texture under the rings, by its name beside the page.
    plain.textureActive = true;
    exporter::LiveButtons textured = liveSet(plain, {"Go"});
    textured.textureName = "b #1-texture.png";
    EXPECT_NE(exporter::liveRules(textured).find("url(\"b %231-texture.png\")"), std::string::npos);
}

TEST(LiveButton, TheLightSparesTheFaceBelowTheText) {
    state::ButtonState s = roundDesign();
    s.lightenFront = false;
    const std::string rules = exporter::liveRules(liveSet(s, {"Go"}));
    EXPECT_NE(rules.find(".bvl span::after {\n  z-index: -2;"), std::string::npos);
    // The face over the light: four corners and the two bands of the cross
    // between them (a band names its colour twice), in the face colour.
    const size_t face = rules.find(".bvl span::before {\n  background: ");
    ASSERT_NE(face, std::string::npos);
    const std::string layers = rules.substr(face, rules.find('}', face) - face);
    EXPECT_EQ(countOf(layers, "radial-gradient(10px 10px"), 4u);
    EXPECT_EQ(countOf(layers, "linear-gradient(#dcbe6e, #dcbe6e)"), 2u);
}

TEST(LiveButton, HostileLabelsAndFontNamesStayText) {
    state::ButtonState s = roundDesign();
    s.textFont.face = "Evil\"; } .bvl { color: red } </style><b>";
    const std::string page = exporter::livePage(
        liveSet(s, {"</style><script>alert(1)</script>", "a & b \"c\" 'd'", "bell\x07", "\xff\\"}));
    EXPECT_EQ(countOf(page, "</style>"), 1u);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_NE(page.find("<span>&lt;/style&gt;&lt;script&gt;alert(1)&lt;/script&gt;</span>"),
              std::string::npos);
    EXPECT_NE(page.find("<span>a &amp; b &quot;c&quot; 'd'</span>"), std::string::npos);
    EXPECT_NE(page.find("<span>bell\xef\xbf\xbd</span>"), std::string::npos);  // U+FFFD
    EXPECT_NE(page.find("<span>\xc3\xbf\\</span>"), std::string::npos);  // the byte as Latin-1
    // The face name stays inside its CSS string: nothing in it ends the string,
    // the declaration, the rule or the style element.
    EXPECT_NE(page.find("  font: 16px/17px \"Evil\\22 ; } .bvl { color: red } \\3c /style>\\3c "
                        "b>\", sans-serif;\n"),
              std::string::npos);
    EXPECT_EQ(exporter::cssString("a\nb\x01\x7f\tc"), "\"a\\a b\\1 \\7f \tc\"");

    const std::string svg =
        exporter::svgPicture(vector::describeScales(s, {14, 3}), {Look::rest}, "<b>&", nullptr);
    EXPECT_EQ(svg.find("<b>"), std::string::npos);
    EXPECT_NE(svg.find("<title>&lt;b&gt;&amp;</title>"), std::string::npos);
    EXPECT_NE(svg.find("font-family=\"&quot;Evil\\22 ; } .bvl { color: red } \\3c /style&gt;"),
              std::string::npos);
}

TEST(SvgPicture, LooksStackedEachDrawnPerScaleWithLiveText) {
    state::ButtonState s = roundDesign();
    state::setText3D(s, true);
    const std::vector<vector::VectorButton> scales = vector::describeScales(s, {14, 3});
    const std::string sprite =
        exporter::svgPicture(scales, {Look::rest, Look::hover, Look::pressed}, "Go", nullptr);
    EXPECT_EQ(sprite.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" "
                           "height=\"120\" viewBox=\"0 0 100 120\">\n<title>Go</title>\n",
                           0),
              0u);
    EXPECT_EQ(countOf(sprite, "<g class=\"s1\">"), 6u);  // rings and light of each look
    EXPECT_EQ(countOf(sprite, "<g class=\"s3\">"), 6u);
    EXPECT_NE(sprite.find("<g transform=\"translate(0 80)\" clip-path=\"url(#outline)\""),
              std::string::npos);
    EXPECT_NE(sprite.find("<clipPath id=\"outline\"><rect width=\"100\" height=\"40\" rx=\"10\" "
                          "ry=\"10\"/></clipPath>"),
              std::string::npos);
    // Three copies a look: engraved towards the light (top left), centred on the
    // button moved by the offset, on the picture's baseline.
    EXPECT_EQ(countOf(sprite, "<text "), 9u);
    EXPECT_NE(sprite.find("<text x=\"54\" y=\"25\" font-family=\"&quot;Arial&quot;, sans-serif\" "
                          "font-size=\"16\" text-anchor=\"middle\" fill=\"#6e5f37\">text</text>"),
              std::string::npos);
    EXPECT_NE(sprite.find("<text x=\"55\" y=\"26\""), std::string::npos);
    // Each look its own light; the gradients of the round corners once each.
    EXPECT_EQ(countOf(sprite, "<radialGradient id=\"light"), 9u);
    EXPECT_EQ(countOf(sprite, "<radialGradient id=\"co6e5f37\""), 1u);

    // An ellipse clips to its ellipse and cuts each ring from one gradient.
    state::setShapeKind(s, state::ShapeKind::elips);
    const std::string ellipse =
        exporter::svgPicture(vector::describeScales(s, {}), {Look::rest}, "Go", nullptr);
    EXPECT_NE(ellipse.find("<ellipse cx=\"50\" cy=\"20\" rx=\"50\" ry=\"20\"/>"),
              std::string::npos);
    EXPECT_NE(ellipse.find("cx=\"0.5\" cy=\"0.5\" r=\"0.5\""), std::string::npos);
}

TEST(LiveReport, TheModelsColoursUnderTheTextAtTheLabelsWidth) {
    state::ButtonState s = state::defaultState();
    s.lightRadius = 1;  // lights only the corner pixel
    const vector::VectorButton b = vector::describeButton(s, 1, {14, 3});
    exporter::ButtonReport r = exporter::liveReport(b, "Go", 20);
    EXPECT_EQ(r.width, 100);
    EXPECT_EQ(r.height, 40);
    ASSERT_TRUE(r.text);
    EXPECT_EQ(r.text->back, (image::Rgb{220, 190, 110}));  // the face, unlit
    EXPECT_EQ(r.text->fore, (image::Rgb{0, 0, 0}));
    EXPECT_DOUBLE_EQ(r.text->ratio, exporter::contrastRatio({0, 0, 0}, {220, 190, 110}));
    EXPECT_EQ(r.edge.fore, (image::Rgb{110, 95, 55}));  // the outermost ring
    // A long label widens the button: the text and its room on either side.
    r = exporter::liveReport(b, "A much longer label", 300);
    EXPECT_EQ(r.width, 300 + 2 * exporter::liveTextRoom(b));
    EXPECT_FALSE(exporter::liveReport(b, " ", 3).passes());  // no name

    // Under a strong light the face under the text is the lit face.
    s.lightRadius = 200;
    s.lightIntensity = 99;
    const exporter::ButtonReport lit =
        exporter::liveReport(vector::describeButton(s, 1, {14, 3}), "Go", 20);
    EXPECT_GT(image::makeColor(lit.text->back), image::makeColor({220, 190, 110}));
}

TEST(LiveButton, TheDarkVariantUnderPrefersColorScheme) {
    state::ButtonState s = roundDesign();
    s.dark.on = true;
    exporter::LiveButtons set = liveSet(s, {"Go"});
    set.dark = vector::describeScales(state::darkVariant(s), {14, 3});
    const std::string page = exporter::livePage(set);
    const state::ButtonState dark = state::darkVariant(s);
    const std::string face =
        exporter::hexColour({dark.buttonRed, dark.buttonGreen, dark.buttonBlue});
    const std::string back = exporter::hexColour({dark.backRed, dark.backGreen, dark.backBlue});
    EXPECT_NE(page.find("@media (prefers-color-scheme: dark) {\n  body {\n    background: " + back),
              std::string::npos);
    // The dark rings at every scale, the finer ones under both conditions.
    const size_t at = page.find(
        "@media (prefers-color-scheme: dark) {\n  .bvl::before {\n"
        "    background: " +
        face);
    ASSERT_NE(at, std::string::npos) << page;
    EXPECT_GT(at, page.find("@media (min-resolution: 3dppx)"));
    EXPECT_EQ(countOf(page, "@media (prefers-color-scheme: dark) and (min-resolution: 2dppx) {"),
              1u);
    EXPECT_NE(page.find("<meta name=\"color-scheme\""), std::string::npos);
    // Without the variant, nothing of it.
    EXPECT_EQ(exporter::livePage(liveSet(roundDesign(), {"Go"})).find("prefers-color-scheme"),
              std::string::npos);
}

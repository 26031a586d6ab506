#include <gtest/gtest.h>

#include "export/button_set.h"
#include "export/css_button.h"
#include "export/html_snippet.h"
#include "export/img_bundle.h"
#include "test_support.h"

using namespace bevelmint;
using bevelmint::testing::countOf;
using exporter::WebButton;
using exporter::WebButtons;

namespace {

WebButtons oneButton(std::vector<exporter::ScaledName> pictures) {
    return {100, 40, {196, 196, 196}, {{"Buy now", "", std::move(pictures)}}};
}

}  // namespace

TEST(CssButton, SpriteThirdsSizesAndScales) {
    const std::string css = exporter::cssRules(oneButton({{1, "s.png"}, {2, "s@2x.png"}}));
    EXPECT_NE(css.find("width: 100px;\n  height: 40px;"), std::string::npos);
    EXPECT_NE(css.find("background-size: 100px 120px;"), std::string::npos);
    EXPECT_NE(css.find(".bvm:hover {\n  background-position: 0 -40px;"), std::string::npos);
    EXPECT_NE(css.find(".bvm:active {\n  background-position: 0 -80px;"), std::string::npos);
    // Pressed wins over hover while the mouse is held: it comes later.
    EXPECT_LT(css.find(".bvm:hover"), css.find(".bvm:active"));
    EXPECT_NE(css.find("background-image: url(\"s.png\");\n  background-image: image-set("
                       "url(\"s.png\") 1x, url(\"s@2x.png\") 2x);"),
              std::string::npos);
    EXPECT_NE(css.find(".bvm:focus-visible {\n  outline: 3px solid #000000;\n"
                       "  outline-offset: 2px;"),
              std::string::npos);
    EXPECT_NE(css.find(".bvm[aria-disabled=\"true\"] {\n  background-position: 0 0;\n"
                       "  filter: grayscale(1)"),
              std::string::npos);

    // One scale: no image-set; a dark page gets a white outline.
    WebButtons dark = oneButton({{1, "s.png"}});
    dark.background = {20, 20, 60};
    const std::string single = exporter::cssRules(dark);
    EXPECT_EQ(single.find("image-set"), std::string::npos);
    EXPECT_NE(single.find("outline: 3px solid #ffffff;"), std::string::npos);

    const std::string page = exporter::cssPage(oneButton({{1, "s.png"}}));
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n", 0), 0u);
    EXPECT_EQ(page.find('\r'), std::string::npos);
    EXPECT_NE(page.find("background: #c4c4c4;"), std::string::npos);
    EXPECT_NE(page.find("<a class=\"bvm\" href=\"http://www.your-site.example/\" "
                        "aria-label=\"Buy now\"></a>\n"),
              std::string::npos);
    const std::string snippet = exporter::cssSnippet(oneButton({{1, "s.png"}}));
    EXPECT_EQ(snippet.rfind("<style>\n.bvm {", 0), 0u);
    EXPECT_EQ(snippet.find("<body"), std::string::npos);
    EXPECT_EQ(snippet.find("#c4c4c4"), std::string::npos);
}

TEST(CssButton, ASetHasOneRuleAndOneLinkPerButton) {
    WebButtons set{80, 30, {255, 255, 255}, {}};
    for (const auto& m : exporter::buttonSet({"Buy now", "Sell", "Buy  now!"})) {
        set.buttons.push_back({m.label, m.slug, {{1, exporter::withSlug("s.png", m.slug)}}});
    }
    const std::string page = exporter::cssPage(set);
    EXPECT_EQ(countOf(page, "<a class=\"bvm bvm-"), 3u);
    EXPECT_NE(page.find(".bvm-buy-now-2 {\n  background-image: url(\"s-buy-now-2.png\");"),
              std::string::npos);
    EXPECT_NE(page.find("class=\"bvm bvm-sell\""), std::string::npos);
    EXPECT_NE(page.find("aria-label=\"Buy  now!\""), std::string::npos);
}

TEST(CssButton, EveryTextIsEscapedWhereItLands) {
    EXPECT_EQ(exporter::cssString("a\"b\\c<d&e\nf"), "\"a\\22 b\\5c c\\3c d\\26 e\\a f\"");
    // Names reach url() as URLs, then as CSS strings.
    const std::string css =
        exporter::cssRules({100, 40, {0, 0, 0}, {{"x", "", {{1, "a b#\"<.png"}}}}});
    EXPECT_NE(css.find("url(\"a b%23\\22 \\3c .png\")"), std::string::npos) << css;
    const std::string nasty = "</style><script>alert(\"&\\'\")</script>";
    const WebButtons set = {100, 40, {0, 0, 0}, {{nasty, "x", {{1, nasty + ".png"}}}}};
    for (const std::string& page : {exporter::cssPage(set), exporter::imgPage(set)}) {
        EXPECT_EQ(countOf(page, "<script"), 0u) << page;
        EXPECT_EQ(countOf(page, "</style>"), page.find("<style>") == std::string::npos ? 0u : 1u);
        EXPECT_EQ(countOf(page, "\"&\\"), 0u);
        EXPECT_NE(page.find("&lt;/style&gt;&lt;script&gt;alert(&quot;&amp;\\'&quot;)"),
                  std::string::npos);
    }
}

TEST(ImgBundle, TheSharpestPictureAtTheButtonsSize) {
    const WebButtons set = oneButton({{1, "b.png"}, {2, "b@2x.png"}, {3, "b@3x.png"}});
    EXPECT_EQ(exporter::imgBundle(set, set.buttons[0]),
              "<a href=\"http://www.your-site.example/\"><img src=\"b@2x.png\" alt=\"Buy now\" "
              "width=\"100\" height=\"40\" border=\"0\"></a>");
    const WebButtons plain = oneButton({{1, "b.png"}, {3, "b@3x.png"}});
    EXPECT_NE(exporter::imgBundle(plain, plain.buttons[0]).find("src=\"b.png\""),
              std::string::npos);
    const std::string page = exporter::imgPage(plain);
    EXPECT_NE(page.find("<body bgcolor=\"#c4c4c4\">\n<a href="), std::string::npos);
    EXPECT_EQ(page.find("style"), std::string::npos);
}

TEST(ImgBundle, PictureNamesBecomeUrlsAndAttributes) {
    // A mail program reads the name as a URL: '#', '?', '%', ':' and bytes beyond
    // ASCII are encoded, then '&' and '"' are escaped for the attribute.
    const WebButtons set = oneButton({{1, "Größe #1?&\"100%\":x.png"}});
    EXPECT_NE(exporter::imgBundle(set, set.buttons[0])
                  .find("src=\"Gr%C3%B6%C3%9Fe %231%3F&amp;&quot;100%25&quot;%3Ax.png\""),
              std::string::npos);
}

TEST(ButtonSet, LabelsSlugsAndNames) {
    std::vector<std::string> labels;
    EXPECT_FALSE(
        exporter::parseLabels("\xEF\xBB\xBF"
                              "Buy now\r\n\n  \t\r\n  Größe ändern \nlast",
                              labels));
    EXPECT_EQ(labels, (std::vector<std::string>{"Buy now", "Größe ändern", "last"}));
    std::vector<std::string> bad;
    const auto error = exporter::parseLabels("fine\nbad \xC3(\n", bad);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "line 2 is not UTF-8 text");
    EXPECT_TRUE(exporter::parseLabels("\xED\xA0\x80", bad));  // a surrogate
    EXPECT_TRUE(exporter::parseLabels("\xC0\xAF", bad));      // overlong "/"

    EXPECT_EQ(exporter::slugOf("Buy Now!"), "buy-now");
    EXPECT_EQ(exporter::slugOf("  --Größe ändern--"), "grosse-andern");
    EXPECT_EQ(exporter::slugOf("Æsop × 2"), "aesop-2");
    EXPECT_EQ(exporter::slugOf("购买"), "button");

    const auto set = exporter::buttonSet({"Buy now", "buy-now-2", "BUY NOW", "buy now?"});
    std::vector<std::string> slugs;
    for (const auto& m : set)
        slugs.push_back(m.slug);
    EXPECT_EQ(slugs, (std::vector<std::string>{"buy-now", "buy-now-2", "buy-now-3", "buy-now-4"}));
    EXPECT_EQ(set[2].label, "BUY NOW");

    EXPECT_EQ(exporter::withSlug("out/b.png", "buy-now"), "out/b-buy-now.png");
    EXPECT_EQ(exporter::withSlug("out.d/b", "x"), "out.d/b-x");
    EXPECT_EQ(exporter::withSlug(".hidden", "x"), ".hidden-x");
    EXPECT_EQ(exporter::withSlug("b.png", ""), "b.png");
}

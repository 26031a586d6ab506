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

WebButton button(std::string label, std::string key, std::vector<exporter::ScaledName> pictures) {
    WebButton b;
    b.name = std::move(label);
    b.key = std::move(key);
    b.pictures = std::move(pictures);
    return b;
}

WebButtons buttons(int w, int h, image::Rgb page, std::vector<WebButton> list) {
    WebButtons set;
    set.width = w;
    set.height = h;
    set.background = set.light.page = page;
    set.buttons = std::move(list);
    return set;
}

WebButtons oneButton(std::vector<exporter::ScaledName> pictures) {
    return buttons(100, 40, {196, 196, 196}, {button("Buy now", "", std::move(pictures))});
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
    // Two rings: the outer one stands out from the page, the inner one from it.
    EXPECT_NE(css.find(".bvm:focus-visible {\n  outline: 2px solid #000000;\n"
                       "  outline-offset: 2px;\n  box-shadow: 0 0 0 2px #ffffff;"),
              std::string::npos);
    EXPECT_EQ(css.find("@media"), std::string::npos);
    EXPECT_NE(css.find(".bvm[aria-disabled=\"true\"] {\n  background-position: 0 0;\n"
                       "  filter: grayscale(1)"),
              std::string::npos);

    // One scale: no image-set; a dark page gets a white outline.
    WebButtons dark = oneButton({{1, "s.png"}});
    dark.background = {20, 20, 60};
    const std::string single = exporter::cssRules(dark);
    EXPECT_EQ(single.find("image-set"), std::string::npos);
    EXPECT_NE(single.find("outline: 2px solid #ffffff;"), std::string::npos);

    const std::string page = exporter::cssPage(oneButton({{1, "s.png"}}));
    EXPECT_EQ(
        page.rfind("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n", 0),
        0u);
    EXPECT_EQ(page.find("color-scheme"), std::string::npos);
    EXPECT_NE(page.find("<main>\n<h1 class=\"bvm-heading\">Buy now</h1>\n"), std::string::npos);
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
    WebButtons set = buttons(80, 30, {255, 255, 255}, {});
    for (const auto& m : exporter::buttonSet({"Buy now", "Sell", "Buy  now!"})) {
        set.buttons.push_back(button(m.label, m.slug, {{1, exporter::withSlug("s.png", m.slug)}}));
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
        exporter::cssRules(buttons(100, 40, {0, 0, 0}, {button("x", "", {{1, "a b#\"<.png"}})}));
    EXPECT_NE(css.find("url(\"a b%23\\22 \\3c .png\")"), std::string::npos) << css;
    const std::string nasty = "</style><script>alert(\"&\\'\")</script>";
    const WebButtons set = buttons(100, 40, {0, 0, 0}, {button(nasty, "x", {{1, nasty + ".png"}})});
    for (const std::string& page : {exporter::cssPage(set), exporter::imgPage(set)}) {
        EXPECT_EQ(countOf(page, "<script"), 0u) << page;
        EXPECT_EQ(countOf(page, "</style>"), page.find("<style>") == std::string::npos ? 0u : 1u);
        EXPECT_EQ(countOf(page, "\"&\\"), 0u);
        EXPECT_NE(page.find("&lt;/style&gt;&lt;script&gt;alert(&quot;&amp;\\'&quot;)"),
                  std::string::npos);
    }
}

TEST(ImgBundle, APictureInACellOfTheFaceColourWithItsLabelStyled) {
    WebButtons set = oneButton({{1, "b.png"}, {2, "b@2x.png"}, {3, "b@3x.png"}});
    set.light = {{220, 190, 110}, {0, 0, 0}, {196, 196, 196}};
    set.font = {"Liberation Sans", 18, true, false};
    const std::string bundle = exporter::imgBundle(set, set.buttons[0]);
    EXPECT_EQ(bundle.rfind("<table role=\"presentation\"", 0), 0u) << bundle;
    EXPECT_NE(bundle.find("<td class=\"bvm-face\" align=\"center\" bgcolor=\"#dcbe6e\" "
                          "style=\"background-color:#dcbe6e;"),
              std::string::npos);
    EXPECT_NE(
        bundle.find("<a href=\"http://www.your-site.example/\" "
                    "style=\"display:block;text-decoration:none\"><img class=\"bvm-label\" "
                    "src=\"b@2x.png\" alt=\"Buy now\" width=\"100\" height=\"40\" border=\"0\""),
        std::string::npos);
    EXPECT_NE(bundle.find("color:#000000;font-family:'Liberation Sans',sans-serif;font-size:18pt;"
                          "font-weight:bold;"),
              std::string::npos);
    // Without a dark variant, no picture element; a rectangle needs no VML.
    EXPECT_EQ(bundle.find("<picture>"), std::string::npos);
    EXPECT_EQ(bundle.find("mso"), std::string::npos);

    set.dark = exporter::SchemeColours{{44, 72, 128}, {255, 255, 255}, {20, 20, 24}};
    set.buttons[0].darkPictures = {{1, "b-dark.png"}, {2, "b-dark@2x.png"}};
    set.shape = state::ShapeKind::rrect;
    set.roundness = 10;
    const std::string dark = exporter::imgBundle(set, set.buttons[0]);
    EXPECT_NE(dark.find("<picture><source media=\"(prefers-color-scheme: dark)\" "
                        "srcset=\"b-dark@2x.png\"><img "),
              std::string::npos);
    EXPECT_NE(dark.find("border-radius:10px;"), std::string::npos);
    // Outlook's engine draws the round outline itself; others skip it.
    EXPECT_NE(dark.find("<!--[if mso]><v:roundrect "), std::string::npos);
    EXPECT_NE(dark.find("arcsize=\"25%\" stroke=\"f\" fillcolor=\"#dcbe6e\""), std::string::npos);
    EXPECT_NE(dark.find(">Buy now</center></v:roundrect><![endif]--><!--[if !mso]><!--><a "),
              std::string::npos);

    const WebButtons plain = oneButton({{1, "b.png"}, {3, "b@3x.png"}});
    EXPECT_NE(exporter::imgBundle(plain, plain.buttons[0]).find("src=\"b.png\""),
              std::string::npos);
    const std::string page = exporter::imgPage(set);
    EXPECT_NE(page.find("<body bgcolor=\"#c4c4c4\">\n<main>\n"), std::string::npos);
    EXPECT_NE(
        page.find("@media (prefers-color-scheme: dark) {\n  body {\n    background: #141418;"),
        std::string::npos);
}

TEST(CssButton, TheDarkVariantSwitchesSpritePageAndRing) {
    WebButtons set = oneButton({{1, "s.png"}, {2, "s@2x.png"}});
    set.dark = exporter::SchemeColours{{44, 72, 128}, {255, 255, 255}, {20, 20, 24}};
    set.buttons[0].darkPictures = {{1, "s-dark.png"}, {2, "s-dark@2x.png"}};
    set.language = "de-CH";
    const std::string page = exporter::cssPage(set);
    EXPECT_NE(page.find("<html lang=\"de-CH\">"), std::string::npos);
    EXPECT_NE(page.find("<meta name=\"color-scheme\" content=\"light dark\">"), std::string::npos);
    const size_t media = page.find("@media (prefers-color-scheme: dark) {\n");
    ASSERT_NE(media, std::string::npos);
    const std::string block = page.substr(media);
    EXPECT_NE(block.find("  body {\n    background: #141418;\n  }"), std::string::npos);
    EXPECT_NE(block.find("outline: 2px solid #ffffff;"), std::string::npos);
    EXPECT_NE(
        block.find(
            "  .bvm {\n    background-image: url(\"s-dark.png\");\n    "
            "background-image: image-set(url(\"s-dark.png\") 1x, url(\"s-dark@2x.png\") 2x);"),
        std::string::npos);
    // A snippet goes into someone else's page: it leaves that page's colour alone.
    const std::string snippet = exporter::cssSnippet(set);
    EXPECT_NE(snippet.find("@media (prefers-color-scheme: dark)"), std::string::npos);
    EXPECT_EQ(snippet.find("body"), std::string::npos);
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

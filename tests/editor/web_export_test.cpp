#include "editor/web_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "editor/editor.h"
#include "render/button_pictures.h"
#include "test_support.h"

namespace fs = std::filesystem;
using namespace bevelmint;
using bevelmint::testing::freshDir;
using editor::Editor;
using editor::WebSettings;

namespace {

std::set<std::string> filesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

}  // namespace

// The web settings are part of the design: refused when they cannot name files,
// undone step by step, and saved with the design (text of any kind included).
TEST(WebExport, SettingsAreCheckedUndoneAndSaved) {
    const fs::path dir = freshDir("bevelmint-web-settings");
    Editor ed;
    const WebSettings start = ed.web();
    for (std::vector<int> bad : {std::vector<int>{}, {3, 1}, {1, 1}, {0, 1}, {2, 4}}) {
        WebSettings web = start;
        web.scales = bad;
        EXPECT_FALSE(ed.setWebSettings(web));
    }
    for (const char* bad : {"", "..", "a/b", "a\\b"}) {
        WebSettings web = start;
        web.baseName = bad;
        EXPECT_FALSE(ed.setWebSettings(web)) << bad;
    }
    EXPECT_EQ(ed.web(), start);
    EXPECT_FALSE(ed.canUndo());

    WebSettings web = start;
    web.format = state::WebFormat::webp;
    web.scales = {2, 3};
    web.markup = editor::WebMarkup::imgBundle;
    web.labels = "Buy\nSell \\ more\r\n=x";
    web.folder = "/tmp/a=b\\c";
    web.baseName = "shop buttons";
    ASSERT_TRUE(ed.setWebSettings(web));
    EXPECT_EQ(ed.web(), web);
    EXPECT_TRUE(ed.modified());
    ASSERT_TRUE(ed.setHoverLift(50));
    EXPECT_FALSE(ed.setHoverLift(99));
    const std::string path = (dir / "web.bvm").string();
    ASSERT_FALSE(ed.saveDesign(path));
    Editor loaded;
    const files::LoadResult result = loaded.loadDesign(path);
    ASSERT_FALSE(result.error);
    EXPECT_TRUE(result.notices.empty());
    EXPECT_EQ(loaded.web(), web);
    EXPECT_EQ(loaded.state().hoverLift, 50);
    // A design without them brings the defaults back.
    ASSERT_FALSE(
        loaded.loadDesign(std::string(BEVELMINT_TEST_DATA) + "/designs/seed-rrect.bvm").error);
    EXPECT_EQ(loaded.web(), start);

    ASSERT_TRUE(ed.undo());
    EXPECT_EQ(ed.state().hoverLift, state::defaultState().hoverLift);
    ASSERT_TRUE(ed.undo());
    EXPECT_EQ(ed.web(), start);
    ASSERT_TRUE(ed.redo());
    EXPECT_EQ(ed.web(), web);
    web.labels = "Buy\nSell";
    web.scales = {2, 3};
    ASSERT_TRUE(ed.setWebSettings(web));

    // The markup names the pictures the export writes, for every label.
    const std::string markup = ed.webMarkupText();
    EXPECT_NE(markup.find("shop buttons-buy@2x.webp"), std::string::npos) << markup;
    EXPECT_NE(markup.find("shop buttons-sell@2x.webp"), std::string::npos) << markup;
    fs::remove_all(dir);
}

// The hover preview is the exported hover picture, drawn afresh after each
// render; the report measures the render the window shows.
TEST(WebExport, HoverPreviewAndContrastFollowTheDesign) {
    Editor ed;
    ed.setRenderOnChange(true);
    ed.setShape(state::ShapeKind::rrect);
    ed.setButtonColour({90, 90, 160});
    ed.setTextColour({255, 255, 255});
    const int w = ed.state().buttonWidth, h = ed.state().buttonHeight;
    render::TextEngine text;
    auto exported = [&] {
        return render::renderButtonPictures(ed.state(), nullptr, 1, text, true).hover;
    };
    EXPECT_EQ(ed.hover().cut(w, h), exported());
    EXPECT_NE(ed.hover().cut(w, h), ed.normal().cut(w, h));
    ASSERT_TRUE(ed.setHoverLift(0));
    EXPECT_EQ(ed.hover().cut(w, h), ed.normal().cut(w, h));
    ASSERT_TRUE(ed.setWidth(w + 40));
    EXPECT_EQ(ed.hover().cut(w + 40, h), exported());

    // Web settings draw nothing again; a hover picture asked for without a render
    // in between still shows the design as it is.
    const int renders = ed.renderCount();
    WebSettings web = ed.web();
    web.labels = "A\nB";
    ASSERT_TRUE(ed.setWebSettings(web));
    EXPECT_EQ(ed.renderCount(), renders);
    ed.setRenderOnChange(false);
    ed.setButtonColour({90, 160, 90});
    EXPECT_EQ(ed.hover().cut(w + 40, h), exported());
    ed.setRenderOnChange(true);

    // The quick sketch of fast edit mode is measured as the export draws it.
    const exporter::ButtonReport real = ed.contrastReport();
    ed.setFastEdit(true);
    const exporter::ButtonReport fast = ed.contrastReport();
    ASSERT_TRUE(real.text && fast.text);
    EXPECT_EQ(fast.text->ratio, real.text->ratio);
    EXPECT_EQ(fast.edge.ratio, real.edge.ratio);
    ed.setFastEdit(false);

    const exporter::ButtonReport light = ed.contrastReport();
    ASSERT_TRUE(light.text);
    ed.setTextColour({110, 110, 170});
    const exporter::ButtonReport near = ed.contrastReport();
    ASSERT_TRUE(near.text);
    EXPECT_LT(near.text->ratio, light.text->ratio);
    EXPECT_FALSE(near.text->passes());
    EXPECT_EQ(near.width, w + 40);
}

// An export writes every member's pictures at every scale and the page last,
// or, when one file cannot be written, nothing at all.
TEST(WebExport, ExportWritesTheWholeSetOrNothing) {
    const fs::path dir = freshDir("bevelmint-web-export");
    Editor ed;
    ed.setRenderOnChange(true);
    std::vector<std::string> written;
    auto error = ed.exportForWeb(written);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Choose a folder for the web files first");

    WebSettings web = ed.web();
    web.folder = (dir / "out").string();
    fs::create_directory(web.folder);
    web.baseName = "b";
    web.labels = "Buy now\n\nSell";
    ASSERT_TRUE(ed.setWebSettings(web));
    ed.setFastEdit(true);
    ASSERT_FALSE(ed.exportForWeb(written));
    EXPECT_FALSE(ed.session().fastEdit);
    ASSERT_EQ(written.size(), 17u);
    EXPECT_EQ(fs::path(written.back()).filename(), "b.html");
    const std::set<std::string> names = filesIn(web.folder);
    EXPECT_EQ(names.size(), 17u);
    for (const char* name : {"b-buy-now.png", "b-hover-sell@2x.png", "b-pressed-buy-now.png",
                             "b-sprite-sell@2x.png", "b.html"})
        EXPECT_TRUE(names.count(name)) << name;

    // A folder where one picture would go stops the export before any file is in place.
    web.folder = (dir / "blocked").string();
    fs::create_directories(fs::path(web.folder) / "b-sprite-sell@2x.png");
    ASSERT_TRUE(ed.setWebSettings(web));
    error = ed.exportForWeb(written);
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("b-sprite-sell@2x.png"), std::string::npos) << error->message;
    EXPECT_EQ(filesIn(web.folder), std::set<std::string>{"b-sprite-sell@2x.png"});
    fs::remove_all(dir);
}

#include "editor/editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "image/bmp_writer.h"
#include "render/button_pictures.h"
#include "test_support.h"

namespace fs = std::filesystem;
using namespace bevelmint;
using bevelmint::testing::freshDir;
using bevelmint::testing::slurp;
using editor::Aspect;
using editor::Changes;
using editor::Editor;
using image::makeColor;
using image::Picture;

namespace {

// A texture whose top-left pixel differs from the rest, written as a bitmap.
std::string writeTexture(const fs::path& path, int w, int h, image::Rgb corner) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.setPixel(x, y, makeColor((x * 7) & 255, (y * 11) & 255, ((x + y) * 5) & 255));
    p.setPixel(0, 0, image::makeColor(corner));
    std::ofstream(path, std::ios::binary) << image::encodeBmp(p, w, h);
    return path.string();
}

// What the user sees: the pictures cut to the button.
struct Shown {
    Picture normal, pressed, hover;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
    *os << s.normal.width() << "x" << s.normal.height() << " pictures";
}

Shown shown(Editor& ed) {
    const int w = ed.state().buttonWidth, h = ed.state().buttonHeight;
    return {ed.normal().cut(w, h), ed.pressed().cut(w, h), ed.hover().cut(w, h)};
}

// The pictures of the editor's design drawn on fresh canvases. The editor's own
// canvases may keep marks of earlier, other designs beyond the area a render
// erases, which reach the lighting of a few edge pixels; undo erases it all, as
// a load does, so what it shows is the design drawn afresh.
Shown clean(const Editor& ed) {
    render::TextEngine text;
    const state::ButtonState& s = ed.state();
    render::ButtonPictures p =
        render::renderButtonPictures(s, render::activeTexture(s, ed.texture()), 1, text, true);
    return {p.normal, p.pressed, p.hover};
}

// The design with the values of the editing session left out.
struct Design {
    state::ButtonState state;
    const render::TextureImages* texture;
    std::string exportPath, exportPressedPath;
    editor::WebSettings web;
    bool operator==(const Design&) const = default;
};

// Failures name the fields that differ in a readable form.
void PrintTo(const Design& d, std::ostream* os) {
    std::string bytes;
    files::encodeDesign(d.state, bytes);
    for (char& c : bytes)
        if (c == '\r' || c == '\n') c = '|';
    const state::ButtonState& s = d.state;
    *os << "{" << bytes << " texture " << d.texture << " active " << s.textureActive << " max "
        << s.widthMax << "x" << s.heightMax << " back " << int(s.backRed) << " smooth "
        << s.smoothEdges << " paths '" << d.exportPath << "' '" << d.exportPressedPath << "' web "
        << d.web.baseName << " " << d.web.scales.size() << " " << d.web.labels.size() << "}";
}

Design design(const Editor& ed) {
    const state::ButtonState& s = ed.state();
    return {s, &ed.texture(), ed.exportPath(), ed.exportPressedPath(), ed.web()};
}

}  // namespace

// Random sequences of every kind of operation, each remembered; undoing one step
// at a time shows each earlier design with its pictures drawn exactly as a fresh
// render draws it, and redoing shows the later ones again.
TEST(EditorHistory, RandomOperationsUndoAndRedoToIdenticalPictures) {
    const fs::path dir = freshDir("bevelmint-editor-random");
    const std::string small = writeTexture(dir / "small.bmp", 64, 32, {10, 200, 30});
    const std::string large = writeTexture(dir / "large.bmp", 260, 150, {240, 240, 0});
    const std::string seed =
        std::string(BEVELMINT_TEST_DATA) + "/designs/seed-rrect.bvm";  // no texture
    for (unsigned seedValue : {1u, 2u, 3u}) {
        Editor ed;
        ed.setRenderOnChange(true);
        Changes last;
        ed.subscribe([&](Changes c) { last = c; });
        ed.render();
        std::vector<Design> designs{design(ed)};
        std::mt19937 random(seedValue);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
        auto colour = [&] {
            return image::Rgb{static_cast<uint8_t>(pick(0, 255)),
                              static_cast<uint8_t>(pick(0, 255)),
                              static_cast<uint8_t>(pick(0, 255))};
        };
        const auto channel = [&] { return static_cast<state::Channel>(pick(0, 2)); };
        int saved = 0;
        for (int step = 0; step < 70; ++step) {
            last = {};
            const state::ButtonState& s = ed.state();
            switch (pick(0, 26)) {
                case 0:
                    ed.setWidth(pick(20, s.widthMax));
                    break;
                case 1:
                    ed.setHeight(pick(10, s.heightMax));
                    break;
                case 2:
                    ed.setDepth(pick(1, s.depthLimit));
                    break;
                case 3:
                    ed.setShape(static_cast<state::ShapeKind>(pick(0, 2)));
                    break;
                case 4:
                    ed.setRoundness(pick(0, 200));
                    break;
                case 5:
                    ed.setSmoothEdges(pick(0, 1) == 1);
                    break;
                case 6:
                    ed.setButtonColour(colour());
                    break;
                case 7:
                    ed.setButtonChannel(channel(), pick(0, 255));
                    break;
                case 8:
                    ed.setTextColour(colour());
                    break;
                case 9:
                    ed.setTextChannel(channel(), pick(0, 255));
                    break;
                case 10:
                    ed.setBackgroundColour(colour());
                    break;
                case 11:
                    ed.setLightPosition(pick(1, 8));
                    break;
                case 12:
                    ed.rotateLight();
                    break;
                case 13:
                    ed.setLightRadius(pick(1, 200));
                    break;
                case 14:
                    ed.setLightenFront(pick(0, 1) == 1);
                    break;
                case 15:
                    ed.setText3D(pick(0, 1) == 1);
                    break;
                case 16:
                    ed.setText(pick(0, 1) ? "Go" : "Press me");
                    break;
                case 17:
                    ed.setFont({"DejaVu Sans", pick(8, 30), pick(0, 1) == 1, false});
                    break;
                case 18:
                    ed.setTextOffsetX(pick(-s.buttonWidth / 3, s.buttonWidth / 3));
                    break;
                case 19:
                    ASSERT_FALSE(ed.loadTexture(pick(0, 1) ? small : large));
                    break;
                case 20:
                    ed.removeTexture();
                    break;
                case 21:
                    ed.setTextureBrightness(pick(0, 100));
                    break;
                case 22: {
                    // Saving is no step; loading one is.
                    const std::string path =
                        (dir / ("d" + std::to_string(saved++) + ".bvm")).string();
                    ASSERT_FALSE(ed.saveDesign(path));
                    EXPECT_FALSE(last.has(Aspect::history));
                    ASSERT_FALSE(ed.loadDesign(pick(0, 1) ? path : seed).error);
                    break;
                }
                case 23:
                    ed.chooseExportFormat(static_cast<state::ExportFormat>(pick(0, 2)));
                    break;
                case 24:
                    ASSERT_TRUE(ed.setHoverLift(pick(0, 98)));
                    break;
                case 25: {
                    editor::WebSettings web = ed.web();
                    web.format = pick(0, 1) ? state::WebFormat::png : state::WebFormat::webp;
                    web.scales = {pick(1, 2)};
                    if (pick(0, 1)) web.scales.push_back(3);
                    web.baseName = "b" + std::to_string(pick(0, 9));
                    web.folder = pick(0, 1) ? dir.string() : "";
                    web.markup = static_cast<editor::WebMarkup>(pick(0, 2));
                    web.labels = pick(0, 1) ? "Buy\nSell" : "";
                    ASSERT_TRUE(ed.setWebSettings(web));
                    break;
                }
                default:
                    ASSERT_FALSE(ed.setField(pick(0, 1) ? "lightIntensity" : "textFont.size",
                                             std::to_string(pick(1, 40))));
            }
            if (last.has(Aspect::history)) {
                designs.push_back(design(ed));
            }
        }
        ASSERT_GT(designs.size(), 40u);
        for (size_t k = designs.size() - 1; k > 0; --k) {
            ASSERT_TRUE(ed.undo());
            ASSERT_EQ(design(ed), designs[k - 1]) << "seed " << seedValue << ", step " << k;
            ASSERT_EQ(shown(ed), clean(ed)) << "seed " << seedValue << ", step " << k;
        }
        EXPECT_FALSE(ed.canUndo());
        for (size_t k = 1; k < designs.size(); ++k) {
            ASSERT_TRUE(ed.redo());
            ASSERT_EQ(design(ed), designs[k]) << "seed " << seedValue << ", step " << k;
            ASSERT_EQ(shown(ed), clean(ed)) << "seed " << seedValue << ", step " << k;
        }
        EXPECT_FALSE(ed.canRedo());
    }
    fs::remove_all(dir);
}

// The work canvas keeps the marks of the undone, larger button only where the
// next render erases them.
TEST(EditorHistory, AnUndoneLargerButtonLeavesNoMarks) {
    Editor undone, fresh;
    for (Editor* ed : {&undone, &fresh}) {
        ed->setRenderOnChange(true);
        ed->setShape(state::ShapeKind::elips);
        ed->setLightPosition(3);  // a strong light on the corner where marks would stay
        ed->setLightRadius(200);
        ed->setLightIntensity(99);
    }
    undone.setWidth(300);
    ASSERT_TRUE(undone.undo());
    undone.setWidth(250);
    fresh.setWidth(250);
    EXPECT_EQ(shown(undone), shown(fresh));
}

TEST(EditorHistory, ADragIsOneStepAndTexturesAreSharedNotCopied) {
    const fs::path dir = freshDir("bevelmint-editor-drag");
    Editor ed;
    ed.beginGesture();
    for (int w = 101; w <= 150; ++w)
        ASSERT_TRUE(ed.setWidth(w));
    ed.endGesture();
    ed.setHeight(60);
    ASSERT_TRUE(ed.undo());
    EXPECT_EQ(ed.state().buttonWidth, 150);
    ASSERT_TRUE(ed.undo());
    EXPECT_EQ(ed.state().buttonWidth, 100);
    EXPECT_FALSE(ed.canUndo());
    ASSERT_TRUE(ed.redo());
    EXPECT_EQ(ed.state().buttonWidth, 150);
    EXPECT_TRUE(ed.canRedo());
    ed.setDepth(3);  // a new step forgets what could be redone
    EXPECT_FALSE(ed.canRedo());

    // A removed texture comes back as the very pictures that were loaded.
    ASSERT_FALSE(ed.loadTexture(writeTexture(dir / "t.bmp", 64, 32, {1, 2, 3})));
    const render::TextureImages* loaded = &ed.texture();
    ed.setLightRadius(20);
    EXPECT_EQ(&ed.texture(), loaded);
    ed.removeTexture();
    EXPECT_FALSE(ed.state().textureActive);
    EXPECT_EQ(ed.state().widthMax, state::kMaxWidth);
    ASSERT_TRUE(ed.undo());
    EXPECT_EQ(&ed.texture(), loaded);
    EXPECT_TRUE(ed.state().textureActive);
    EXPECT_EQ(ed.state().widthMax, 64);
    fs::remove_all(dir);
}

// Each rule spanning several fields, checked once here where it lives.
TEST(EditorRules, BrightnessRangesFormatAndEngravedText) {
    const fs::path dir = freshDir("bevelmint-editor-rules");
    Editor ed;
    ASSERT_FALSE(ed.loadTexture(writeTexture(dir / "t.bmp", 64, 32, {100, 20, 250})));
    EXPECT_EQ(ed.state().buttonRed, 100);
    // Brightness 70 adds 2 * (70 - 50) to every channel of the original, clamped.
    ASSERT_FALSE(ed.setField("textureBrightness", "70"));
    EXPECT_EQ(ed.texture().working.pixel(0, 0), makeColor(140, 60, 255));
    EXPECT_EQ(ed.texture().original.pixel(0, 0), makeColor(100, 20, 250));
    EXPECT_EQ(image::Rgb(ed.state().buttonRed, ed.state().buttonGreen, ed.state().buttonBlue),
              image::Rgb(140, 60, 255));
    ASSERT_TRUE(ed.setTextureBrightness(40));
    // Pixel (5, 3) of the original is (35, 33, 40): 20 darker each.
    EXPECT_EQ(ed.texture().working.pixel(5, 3), makeColor(15, 13, 20));
    EXPECT_EQ(ed.state().buttonRed, 80);
    EXPECT_FALSE(ed.setTextureBrightness(101));
    // The same brightness again takes the button colour from the texture again,
    // through the typed setter and by name alike.
    ed.setButtonColour({1, 2, 3});
    ASSERT_TRUE(ed.setTextureBrightness(40));
    EXPECT_EQ(ed.state().buttonRed, 80);
    ed.setButtonColour({1, 2, 3});
    ASSERT_FALSE(ed.setField("textureBrightness", "40"));
    EXPECT_EQ(ed.state().buttonRed, 80);

    // The text offset follows the width: -(w / 3 rounded) .. w div 3.
    Editor text;
    auto refused = text.setField("textOffsetX", "34");
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find("-33..33"), std::string::npos) << *refused;
    EXPECT_FALSE(text.setTextOffsetX(-34));
    EXPECT_TRUE(text.setTextOffsetX(-33));
    EXPECT_TRUE(text.setWidth(101));
    EXPECT_TRUE(text.setTextOffsetX(-34));
    EXPECT_FALSE(text.setTextOffsetX(34));
    EXPECT_FALSE(text.setTextOffsetY(14));  // height 40: -13..13
    EXPECT_TRUE(text.setWidth(60));         // shrinking clamps the offset to -20
    EXPECT_EQ(text.state().textOffsetX, -20);
    EXPECT_FALSE(text.setDepth(21));  // depth 1..min(60, 40) div 2
    EXPECT_TRUE(text.setDepth(20));
    EXPECT_TRUE(text.setHeight(10));
    EXPECT_EQ(text.state().buttonDepth, 5);

    // Engraved text takes the button colour and keeps following it; off is black.
    text.setButtonColour({220, 190, 110});
    text.setText3D(true);
    EXPECT_EQ(text.state().textGreen, 190);
    text.setButtonChannel(state::Channel::red, 100);
    EXPECT_EQ(text.state().textRed, 100);
    text.setText3D(false);
    EXPECT_EQ(text.state().textRed + text.state().textGreen + text.state().textBlue, 0);

    // Choosing a format asks for the pictures again; BMP is no format for a page.
    text.setExportPath("/x/a.gif");
    text.setExportPressed(true);
    text.setExportPressedPath("/x/b.gif");
    EXPECT_TRUE(text.exportNamesComplete());
    EXPECT_NE(text.htmlFragment().find("b.gif"), std::string::npos);
    text.chooseExportFormat(state::ExportFormat::bmp);
    EXPECT_FALSE(text.state().exportPressed);
    EXPECT_EQ(text.exportPath(), "");
    EXPECT_EQ(text.exportPressedPath(), "");
    EXPECT_FALSE(text.exportNamesComplete());
    EXPECT_FALSE(text.formatShownInBrowsers());
    text.chooseExportFormat(state::ExportFormat::jpg);
    EXPECT_TRUE(text.formatShownInBrowsers());

    text.rotateLight();
    EXPECT_EQ(text.state().lightPosition, 2);
    text.setLightPosition(4);
    text.rotateLight();
    EXPECT_EQ(text.state().lightPosition, 1);
    fs::remove_all(dir);
}

TEST(EditorReports, EachOperationReportsWhatChangedAndTheDocumentState) {
    const fs::path dir = freshDir("bevelmint-editor-reports");
    Editor ed;
    ed.setRenderOnChange(true);
    std::vector<Changes> reports;
    const int id = ed.subscribe([&](Changes c) { reports.push_back(c); });
    EXPECT_FALSE(ed.modified());
    EXPECT_EQ(ed.documentPath(), "");

    ed.setLightPosition(3);  // top right: the light centre moves with the width
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].has(Aspect::document));  // now modified
    EXPECT_TRUE(ed.modified());
    reports.clear();
    ed.setWidth(120);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].has(Aspect::shape));
    EXPECT_TRUE(reports[0].has(Aspect::light));
    EXPECT_FALSE(reports[0].has(Aspect::colours));
    EXPECT_TRUE(reports[0].has(Aspect::history));
    EXPECT_FALSE(reports[0].has(Aspect::document));  // modified since the light moved
    EXPECT_TRUE(reports[0].has(Aspect::pictures));
    EXPECT_EQ(ed.renderCount(), 2);
    EXPECT_TRUE(ed.modified());

    reports.clear();
    EXPECT_FALSE(ed.setWidth(400));
    ed.setWidth(120);
    EXPECT_TRUE(reports.empty());  // nothing changed, nothing said, nothing rendered
    EXPECT_EQ(ed.renderCount(), 2);

    ed.setJpegCompression(30);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], Aspect::exports | Aspect::history);  // no render for export settings
    ed.setFastEdit(true);
    EXPECT_EQ(reports[1], Aspect::editMode | Aspect::pictures);  // no undo step
    ed.setFastEdit(false);

    const std::string path = (dir / "d.bvm").string();
    ASSERT_FALSE(ed.saveDesign(path));
    EXPECT_FALSE(ed.modified());
    EXPECT_EQ(ed.documentPath(), path);
    EXPECT_EQ(ed.session().lastFile, path);
    ed.setBackgroundColour({1, 2, 3});
    EXPECT_TRUE(ed.modified());
    ed.setFastEdit(true);
    ASSERT_TRUE(ed.undo());
    EXPECT_FALSE(ed.modified());         // back to what was saved
    EXPECT_TRUE(ed.session().fastEdit);  // the edit mode is no part of the design
    EXPECT_EQ(ed.session().lastFile, path);

    Editor other;
    ASSERT_FALSE(other.loadDesign(path).error);
    EXPECT_EQ(other.state().buttonWidth, 120);
    EXPECT_EQ(other.documentPath(), path);
    EXPECT_FALSE(other.modified());
    ASSERT_TRUE(other.undo());  // loading was a step, and the untitled design is back
    EXPECT_EQ(other.state().buttonWidth, 100);
    EXPECT_EQ(other.documentPath(), "");
    EXPECT_FALSE(other.modified());
    EXPECT_TRUE(other.loadDesign((dir / "none.bvm").string()).error);
    EXPECT_EQ(other.state().buttonWidth, 100);

    ed.unsubscribe(id);
    reports.clear();
    ed.setWidth(90);
    EXPECT_TRUE(reports.empty());
    fs::remove_all(dir);
}

// Saving and exporting write everything named or nothing at all.
TEST(EditorFiles, AFailedSaveOrExportLeavesEveryOldFileAsItWas) {
    const fs::path dir = freshDir("bevelmint-editor-files");
    Editor ed;
    ASSERT_FALSE(ed.loadTexture(writeTexture(dir / "wood.bmp", 64, 32, {5, 6, 7})));
    const fs::path target = dir / "saved";
    fs::create_directories(target / "wood.bmp");  // the texture cannot be written there
    std::ofstream(target / "d.bvm") << "old design";
    const auto error = ed.saveDesign((target / "d.bvm").string());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, (target / "wood.bmp").string());
    EXPECT_EQ(error->message, "Cannot create file " + (target / "wood.bmp").string() +
                                  ": a folder of that name is in the way");
    EXPECT_EQ(slurp(target / "d.bvm"), "old design");
    EXPECT_TRUE(fs::is_directory(target / "wood.bmp"));
    EXPECT_TRUE(fs::is_empty(target / "wood.bmp"));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(target))
        ++entries;
    EXPECT_EQ(entries, 2);  // no temporary file left behind
    EXPECT_EQ(ed.documentPath(), "");

    // Saved where it can be: the design and its unadjusted texture side by side.
    ed.setTextureBrightness(80);
    ASSERT_FALSE(ed.saveDesign((dir / "ok.bvm").string()));
    EXPECT_EQ(slurp(dir / "wood.bmp"), image::encodeBmp(ed.texture().original, 64, 32));

    // The pressed picture cannot be written: the normal one is not written either.
    ed.setExportPath((dir / "n.gif").string());
    ed.setExportPressed(true);
    EXPECT_TRUE(ed.exportPictures());  // no name for the pressed picture yet
    ed.setExportPressedPath((dir / "no" / "p.gif").string());
    const auto exported = ed.exportPictures();
    ASSERT_TRUE(exported);
    EXPECT_EQ(exported->message, "Cannot create file " + (dir / "no" / "p.gif").string() +
                                     ": the folder " + (dir / "no").string() + " does not exist");
    EXPECT_FALSE(fs::exists(dir / "n.gif"));
    ed.setFastEdit(true);
    ed.setExportPressedPath((dir / "p.gif").string());
    ASSERT_FALSE(ed.exportPictures());
    EXPECT_FALSE(ed.session().fastEdit);  // an export shows the real button
    EXPECT_EQ(slurp(dir / "n.gif").substr(0, 6), "GIF87a");
    EXPECT_TRUE(fs::exists(dir / "p.gif"));

    ASSERT_FALSE(ed.saveHtmlPage((dir / "page.html").string(), ed.htmlFragment()));
    EXPECT_NE(slurp(dir / "page.html").find("pic1.src='p.gif'"), std::string::npos);
    EXPECT_EQ(ed.session().htmlFileName, (dir / "page.html").string());
    fs::remove_all(dir);
}

TEST(EditorHistory, AFullHistoryForgetsItsOldestSteps) {
    editor::History history(3);
    editor::Snapshot s;
    for (int w = 21; w <= 25; ++w) {
        s.design.buttonWidth = w;
        history.record(s);
    }
    std::vector<int> back;
    while (auto step = history.undo(s))
        back.push_back(step->design.buttonWidth);
    EXPECT_EQ(back, (std::vector<int>{25, 24, 23}));
}

TEST(EditorReports, TheDarkSchemeIsOneUndoableWebChangeThatLeavesThePictures) {
    Editor ed;
    ed.setRenderOnChange(true);
    std::vector<Changes> reports;
    ed.subscribe([&](Changes c) { reports.push_back(c); });
    ASSERT_FALSE(ed.setField("darkScheme", "true"));
    ASSERT_FALSE(ed.setField("darkButtonRed", "9"));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_TRUE(reports[1].has(Aspect::web));
    EXPECT_TRUE(reports[1].has(Aspect::history));
    // The light pictures do not change with the dark colours.
    EXPECT_FALSE(reports[1].has(Aspect::pictures));
    EXPECT_EQ(ed.state().dark.buttonRed, 9);
    ASSERT_TRUE(ed.undo());
    EXPECT_EQ(ed.state().dark.buttonRed, state::DarkScheme{}.buttonRed);
    EXPECT_TRUE(ed.state().dark.on);
    EXPECT_TRUE(ed.setField("darkTextBlue", "-1"));
}

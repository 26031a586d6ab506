#include <gtest/gtest.h>

#include "export/set_renderer.h"
#include "render/button_pictures.h"
#include "state/state_rules.h"

using namespace bevelmint;

// A set renders each member on pipelines kept between members and shared out
// over threads: every file must still be what a render of its own gives.
TEST(SetRenderer, EveryMemberAsItsOwnRenderWouldGiveIt) {
    state::ButtonState design = state::defaultState();
    state::setShapeKind(design, state::ShapeKind::elips);
    design.smoothEdges = true;
    exporter::PictureSetRequest request;
    request.normal = "out/b.png";
    request.hover = "out/bh.png";
    request.pressed = "out/bp.webp";
    request.sprite = "out/s.png";
    request.scales = {1, 2};
    request.scaleNames = true;
    const auto members = exporter::buttonSet({"Go", "A much longer label here", "Go", "Stop"});
    const exporter::RenderedSet set =
        exporter::renderSet(design, nullptr, members, request, true, {});
    ASSERT_EQ(set.files.size(), 4u * 8u);
    EXPECT_EQ(set.files[0].path, "out/b-go.png");
    EXPECT_EQ(set.files[3].path, "out/s-go.png");
    EXPECT_EQ(set.files[4].path, "out/b-go@2x.png");
    EXPECT_EQ(set.files[16 + 6].path, "out/bp-go-2@2x.webp");

    for (size_t m = 0; m < members.size(); ++m) {
        state::ButtonState own = design;
        own.buttonText = members[m].label;
        exporter::PictureSetRequest alone = request;
        alone.normal = alone.hover = alone.pressed = alone.sprite = "x";
        alone.format = exporter::PictureFormat::png;
        alone.pressed = "";
        render::TextEngine text;
        const auto files =
            exporter::encodePictureSet(alone, own, exporter::freshRenders(own, nullptr, text));
        // normal, hover, sprite at each scale; the set's pressed pictures are WebP.
        const size_t pick[] = {0, 1, 3, 4, 5, 7};
        ASSERT_EQ(files.size(), 6u);
        for (size_t k = 0; k < 6; ++k)
            EXPECT_EQ(files[k].bytes, set.files[m * 8 + pick[k]].bytes) << m << " " << k;
    }
    ASSERT_EQ(set.reports.size(), 4u);
    EXPECT_EQ(set.reports[1].label, "A much longer label here");
    EXPECT_EQ(set.reports[0].text->ratio, set.reports[2].text->ratio);
}

// One button's scales are tasks of their own: the files keep the request's
// order, the sprite stacks the pictures exactly as a stacked export does, and
// the report measures scale 1 whether or not it is written.
TEST(SetRenderer, OneButtonsScalesKeepTheirOrderAndTheirBytes) {
    state::ButtonState design = state::defaultState();
    state::setShapeKind(design, state::ShapeKind::rrect);
    exporter::PictureSetRequest request;
    request.normal = "b.png";
    request.sprite = "s.webp";
    request.scales = {2, 1};
    request.scaleNames = true;
    const std::vector<exporter::SetMember> one = {{design.buttonText, ""}};
    const exporter::RenderedSet set = exporter::renderSet(design, nullptr, one, request, true, {});
    ASSERT_EQ(set.files.size(), 4u);
    render::TextEngine text;
    for (size_t k = 0; k < 2; ++k) {
        const int scale = request.scales[k];
        const render::ButtonPictures p =
            render::renderButtonPictures(design, nullptr, scale, text, true);
        EXPECT_EQ(set.files[2 * k].path, scale == 1 ? "b.png" : "b@2x.png");
        EXPECT_EQ(set.files[2 * k].bytes, exporter::encodeStacked(exporter::PictureFormat::png,
                                                                  design, scale, {&p.normal}));
        EXPECT_EQ(set.files[2 * k + 1].bytes,
                  exporter::encodeStacked(exporter::PictureFormat::webp, design, scale,
                                          {&p.normal, &p.hover, &p.pressed}));
    }
    request.scales = {2};
    const exporter::RenderedSet larger =
        exporter::renderSet(design, nullptr, one, request, true, {});
    ASSERT_EQ(larger.reports.size(), 1u);
    ASSERT_EQ(set.reports.size(), 1u);
    EXPECT_EQ(larger.reports[0].width, set.reports[0].width);
    EXPECT_EQ(larger.reports[0].text->ratio, set.reports[0].text->ratio);
    EXPECT_EQ(larger.reports[0].edge.ratio, set.reports[0].edge.ratio);
}

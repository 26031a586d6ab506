// Palette PNG through libimagequant, decoded with libpng and measured against
// the lossless picture here.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>

#include "decoders.h"
#include "export/palette_png_writer.h"
#include "export/picture_export.h"
#include "export/png_writer.h"
#include "render/button_pictures.h"
#include "render/text_engine.h"
#include "state/state_rules.h"

using namespace bevelmint;
using bevelmint::testing::Decoded;
using bevelmint::testing::decodePng;
using bevelmint::testing::premultipliedPsnr;

namespace {

// The PNG's colour type and whether it carries a chunk of the type given.
int colourType(const std::string& png) {
    return static_cast<uint8_t>(png.at(25));
}
bool hasChunk(const std::string& png, const char* type) {
    return png.find(type) != std::string::npos;
}

std::vector<image::RgbaPicture> buttons() {
    std::vector<image::RgbaPicture> out;
    render::TextEngine text;
    for (state::ShapeKind kind :
         {state::ShapeKind::elips, state::ShapeKind::rrect, state::ShapeKind::rect}) {
        state::ButtonState s = state::defaultState();
        state::setShapeKind(s, kind);
        s.smoothEdges = true;
        s.buttonText = "Download";
        for (int scale : {1, 3}) {
            const render::ButtonPictures p =
                render::renderButtonPictures(s, nullptr, scale, text, true);
            std::vector<image::RgbaPicture> cuts;
            for (const image::Picture* state : {&p.normal, &p.hover, &p.pressed})
                cuts.push_back(exporter::cutOutPicture(s, scale, *state));
            out.push_back(cuts[0]);
            out.push_back(image::stackPictures({&cuts[0], &cuts[1], &cuts[2]}));
        }
    }
    return out;
}

}  // namespace

// Buttons and sprites of every shape become palette PNGs with tRNS where they
// have alpha, decode to within 45 dB of the picture, and are much smaller.
TEST(PalettePng, ButtonsDecodeWithinTheFloorAndAreSmaller) {
    size_t palette = 0, lossless = 0;
    for (const image::RgbaPicture& p : buttons()) {
        SCOPED_TRACE(std::to_string(p.width()) + "x" + std::to_string(p.height()));
        const exporter::PalettePng png = exporter::encodePalettePng(p);
        ASSERT_TRUE(png.palette) << png.notice;
        EXPECT_TRUE(png.notice.empty());
        EXPECT_EQ(colourType(png.bytes), 3);
        EXPECT_EQ(hasChunk(png.bytes, "tRNS"), !p.opaque());
        const std::string exact = exporter::encodePng(p);
        const Decoded original = decodePng(exact), decoded = decodePng(png.bytes);
        ASSERT_EQ(decoded.width, p.width());
        ASSERT_EQ(decoded.height, p.height());
        const double psnr = premultipliedPsnr(original, decoded);
        EXPECT_GE(psnr, exporter::kPaletteMinimumPsnr);
        EXPECT_NEAR(png.psnr, psnr, 1e-6);
        palette += png.bytes.size();
        lossless += exact.size();
    }
    EXPECT_LT(palette * 2, lossless);
}

// The same picture gives the same bytes again, and on another thread while
// this one encodes too.
TEST(PalettePng, TheSamePictureGivesTheSameBytes) {
    const std::vector<image::RgbaPicture> pictures = buttons();
    std::vector<std::string> first;
    for (const image::RgbaPicture& p : pictures)
        first.push_back(exporter::encodePalettePng(p).bytes);
    std::vector<std::string> other(pictures.size()), again(pictures.size());
    std::thread t([&] {
        for (size_t i = 0; i < pictures.size(); ++i)
            other[i] = exporter::encodePalettePng(pictures[i]).bytes;
    });
    for (size_t i = 0; i < pictures.size(); ++i)
        again[i] = exporter::encodePalettePng(pictures[i]).bytes;
    t.join();
    EXPECT_EQ(first, again);
    EXPECT_EQ(first, other);
}

// One colour is a palette of one entry; noise no palette can hold falls back to
// the lossless file with a notice that gives the PSNR reached.
TEST(PalettePng, OneColourIsAPaletteAndNoiseStaysLossless) {
    image::RgbaPicture flat(30, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 30; ++x)
            flat.set(x, y, image::makeColor(10, 120, 230), 255);
    const exporter::PalettePng one = exporter::encodePalettePng(flat);
    ASSERT_TRUE(one.palette);
    const size_t plte = one.bytes.find("PLTE");
    ASSERT_NE(plte, std::string::npos);
    EXPECT_EQ(static_cast<uint8_t>(one.bytes[plte - 1]), 3);  // one entry of three bytes
    EXPECT_EQ(decodePng(one.bytes).rgba, decodePng(exporter::encodePng(flat)).rgba);

    image::RgbaPicture noise(120, 60);
    std::mt19937 rng(4);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x)
            noise.set(x, y, rng() & 0xFFFFFF, static_cast<uint8_t>(128 + rng() % 128));
    const exporter::PalettePng kept = exporter::encodePalettePng(noise);
    EXPECT_FALSE(kept.palette);
    EXPECT_EQ(kept.bytes, exporter::encodePng(noise));
    EXPECT_LT(kept.psnr, exporter::kPaletteMinimumPsnr);
    EXPECT_EQ(kept.notice.rfind("kept lossless: a palette reaches only ", 0), 0u) << kept.notice;
    EXPECT_NE(kept.notice.find("dB PSNR, 45.0 needed"), std::string::npos) << kept.notice;
}

#include "render/smoothing.h"

#include "render/canvas.h"

#include <gtest/gtest.h>

using namespace bevelmint::render;
using namespace bevelmint::image;

namespace {

const Colour kBack = makeColor(196, 196, 196);
const Colour kRim = makeColor(110, 95, 55);

}  // namespace

TEST(Smoothing, AveragesTruncatingAndOnlyOnBluePixels) {
    Picture mask(40, 20, kBlack), normal(40, 20, kBack), pressed(40, 20, kBack);
    // Upper-left quadrant: inward neighbours are right and below.
    mask.setPixel(2, 2, kBlue);
    normal.setPixel(3, 2, kRim);
    normal.setPixel(2, 3, kRim);
    pressed.setPixel(3, 2, kRim);
    pressed.setPixel(2, 3, kRim);
    // Not blue: left alone whatever its neighbours.
    normal.setPixel(6, 3, kRim);
    normal.setPixel(5, 4, kRim);
    smoothOutline(40, 20, mask, normal, pressed);
    EXPECT_EQ(normal.pixel(2, 2), makeColor(138, 128, 102));
    EXPECT_EQ(pressed.pixel(2, 2), makeColor(138, 128, 102));
    EXPECT_EQ(normal.pixel(5, 3), kBack);
}

TEST(Smoothing, APixelEqualToOneInwardNeighbourStays) {
    Picture mask(40, 20, kBlack), normal(40, 20, kBack), pressed(40, 20, kBack);
    // Lower-right quadrant: inward neighbours are left and above.
    mask.setPixel(35, 17, kBlue);
    normal.setPixel(35, 16, kRim);  // vertical neighbour differs, horizontal equals
    mask.setPixel(30, 15, kBlue);
    pressed.setPixel(29, 15, kRim);
    pressed.setPixel(30, 14, makeColor(0, 0, 0));
    smoothOutline(40, 20, mask, normal, pressed);
    EXPECT_EQ(normal.pixel(35, 17), kBack);
    EXPECT_EQ(pressed.pixel(30, 15), makeColor((110 + 196) / 3, (95 + 196) / 3, (55 + 196) / 3));
}

TEST(Smoothing, ScansOutwardsInPlace) {
    // Two blue pixels in a row of the upper-left quadrant: the outer one sees
    // its inward neighbour already averaged.
    Picture mask(40, 20, kBlack), normal(40, 20, kBack), pressed(40, 20, kBack);
    mask.setPixel(4, 2, kBlue);
    mask.setPixel(3, 2, kBlue);
    normal.setPixel(5, 2, makeColor(0, 0, 0));
    normal.setPixel(4, 3, makeColor(0, 0, 0));
    normal.setPixel(3, 3, makeColor(0, 0, 0));
    smoothOutline(40, 20, mask, normal, pressed);
    const uint8_t first = 196 / 3;             // 65
    const uint8_t second = (196 + first) / 3;  // 87
    EXPECT_EQ(normal.pixel(4, 2), makeColor(first, first, first));
    EXPECT_EQ(normal.pixel(3, 2), makeColor(second, second, second));
}

TEST(Smoothing, MatchesThePlainFourScansOnARenderedEllipse) {
    // Mask and pictures of an ellipse; the reference visits every pixel of each scan.
    Picture mask(335, 199, kBlack), normal(335, 199, kBack);
    Canvas m(mask), n(normal);
    m.setSolid(kBlue);
    m.ellipse({-1, -1, 152, 72});
    m.setSolid(kWhite);
    m.ellipse({0, 0, 151, 71});
    n.setSolid(kRim);
    n.ellipse({0, 0, 151, 71});
    n.setSolid(makeColor(220, 190, 110));
    n.ellipse({1, 1, 150, 70});
    const Picture before = normal;
    Picture pressed = normal;
    Picture want = normal;
    const int w = 151, h = 71, cx = w / 2, cy = h / 2;
    const int scans[4][4] = {
        {-1, 0, -1, 0}, {1, w - 1, 1, h - 1}, {-1, 0, 1, h - 1}, {1, w - 1, -1, 0}};
    for (const auto& sc : scans) {
        for (int x = cx; x != sc[1] + sc[0]; x += sc[0]) {
            for (int y = cy; y != sc[3] + sc[2]; y += sc[2]) {
                if (mask.pixel(x, y) != kBlue) continue;
                const Colour p = want.pixel(x, y), hn = want.pixel(x - sc[0], y),
                             vn = want.pixel(x, y - sc[2]);
                if (p == hn || p == vn) continue;
                Rgb a = splitColor(p), b = splitColor(hn), c = splitColor(vn);
                want.setPixel(
                    x, y,
                    makeColor((a.r + b.r + c.r) / 3, (a.g + b.g + c.g) / 3, (a.b + b.b + c.b) / 3));
            }
        }
    }
    smoothOutline(w, h, mask, normal, pressed);
    EXPECT_EQ(normal, want);
    EXPECT_EQ(pressed, want);
    EXPECT_NE(normal, before);
}

#include "render/canvas.h"

#include <gtest/gtest.h>

#include <vector>

using namespace bevelmint::render;
using namespace bevelmint::image;

namespace {

// Corner size -1 stands for the inscribed ellipse.
RoundShape shapeWithCorner(Box box, int corner) {
    return corner < 0 ? RoundShape::ellipse(box) : RoundShape(box, corner, corner);
}

}  // namespace

// Every shape kind over many boxes: symmetric about both centre lines, inside
// its box, and the shape of the box shrunk by one pixel with the same corner (as
// the bevel rings are drawn) lies inside it.
TEST(RoundShape, SymmetricContainedAndNested) {
    for (int w = 1; w <= 60; ++w) {
        for (int h : {1, 2, 3, 10, 11, 37, 60}) {
            const Box box{3, -2, 3 + w, -2 + h};
            const Box inner{box.x1 + 1, box.y1 + 1, box.x2 - 1, box.y2 - 1};
            for (int corner : {-1, 0, 1, 2, 7, 15, 40, 200}) {
                const RoundShape s = shapeWithCorner(box, corner);
                const RoundShape in = shapeWithCorner(inner, corner);
                for (int y = box.y1 - 1; y <= box.y2; ++y) {
                    for (int x = box.x1 - 1; x <= box.x2; ++x) {
                        const bool c = s.contains(x, y);
                        if (c) {
                            ASSERT_TRUE(x >= box.x1 && x < box.x2 && y >= box.y1 && y < box.y2);
                        }
                        ASSERT_EQ(c, s.contains(box.x1 + box.x2 - 1 - x, y)) << w << "x" << h;
                        ASSERT_EQ(c, s.contains(x, box.y1 + box.y2 - 1 - y)) << w << "x" << h;
                        if (in.contains(x, y)) {
                            ASSERT_TRUE(c) << w << "x" << h << " c" << corner;
                        }
                    }
                }
            }
        }
    }
}

TEST(RoundShape, RectangleFillsItsBoxAndEllipseTouchesEverySide) {
    auto rect = RoundShape::rectangle({2, 3, 12, 8});
    for (int y = 3; y < 8; ++y) {
        Span s;
        ASSERT_TRUE(rect.span(y, s));
        EXPECT_EQ(s.left, 2);
        EXPECT_EQ(s.right, 11);
    }
    auto e = RoundShape::ellipse({0, 0, 40, 20});
    Span top, mid;
    ASSERT_TRUE(e.span(0, top));
    ASSERT_TRUE(e.span(10, mid));
    EXPECT_EQ(mid.left, 0);
    EXPECT_EQ(mid.right, 39);
    EXPECT_GT(top.left, 10);
    EXPECT_FALSE(e.contains(0, 0));
    EXPECT_TRUE(RoundShape({0, 0, 0, 5}, 3, 3).empty());
}

TEST(Canvas, NestedFillMatchesDrawingEveryShapeInTurn) {
    // Boxes about one centre (their rows mirror each other), and boxes that are not.
    for (bool centred : {true, false}) {
        for (int corner : {-1, 0, 9, 300}) {
            // An odd height has a middle row that is its own mirror.
            const int bottom = corner == 9 ? 28 : 29;
            Picture fast(50, 30, kBlack), slow(50, 30, kBlack);
            std::vector<RoundShape> shapes;
            std::vector<Colour> colours;
            for (int i = 0; i <= 13; ++i) {
                const int top = centred ? i - 1 : 2 * i - 1;
                shapes.push_back(shapeWithCorner({i - 1, top, 48 - i, bottom - i}, corner));
                colours.push_back(makeColor(static_cast<uint8_t>(10 * i + 1), 0, 0));
            }
            fillNestedShapes(shapes, {{&fast, &colours}});
            Canvas c(slow);
            for (size_t i = 0; i < shapes.size(); ++i) {
                c.setSolid(colours[i]);
                c.draw(shapes[i]);
            }
            EXPECT_EQ(fast, slow) << "corner " << corner << (centred ? "" : ", shifted");
        }
    }
}

TEST(Canvas, PenOutlinesBrushFillsAndEverythingIsClipped) {
    Picture p(10, 6, kBlack);
    Canvas c(p);
    c.pen = {kRed, PenStyle::solid};
    c.brush = {kBlue, BrushStyle::solid};
    c.rectangle({-1, 1, 8, 5});  // left column off the picture
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 10; ++x) {
            Colour want = kBlack;
            if (y >= 1 && y <= 4 && x <= 7) want = (y == 1 || y == 4 || x == 7) ? kRed : kBlue;
            EXPECT_EQ(p.pixel(x, y), want) << x << "," << y;
        }
    }
    // A dotted pen without brush marks only outline pixels, and not all of them.
    Picture q(20, 20, kBlack);
    Canvas d(q);
    d.pen = {kWhite, PenStyle::dotted};
    d.brush.style = BrushStyle::none;
    d.rectangle({0, 0, 20, 20});
    int marked = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            bool edge = x == 0 || y == 0 || x == 19 || y == 19;
            if (q.pixel(x, y) == kWhite) {
                ++marked;
                EXPECT_TRUE(edge);
            }
        }
    }
    EXPECT_GT(marked, 20);
    EXPECT_LT(marked, 76);
    EXPECT_EQ(p.pixel(-1, 0), kBlack);
    p.setPixel(100, 100, kWhite);  // ignored
}

#pragma once

#include <cstdint>
#include <vector>

#include "image/picture.h"

namespace bevelmint::render {

// The largest k with k * k <= n; 0 for n <= 0.
int64_t isqrt(int64_t n);

// A box covers columns x1..x2-1 and rows y1..y2-1.
struct Box {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width() const { return x2 - x1; }
    int height() const { return y2 - y1; }
};

// Inclusive run of columns in one row.
struct Span {
    int left = 0, right = -1;
    bool contains(int x) const { return x >= left && x <= right; }
};

// A rounded box: the box with its corners cut by quarters of a cornerW x cornerH
// ellipse (limited to the box). Corner 0 gives the plain rectangle, a corner the
// size of the box the inscribed ellipse.
//
// A pixel belongs to the shape when its centre lies inside the real outline. The
// test runs on doubled integer coordinates, so it is exact: the shape is symmetric
// about both centre lines of its box, never leaves the box, and a box shrunk by one
// pixel on every side with the same corner gives a shape inside this one.
class RoundShape {
  public:
    RoundShape(Box box, int cornerW, int cornerH);
    static RoundShape rectangle(Box box) { return {box, 0, 0}; }
    static RoundShape ellipse(Box box) { return {box, box.width(), box.height()}; }

    const Box& box() const { return box_; }
    // The corner ellipse's size, as limited to the box.
    int cornerW() const { return cw_; }
    int cornerH() const { return ch_; }
    bool empty() const { return box_.width() <= 0 || box_.height() <= 0; }
    // The shape's columns in row y; false when the row holds none.
    bool span(int y, Span& out) const;
    bool contains(int x, int y) const;

  private:
    Box box_;
    int cw_ = 0, ch_ = 0;
};

enum class PenStyle { solid, dotted };
enum class BrushStyle { solid, none };

struct Pen {
    image::Colour colour = image::kBlack;
    PenStyle style = PenStyle::solid;
};

struct Brush {
    image::Colour colour = image::kWhite;
    BrushStyle style = BrushStyle::solid;
};

// Whether a dotted pen marks pixel (x, y): short dashes in every direction.
constexpr bool dotOn(int x, int y) {
    return ((x + 2 * y) & 3) < 2;
}

// Drawing on a picture with a pen (outline) and a brush (inside), as the platform's
// canvas does. Everything is clipped to the picture.
class Canvas {
  public:
    explicit Canvas(image::Picture& picture) : picture_(picture) {}

    Pen pen;
    Brush brush;

    void setSolid(image::Colour c) {
        pen = {c, PenStyle::solid};
        brush = {c, BrushStyle::solid};
    }

    // Fills the box with the brush only.
    void fillRect(Box box);
    void rectangle(Box box) { draw(RoundShape::rectangle(box)); }
    void ellipse(Box box) { draw(RoundShape::ellipse(box)); }
    void roundRect(Box box, int cornerW, int cornerH) { draw(RoundShape(box, cornerW, cornerH)); }
    // Fills the shape with the brush, then outlines it with the pen: the pen marks
    // the shape's pixels that have a horizontal or vertical neighbour outside it.
    void draw(const RoundShape& shape);

  private:
    void fillSpan(int y, int left, int right, image::Colour c);

    image::Picture& picture_;
};

// A picture and the colour of each nested shape on it.
struct NestedFill {
    image::Picture* picture;
    const std::vector<image::Colour>* colours;
};

// Draws shapes[0] in colours[0], then shapes[1] in colours[1] and so on, each with
// pen and brush of its colour, where every shape lies inside the one before. Gives
// the same pixels as drawing them one after another, but touches each pixel once
// and finds each row's spans once for all the pictures.
void fillNestedShapes(const std::vector<RoundShape>& shapes, const std::vector<NestedFill>& fills);

// Fills the box with a colour except where the shape lies: what a fill of the
// box leaves visible once the shape is drawn over it, each pixel written once.
void fillAround(image::Picture& picture, Box box, const RoundShape& shape, image::Colour c);

}  // namespace bevelmint::render

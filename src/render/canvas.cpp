#include "render/canvas.h"

#include <algorithm>
#include <cmath>

namespace bevelmint::render {

namespace {

int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

void fillRowClipped(image::Picture& picture, int y, int left, int right, image::Colour c) {
    left = std::max(left, 0);
    right = std::min(right, picture.width() - 1);
    if (left <= right) std::fill(picture.row(y) + left, picture.row(y) + right + 1, c);
}

}  // namespace

int64_t isqrt(int64_t n) {
    if (n <= 0) return 0;
    auto r = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
    while (r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

RoundShape::RoundShape(Box box, int cornerW, int cornerH) : box_(box) {
    cw_ = std::clamp(cornerW, 0, std::max(box.width(), 0));
    ch_ = std::clamp(cornerH, 0, std::max(box.height(), 0));
}

// In doubled coordinates a pixel x has centre X = 2x + 1 - (x1 + x2) relative to
// the box centre; the straight part reaches |X| <= w - cw and the corner ellipse
// adds QX with (QX / cw)^2 + (QY / ch)^2 <= 1.
bool RoundShape::span(int y, Span& out) const {
    if (empty() || y < box_.y1 || y >= box_.y2) return false;
    const int64_t w = box_.width(), h = box_.height();
    int64_t reach = w;  // largest |X| inside the shape in this row
    if (cw_ > 0 && ch_ > 0) {
        const int64_t Y = std::abs(2 * static_cast<int64_t>(y) + 1 - (box_.y1 + box_.y2));
        const int64_t qy = std::max<int64_t>(Y - (h - ch_), 0);
        const int64_t cw2 = int64_t{cw_} * cw_, ch2 = int64_t{ch_} * ch_;
        const int64_t rhs = cw2 * ch2 - qy * qy * cw2;
        if (rhs < 0) return false;
        reach = (w - cw_) + isqrt(rhs / ch2);
    }
    const int64_t s = box_.x1 + box_.x2;
    // 2x + 1 - s >= -reach and <= reach
    int64_t left = -floorDiv(-(s - 1 - reach), 2);
    int64_t right = floorDiv(s - 1 + reach, 2);
    left = std::max<int64_t>(left, box_.x1);
    right = std::min<int64_t>(right, box_.x2 - 1);
    if (left > right) return false;
    out = {static_cast<int>(left), static_cast<int>(right)};
    return true;
}

bool RoundShape::contains(int x, int y) const {
    Span s;
    return span(y, s) && s.contains(x);
}

void Canvas::fillSpan(int y, int left, int right, image::Colour c) {
    if (y >= 0 && y < picture_.height()) fillRowClipped(picture_, y, left, right, c);
}

void Canvas::fillRect(Box box) {
    if (brush.style == BrushStyle::none) return;
    for (int y = box.y1; y < box.y2; ++y)
        fillSpan(y, box.x1, box.x2 - 1, brush.colour);
}

void Canvas::draw(const RoundShape& shape) {
    const Box& b = shape.box();
    const bool outlineOnly = pen.style == PenStyle::solid && brush.style == BrushStyle::solid &&
                             pen.colour == brush.colour;
    Span above, here, below;
    bool hasAbove = false;
    bool hasHere = shape.span(b.y1, here);
    for (int y = b.y1; y < b.y2; ++y) {
        bool hasBelow = shape.span(y + 1, below);
        if (hasHere) {
            if (brush.style == BrushStyle::solid) fillSpan(y, here.left, here.right, brush.colour);
            if (!outlineOnly) {
                for (int x = here.left; x <= here.right; ++x) {
                    bool edge = x == here.left || x == here.right || !hasAbove ||
                                !above.contains(x) || !hasBelow || !below.contains(x);
                    if (edge && (pen.style == PenStyle::solid || dotOn(x, y))) {
                        picture_.setPixel(x, y, pen.colour);
                    }
                }
            }
        }
        above = here, hasAbove = hasHere;
        here = below, hasHere = hasBelow;
    }
}

namespace {

// One row of nested shapes on one picture: the band of each shape outside the
// next, and the innermost span whole. Columns are clipped to the picture.
void fillNestedRow(image::Colour* row, int width, const std::vector<Span>& spans, size_t count,
                   const std::vector<image::Colour>& colours) {
    auto band = [&](int left, int right, image::Colour c) {
        left = std::max(left, 0);
        right = std::min(right, width - 1);
        for (int x = left; x <= right; ++x)
            row[x] = c;
    };
    for (size_t i = 0; i + 1 < count; ++i) {
        band(spans[i].left, spans[i + 1].left - 1, colours[i]);
        band(spans[i + 1].right + 1, spans[i].right, colours[i]);
    }
    if (count > 0) band(spans[count - 1].left, spans[count - 1].right, colours[count - 1]);
}

}  // namespace

// Shapes sharing the vertical centre of their boxes have equal spans in rows
// mirrored about it, so each pair of rows finds its spans once.
void fillNestedShapes(const std::vector<RoundShape>& shapes, const std::vector<NestedFill>& fills) {
    if (shapes.empty()) return;
    const Box& outer = shapes.front().box();
    const int rowSum = outer.y1 + outer.y2;
    bool mirrored = true;
    for (const RoundShape& shape : shapes)
        mirrored = mirrored && shape.box().y1 + shape.box().y2 == rowSum;
    const int lastRow = mirrored ? (rowSum - 1) / 2 : outer.y2 - 1;
    std::vector<Span> spans(shapes.size());
    for (int y = outer.y1; y <= lastRow; ++y) {
        // Spans of the shapes that reach this row; nesting makes them a prefix.
        size_t count = 0;
        while (count < shapes.size() && shapes[count].span(y, spans[count]))
            ++count;
        const int mirror = rowSum - 1 - y;
        for (const NestedFill& fill : fills) {
            image::Picture& p = *fill.picture;
            const int rows[2] = {y, mirror};
            for (int k = 0; k < (mirrored && mirror != y ? 2 : 1); ++k) {
                if (rows[k] >= 0 && rows[k] < p.height())
                    fillNestedRow(p.row(rows[k]), p.width(), spans, count, *fill.colours);
            }
        }
    }
}

void fillAround(image::Picture& picture, Box box, const RoundShape& shape, image::Colour c) {
    for (int y = std::max(box.y1, 0); y < std::min(box.y2, picture.height()); ++y) {
        Span s;
        if (shape.span(y, s)) {
            fillRowClipped(picture, y, box.x1, std::min(box.x2 - 1, s.left - 1), c);
            fillRowClipped(picture, y, std::max(box.x1, s.right + 1), box.x2 - 1, c);
        } else {
            fillRowClipped(picture, y, box.x1, box.x2 - 1, c);
        }
    }
}

}  // namespace bevelmint::render

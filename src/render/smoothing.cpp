#include "render/smoothing.h"

#include <algorithm>
#include <vector>

#include "image/color.h"

namespace bevelmint::render {

namespace {

image::Colour average(image::Colour p, image::Colour h, image::Colour v) {
    image::Rgb a = image::splitcolor(p), b = image::splitcolor(h), c = image::splitcolor(v);
    auto avg = [](uint16_t x, uint16_t y, uint16_t z) {
        return static_cast<uint8_t>(static_cast<uint16_t>(x + y + z) / 3);
    };
    return image::makecolor(avg(a.r, b.r, c.r), avg(a.g, b.g, c.g), avg(a.b, b.b, c.b));
}

// The blue mask pixels of columns 0..w-1 and rows 0..h-1, column by column with
// ascending rows: the only pixels the scans may change, found in one pass.
struct BlueColumns {
    std::vector<int> start;  // start[x]..start[x + 1] index into rows
    std::vector<int> rows;

    BlueColumns(const image::Picture& mask, int w, int h) : start(w + 1, 0) {
        for (int x = 0; x < w; ++x) {
            start[x] = static_cast<int>(rows.size());
            for (int y = 0; y < h; ++y)
                if (mask.pixel(x, y) == image::kBlue) rows.push_back(y);
        }
        start[w] = static_cast<int>(rows.size());
    }
};

void visit(image::Picture& pic, int x, int y, int xstep, int ystep) {
    const image::Colour p = pic.pixel(x, y);
    const image::Colour h = pic.pixel(x - xstep, y);
    const image::Colour v = pic.pixel(x, y - ystep);
    if (p == h || p == v) return;
    pic.setPixel(x, y, average(p, h, v));
}

// One quadrant scan: columns from cx by xstep to xend, and in each the rows from
// cy by ystep to yend; the inward neighbours lie one step back towards the centre.
void scan(image::Picture& pic, const BlueColumns& blue, int cx, int cy, int xstep, int xend,
          int ystep, int yend) {
    for (int x = cx; x != xend + xstep; x += xstep) {
        const int* first = blue.rows.data() + blue.start[x];
        const int* last = blue.rows.data() + blue.start[x + 1];
        if (ystep > 0) {
            for (const int* r = std::lower_bound(first, last, cy); r != last && *r <= yend; ++r)
                visit(pic, x, *r, xstep, ystep);
        } else {
            for (const int* r = std::upper_bound(first, last, cy); r != first && *(r - 1) >= yend;)
                visit(pic, x, *--r, xstep, ystep);
        }
    }
}

void smooth(image::Picture& pic, const BlueColumns& blue, int w, int h) {
    const int cx = w / 2, cy = h / 2;
    scan(pic, blue, cx, cy, -1, 0, -1, 0);          // upper left
    scan(pic, blue, cx, cy, +1, w - 1, +1, h - 1);  // lower right
    scan(pic, blue, cx, cy, -1, 0, +1, h - 1);      // lower left
    scan(pic, blue, cx, cy, +1, w - 1, -1, 0);      // upper right
}

}  // namespace

void antialiasing(int w, int h, const image::Picture& mask, image::Picture& normal,
                  image::Picture& pressed) {
    if (w <= 0 || h <= 0) return;
    const BlueColumns blue(mask, w, h);
    smooth(normal, blue, w, h);
    smooth(pressed, blue, w, h);
}

}  // namespace bevelmint::render

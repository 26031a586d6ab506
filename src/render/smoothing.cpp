#include "render/smoothing.h"

#include <algorithm>
#include <vector>

#include "image/color.h"

namespace bevelmint::render {

namespace {

image::Colour average(image::Colour p, image::Colour h, image::Colour v) {
    image::Rgb a = image::splitColor(p), b = image::splitColor(h), c = image::splitColor(v);
    auto avg = [](uint16_t x, uint16_t y, uint16_t z) {
        return static_cast<uint8_t>(static_cast<uint16_t>(x + y + z) / 3);
    };
    return image::makeColor(avg(a.r, b.r, c.r), avg(a.g, b.g, c.g), avg(a.b, b.b, c.b));
}

// The blue mask pixels of columns 0..w-1 and rows 0..h-1, column by column with
// ascending rows: the only pixels the scans may change. Found row by row, which
// reads the mask in memory order, then sorted into columns by counting.
struct BlueColumns {
    std::vector<int> start;  // start[x]..start[x + 1] index into rows
    std::vector<int> rows;

    BlueColumns(const image::Picture& mask, int w, int h) : start(w + 1, 0) {
        std::vector<std::pair<int, int>> found;  // (x, y) in row order
        const int cols = std::min(w, mask.width());
        for (int y = 0; y < std::min(h, mask.height()); ++y) {
            const image::Colour* row = mask.row(y);
            for (int x = 0; x < cols; ++x)
                if (row[x] == image::kBlue) found.emplace_back(x, y);
        }
        for (const auto& [x, y] : found)
            ++start[x + 1];
        for (int x = 0; x < w; ++x)
            start[x + 1] += start[x];
        rows.resize(found.size());
        std::vector<int> next(start.begin(), start.end() - 1);
        for (const auto& [x, y] : found)
            rows[next[x]++] = y;
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

void smoothOutline(int w, int h, const image::Picture& mask, image::Picture& normal,
                   image::Picture& pressed) {
    if (w <= 0 || h <= 0) return;
    const BlueColumns blue(mask, w, h);
    smooth(normal, blue, w, h);
    smooth(pressed, blue, w, h);
}

}  // namespace bevelmint::render

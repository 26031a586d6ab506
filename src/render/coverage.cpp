#include "render/coverage.h"

#include <algorithm>
#include <cmath>

namespace bevelmint::render {

namespace {

// The outline in real coordinates, a pixel x covering [x, x + 1): the box with
// its corners cut by quarters of an ellipse of semi-axes cornerW/2 and cornerH/2.
struct Outline {
    double cx, cy, halfW, halfH, rx, ry;

    explicit Outline(const RoundShape& s)
        : cx((s.box().x1 + s.box().x2) / 2.0),
          cy((s.box().y1 + s.box().y2) / 2.0),
          halfW(s.box().width() / 2.0),
          halfH(s.box().height() / 2.0),
          rx(s.cornerW() / 2.0),
          ry(s.cornerH() / 2.0) {}

    // Half the width of the outline at height y; negative where it has none.
    double halfWidthAt(double y) const {
        const double v = std::abs(y - cy);
        if (v > halfH) return -1;
        const double q = v - (halfH - ry);
        if (rx <= 0 || ry <= 0 || q <= 0) return halfW;
        const double t = q / ry;
        return (halfW - rx) + rx * std::sqrt(std::max(0.0, 1 - t * t));
    }
};

// Adds the overlap of [left, right] with every pixel of the row: whole pixels
// through a running difference, the two end pixels by their fractions.
void addSpan(double left, double right, std::vector<double>& partial, std::vector<int>& whole) {
    const int width = static_cast<int>(partial.size());
    left = std::max(left, 0.0);
    right = std::min(right, static_cast<double>(width));
    if (right <= left) return;
    const int first = static_cast<int>(std::floor(left));
    const int last = static_cast<int>(std::floor(right));  // width when right is the edge
    if (first == last) {
        partial[first] += right - left;
        return;
    }
    partial[first] += (first + 1) - left;
    whole[first + 1] += 1;
    whole[last] -= 1;
    if (last < width) partial[last] += right - last;
}

}  // namespace

std::vector<uint8_t> outlineCoverage(const RoundShape& shape, int width, int height) {
    std::vector<uint8_t> alpha(static_cast<size_t>(std::max(width, 0)) * std::max(height, 0), 0);
    if (shape.empty() || width <= 0 || height <= 0) return alpha;
    const Outline outline(shape);
    std::vector<double> partial(width);
    std::vector<int> whole(width + 1);
    for (int y = 0; y < height; ++y) {
        std::fill(partial.begin(), partial.end(), 0.0);
        std::fill(whole.begin(), whole.end(), 0);
        for (int k = 0; k < kCoverageRows; ++k) {
            const double half = outline.halfWidthAt(y + (k + 0.5) / kCoverageRows);
            if (half > 0) addSpan(outline.cx - half, outline.cx + half, partial, whole);
        }
        int wholeRows = 0;
        for (int x = 0; x < width; ++x) {
            wholeRows += whole[x];
            const double share = (wholeRows + partial[x]) / kCoverageRows;
            alpha[static_cast<size_t>(y) * width + x] =
                static_cast<uint8_t>(std::lround(std::clamp(share, 0.0, 1.0) * 255));
        }
    }
    return alpha;
}

namespace {

struct Step {
    int dx, dy;
};

// Neighbours within two pixels, nearest first; ties in a fixed order.
const std::vector<Step>& nearestFirst() {
    static const std::vector<Step> steps = [] {
        std::vector<Step> s;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (dx != 0 || dy != 0) s.push_back({dx, dy});
        std::stable_sort(s.begin(), s.end(), [](Step a, Step b) {
            return a.dx * a.dx + a.dy * a.dy < b.dx * b.dx + b.dy * b.dy;
        });
        return s;
    }();
    return steps;
}

}  // namespace

image::RgbaPicture cutOut(const RoundShape& outline, const image::Picture& picture, int width,
                          int height) {
    const std::vector<uint8_t> alpha = outlineCoverage(outline, width, height);
    std::vector<Span> spans(std::max(height, 0));
    std::vector<bool> hasSpan(spans.size());
    for (int y = 0; y < height; ++y)
        hasSpan[y] = outline.span(y, spans[y]);
    auto inside = [&](int x, int y) {
        return y >= 0 && y < height && hasSpan[y] && spans[y].contains(x) && x < width;
    };
    const image::Colour fallback = picture.pixel(width / 2, height / 2);

    image::RgbaPicture out(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t a = alpha[static_cast<size_t>(y) * width + x];
            if (a == 0) continue;
            image::Colour c = fallback;
            if (inside(x, y)) {
                c = picture.pixel(x, y);
            } else {
                for (const Step& s : nearestFirst()) {
                    if (inside(x + s.dx, y + s.dy)) {
                        c = picture.pixel(x + s.dx, y + s.dy);
                        break;
                    }
                }
            }
            out.set(x, y, c, a);
        }
    }
    return out;
}

}  // namespace bevelmint::render

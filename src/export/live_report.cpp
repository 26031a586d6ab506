#include "export/live_report.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "export/live_button.h"
#include "render/canvas.h"
#include "render/lighting.h"

namespace bevelmint::exporter {

using vector::VectorButton;

int liveWidth(const VectorButton& b, int64_t textWidth) {
    const int64_t needed = textWidth + 2 * int64_t{liveTextRoom(b)};
    return static_cast<int>(std::clamp<int64_t>(needed, b.width, 1 << 20));
}

namespace {

// The description's colours of the button at rest, w pixels wide, pixel by pixel.
class RestColours {
  public:
    RestColours(const VectorButton& b, int w) : b_(b), rows_(static_cast<size_t>(b.height)) {
        for (const vector::Ring& r : b.rings) {
            const auto inset = static_cast<int>(std::lround(r.inset));
            const render::Box box{inset, inset, w - inset, b.height - inset};
            shapes_.emplace_back(box, static_cast<int>(std::lround(2 * r.cornerX.at(box.width()))),
                                 static_cast<int>(std::lround(2 * r.cornerY.at(box.height()))));
        }
        for (int y = 0; y < b.height; ++y)
            if (!shapes_.front().span(y, rows_[y])) rows_[y] = {};
        const vector::LightField& l = b.light;
        lx_ = std::lround(l.x.at(w) - 0.5);
        ly_ = std::lround(l.y.at(b.height) - 0.5);
    }

    bool inside(int x, int y) const {
        return y >= 0 && y < static_cast<int>(rows_.size()) && rows_[y].contains(x);
    }

    image::Rgb at(int x, int y) const {
        size_t ring = 0;
        while (ring + 1 < shapes_.size() && shapes_[ring + 1].contains(x, y))
            ++ring;
        const image::Colour c = image::makeColor(b_.rings[ring].normal);
        const vector::LightField& l = b_.light;
        const bool face = ring + 1 == shapes_.size();
        const double dx = x - lx_, dy = y - ly_;
        const auto dist = static_cast<int>(std::lround(std::sqrt(dx * dx + dy * dy)));
        if ((face && !l.lightsFace) || dist >= l.steps) return image::splitColor(c);
        return image::splitColor(render::lit(c, render::LightFactor(l.factor(l.intensity, dist))));
    }

  private:
    const VectorButton& b_;
    std::vector<render::Span> rows_;  // the outline's columns in each row
    std::vector<render::RoundShape> shapes_;
    int64_t lx_ = 0, ly_ = 0;
};

}  // namespace

ButtonReport liveReport(const VectorButton& b, const std::string& label, int64_t textWidth) {
    const int w = liveWidth(b, textWidth), h = b.height;
    const RestColours colours(b, w);
    ButtonReport r = reportFor(b.inscription ? b.inscription->font : state::FontDesc{}, label);
    r.width = w;
    r.height = h;
    if (b.inscription && textWidth > 0) {
        const vector::Inscription& in = *b.inscription;
        const double centre = w / 2.0 + in.offsetX;
        const int x1 = static_cast<int>(std::floor(centre - textWidth / 2.0));
        const int x2 = static_cast<int>(std::ceil(centre + textWidth / 2.0));
        std::vector<image::Rgb> under;
        for (int y = std::max(in.top, 0); y < std::min(in.top + in.ascent + in.descent, h); ++y)
            for (int x = std::max(x1, 0); x < std::min(x2, w); ++x)
                if (colours.inside(x, y)) under.push_back(colours.at(x, y));
        if (auto back = medianColour(std::move(under))) {
            const vector::TextCopy& plain = in.copies.back();
            r.text =
                contrastCheck(plain.normal, *back, r.largeText ? kLargeTextMinimum : kTextMinimum);
        }
    }
    std::vector<image::Rgb> rim;
    auto in = [&](int x, int y) { return colours.inside(x, y); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (in(x, y) && (!in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1)))
                rim.push_back(colours.at(x, y));
    r.edge = contrastCheck(medianColour(std::move(rim)).value_or(b.background), b.background,
                           kEdgeMinimum);
    // The edge matters where no text tells what the button is.
    r.edge.required = !r.text;
    return r;
}

}  // namespace bevelmint::exporter

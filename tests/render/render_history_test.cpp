// A render's pictures depend on the design and texture alone: a random walk of
// designs through pipelines kept from step to step (one per scale, as the editor
// and the set renderer keep theirs) gives at every step the bytes of a fresh
// pipeline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "render/button_pictures.h"
#include "render/render_pipeline.h"
#include "state/enum_names.h"
#include "state/state_rules.h"

using namespace bevelmint;
using image::Picture;
using state::ButtonState;
using state::ShapeKind;

namespace {

// BEVELMINT_WALK_STEPS and BEVELMINT_WALK_SEED run a longer or another walk by hand.
int fromEnvironment(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' ? std::atoi(v) : fallback;
}

class Walk {
  public:
    explicit Walk(unsigned seed) : rng_(seed) {
        // Textures smaller and larger than most buttons, of noisy colours, so
        // that any pixel blended from the wrong place shows.
        for (const auto& [w, h] : {std::pair{64, 32}, std::pair{200, 120}, std::pair{330, 195}}) {
            Picture t(w, h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    t.setPixel(x, y, image::makeColor(pick(0, 255), pick(0, 255), pick(0, 255)));
            textures_.push_back(std::move(t));
        }
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    // Mostly small steps of the size, as a drag makes, now and then a jump to
    // any size: both shrink and grow the button past earlier ones.
    void stepSize() {
        if (chance(30)) {
            w_ = pick(state::kMinWidth, state::kMaxWidth);
            h_ = pick(state::kMinHeight, state::kMaxHeight);
        } else {
            w_ = std::clamp(w_ + pick(-40, 40), state::kMinWidth, state::kMaxWidth);
            h_ = std::clamp(h_ + pick(-25, 25), state::kMinHeight, state::kMaxHeight);
        }
    }

    ButtonState design() {
        stepSize();
        ButtonState s = state::defaultState();
        s.shapeKind = static_cast<ShapeKind>(pick(0, 2));
        s.buttonWidth = w_, s.buttonHeight = h_;
        s.buttonDepth = pick(1, std::max(1, std::min(w_, h_) / 2));
        s.roundness = pick(0, 200);
        s.smoothEdges = chance(50);
        s.buttonRed = static_cast<uint8_t>(pick(0, 255));
        s.buttonGreen = static_cast<uint8_t>(pick(0, 255));
        s.buttonBlue = static_cast<uint8_t>(pick(0, 255));
        s.backRed = static_cast<uint8_t>(pick(0, 255));
        s.lightPosition = pick(1, 8);
        s.lightRadius = pick(1, 200);
        s.lightIntensity = pick(1, 99);
        s.borderFade = pick(1, 99);
        s.lightenFront = chance(70);
        s.hoverLift = pick(0, 98);
        s.textureActive = chance(35);
        s.useText = chance(40);
        s.buttonText = chance(50) ? "Go" : "Order now";
        s.textFont.size = pick(6, 40);
        s.text3D = chance(50);
        s.textOffsetX = pick(-w_ / 2, w_ / 2);
        s.textOffsetY = pick(-h_ / 2, h_ / 2);
        return s;
    }

    const Picture* texture() { return &textures_[pick(0, 2)]; }

    // Scale 1 most of the time, as the window draws; the larger scales of an
    // export now and then.
    int scale() {
        const int r = pick(1, 100);
        return r <= 80 ? 1 : r <= 90 ? 2 : r <= 96 ? 3 : 4;
    }

  private:
    std::mt19937 rng_;
    std::vector<Picture> textures_;
    int w_ = 100, h_ = 40;
};

// Where two pictures differ: the first pixel and how many there are; "" when equal.
std::string firstDifference(const char* name, const Picture& kept, const Picture& fresh) {
    if (kept == fresh) return {};
    std::ostringstream out;
    out << name;
    if (kept.width() != fresh.width() || kept.height() != fresh.height()) {
        out << " size " << kept.width() << "x" << kept.height() << " against " << fresh.width()
            << "x" << fresh.height();
        return out.str();
    }
    int differing = 0;
    for (int y = 0; y < kept.height(); ++y)
        for (int x = 0; x < kept.width(); ++x)
            if (kept.pixel(x, y) != fresh.pixel(x, y) && differing++ == 0)
                out << " at " << x << "," << y;
    out << " (" << differing << " pixels)";
    return out.str();
}

// Fast edit mode's sketch on a pipeline, cut to the button as an export cuts.
render::ButtonPictures sketch(render::RenderPipeline& pipeline, const ButtonState& s,
                              const Picture* texture) {
    pipeline.render(s, texture, true);
    const int w = s.buttonWidth * pipeline.scale(), h = s.buttonHeight * pipeline.scale();
    return {pipeline.normal().cut(w, h), {}, pipeline.pressed().cut(w, h)};
}

std::string summary(const ButtonState& s, int scale, bool hover, bool fast, bool textured) {
    std::ostringstream out;
    out << state::nameOf(s.shapeKind) << " " << s.buttonWidth << "x" << s.buttonHeight << " depth "
        << s.buttonDepth << " scale " << scale << (s.smoothEdges ? " smooth" : "")
        << (fast ? " fast" : "") << (textured ? " textured" : "") << (hover ? " hover" : "")
        << (s.useText ? " text" : "");
    return out.str();
}

}  // namespace

TEST(RenderHistory, KeptPipelinesDrawWhatAFreshOneDraws) {
    const int steps = fromEnvironment("BEVELMINT_WALK_STEPS", 2000);
    Walk walk(static_cast<unsigned>(fromEnvironment("BEVELMINT_WALK_SEED", 22)));
    render::TextEngine text;
    std::vector<render::RenderPipeline> kept;
    for (int scale = 1; scale <= 4; ++scale) {
        kept.emplace_back(scale);
        kept.back().useTextEngine(text);
    }
    int failed = 0;
    std::vector<std::string> reports;
    for (int step = 0; step < steps; ++step) {
        const ButtonState s = walk.design();
        const int scale = walk.scale();
        const bool fast = walk.chance(20);
        const bool hover = !fast && walk.chance(30);
        const Picture* texture = walk.texture();
        render::RenderPipeline fresh(scale);
        fresh.useTextEngine(text);
        const render::ButtonPictures got =
            fast ? sketch(kept[scale - 1], s, texture)
                 : render::renderButtonPictures(kept[scale - 1], s, texture, hover);
        const render::ButtonPictures want =
            fast ? sketch(fresh, s, texture)
                 : render::renderButtonPictures(fresh, s, texture, hover);
        std::string diff = firstDifference("normal", got.normal, want.normal);
        for (std::string more : {firstDifference("pressed", got.pressed, want.pressed),
                                 firstDifference("hover", got.hover, want.hover)})
            if (!more.empty()) diff += (diff.empty() ? "" : "; ") + more;
        if (diff.empty()) continue;
        ++failed;
        if (reports.size() < 20) {
            reports.push_back("step " + std::to_string(step) + ", " +
                              summary(s, scale, hover, fast, s.textureActive) + ": " + diff);
        }
    }
    std::string all;
    for (const std::string& r : reports)
        all += r + "\n";
    EXPECT_EQ(failed, 0) << "of " << steps << " steps\n" << all;
}

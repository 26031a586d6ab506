// Bevelmint's own buttons as a web page uses them: three designs, twelve labels,
// the normal, hover and pressed pictures at scales 1 to 3 (324 pictures), each
// encoded as lossless PNG and as palette PNG. The counters give the total bytes,
// the palette files' share of the lossless ones, the lowest PSNR of a palette
// picture and how many pictures stayed lossless.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "export/palette_png_writer.h"
#include "export/picture_export.h"
#include "export/png_writer.h"
#include "render/button_pictures.h"
#include "render/text_engine.h"
#include "state/state_rules.h"

namespace {

using namespace bevelmint;

std::vector<state::ButtonState> designs() {
    state::ButtonState plain = state::defaultState();
    state::ButtonState pill = plain;
    state::setShapeKind(pill, state::ShapeKind::rrect);
    state::setButtonWidth(pill, 150);
    state::setButtonHeight(pill, 44);
    pill.roundness = 44;
    pill.smoothEdges = true;
    pill.buttonRed = 40, pill.buttonGreen = 110, pill.buttonBlue = 200;
    state::ButtonState oval = plain;
    state::setShapeKind(oval, state::ShapeKind::elips);
    state::setButtonWidth(oval, 130);
    state::setButtonHeight(oval, 56);
    state::setButtonDepth(oval, 8);
    oval.smoothEdges = true;
    oval.buttonRed = 200, oval.buttonGreen = 60, oval.buttonBlue = 50;
    return {plain, pill, oval};
}

const std::vector<image::RgbaPicture>& labelSet() {
    static const std::vector<image::RgbaPicture> pictures = [] {
        const char* labels[] = {"Buy now",    "Sign up",    "Log in", "Download",
                                "Contact us", "Next",       "Back",   "Search",
                                "Subscribe",  "Learn more", "Cart",   "OK"};
        std::vector<image::RgbaPicture> out;
        render::TextEngine text;
        for (state::ButtonState s : designs()) {
            for (const char* label : labels) {
                s.buttonText = label;
                for (int scale = 1; scale <= 3; ++scale) {
                    const render::ButtonPictures p =
                        render::renderButtonPictures(s, nullptr, scale, text, true);
                    for (const image::Picture* state : {&p.normal, &p.hover, &p.pressed})
                        out.push_back(exporter::cutOutPicture(s, scale, *state));
                }
            }
        }
        return out;
    }();
    return pictures;
}

size_t losslessBytes() {
    static const size_t total = [] {
        size_t sum = 0;
        for (const image::RgbaPicture& p : labelSet())
            sum += exporter::encodePng(p).size();
        return sum;
    }();
    return total;
}

void BM_LosslessLabelSet(benchmark::State& bench) {
    size_t bytes = 0;
    for (auto _ : bench) {
        bytes = 0;
        for (const image::RgbaPicture& p : labelSet())
            bytes += exporter::encodePng(p).size();
    }
    bench.counters["pictures"] = static_cast<double>(labelSet().size());
    bench.counters["bytes"] = static_cast<double>(bytes);
}

void BM_PaletteLabelSet(benchmark::State& bench) {
    size_t bytes = 0, lossless = 0;
    double lowest = std::numeric_limits<double>::infinity();
    for (auto _ : bench) {
        bytes = lossless = 0;
        for (const image::RgbaPicture& p : labelSet()) {
            const exporter::PalettePng png = exporter::encodePalettePng(p);
            bytes += png.bytes.size();
            lossless += !png.palette;
            if (png.palette) lowest = std::min(lowest, png.psnr);
        }
    }
    bench.counters["pictures"] = static_cast<double>(labelSet().size());
    bench.counters["bytes"] = static_cast<double>(bytes);
    bench.counters["share_of_lossless"] =
        static_cast<double>(bytes) / static_cast<double>(losslessBytes());
    bench.counters["lowest_psnr_db"] = lowest;
    bench.counters["kept_lossless"] = static_cast<double>(lossless);
}

}  // namespace

BENCHMARK(BM_LosslessLabelSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaletteLabelSet)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

// Full renders (both pictures, every pass) of the default and the largest button,
// and the editor's render step while the Web page shows the hover picture.
#include <benchmark/benchmark.h>

#include "bench/designs.h"
#include "editor/editor.h"
#include "render/render_pipeline.h"
#include "render/text_engine.h"
#include "render/texture.h"
#include "state/button_state.h"
#include "state/state_rules.h"

namespace {

using namespace bevelmint;

void renderDesign(benchmark::State& bench, const state::ButtonState& design) {
    render::TextEngine text;
    render::RenderPipeline pipeline;
    pipeline.useTextEngine(text);
    for (auto _ : bench) {
        pipeline.render(design);
        benchmark::DoNotOptimize(pipeline.normal().pixel(0, 0));
    }
}

void BM_DefaultDesign(benchmark::State& bench) {
    renderDesign(bench, state::defaultState());
}

void BM_LargestEllipseSmoothed(benchmark::State& bench) {
    renderDesign(bench, bench::largestButton());
}

void BM_LargestWithEngravedText(benchmark::State& bench) {
    state::ButtonState s = bench::largestButton();
    s.useText = true;
    s.buttonText = "Engraved";
    state::setText3D(s, true);
    renderDesign(bench, s);
}

// The largest design for export at scale 1, 2 and 3 (990 x 585): the pixel
// count grows with the square of the scale.
void BM_LargestAtScale(benchmark::State& bench) {
    const state::ButtonState design = bench::largestButton();
    render::RenderPipeline pipeline(static_cast<int>(bench.range(0)));
    for (auto _ : bench) {
        pipeline.render(design);
        benchmark::DoNotOptimize(pipeline.normal().pixel(0, 0));
    }
}

// One step of a bar dragged at the largest size while the Web page is shown:
// the editor renders both pictures, then the hover picture and the contrast
// report are drawn for the three previews and the figures. Engraved text
// makes it the slowest such design.
void BM_LargestDragStepWithHover(benchmark::State& bench) {
    editor::Editor ed;
    ed.setRenderOnChange(true);
    if (auto refused = bench::setLargestEngraved(ed)) bench.SkipWithError(refused->c_str());
    int intensity = 40;
    for (auto _ : bench) {
        intensity = intensity == 40 ? 41 : 40;
        ed.setLightIntensity(intensity);
        benchmark::DoNotOptimize(ed.hover().pixel(0, 0));
        benchmark::DoNotOptimize(ed.contrastReport().edge.ratio);
    }
    bench.SetItemsProcessed(bench.iterations());
}

// A design file's worth of inscription: "W" a million times at size 100, engraved.
void BM_MegabyteInscription(benchmark::State& bench) {
    state::ButtonState s = state::defaultState();
    s.useText = true;
    s.buttonText = std::string(1'000'000, 'W');
    state::setFontSize(s, 100);
    state::setText3D(s, true);
    renderDesign(bench, s);
}

void BM_BrightnessPass400x300(benchmark::State& bench) {
    state::ButtonState s = state::defaultState();
    image::Picture loaded(400, 300);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            loaded.setPixel(x, y, image::makeColor(x % 256, y % 256, (x + y) % 256));
    render::TextureImages images;
    render::layTexture(s, images, loaded, "bench.bmp");
    int p = 0;
    for (auto _ : bench) {
        s.textureBrightness = 10 + (p++ % 80);
        render::applyTextureBrightness(s, images);
        benchmark::DoNotOptimize(images.working.pixel(1, 1));
    }
}

}  // namespace

BENCHMARK(BM_DefaultDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestEllipseSmoothed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestWithEngravedText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestAtScale)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestDragStepWithHover)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MegabyteInscription)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrightnessPass400x300)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();

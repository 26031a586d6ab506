// Full renders (both pictures, every pass) of the default and the largest button.
#include <benchmark/benchmark.h>

#include "render/render_pipeline.h"
#include "state/button_state.h"
#include "state/state_rules.h"

namespace {

using namespace bevelmint;

void renderDesign(benchmark::State& bench, const state::ButtonState& design) {
    render::RenderPipeline pipeline;
    for (auto _ : bench) {
        pipeline.paintbutton(design);
        benchmark::DoNotOptimize(pipeline.normal().pixel(0, 0));
    }
}

void BM_DefaultDesign(benchmark::State& bench) {
    renderDesign(bench, state::defaultState());
}

void BM_LargestEllipseSmoothed(benchmark::State& bench) {
    state::ButtonState s = state::defaultState();
    state::setButtonWidth(s, 330);
    state::setButtonHeight(s, 195);
    state::setButtonDepth(s, 97);
    state::setShapeKind(s, state::ShapeKind::elips);
    s.smoothEdges = true;
    renderDesign(bench, s);
}

}  // namespace

BENCHMARK(BM_DefaultDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestEllipseSmoothed)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();

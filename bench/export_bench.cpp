// Picture encoders on rendered buttons: GIF (quantise, dither, LZW), JPEG, and
// PNG and WebP with the outline's coverage as alpha (cut-out included).
#include <benchmark/benchmark.h>

#include <random>

#include "bench/designs.h"
#include "export/gif/gif_writer.h"
#include "export/jpeg_writer.h"
#include "export/picture_export.h"
#include "render/render_pipeline.h"
#include "render/texture.h"
#include "state/state_rules.h"

namespace {

using namespace bevelmint;

image::Picture renderNormal(state::ButtonState s, const image::Picture* texture = nullptr) {
    render::TextureImages images;
    if (texture) render::layTexture(s, images, *texture, "bench.bmp");
    render::RenderPipeline pipeline;
    pipeline.render(s, render::activeTexture(s, images));
    return pipeline.normal().cut(s.buttonWidth, s.buttonHeight);
}

image::Picture manyColours() {
    image::Picture t(330, 195);
    std::mt19937 rng(1);
    for (int y = 0; y < 195; ++y)
        for (int x = 0; x < 330; ++x)
            t.setPixel(x, y,
                       image::makeColor((x * 3 + rng() % 40) % 256, (y * 5 + rng() % 40) % 256,
                                        (x + y + rng() % 60) % 256));
    state::ButtonState s = state::defaultState();
    state::setButtonWidth(s, 330);
    state::setButtonHeight(s, 195);
    state::setButtonDepth(s, 20);
    state::setShapeKind(s, state::ShapeKind::rrect);
    return renderNormal(s, &t);
}

void gif(benchmark::State& bench, const image::Picture& p, bool transparent) {
    size_t bytes = 0;
    for (auto _ : bench) {
        const std::string out = exporter::encodeGifPicture(p, p.width(), p.height(), transparent);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
}

void BM_GifDefaultButton(benchmark::State& b) {
    gif(b, renderNormal(state::defaultState()), false);
}
void BM_GifLargestButton(benchmark::State& b) {
    gif(b, renderNormal(bench::largestButton()), true);
}
void BM_GifTexturedManyColours(benchmark::State& b) {
    static const image::Picture p = manyColours();
    gif(b, p, true);
}

void jpeg(benchmark::State& bench, bool progressive) {
    const image::Picture p = renderNormal(bench::largestButton());
    for (auto _ : bench) {
        const std::string out = exporter::encodeJpeg(p, p.width(), p.height(), 0, progressive);
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_JpegQuality100(benchmark::State& b) {
    jpeg(b, false);
}
void BM_JpegProgressive(benchmark::State& b) {
    jpeg(b, true);
}

// The cut-out along the outline and the encoder, as an export runs them.
void alphaFormat(benchmark::State& bench, exporter::PictureFormat format,
                 const state::ButtonState& s, int scale) {
    render::RenderPipeline pipeline(scale);
    pipeline.render(s);
    size_t bytes = 0;
    for (auto _ : bench) {
        const std::string out = exporter::encodeStacked(format, s, scale, {&pipeline.normal()});
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
}

void BM_PngDefaultButton(benchmark::State& b) {
    alphaFormat(b, exporter::PictureFormat::png, state::defaultState(), 1);
}
void BM_PngLargestButton(benchmark::State& b) {
    alphaFormat(b, exporter::PictureFormat::png, bench::largestButton(), 1);
}
void BM_PngLargestButtonAtScale3(benchmark::State& b) {
    alphaFormat(b, exporter::PictureFormat::png, bench::largestButton(), 3);
}
void BM_WebpDefaultButton(benchmark::State& b) {
    alphaFormat(b, exporter::PictureFormat::webp, state::defaultState(), 1);
}
void BM_WebpLargestButton(benchmark::State& b) {
    alphaFormat(b, exporter::PictureFormat::webp, bench::largestButton(), 1);
}
void BM_WebpLargestButtonAtScale3(benchmark::State& b) {
    alphaFormat(b, exporter::PictureFormat::webp, bench::largestButton(), 3);
}

}  // namespace

BENCHMARK(BM_GifDefaultButton)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GifLargestButton)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GifTexturedManyColours)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JpegQuality100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JpegProgressive)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PngDefaultButton)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PngLargestButton)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PngLargestButtonAtScale3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WebpDefaultButton)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WebpLargestButton)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WebpLargestButtonAtScale3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

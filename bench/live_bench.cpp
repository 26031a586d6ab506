// A live page for 1,000 labels of the default design, as bevelmint-render
// --labels --live-page writes it: the design described at three device scales,
// the font's metrics found, one rule set and a link per label, written to disk.
// Nothing is rendered.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/file_io.h"
#include "editor/editor.h"
#include "editor/web_export.h"
#include "state/button_state.h"
#include "state/state_rules.h"

namespace {

using namespace bevelmint;

void thousandLiveLabels(benchmark::State& bench, state::ShapeKind shape) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "bevelmint-live-bench";
    std::filesystem::create_directories(dir);
    std::string labels;
    for (int i = 1; i <= 1000; ++i)
        labels += "Label number " + std::to_string(i) + "\n";
    state::ButtonState design = state::defaultState();
    state::setShapeKind(design, shape);
    size_t bytes = 0;
    for (auto _ : bench) {
        std::vector<exporter::SetMember> members;
        if (editor::webMembers(labels, design, members)) bench.SkipWithError("bad labels");
        editor::Outputs outputs;
        editor::WebPages pages;
        pages.livePage = (dir / "live.html").string();
        editor::renderWebFiles(design, nullptr, members, pages, false, {}, outputs);
        base::FileBatch batch;
        for (const exporter::PictureFile& f : outputs.files)
            batch.stage(f.path, f.bytes);
        if (batch.commit()) bench.SkipWithError("cannot write the page");
        bytes = outputs.files.front().bytes.size();
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
    std::filesystem::remove_all(dir);
}
BENCHMARK_CAPTURE(thousandLiveLabels, rect, state::ShapeKind::rect)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(thousandLiveLabels, rounded_rect, state::ShapeKind::rrect)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(thousandLiveLabels, ellipse, state::ShapeKind::elips)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// A button set as bevelmint-render writes it: 1,000 labels of the default design,
// the normal, hover and pressed pictures as PNG at scales 1 and 2 and one CSS
// page, rendered on all cores and written to disk; then the same with the sprite
// sheets the page shows. The process's CPU time is measured too: on a machine
// shared with other work it bounds what two idle cores would take (half of it).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/file_io.h"
#include "export/css_button.h"
#include "export/set_renderer.h"
#include "state/button_state.h"

namespace {

using namespace bevelmint;

void thousandLabels(benchmark::State& bench, bool sprites) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "bevelmint-set-bench";
    std::filesystem::create_directories(dir);
    std::vector<std::string> labels;
    for (int i = 1; i <= 1000; ++i)
        labels.push_back("Label " + std::to_string(i));
    const std::vector<exporter::SetMember> members = exporter::buttonSet(labels);
    exporter::PictureSetRequest request;
    request.normal = (dir / "b.png").string();
    request.hover = (dir / "bh.png").string();
    request.pressed = (dir / "bp.png").string();
    if (sprites) request.sprite = (dir / "s.png").string();
    request.scales = {1, 2};
    request.scaleNames = true;
    const state::ButtonState design = state::defaultState();
    size_t files = 0;
    for (auto _ : bench) {
        exporter::RenderedSet set =
            exporter::renderSet(design, nullptr, members, request, false, {});
        base::FileBatch batch;
        for (const exporter::PictureFile& f : set.files)
            batch.stage(f.path, f.bytes);
        const std::string page = exporter::cssPage(
            exporter::webButtons(design, members, (dir / "s.png").string(), request));
        batch.stage((dir / "page.html").string(), page);
        if (batch.commit()) bench.SkipWithError("cannot write the set");
        files = set.files.size() + 1;
    }
    bench.counters["files"] = static_cast<double>(files);
    std::filesystem::remove_all(dir);
}
BENCHMARK_CAPTURE(thousandLabels, pictures_and_page, false)
    ->Unit(benchmark::kSecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK_CAPTURE(thousandLabels, with_sprites, true)
    ->Unit(benchmark::kSecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();

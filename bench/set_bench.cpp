// A button set as bevelmint-render writes it: 1,000 labels of the default design,
// the normal, hover and pressed pictures and the sprite as PNG at scales 1 and 2,
// and one CSS page, rendered on all cores and written to disk.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/file_io.h"
#include "export/css_button.h"
#include "export/set_renderer.h"
#include "state/button_state.h"

namespace {

using namespace bevelmint;

void thousandLabels(benchmark::State& bench) {
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
    request.sprite = (dir / "s.png").string();
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
        batch.stage((dir / "page.html").string(), exporter::cssPage(exporter::webButtons(
                                                      design, members, request.sprite, request)));
        if (batch.commit()) bench.SkipWithError("cannot write the set");
        files = set.files.size() + 1;
    }
    bench.counters["files"] = static_cast<double>(files);
    std::filesystem::remove_all(dir);
}
BENCHMARK(thousandLabels)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();

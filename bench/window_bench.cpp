// The window while a bar is dragged on the Web page at the largest size: each
// step renders, draws the hover picture, shows the three previews, the markup and
// the contrast figures, and paints the window. Run under a display (xvfb-run) to
// measure the real window; QT_QPA_PLATFORM=offscreen measures it without one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/qt_desktop.h"
#include "app/settings_store.h"
#include "bench/designs.h"

namespace {

using namespace bevelmint;

app::MainWindow* window = nullptr;

void BM_WindowDragOnWebPage(benchmark::State& bench) {
    editor::Editor& ed = window->editor();
    if (auto refused = bench::setLargestEngraved(ed)) bench.SkipWithError(refused->c_str());
    window->findChild<QTabWidget*>("PageControl1")
        ->setCurrentWidget(window->findChild<QWidget*>("TabSheetWeb"));
    // The Web page's own bar redraws the hover picture alone; a design bar (the
    // light intensity, as the popup or an undo would change it) all three.
    auto* bar =
        window->findChild<QScrollBar*>(bench.range(0) == 0 ? "WebHoverLift" : "FatScrollBar15");
    for (auto _ : bench) {
        bar->setValue(bar->value() == 20 ? 21 : 20);
        window->repaint();
        QApplication::processEvents();
    }
    bench.SetItemsProcessed(bench.iterations());
}

}  // namespace

BENCHMARK(BM_WindowDragOnWebPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    // The window's settings go to a folder of their own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication qapp(argc, argv);
    app::QtSettingsStore settings;
    app::seedFirstStart(settings, home.path());
    app::QtDesktop desktop;
    app::MainWindow form(desktop, settings, {}, false);
    form.show();
    QApplication::processEvents();
    window = &form;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

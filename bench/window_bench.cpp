// The window while a bar is dragged on the Web page at the largest size: each
// step renders, draws the hover picture, shows the three previews, the markup and
// the contrast figures, and paints the window. And the window while an export is
// written beside it: how long a click takes to be answered, and how long the
// export takes. Run under a display (xvfb-run) to measure the real window;
// QT_QPA_PLATFORM=offscreen measures it without one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>

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

// The desktop without its message boxes: an export's "Complete" waits for no one.
struct QuietDesktop : app::QtDesktop {
    void inform(const QString&, const QString&) override {}
    void error(const QString&) override {}
};

// Nine labels at 3x in WebP on the default button: 37 files.
void setUpLongExport(const QString& folder) {
    editor::Editor& ed = window->editor();
    while (ed.undo()) {
    }
    editor::WebSettings web = ed.web();
    web.format = state::WebFormat::webp;
    web.scales = {3};
    web.folder = folder.toStdString();
    web.labels = "Home\nShop\nNews\nAbout\nHelp\nCart\nLogin\nSearch\nContact";
    ed.setWebSettings(web);
}

void startExport() {
    window->findChild<QAction*>("ExportWeb1")->trigger();
}

void waitForExport() {
    while (window->exportRunner().running())
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
}

// A click on a page tab, from its press to the page shown and painted, while
// the 37 files are written on the other cores.
void BM_ClickWhileExporting(benchmark::State& bench) {
    QTemporaryDir out;
    setUpLongExport(out.path());
    auto* pages = window->findChild<QTabWidget*>("PageControl1");
    QTabBar* tabs = pages->findChild<QTabBar*>();
    int exports = 0;
    std::vector<double> clicks;
    for (auto _ : bench) {
        if (!window->exportRunner().running()) {
            startExport();
            ++exports;
        }
        const int to = pages->currentIndex() == 0 ? 1 : 0;
        const QPointF at = tabs->tabRect(to).center();
        QElapsedTimer clock;
        clock.start();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QApplication::postEvent(
                tabs,
                new QMouseEvent(type, at, tabs->mapToGlobal(at), Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
        }
        while (pages->currentIndex() != to)
            QApplication::processEvents();
        window->repaint();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        clicks.push_back(seconds);
        bench.SetIterationTime(seconds);
        // A user clicks now and then, not in a tight loop.
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 30)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    bench.counters["exports"] = exports;
    std::sort(clicks.begin(), clicks.end());
    bench.counters["p99_ms"] = clicks[clicks.size() * 99 / 100] * 1000;
    bench.counters["worst_ms"] = clicks.back() * 1000;
    window->exportRunner().cancel();
    waitForExport();
}

// The 37-file export from the click to its last file in place, the window idle.
void BM_LongExport(benchmark::State& bench) {
    QTemporaryDir out;
    setUpLongExport(out.path());
    for (auto _ : bench) {
        startExport();
        waitForExport();
    }
}

// The normal and pressed GIF pictures of the default button, from the click to
// both files in place: an export too short for the progress dialog.
void BM_PictureExport(benchmark::State& bench) {
    QTemporaryDir out;
    editor::Editor& ed = window->editor();
    while (ed.undo()) {
    }
    ed.setExportPressed(true);
    ed.setExportPath((out.path() + "/b.gif").toStdString());
    ed.setExportPressedPath((out.path() + "/bp.gif").toStdString());
    for (auto _ : bench) {
        window->findChild<QAction*>("ExportPic1")->trigger();
        waitForExport();
    }
}

}  // namespace

BENCHMARK(BM_WindowDragOnWebPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ClickWhileExporting)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(200);
BENCHMARK(BM_LongExport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_PictureExport)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    // The window's settings go to a folder of their own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication qapp(argc, argv);
    app::QtSettingsStore settings;
    app::seedFirstStart(settings, home.path());
    QuietDesktop desktop;
    app::MainWindow form(desktop, settings, {}, false);
    form.show();
    QApplication::processEvents();
    window = &form;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

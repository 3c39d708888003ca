// A full render (two redraws, capture, ray-space image, copy, photo, images
// handed over) and an optics change, on the real canvas of an offscreen window.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "app/mainwindow.h"
#include "canvas/drawview.h"
#include "toolkit/controls.h"
#include "window_main.h"

namespace {

MainWindow* window = nullptr;

void BM_Render(benchmark::State& state) {
  DrawView* canvas = window->drawView();
  for (auto _ : state) {
    canvas->doRender(nullptr);
    benchmark::DoNotOptimize(canvas->cleanRays());
  }
}
BENCHMARK(BM_Render)->Unit(benchmark::kMillisecond);

void BM_ChangeOptics(benchmark::State& state) {
  DrawView* canvas = window->drawView();
  auto* focus = window->findChild<toolkit::Slider*>("focusSlider");
  int step = 0;
  for (auto _ : state) {
    // Alternate the angle so every change is a real refocus.
    focus->blockSignals(true);
    focus->setValue(300 + (step++ % 300));
    focus->blockSignals(false);
    canvas->changeOptics(focus);
    benchmark::DoNotOptimize(canvas->photoRow());
  }
}
BENCHMARK(BM_ChangeOptics)->Unit(benchmark::kMicrosecond);

// A render with Show Slopes, Focal Stack and Spectrum shown: the slopes and the spectrum follow
// on the window's thread, the focal stack's sweep starts on another.
void BM_RenderDepthViewsShown(benchmark::State& state) {
  for (const char* name : {"actionShowSlopes", "actionFocalStack", "actionSpectrum"})
    window->findChild<QAction*>(name)->trigger();  // a dock shows on a trigger only
  QApplication::processEvents();
  DrawView* canvas = window->drawView();
  for (auto _ : state) {
    canvas->doRender(nullptr);
    benchmark::DoNotOptimize(canvas->cleanRays());
  }
  for (const char* name : {"actionShowSlopes", "actionFocalStack", "actionSpectrum"})
    window->findChild<QAction*>(name)->trigger();
  QApplication::processEvents();
}
BENCHMARK(BM_RenderDepthViewsShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return runOnWindow(argc, argv, window, [](MainWindow&) {});
}

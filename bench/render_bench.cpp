// A full render (two redraws, capture, ray-space image, copy, photo, images
// handed over) and an optics change, on the real canvas of an offscreen window.
#include <benchmark/benchmark.h>

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

}  // namespace

int main(int argc, char** argv) {
  return runOnWindow(argc, argv, window, [](MainWindow&) {});
}

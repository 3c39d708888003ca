// A full render (two redraws, capture, ray-space image, copy, photo, images
// handed over) and an optics change, on the real canvas of an offscreen window.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <array>

#include "app/depthslopes.h"
#include "app/focalstackdock.h"
#include "app/mainwindow.h"
#include "app/spectrumdock.h"
#include "canvas/drawview.h"
#include "toolkit/controls.h"
#include "views/photoview.h"
#include "views/renderview.h"
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

constexpr std::array<const char*, 3> kDepthViews = {"actionShowSlopes", "actionFocalStack",
                                                    "actionSpectrum"};

void toggleDepthViews() {
  for (const char* name : kDepthViews)
    window->findChild<QAction*>(name)->trigger();  // a dock shows on a trigger only
  QApplication::processEvents();
}

bool depthViewsPending() {
  return window->findChild<DepthSlopes*>("depthSlopes")->isPending() ||
         window->findChild<FocalStackDock*>("focalStack")->isPending() ||
         window->findChild<SpectrumDock*>("spectrum")->isPending();
}

void settle() {
  while (depthViewsPending()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// A render with Show Slopes, Focal Stack and Spectrum shown, as the window's thread spends it:
// the render, the repaint of the two result views, and whichever of the views' results have
// landed meanwhile from the pool (where the slopes, spectrum and sweep run, the newest light
// field's winning).
void BM_RenderDepthViewsShown(benchmark::State& state) {
  toggleDepthViews();
  settle();
  DrawView* canvas = window->drawView();
  for (auto _ : state) {
    canvas->doRender(nullptr);
    window->renderView()->repaint();
    window->photoView()->repaint();
    QApplication::processEvents();
    benchmark::DoNotOptimize(canvas->cleanRays());
  }
  settle();
  toggleDepthViews();
}
BENCHMARK(BM_RenderDepthViewsShown)->Unit(benchmark::kMillisecond);

// From a render until all three views show its light field: how long a still scene waits for
// its depth and spectrum.
void BM_RenderDepthViewsLanded(benchmark::State& state) {
  toggleDepthViews();
  settle();
  DrawView* canvas = window->drawView();
  for (auto _ : state) {
    canvas->doRender(nullptr);
    settle();
  }
  toggleDepthViews();
}
BENCHMARK(BM_RenderDepthViewsLanded)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return runOnWindow(argc, argv, window, [](MainWindow&) {});
}

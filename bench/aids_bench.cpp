// The teaching aids on the real window, offscreen, every aid on: one hover
// event (routing through the first responder, overlay update, readout) and one
// focus-sweep frame (slider, optics update, photo, overlay), before painting.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPropertyAnimation>
#include <QTest>

#include "app/mainwindow.h"
#include "app/teachingaids.h"
#include "canvas/drawview.h"
#include "toolkit/event.h"
#include "views/photoview.h"
#include "views/renderview.h"
#include "window_main.h"

namespace {

MainWindow* window = nullptr;

// A y-up window point of the y-up point (x, y) of a view.
CGPoint windowPoint(QWidget* view, double x, double y) {
  const QPoint p = view->mapTo(window, QPoint(int(x), view->height() - int(y)));
  return {double(p.x()), double(window->height() - p.y())};
}

void BM_HoverEveryAidOn(benchmark::State& state) {
  // Over the canvas between the lines, a photo pixel and ray space, in turn.
  const CGPoint points[] = {
      windowPoint(window->drawView(), 120, 150), windowPoint(window->drawView(), 121, 200),
      windowPoint(window->photoView(), 120, 20), windowPoint(window->photoView(), 170, 20),
      windowPoint(window->renderView(), 90, 90), windowPoint(window->renderView(), 200, 100)};
  RenderView* responder = window->renderView();
  std::size_t k = 0;
  for (auto _ : state) {
    responder->mouseMoved(toolkit::Event::mouse(points[k++ % std::size(points)]));
    benchmark::DoNotOptimize(window->drawView()->aidOverlay());
  }
}
BENCHMARK(BM_HoverEveryAidOn)->Unit(benchmark::kMicrosecond);

void BM_SweepFrame(benchmark::State& state) {
  auto* aids = window->findChild<TeachingAids*>("teachingAids");
  aids->startSweep();
  QPropertyAnimation* sweep = aids->sweep();
  int t = 0;
  for (auto _ : state) {
    // A frame of a 60 Hz animation: the angle moves half a degree.
    t = (t + 17) % sweep->duration();
    sweep->setCurrentTime(t);
    benchmark::DoNotOptimize(window->drawView()->photoRow());
  }
  aids->stopSweep();
}
BENCHMARK(BM_SweepFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return runOnWindow(argc, argv, window, [](MainWindow& w) {
    for (const char* name : {"actionShowFocusDepth", "actionLinkViews"})
      w.findChild<QAction*>(name)->setChecked(true);
  });
}

// One step of a live drag on the real canvas of an offscreen window: the
// move, the render it starts, and the repaint of all three views. Reports
// each step's median and 99th percentile as counters, at 1x, 2x and 3x.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <vector>

#include "app/mainwindow.h"
#include "app/windowzoom.h"
#include "canvas/drawview.h"
#include "views/photoview.h"
#include "views/renderview.h"
#include "window_main.h"

namespace {

MainWindow* window = nullptr;

double percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  const auto k = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
  return v[k];
}

// The canvas is its own window's child: a y-up canvas point as a window point.
toolkit::Event dragTo(const DrawView& canvas, double x, double y) {
  const double z = canvas.zoom();
  const QPointF local(x * z, canvas.QWidget::height() - y * z);
  return toolkit::Event::mouse(toolkit::Event::windowPoint(canvas, local));
}

void BM_LiveDragStep(benchmark::State& state) {
  auto* zoom = window->findChild<WindowZoom*>("windowZoom");
  zoom->setScreenArea(QRect(0, 0, 8000, 8000));
  zoom->setStep(static_cast<int>(state.range(0)));
  QCoreApplication::processEvents();
  DrawView* canvas = window->drawView();
  RenderView* rays = window->renderView();
  PhotoView* photo = window->photoView();

  // Select billboard 1, then drag it back and forth by one unit a step.
  canvas->mouseDown(dragTo(*canvas, 80, 105));
  std::vector<double> steps;
  int i = 0;
  QElapsedTimer timer;
  for (auto _ : state) {
    timer.start();
    canvas->mouseDragged(dragTo(*canvas, 80 + (i++ % 2), 105));
    // The render repaints the whole canvas itself, drag areas included, as it
    // hides and shows the overlays; the result views repaint for their new images.
    canvas->doRender(nullptr);
    rays->repaint();
    photo->repaint();
    steps.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  canvas->mouseUp(dragTo(*canvas, 80, 105));
  state.counters["median_ms"] = percentile(steps, 0.5);
  state.counters["p99_ms"] = percentile(steps, 0.99);
  zoom->setStep(0);
}
BENCHMARK(BM_LiveDragStep)->Arg(0)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return runOnWindow(argc, argv, window, [](MainWindow&) {});
}

// The depth and frequency views in the real window: each off at start and computing nothing
// until shown, and, shown, drawing exactly what the engine computes for the current light field.
#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

#include "app/depthslopes.h"
#include "app/depthwidgets.h"
#include "app/focalstackdock.h"
#include "app/latestrun.h"
#include "app/spectrumdock.h"
#include "lightfield/depth.h"
#include "lightfield/optics.h"
#include "lightfield/spectrum.h"
#include "session/session.h"
#include "support/window_fixture.h"

namespace depth = lightfield::depth;
namespace spectrum = lightfield::spectrum;

namespace {

class DepthViewsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QTest::mouseMove(handle(), QPoint(1, 1));  // Qt drops a move to where the mouse is
    QCoreApplication::processEvents();
    slopes = window.findChild<DepthSlopes*>(QStringLiteral("depthSlopes"));
    ASSERT_NE(slopes, nullptr);
    stack = window.findChild<FocalStackDock*>(QStringLiteral("focalStack"));
    ASSERT_NE(stack, nullptr);
  }

  QWindow* handle() { return window.windowHandle(); }
  QAction* action(const char* name) { return shown.find<QAction>(name); }
  DrawView& canvas() { return shown.canvas(); }
  // Moves the mouse to the y-up point (x, y) of a view.
  void hover(QWidget* view, double x, double y) {
    QTest::mouseMove(handle(), view->mapTo(&window, QPoint(int(x), view->height() - int(y))));
  }
  QString readout() { return shown.find<QLabel>("hoverReadout")->text(); }

  fixture::ShownWindow shown;
  MainWindow& window = shown.window;
  DepthSlopes* slopes = nullptr;
  FocalStackDock* stack = nullptr;
};

// The engine's own estimate for the session's current light field.
struct Estimate {
  std::vector<float> lambda, confidence;
  explicit Estimate(const lightfield::LightField& field) {
    const int n = field.columns();
    std::vector<float> scratch(depth::slopeScratchSize(n));
    lambda.resize(std::size_t(n) * n);
    confidence.resize(std::size_t(n) * n);
    depth::slopes(field.pixels(), n, lambda.data(), confidence.data(), scratch.data());
  }
};

}  // namespace

TEST_F(DepthViewsTest, SlopesStartOffAndComputeOnlyWhileShown) {
  QAction* show = action("actionShowSlopes");
  EXPECT_TRUE(window.viewMenu()->actions().contains(show));
  EXPECT_TRUE(show->isCheckable() && !show->isChecked());
  EXPECT_FALSE(slopes->strip()->isVisible());
  EXPECT_TRUE(shown.renderView().slopeOverlay().isNull());
  EXPECT_TRUE(canvas().depthMarks().empty());

  canvas().doRender(nullptr);
  EXPECT_EQ(slopes->computations(), 0);
  show->setChecked(true);
  EXPECT_EQ(slopes->computations(), 1);
  canvas().doRender(nullptr);  // a new light field: a new estimate
  EXPECT_EQ(slopes->computations(), 2);
  // Hidden while an estimate runs: it never reaches the views.
  show->setChecked(false);
  EXPECT_FALSE(slopes->isPending());
  QThreadPool::globalInstance()->waitForDone();
  QCoreApplication::processEvents();
  canvas().doRender(nullptr);
  EXPECT_EQ(slopes->computations(), 2);
  EXPECT_TRUE(shown.renderView().slopeOverlay().isNull());
  EXPECT_TRUE(canvas().depthMarks().empty());
  EXPECT_FALSE(slopes->strip()->isVisible());
}

TEST_F(DepthViewsTest, SlopeOverlayStripMarksAndReadoutAreTheEnginesEstimate) {
  action("actionShowSlopes")->setChecked(true);
  // Renders in a row while the estimate runs: only the newest light field's is shown.
  canvas().doRender(nullptr);
  canvas().doRender(nullptr);
  ASSERT_TRUE(slopes->isPending());
  ASSERT_TRUE(fixture::waitFor([&] { return !slopes->isPending(); }));
  const lightfield::LightField& field = window.session()->lightField();
  const int n = field.columns();
  ASSERT_EQ(n, 300);
  const Estimate engine(field);

  // Ray space: the estimate's colour where confident, see-through elsewhere.
  const QImage overlay = shown.renderView().slopeOverlay();
  ASSERT_EQ(overlay.size(), QSize(n, n));
  int confident = 0;
  for (int r = 0; r < n; ++r) {
    for (int u = 0; u < n; ++u) {
      const std::size_t p = std::size_t(r) * n + u;
      const QRgb c = overlay.pixel(u, r);
      if (engine.confidence[p] >= DepthSlopes::kConfident) {
        ++confident;
        ASSERT_GT(qAlpha(c), 0) << u << "," << r;
        ASSERT_EQ(c & 0xffffff, DepthSlopes::colourOf(engine.lambda[p]) & 0xffffff);
      } else {
        ASSERT_EQ(qAlpha(c), 0) << u << "," << r;
      }
    }
  }
  EXPECT_GT(confident, n * n / 50);  // the starting scene has edges to read

  // The strip and the marks: the pinhole row, one mark per confident photo pixel at the
  // height of its estimate.
  const int row = depth::pinholeRow(n);
  std::vector<double> heights;
  for (int i = 0; i < n; ++i) {
    const std::size_t p = std::size_t(row) * n + i;
    if (engine.confidence[p] >= DepthSlopes::kConfident)
      heights.push_back(field.geometry().heightOfFraction(engine.lambda[p]));
  }
  ASSERT_FALSE(heights.empty());
  ASSERT_EQ(canvas().depthMarks().size(), heights.size());
  for (std::size_t k = 0; k < heights.size(); ++k)
    EXPECT_DOUBLE_EQ(canvas().depthMarks()[k].y, heights[k]) << k;
  EXPECT_TRUE(slopes->strip()->isVisible());

  // Hovering a confident ray-space pixel reads out the estimate and the traced truth.
  int u = -1, v = -1;
  for (int r = 0; r < n && u < 0; ++r) {
    for (int c = 0; c < n; ++c) {
      const std::size_t p = std::size_t(r) * n + c;
      if (engine.confidence[p] > 0.9f &&
          lightfield::optics::firstHit(field.strip().data(), field.stripHeight(), n, c,
                                       n - 1 - r)) {
        u = c;
        v = n - 1 - r;
        break;
      }
    }
  }
  ASSERT_GE(u, 0);
  hover(&shown.renderView(), u + 0.5, v + 0.5);
  // The ray the readout names, wherever the mouse's pixel falls.
  const auto named =
      QRegularExpression(QStringLiteral("u = (\\d+) on the upper line to v = (\\d+)"))
          .match(readout());
  ASSERT_TRUE(named.hasMatch()) << readout().toStdString();
  u = named.captured(1).toInt();
  v = named.captured(2).toInt();
  const std::size_t p = std::size_t(n - 1 - v) * n + u;
  const auto hit = lightfield::optics::firstHit(field.strip().data(), field.stripHeight(), n, u, v);
  const lightfield::RayGeometry& g = field.geometry();
  ASSERT_TRUE(hit.has_value());
  const double truth = g.fractionOfHeight(g.lowerLine + field.stripHeight() - hit->row - 0.5);
  EXPECT_TRUE(readout().contains(QStringLiteral("slopes give λ = %1, true λ = %2")
                                     .arg(engine.lambda[p], 0, 'f', 3)
                                     .arg(truth, 0, 'f', 3)))
      << readout().toStdString();

  // A new light field: until its estimate lands, the earlier one reads out nothing about it.
  canvas().doRender(nullptr);
  ASSERT_TRUE(slopes->isPending());
  EXPECT_TRUE(slopes->note(u, v).isEmpty());
  ASSERT_TRUE(fixture::waitFor([&] { return !slopes->isPending(); }));
  EXPECT_TRUE(slopes->note(u, v).startsWith(
      QStringLiteral("slopes give λ = %1").arg(engine.lambda[p], 0, 'f', 3)));
}

TEST_F(DepthViewsTest, FocalStackSweepsOnlyWhileShownAndShowsTheEnginesSweep) {
  QAction* show = action("actionFocalStack");
  QDockWidget* dock = shown.find<QDockWidget>("focalStackDock");
  EXPECT_TRUE(window.viewMenu()->actions().contains(show));
  EXPECT_TRUE(show->isCheckable() && !show->isChecked());
  EXPECT_FALSE(dock->isVisible());
  const QRect central = window.centralWidget()->geometry();
  canvas().doRender(nullptr);
  EXPECT_EQ(stack->computations(), 0);

  show->trigger();
  ASSERT_TRUE(fixture::waitFor([&] { return stack->computations() > 0 && !stack->isPending(); }));
  const int afterShow = stack->computations();

  // The engine's sweep in one piece, with the window's depth of field.
  const lightfield::LightField& field = window.session()->lightField();
  const int n = field.columns();
  const auto expectEnginesSweep = [&](int d) {
    std::vector<depth::FocusBest> best(n);
    std::vector<depth::FocusSums> sums(n);
    std::vector<float> sharpness(std::size_t(n) * depth::kFocusAngles), lambda(n), confidence(n);
    std::vector<unsigned char> allInFocus(3 * n);
    depth::resetFocus(best.data(), n);
    depth::focusSweep(field.pixels(), n, d, 0, depth::kFocusAngles, best.data(), sharpness.data(),
                      sums.data());
    depth::focusResult(best.data(), n, lambda.data(), confidence.data(), allInFocus.data());
    EXPECT_EQ(stack->lambda(), lambda) << d;
    EXPECT_EQ(stack->confidence(), confidence) << d;
    EXPECT_EQ(stack->allInFocus(), allInFocus) << d;
    EXPECT_EQ(stack->sharpness(), sharpness) << d;
    // The rows drawn are those results.
    const auto& row = shown.find<ColourRow>("allInFocusRow")->row();
    ASSERT_EQ(row.size(), std::size_t(n));
    for (int i = 0; i < n; ++i) ASSERT_EQ(row[i] & 0xffffff, fixture::rgb(&allInFocus[3 * i])) << i;
    const auto& depthRow = shown.find<ColourRow>("focusDepthRow")->row();
    for (int i = 0; i < n; ++i) {
      const QRgb expected = confidence[i] > 0.0f ? DepthSlopes::colourOf(lambda[i]) : 0xffffffffu;
      ASSERT_EQ(depthRow[i], expected) << i;
    }
  };
  const int d = window.session()->camera().halfLength;
  expectEnginesSweep(d);

  // The plot follows the hovered photo pixel; moving the focus alone sweeps nothing again.
  hover(&shown.photoView(), 75.5, 20);
  EXPECT_EQ(stack->plottedPixel(), 75);
  shown.find<toolkit::Slider>("focusSlider")->setValue(300);
  EXPECT_EQ(stack->computations(), afterShow);
  // Two changes of the depth of field in a row: the first run goes stale and only the second's
  // result is shown.
  shown.find<toolkit::Slider>("dofSlider")->setValue(d + 3);
  shown.find<toolkit::Slider>("dofSlider")->setValue(d + 6);
  EXPECT_EQ(stack->computations(), afterShow + 2);
  ASSERT_TRUE(fixture::waitFor([&] { return !stack->isPending(); }));
  expectEnginesSweep(d + 6);

  show->trigger();
  EXPECT_FALSE(dock->isVisible());
  canvas().doRender(nullptr);
  shown.find<toolkit::Slider>("dofSlider")->setValue(d);
  EXPECT_EQ(stack->computations(), afterShow + 2);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.centralWidget()->geometry().topLeft(), central.topLeft());
}

TEST_F(DepthViewsTest, SpectrumTransformsOnlyWhileShownAndItsSliceTurnsWithTheFocus) {
  auto* dockView = window.findChild<SpectrumDock*>(QStringLiteral("spectrum"));
  ASSERT_NE(dockView, nullptr);
  QAction* show = action("actionSpectrum");
  QDockWidget* dock = shown.find<QDockWidget>("spectrumDock");
  EXPECT_TRUE(window.viewMenu()->actions().contains(show));
  EXPECT_TRUE(show->isCheckable() && !show->isChecked());
  EXPECT_FALSE(dock->isVisible());
  canvas().doRender(nullptr);
  EXPECT_EQ(dockView->computations(), 0);

  show->trigger();
  // A render while the transform runs: only the newest light field's is shown.
  canvas().doRender(nullptr);
  EXPECT_EQ(dockView->computations(), 2);
  ASSERT_TRUE(dockView->isPending());
  ASSERT_TRUE(fixture::waitFor([&] { return !dockView->isPending(); }));
  const lightfield::LightField& field = window.session()->lightField();
  const int n = field.columns();
  const auto cells = std::size_t(n) * n;

  // The picture is the engine's grey log-magnitude of this light field.
  spectrum::Plan plan(n);
  std::vector<spectrum::Complex> full(cells), rows(cells), scratch(n), photoOut(n);
  std::vector<float> logMagnitude(cells);
  std::vector<unsigned char> grey(3 * cells);
  std::vector<double> lum(cells);
  spectrum::raySpectrum(plan, field.pixels(), n, full.data(), logMagnitude.data(), grey.data(),
                        lum.data(), scratch.data());
  const QImage image = dockView->image();
  ASSERT_EQ(image.size(), QSize(n, n));
  for (int q = 0; q < n; ++q)
    for (int c = 0; c < n; ++c)
      ASSERT_EQ(image.pixel(c, q) & 0xffffff, fixture::rgb(&grey[3 * (std::size_t(q) * n + c)]))
          << c << "," << q;

  // The photo's spectrum and the slice's values, for the window's own photo and focus.
  std::vector<double> photo(n), slice(n), photoLum(n);
  spectrum::photoSpectrum(plan, window.session()->photo().data(), n, photo.data(), photoLum.data(),
                          photoOut.data(), scratch.data());
  EXPECT_EQ(dockView->photoSpectrum(), photo);
  for (int r = 0; r < n; ++r) spectrum::luminance(field.pixel(0, r), n, &lum[std::size_t(r) * n]);
  spectrum::transformRows(plan, lum.data(), rows.data(), scratch.data());

  // The slice line is the focus angle's, and turns as the slider moves; the 2-D transform is
  // not redone for it.
  const int transforms = dockView->computations();
  auto* focus = shown.find<toolkit::Slider>("focusSlider");
  double lastSlope = 0.0;
  for (int value : {450, 300, 700}) {
    focus->setValue(value);
    const lightfield::optics::FocusSteps steps = window.session()->camera().steps();
    const spectrum::Segment expected = spectrum::sliceLine(n, steps.colStep, steps.rowStep);
    const spectrum::Segment line = dockView->slice();
    EXPECT_DOUBLE_EQ(line.x0, expected.x0) << value;
    EXPECT_DOUBLE_EQ(line.y0, expected.y0) << value;
    EXPECT_DOUBLE_EQ(line.x1, expected.x1) << value;
    EXPECT_DOUBLE_EQ(line.y1, expected.y1) << value;
    const double slope = std::atan2(line.y1 - line.y0, line.x1 - line.x0);
    if (value != 450) {
      EXPECT_GT(std::abs(slope - lastSlope), 0.05) << value;
    }
    lastSlope = slope;
    spectrum::sliceValues(rows.data(), n, steps.colStep, steps.rowStep, slice.data());
    EXPECT_EQ(dockView->sliceValues(), slice) << value;
  }
  EXPECT_EQ(dockView->computations(), transforms);
  // The fan spans the starting scene's depths.
  ASSERT_TRUE(dockView->fan().has_value());
  EXPECT_LT(dockView->fan()->first, dockView->fan()->second);

  show->trigger();
  EXPECT_FALSE(dock->isVisible());
  canvas().doRender(nullptr);
  focus->setValue(450);
  EXPECT_EQ(dockView->computations(), transforms);
}

// The runner behind the slopes and the spectrum: a start makes the run before it stale, which
// sees so and whose result never lands; a cancel drops what runs, and so does deleting the
// runner while work runs.
TEST(LatestRun, OnlyTheNewestStartLandsAndACancelDropsWhatRuns) {
  QObject owner;
  auto* run = new LatestRun(&owner);
  std::mutex gate;
  std::atomic<int> entered = 0, sawStale = 0;
  std::vector<int> landed;
  const auto work = [&](int id, bool wait) {
    return [&, id, wait](const LatestRun::Stale& stale) -> LatestRun::Apply {
      if (wait) {
        ++entered;
        const std::lock_guard<std::mutex> hold(gate);  // until the test lets go
      }
      if (stale()) ++sawStale;
      return [&landed, id] { landed.push_back(id); };
    };
  };
  // Starts a run that holds inside its work until the gate opens.
  const auto startHeld = [&](int id) {
    const int before = entered.load();
    run->start(work(id, true));
    return fixture::waitFor([&] { return entered.load() > before; });
  };
  const auto drain = [] {
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
  };

  QSignalSpy applied(run, &LatestRun::applied);
  gate.lock();
  ASSERT_TRUE(startHeld(1));
  run->start(work(2, false));
  gate.unlock();
  EXPECT_TRUE(run->isPending());
  ASSERT_TRUE(fixture::waitFor([&] { return !run->isPending(); }));
  drain();
  EXPECT_EQ(landed, std::vector<int>{2});
  EXPECT_EQ(applied.count(), 1);
  EXPECT_EQ(sawStale.load(), 1) << "the older run knew it was stale";

  gate.lock();
  ASSERT_TRUE(startHeld(3));
  run->cancel();
  EXPECT_FALSE(run->isPending());
  gate.unlock();
  drain();
  EXPECT_EQ(landed, std::vector<int>{2});

  gate.lock();
  ASSERT_TRUE(startHeld(4));
  delete run;
  gate.unlock();
  drain();
  EXPECT_EQ(landed, std::vector<int>{2});
  EXPECT_EQ(sawStale.load(), 3);
}

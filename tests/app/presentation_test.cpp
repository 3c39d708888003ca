// Zoom for projectors and live updates, through the window's own actions and
// real mouse events.
#include "app/presentation.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/liveupdates.h"
#include "app/statusmessages.h"
#include "app/statusservice.h"
#include "app/windowzoom.h"
#include "support/window_fixture.h"

namespace {

struct Results {
  std::vector<unsigned char> strip, clean, shown, photo;
  bool operator==(const Results&) const = default;
};

Results resultsOf(const DrawView& canvas) {
  const std::size_t n = static_cast<std::size_t>(canvas.stripWidth());
  const auto bytes = [](const unsigned char* p, std::size_t count) {
    return std::vector<unsigned char>(p, p + count);
  };
  return {canvas.strip(), bytes(canvas.cleanRays(), 3 * n * n),
          bytes(canvas.displayedRays(), 3 * n * n), bytes(canvas.photoRow(), 3 * n)};
}

class PresentationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QTest::mouseMove(handle(), QPoint(1, 1));
    QCoreApplication::processEvents();
    canvas = window.drawView();
    zoom = shown.find<WindowZoom>("windowZoom");
    live = shown.find<LiveUpdates>("liveUpdates");
    ASSERT_TRUE(zoom && live);
    zoom->setScreenArea(QRect(0, 0, 4000, 3000));
  }
  QWindow* handle() { return window.windowHandle(); }
  QAction* action(const char* name) { return shown.find<QAction>(name); }
  // The window pixel of the y-up canvas point (x, y) at the current zoom.
  QPoint screenOf(double x, double y) {
    const double z = zoom->zoom();
    return canvas->mapTo(&window, QPoint(static_cast<int>(x * z),
                                         static_cast<int>(canvas->QWidget::height() - y * z)));
  }
  // The status bar's notice says the views are behind the scene, and says nothing else then.
  bool stale() const {
    const QLabel* notice = window.status()->notice();
    const bool shown = notice->isVisibleTo(&window) && !notice->text().isEmpty();
    EXPECT_EQ(shown, canvas->isStale());
    EXPECT_EQ(shown, notice->text() == StatusMessages::staleNotice());
    return shown;
  }
  // The strip shows the scene as it is now.
  bool renderShowsScene() const {
    return canvas->strip() == fixture::shapesAlone(*canvas, canvas->captureRect());
  }

  fixture::ShownWindow shown;
  MainWindow& window = shown.window;
  DrawView* canvas = nullptr;
  WindowZoom* zoom = nullptr;
  LiveUpdates* live = nullptr;
};

TEST_F(PresentationTest, EveryZoomStepKeepsEveryResultByteForByteAndFitsTheWindow) {
  const Results atOne = resultsOf(*canvas);
  const QSize startSize = window.size();
  auto* label = shown.find<QLabel>("focusLabel");
  const double labelPoints = label->font().pointSizeF();

  // The controls' parts grow with the zoom, not only their text.
  auto* slider = shown.find<QSlider>("focusSlider");
  auto* box = shown.find<QCheckBox>("axesButton");
  const auto handleLength = [&] {
    return slider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, slider);
  };
  const auto indicator = [&] {
    return box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
  };
  const int handleAtOne = handleLength(), indicatorAtOne = indicator();
  std::vector<QSize> frames;
  for (std::size_t step = 1; step < WindowZoom::kSteps.size(); ++step) {
    action("actionZoomIn")->trigger();
    const double z = WindowZoom::kSteps[step];
    ASSERT_EQ(zoom->zoom(), z);
    EXPECT_EQ(handleLength(), std::lround(handleAtOne * z));
    EXPECT_EQ(indicator(), std::lround(indicatorAtOne * z));
    EXPECT_GE(slider->sizeHint().height(), std::lround(handleAtOne * z) / 2) << z;
    EXPECT_EQ(canvas->size(), QSize(300 * z, 300 * z));
    EXPECT_EQ(window.photoView()->size(), QSize(300 * z, 40 * z));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), labelPoints * z) << "controls' font grows";
    for (const char* name : {"focusReadout", "dofReadout"}) {
      auto* readout = shown.find<QLabel>(name);
      EXPECT_GE(readout->width(), readout->fontMetrics().horizontalAdvance(readout->text()))
          << name << " cut off at zoom " << z;
    }
    EXPECT_TRUE(
        window.rect().contains(QRect(canvas->mapTo(&window, QPoint(0, 0)), canvas->size())));
    EXPECT_GE(window.width(), window.minimumSize().width());
    EXPECT_GE(window.height(), window.minimumSize().height());
    frames.push_back(window.frameGeometry().size());

    canvas->doRender(nullptr);
    EXPECT_TRUE(resultsOf(*canvas) == atOne) << "results changed at zoom " << z;
  }
  EXPECT_FALSE(action("actionZoomIn")->isEnabled());
  // The Quick Guide opens at the window's zoom: its text and its scroll bar grow too.
  shown.find<QAction>("actionQuickGuide")->trigger();
  auto* guide = shown.find<QWidget>("quickGuideText");
  EXPECT_DOUBLE_EQ(guide->font().pointSizeF(), labelPoints * 3.0);
  EXPECT_EQ(guide->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, guide),
            std::lround(QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) * 3.0));
  guide->window()->close();

  // A screen that holds 2x but not 2.5x: the largest step that fits is taken.
  action("actionActualSize")->trigger();
  EXPECT_EQ(zoom->zoom(), 1.0);
  EXPECT_EQ(window.size(), startSize) << "Actual Size restores the starting window";
  EXPECT_FALSE(window.testAttribute(Qt::WA_SetFont)) << "the font is inherited again";
  EXPECT_EQ(slider->style(), QApplication::style()) << "and the application's style";
  EXPECT_EQ(handleLength(), handleAtOne);
  EXPECT_EQ(label->font().pointSizeF(), labelPoints);
  zoom->setScreenArea(QRect(QPoint(0, 0), frames[1]));
  EXPECT_EQ(zoom->setStep(4), 2);
  EXPECT_EQ(zoom->zoom(), 2.0);
  action("actionZoomIn")->trigger();
  EXPECT_EQ(zoom->zoom(), 2.0) << "no step past the screen";
  action("actionZoomOut")->trigger();
  EXPECT_EQ(zoom->zoom(), 1.5);

  // A window hanging off the screen's right and lower edges moves back to touch them exactly.
  const QRect area(100, 50, frames[1].width() + 40, frames[1].height() + 40);
  zoom->setScreenArea(area);
  zoom->setStep(0);
  window.move(area.right() - 10, area.bottom() - 10);
  ASSERT_EQ(zoom->setStep(2), 2);
  EXPECT_EQ(window.frameGeometry().right(), area.right());
  EXPECT_EQ(window.frameGeometry().bottom(), area.bottom());
}

TEST_F(PresentationTest, AtTwiceTheSizeMouseDragsAndHoversMapBackExactly) {
  action("actionZoomIn")->trigger();
  action("actionZoomIn")->trigger();
  ASSERT_EQ(zoom->zoom(), 2.0);
  QCoreApplication::processEvents();

  // A drag of 20 screen pixels right and 10 down moves billboard 1 by (10, -5).
  const int renders = canvas->renderCount();
  const QPoint start = screenOf(80, 105);
  QTest::mousePress(handle(), Qt::LeftButton, {}, start);
  QTest::mouseMove(handle(), start + QPoint(7, 3));
  QTest::mouseMove(handle(), start + QPoint(20, 10));
  QTest::mouseRelease(handle(), Qt::LeftButton, {}, start + QPoint(20, 10));
  EXPECT_EQ(canvas->shapes()[0]->rect(), CGRectMake(80, 95, 40, 10));
  EXPECT_EQ(canvas->renderCount(), renders + 1);
  EXPECT_TRUE(renderShowsScene());

  // Each of the four screen pixels of ray-space pixel (column 100, row 199 from the bottom)
  // names the ray that pixel names at 1x: (100, 200).
  RenderView* rays = window.renderView();
  for (QPoint offset : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
    QTest::mouseMove(handle(), QPoint(1, 1));
    const QPoint pixel = rays->mapTo(&window, QPoint(200, 2 * (299 - 199))) + offset;
    QTest::mouseMove(handle(), pixel);
    EXPECT_TRUE(canvas->drawsRay() && !canvas->drawsRayBundle());
    EXPECT_EQ(canvas->rayEnd().x, 100) << offset.x() << "," << offset.y();
    EXPECT_EQ(canvas->rayStart().x, 200) << offset.x() << "," << offset.y();
  }
}

TEST_F(PresentationTest, LiveUpdatesRenderDragsFrameByFrameAndNewShapesAtRelease) {
  QAction* liveAction = action("actionLiveUpdates");
  ASSERT_TRUE(liveAction->isCheckable());
  ASSERT_FALSE(liveAction->isChecked()) << "off at start";

  // Off: a drag renders only at its release, a new shape not at all.
  int renders = canvas->renderCount();
  QTest::mousePress(handle(), Qt::LeftButton, {}, screenOf(80, 105));
  QTest::mouseMove(handle(), screenOf(85, 105));
  QTest::mouseMove(handle(), screenOf(90, 105));
  EXPECT_EQ(canvas->renderCount(), renders);
  QTest::mouseRelease(handle(), Qt::LeftButton, {}, screenOf(90, 105));
  EXPECT_EQ(canvas->renderCount(), renders + 1);

  liveAction->trigger();
  ASSERT_TRUE(live->isOn());
  live->setFrameInterval(60000);  // no frame ends until the test says so
  renders = canvas->renderCount();
  QTest::mousePress(handle(), Qt::LeftButton, {}, screenOf(90, 105));
  QTest::mouseMove(handle(), screenOf(95, 105));
  EXPECT_EQ(canvas->renderCount(), renders + 1) << "the first step renders at once";
  EXPECT_TRUE(renderShowsScene());
  QTest::mouseMove(handle(), screenOf(96, 105));
  QTest::mouseMove(handle(), screenOf(97, 104));
  EXPECT_EQ(canvas->renderCount(), renders + 1) << "steps within one frame wait for the next";
  live->setFrameInterval(1);
  EXPECT_TRUE(fixture::waitFor([&] { return canvas->renderCount() == renders + 2; }));
  EXPECT_EQ(canvas->shapes()[0]->rect().origin.x, 87);
  EXPECT_TRUE(renderShowsScene()) << "the last position is rendered";
  QTest::qWait(20);
  EXPECT_EQ(canvas->renderCount(), renders + 2) << "nothing left to render, nothing renders";
  // A step still waiting for its frame is rendered by the release: the frame has nothing left.
  live->setFrameInterval(60000);
  QTest::mouseMove(handle(), screenOf(99, 104));
  QTest::mouseMove(handle(), screenOf(100, 104));
  renders = canvas->renderCount();
  QTest::mouseRelease(handle(), Qt::LeftButton, {}, screenOf(100, 104));
  EXPECT_EQ(canvas->renderCount(), renders + 1);
  live->setFrameInterval(1);
  QTest::qWait(20);
  EXPECT_EQ(canvas->renderCount(), renders + 1) << "the release left a frame to render";

  // A new rectangle renders at its release.
  auto* rectangle = shown.find<QAbstractButton>("rectangleButton");
  QTest::mouseClick(handle(), Qt::LeftButton, {},
                    rectangle->mapTo(&window, rectangle->rect().center()));
  renders = canvas->renderCount();
  QTest::mousePress(handle(), Qt::LeftButton, {}, screenOf(20, 150));
  QTest::mouseMove(handle(), screenOf(50, 170));
  EXPECT_EQ(canvas->renderCount(), renders);
  QTest::mouseRelease(handle(), Qt::LeftButton, {}, screenOf(50, 170));
  EXPECT_EQ(canvas->renderCount(), renders + 1);
  EXPECT_TRUE(renderShowsScene());
  EXPECT_FALSE(stale());

  liveAction->trigger();
  EXPECT_FALSE(live->isOn());
  renders = canvas->renderCount();
  QTest::mousePress(handle(), Qt::LeftButton, {}, screenOf(60, 150));
  QTest::mouseMove(handle(), screenOf(80, 170));
  QTest::mouseRelease(handle(), Qt::LeftButton, {}, screenOf(80, 170));
  EXPECT_EQ(canvas->renderCount(), renders) << "off again: a new shape waits";
  // The views show the scene as it was, and the window says so.
  EXPECT_FALSE(renderShowsScene());
  EXPECT_TRUE(stale());
  // Switching on catches up at once.
  liveAction->trigger();
  EXPECT_EQ(canvas->renderCount(), renders + 1);
  EXPECT_TRUE(renderShowsScene());
  EXPECT_FALSE(stale());
}

// While the scene has changed since the last render (drawing renders
// nothing) the status bar says so and Render is the marked button; the views
// are left as they are, and the next render, however it comes, clears both.
TEST_F(PresentationTest, StaleViewsAreAnnouncedUntilTheNextRender) {
  auto* render = shown.find<QPushButton>("renderButton");
  EXPECT_FALSE(stale()) << "nothing is marked at start";
  EXPECT_FALSE(render->isDefault());
  auto* rectangle = shown.find<QAbstractButton>("rectangleButton");
  QTest::mouseClick(handle(), Qt::LeftButton, {},
                    rectangle->mapTo(&window, rectangle->rect().center()));
  const Results before = resultsOf(*canvas);
  const auto draw = [&](double x, double y) {
    QTest::mousePress(handle(), Qt::LeftButton, {}, screenOf(x, y));
    QTest::mouseMove(handle(), screenOf(x + 20, y + 20));
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, screenOf(x + 20, y + 20));
  };
  draw(20, 150);
  EXPECT_TRUE(stale());
  EXPECT_TRUE(render->isDefault());
  EXPECT_EQ(resultsOf(*canvas), before) << "the views are untouched";
  // Other messages come and go; the notice stays.
  action("actionZoomIn")->trigger();
  action("actionActualSize")->trigger();
  QTest::mouseMove(handle(), screenOf(150, 150));
  EXPECT_TRUE(stale());

  QTest::mouseClick(render, Qt::LeftButton);
  EXPECT_TRUE(renderShowsScene());
  EXPECT_FALSE(stale());
  EXPECT_FALSE(render->isDefault());

  // A click with the tool draws nothing and changes nothing; an undo renders.
  QTest::mouseClick(handle(), Qt::LeftButton, {}, screenOf(200, 60));
  EXPECT_FALSE(stale());
  draw(60, 200);
  ASSERT_TRUE(stale());
  QTest::keyClick(handle(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(stale());
  EXPECT_FALSE(render->isDefault());
  EXPECT_TRUE(renderShowsScene());
}

TEST_F(PresentationTest, PresentationFillsTheScreenAtTheLargestZoomAndLeavesAsItWas) {
  QAction* present = action("actionPresentation");
  ASSERT_TRUE(present->isCheckable() && !present->isChecked()) << "off at start";
  EXPECT_EQ(present->shortcut(), QKeySequence(Qt::Key_F5));
  auto* presentation = shown.find<Presentation>("presentation");
  const QRect projector(0, 0, 1280, 800);
  presentation->setPresentationScreen(projector);
  auto* focus = shown.find<QSlider>("focusSlider");
  const int handleAtOne = focus->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, focus);
  action("actionZoomIn")->trigger();
  ASSERT_EQ(zoom->zoom(), 1.5);
  const Results atStart = resultsOf(*canvas);

  // What the ordinary steps would reach on that screen, the menus and controls where they are.
  const auto largestStepOn = [&](const QRect& screen) {
    zoom->setScreenArea(screen);
    const int step = zoom->setStep(static_cast<int>(WindowZoom::kSteps.size()) - 1);
    zoom->setScreenArea(QRect(0, 0, 4000, 3000));
    zoom->setStep(1);
    return step;
  };
  const int onProjector = largestStepOn(projector);
  const int onFullHd = largestStepOn(QRect(0, 0, 1920, 1080));
  std::printf("presentation zoom: %.1fx at 1280x800, %.1fx at 1920x1080\n",
              WindowZoom::kSteps[onProjector], WindowZoom::kSteps[onFullHd]);
  EXPECT_GE(onFullHd, 2) << "at least 2x on a full-HD projector";
  ASSERT_EQ(zoom->zoom(), 1.5);
  const QRect before = window.geometry();

  // F5 enters: full screen, at the largest zoom that fits the whole screen.
  QTest::keyClick(handle(), Qt::Key_F5);
  ASSERT_TRUE(presentation->isPresenting());
  EXPECT_TRUE(present->isChecked());
  EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen);
  EXPECT_EQ(zoom->step(), onProjector);
  EXPECT_EQ(canvas->size(), QSize(300, 300) * zoom->zoom());
  QCoreApplication::processEvents();
  EXPECT_LE(window.minimumSize().width(), projector.width());
  EXPECT_LE(window.minimumSize().height(), projector.height());
  for (QWidget* view : {static_cast<QWidget*>(canvas), static_cast<QWidget*>(window.renderView()),
                        static_cast<QWidget*>(window.photoView())})
    EXPECT_TRUE(window.rect().contains(QRect(view->mapTo(&window, QPoint(0, 0)), view->size())));
  // The controls grow with the views: the slider's handle is the zoom times its size at 1x.
  EXPECT_EQ(focus->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, focus),
            std::lround(handleAtOne * zoom->zoom()));
  canvas->doRender(nullptr);
  EXPECT_TRUE(resultsOf(*canvas) == atStart) << "presenting changes no result";

  // Escape leaves, restoring the window as it was, its zoom included.
  QTest::keyClick(handle(), Qt::Key_Escape);
  EXPECT_FALSE(presentation->isPresenting());
  EXPECT_FALSE(present->isChecked());
  EXPECT_FALSE(window.windowState() & Qt::WindowFullScreen);
  EXPECT_EQ(zoom->zoom(), 1.5);
  EXPECT_EQ(window.geometry(), before);
  // F5 enters and leaves the same way; the ordinary steps are untouched.
  QTest::keyClick(handle(), Qt::Key_F5);
  EXPECT_TRUE(presentation->isPresenting());
  QTest::keyClick(handle(), Qt::Key_F5);
  EXPECT_FALSE(presentation->isPresenting());
  EXPECT_EQ(zoom->zoom(), 1.5);
  action("actionActualSize")->trigger();
  EXPECT_EQ(focus->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, focus), handleAtOne);
  EXPECT_EQ(focus->style(), QApplication::style()) << "at 1x the application's own style";
}

}  // namespace

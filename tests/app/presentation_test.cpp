// Zoom for projectors and live updates, through the window's own actions and
// real mouse events.
#include "app/presentation.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/lightfielddocument.h"
#include "app/liveupdates.h"
#include "app/pictureexport.h"
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
  // Where each control sits in the window, and how large it is.
  QString controlLayout() {
    QString text;
    for (auto* widget : window.centralWidget()->findChildren<QWidget*>()) {
      if (widget->isWindow()) continue;
      const QRect r(widget->mapTo(&window, QPoint(0, 0)), widget->size());
      text += QStringLiteral("%1 %2,%3 %4x%5 %6\n")
                  .arg(widget->objectName())
                  .arg(r.x())
                  .arg(r.y())
                  .arg(r.width())
                  .arg(r.height())
                  .arg(widget->isVisible());
    }
    return text;
  }
  // The three views shown: the scene's, or a light field's in their places.
  std::vector<QWidget*> shownViews() {
    const LightFieldDocument* field = window.lightFieldDocument();
    std::vector<QWidget*> views;
    for (QWidget* view :
         {static_cast<QWidget*>(canvas), static_cast<QWidget*>(window.renderView()),
          static_cast<QWidget*>(window.photoView()), static_cast<QWidget*>(field->centralView()),
          static_cast<QWidget*>(field->epiView()), static_cast<QWidget*>(field->photoStrip())})
      if (view->isVisible()) views.push_back(view);
    EXPECT_EQ(views.size(), 3u);
    return views;
  }
  // Presenting on `screen`: each view and each control wholly on it, no two overlapping,
  // and no control smaller than it asks to be.
  void expectLaidOutWithin(const QRect& screen) {
    // The offscreen platform's own screen is another size: give the window the pretended one.
    QCoreApplication::processEvents();
    window.setGeometry(screen);
    ASSERT_TRUE(fixture::waitFor([&] { return window.geometry() == screen; }));
    window.layout()->activate();
    std::vector<QRect> taken;
    const std::vector<QWidget*> views = shownViews();
    for (QWidget* view : views) {
      const QRect r(view->mapTo(&window, QPoint(0, 0)), view->size());
      EXPECT_TRUE(window.rect().contains(r)) << view->objectName().toStdString();
      for (const QRect& other : taken)
        EXPECT_FALSE(r.intersects(other)) << view->objectName().toStdString();
      taken.push_back(r);
    }
    for (auto* control : window.centralWidget()->findChildren<QWidget*>()) {
      if (!control->isVisible() || control->parentWidget() != window.centralWidget()) continue;
      if (std::find(views.begin(), views.end(), control) != views.end()) continue;
      // A frame around a view (the ray space with its axes) is the view's own room.
      if (std::any_of(views.begin(), views.end(),
                      [control](QWidget* view) { return control->isAncestorOf(view); }))
        continue;
      const std::string name = control->objectName().toStdString();
      const QRect r(control->mapTo(&window, QPoint(0, 0)), control->size());
      EXPECT_TRUE(window.rect().contains(r)) << name;
      for (const QRect& other : taken) EXPECT_FALSE(r.intersects(other)) << name;
      taken.push_back(r);
      if (control->sizePolicy().horizontalPolicy() != QSizePolicy::Ignored) {
        const QSize wanted = control->minimumSizeHint().expandedTo(control->minimumSize());
        EXPECT_GE(control->width(), wanted.width()) << name << " clipped";
        EXPECT_GE(control->height(), wanted.height()) << name << " clipped";
      }
      if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        EXPECT_GE(button->width(), button->sizeHint().width()) << name << " clipped";
      }
    }
  }
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

  QDockWidget* dock = window.findChildren<QDockWidget*>().value(0);
  ASSERT_TRUE(dock);
  const QRect before = window.geometry();
  auto* label = shown.find<QLabel>("focusLabel");
  const QFont labelFont = label->font();
  const QString controlsAt15 = controlLayout();

  // F5 enters: full screen, the views at the largest zoom that fits the whole screen,
  // at least twice their size on a 1280x800 projector, three times on 1920x1080.
  QTest::keyClick(handle(), Qt::Key_F5);
  ASSERT_TRUE(presentation->isPresenting());
  EXPECT_TRUE(present->isChecked());
  EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen);
  EXPECT_GE(zoom->step(), onProjector);
  EXPECT_GE(zoom->zoom(), 2.0) << "at least 2x on 1280x800";
  const double onProjectorPresenting = zoom->zoom();
  EXPECT_FALSE(window.menuBar()->isVisible());
  EXPECT_FALSE(window.statusBar()->isVisible());
  EXPECT_EQ(canvas->size(), QSize(300, 300) * zoom->zoom());
  QCoreApplication::processEvents();
  expectLaidOutWithin(projector);
  // The reading under the mouse shows in large type while the status bar is away.
  auto* reading = shown.find<QLabel>("presentationReading");
  QTest::mouseMove(handle(), screenOf(150, 150));
  EXPECT_FALSE(reading->text().isEmpty());
  EXPECT_TRUE(fixture::waitFor([&] {
    return reading->text() == window.status()->readout()->text();
  })) << reading->text().toStdString();
  EXPECT_GT(reading->font().pointSizeF(), label->font().pointSizeF());
  // Zoom In is there while presenting too, through the keys alone.
  EXPECT_TRUE(window.actions().contains(present));
  canvas->doRender(nullptr);
  EXPECT_TRUE(resultsOf(*canvas) == atStart) << "presenting changes no result";

  // Escape leaves, restoring the window as it was, its zoom included.
  QTest::mouseMove(handle(), QPoint(1, 1));
  window.statusBar()->clearMessage();
  QTest::keyClick(handle(), Qt::Key_Escape);
  EXPECT_FALSE(presentation->isPresenting());
  EXPECT_FALSE(present->isChecked());
  EXPECT_FALSE(window.windowState() & Qt::WindowFullScreen);
  EXPECT_EQ(zoom->zoom(), 1.5);
  EXPECT_EQ(window.geometry(), before);
  const auto expectAsBefore = [&] {
    EXPECT_TRUE(window.menuBar()->isVisible());
    EXPECT_TRUE(window.statusBar()->isVisible());
    EXPECT_EQ(label->font(), labelFont);
    EXPECT_FALSE(shown.find<QLabel>("focusReadout")->testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(window.findChild<QLabel*>("presentationReading"), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(controlLayout().toStdString(), controlsAt15.toStdString())
        << "every control back in its place";
  };
  expectAsBefore();
  // F5 enters and leaves the same way, on a full-HD screen at 3x; the ordinary steps are untouched.
  const QRect fullHd(0, 0, 1920, 1080);
  presentation->setPresentationScreen(fullHd);
  QTest::keyClick(handle(), Qt::Key_F5);
  EXPECT_TRUE(presentation->isPresenting());
  EXPECT_GE(zoom->zoom(), 3.0) << "at least 3x on 1920x1080";
  QCoreApplication::processEvents();
  expectLaidOutWithin(fullHd);
  std::printf("presentation mode: %.1fx at 1280x800, %.1fx at 1920x1080\n", onProjectorPresenting,
              zoom->zoom());
  QTest::keyClick(handle(), Qt::Key_F5);
  EXPECT_FALSE(presentation->isPresenting());
  EXPECT_EQ(zoom->zoom(), 1.5);
  EXPECT_EQ(window.geometry(), before);
  expectAsBefore();
  // A dock open before presenting is put away while presenting and comes back after.
  dock->show();
  QTest::keyClick(handle(), Qt::Key_F5);
  EXPECT_FALSE(dock->isVisible());
  QTest::keyClick(handle(), Qt::Key_Escape);
  EXPECT_TRUE(dock->isVisible());
  dock->hide();
  action("actionActualSize")->trigger();
  EXPECT_EQ(focus->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, focus), handleAtOne);
  EXPECT_EQ(focus->style(), QApplication::style()) << "at 1x the application's own style";
}

}  // namespace

namespace {

// A row of five camera views, each a flat colour of its own, 4:3 like a camera's.
QString writeViews(const QTemporaryDir& dir) {
  for (int v = 0; v < 5; ++v) {
    QImage view(160, 120, QImage::Format_RGB32);
    view.fill(QColor(40 * v, 120, 200 - 30 * v));
    EXPECT_TRUE(view.save(dir.filePath(QStringLiteral("view_%1.png").arg(v))));
  }
  return dir.path();
}

}  // namespace

// A light field open in place of the scene: its views take the scene views' sizes at every zoom,
// whether it was opened before the zoom or during it, and presenting lays them out as it lays
// out the scene's; the ray space's words grow with them.
TEST_F(PresentationTest, ALightFieldsViewsTakeTheSceneViewsSizesAtEveryZoomAndPresenting) {
  QTemporaryDir dir;
  const QString folder = writeViews(dir);
  LightFieldDocument& field = *window.lightFieldDocument();
  auto* presentation = shown.find<Presentation>("presentation");
  const auto expectInPlace = [&](const char* when) {
    const double z = zoom->zoom();
    const std::pair<QWidget*, QWidget*> places[] = {{field.centralView(), canvas},
                                                    {field.epiView(), window.renderView()},
                                                    {field.photoStrip(), window.photoView()}};
    for (const auto& [own, scene] : places)
      EXPECT_EQ(own->size(), scene->size()) << when << " " << own->objectName().toStdString();
    EXPECT_EQ(field.centralView()->size(), QSize(300, 300) * z) << when;
    EXPECT_EQ(field.photoStrip()->size(), QSize(300, 40) * z) << when;
    // The central view keeps the camera's 4:3.
    const QRect image = field.centralView()->imageRect();
    EXPECT_NEAR(double(image.width()) / image.height(), 4.0 / 3.0, 0.02) << when;
    EXPECT_EQ(field.centralView()->zoom(), z) << when;  // the scanline thickens with it
    // The axes' words grow with the view and fit in the room they have beside it.
    auto* epi = field.epiView();
    EXPECT_EQ(epi->labelFont().pixelSize(), std::lround(10 * z)) << when;
    const int room = epi->height() - 1 - epi->imageRect().bottom();
    EXPECT_EQ(epi->imageRect().left(), 0) << when;
    EXPECT_LE(QFontMetrics(epi->labelFont()).height(), room) << when;
    // The view axis beside it, as wide as its words, and the photo's pixels under its columns.
    if (field.isOpen()) {
      EXPECT_TRUE(field.viewAxis()->isVisible()) << when;
      EXPECT_GE(field.viewAxis()->width(), QFontMetrics(epi->labelFont()).height()) << when;
      EXPECT_EQ(field.viewAxis()->mapTo(&window, QPoint(0, 0)).x(),
                epi->mapTo(&window, QPoint(epi->width(), 0)).x() + 2)
          << when;
      EXPECT_EQ(field.photoStrip()->mapTo(&window, QPoint(0, 0)).x(),
                epi->mapTo(&window, QPoint(0, 0)).x())
          << when;
      EXPECT_EQ(field.photoStrip()->width(), epi->imageRect().width()) << when;
    }
    if (field.isOpen()) {
      const std::vector<QWidget*> views = shownViews();
      for (std::size_t i = 0; i < views.size(); ++i) {
        const QRect r(views[i]->mapTo(&window, QPoint(0, 0)), views[i]->size());
        EXPECT_TRUE(window.rect().contains(r)) << when;
        for (std::size_t j = 0; j < i; ++j)
          EXPECT_FALSE(
              r.intersects(QRect(views[j]->mapTo(&window, QPoint(0, 0)), views[j]->size())))
              << when;
      }
    }
  };

  ASSERT_TRUE(field.openPath(folder));
  ASSERT_EQ(shownViews()[0], field.centralView());
  expectInPlace("opened at 1x");
  action("actionZoomIn")->trigger();
  action("actionZoomIn")->trigger();
  ASSERT_EQ(zoom->zoom(), 2.0);
  expectInPlace("zoomed in with the light field open");
  // Its ray space as shown exports at one pixel per unit, as the scene's does at any zoom.
  auto* exporter = shown.find<PictureExport>("pictureExport");
  const QImage asShown = exporter->picture({PictureKind::RaySpaceAsShown, 1, false});
  EXPECT_EQ(asShown.height(), 300);
  EXPECT_EQ(asShown.width(), 300 + field.epiView()->viewAxisWidth(1.0));  // with its view axis

  // Presenting on either screen: everything on it, nothing overlapping, nothing clipped.
  for (const QRect& screen : {QRect(0, 0, 1280, 800), QRect(0, 0, 1920, 1080)}) {
    presentation->setPresentationScreen(screen);
    QTest::keyClick(handle(), Qt::Key_F5);
    ASSERT_TRUE(presentation->isPresenting());
    EXPECT_GE(zoom->zoom(), screen.width() > 1280 ? 3.0 : 2.0);
    QCoreApplication::processEvents();
    expectLaidOutWithin(screen);
    expectInPlace("presenting");
    QTest::keyClick(handle(), Qt::Key_Escape);
    ASSERT_FALSE(presentation->isPresenting());
    EXPECT_EQ(zoom->zoom(), 2.0);
    expectInPlace("after presenting");
  }
  action("actionActualSize")->trigger();
  expectInPlace("back at 1x");

  // Opened while zoomed: at the zoom at once; closed, the scene's views are there at it.
  field.close();
  action("actionZoomIn")->trigger();
  ASSERT_EQ(zoom->zoom(), 1.5);
  expectInPlace("zoomed with the light field closed");
  ASSERT_TRUE(field.openPath(folder));
  expectInPlace("opened at 1.5x");
  field.close();
  EXPECT_TRUE(canvas->isVisible());
  EXPECT_EQ(canvas->size(), QSize(450, 450));
  action("actionActualSize")->trigger();
  expectInPlace("closed, at 1x");
}

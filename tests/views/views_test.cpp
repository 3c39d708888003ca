// The result views as the window's event hub: hover dispatch over both views,
// key hand-off to the canvas, the axes toggle, and controls that keep working
// under the window's routing filter. Real events through a real window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "support/window_fixture.h"
#include "toolkit/window.h"

namespace {

class ResultViewsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Park the mouse: Qt drops a move to where it already is.
    QTest::mouseMove(handle(), QPoint(1, 1));
    QCoreApplication::processEvents();
    canvas = window.drawView();
    rays = window.renderView();
    photo = window.photoView();
  }

  QWindow* handle() { return window.windowHandle(); }
  // The window pixel of the y-up point (x, y) of `view`, which may lie outside it.
  QPoint at(QWidget* view, int x, int y) {
    return view->mapTo(&window, QPoint(x, view->height() - y));
  }
  void hover(QWidget* view, int x, int y) { QTest::mouseMove(handle(), at(view, x, y)); }
  void clickCentre(QWidget* widget) {
    QTest::mouseClick(handle(), Qt::LeftButton, {},
                      widget->mapTo(&window, widget->rect().center()));
  }
  bool showsSingleRay() const { return canvas->drawsRay() && !canvas->drawsRayBundle(); }
  double bundleCentre() const {
    const auto& e = canvas->rayPath()->elements();
    return (e.at(2).point.x + e.at(3).point.x) / 2;
  }
  int redPixels() {
    QCoreApplication::processEvents();
    const QImage image = rays->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        count += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
      }
    }
    return count;
  }

  fixture::ShownWindow shown;
  MainWindow& window = shown.window;
  DrawView* canvas = nullptr;
  RenderView* rays = nullptr;
  PhotoView* photo = nullptr;
};

struct Probe {
  int x, y;
};

TEST_F(ResultViewsTest, HoverOnEveryEdgeAndCornerCountsAsInside) {
  ASSERT_EQ(toolkit::Window::of(rays)->firstResponder(), rays);
  ASSERT_TRUE(toolkit::Window::of(photo)->acceptsMouseMovedEvents());

  const Probe rayEdges[] = {{0, 150}, {300, 150}, {150, 0}, {150, 300},
                            {0, 0},   {300, 300}, {0, 300}, {300, 0}};
  for (const Probe& p : rayEdges) {
    hover(canvas, 20, 20);
    ASSERT_FALSE(canvas->drawsRay());
    hover(rays, p.x, p.y);
    EXPECT_TRUE(showsSingleRay()) << p.x << "," << p.y;
    EXPECT_EQ(canvas->rayEnd().x, p.x) << "upper plane line position is the view x";
    EXPECT_EQ(canvas->rayStart().x, p.y) << "lower plane line position is the view y";
  }

  const Probe photoEdges[] = {{0, 20}, {300, 20}, {150, 0}, {150, 40},
                              {0, 0},  {300, 40}, {0, 40},  {300, 0}};
  for (const Probe& p : photoEdges) {
    hover(canvas, 20, 20);
    ASSERT_FALSE(canvas->drawsRay());
    hover(photo, p.x, p.y);
    EXPECT_TRUE(canvas->drawsRayBundle()) << p.x << "," << p.y;
    EXPECT_DOUBLE_EQ(bundleCentre(), p.x) << p.x << "," << p.y;
  }
}

TEST_F(ResultViewsTest, HoverJustOutsideAViewClearsTheOverlay) {
  const Probe rayOutside[] = {{-1, 150}, {301, 150}, {150, -1}, {150, 301}};
  for (const Probe& p : rayOutside) {
    hover(rays, 150, 150);
    ASSERT_TRUE(showsSingleRay());
    hover(rays, p.x, p.y);
    EXPECT_FALSE(canvas->drawsRay()) << p.x << "," << p.y;
  }
  const Probe photoOutside[] = {{-1, 20}, {301, 20}, {150, -1}, {150, 41}};
  for (const Probe& p : photoOutside) {
    hover(photo, 150, 20);
    ASSERT_TRUE(canvas->drawsRayBundle());
    hover(photo, p.x, p.y);
    EXPECT_FALSE(canvas->drawsRay()) << p.x << "," << p.y;
  }
}

TEST_F(ResultViewsTest, MovingOffTheRaySpaceViewHandsTheMouseToThePhotoView) {
  hover(rays, 100, 200);
  ASSERT_TRUE(showsSingleRay());
  hover(photo, 120, 20);
  EXPECT_TRUE(canvas->drawsRayBundle());
  EXPECT_DOUBLE_EQ(bundleCentre(), 120);
  hover(canvas, 150, 150);
  EXPECT_FALSE(canvas->drawsRay());
  hover(window.findChild<QWidget*>("renderButton"), 5, 5);
  EXPECT_FALSE(canvas->drawsRay());
}

TEST_F(ResultViewsTest, PhotoBundleTakesTheExactXWhateverTheHeight) {
  const QPoint corner = photo->mapTo(&window, QPoint(0, photo->height()));
  const double bottom = window.height() - corner.y();
  for (double y : {0.0, 13.25, 40.0}) {
    photo->mouseMoved(toolkit::Event::mouse({corner.x() + 120.5, bottom + y}));
    ASSERT_TRUE(canvas->drawsRayBundle());
    EXPECT_DOUBLE_EQ(bundleCentre(), 120.5) << y;
  }
}

TEST_F(ResultViewsTest, KeysReachTheCanvasWhereverTheMouseAndTheFocusAre) {
  auto* dof = window.findChild<toolkit::Slider*>("dofSlider");
  ASSERT_NE(dof, nullptr);
  QTest::mouseClick(handle(), Qt::LeftButton, {}, at(canvas, 80, 105));
  ASSERT_EQ(canvas->selectedShapeIndex(), 0);
  dof->setFocus();
  const int dofValue = dof->value();

  hover(rays, 100, 200);
  QTest::keyClick(handle(), Qt::Key_Right);
  QTest::keyClick(handle(), Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(canvas->shapes()[0]->rect().origin.x, 71);
  EXPECT_EQ(canvas->shapes()[0]->rect().origin.y, 110);
  EXPECT_EQ(dof->value(), dofValue) << "the focused slider never saw the keys";
  EXPECT_TRUE(showsSingleRay());
}

TEST_F(ResultViewsTest, AxesToggleIsReadThroughItsOutlet) {
  auto* toggle = window.findChild<QCheckBox*>("axesButton");
  ASSERT_NE(toggle, nullptr);
  ASSERT_TRUE(rays->showsAxes());
  EXPECT_GT(redPixels(), 200);

  clickCentre(toggle);
  EXPECT_FALSE(rays->showsAxes());
  EXPECT_EQ(redPixels(), 0);
  clickCentre(toggle);
  EXPECT_TRUE(rays->showsAxes());
  EXPECT_GT(redPixels(), 200);

  // The outlet decides, not the sender; a mixed state is not on.
  QCheckBox other;
  other.setChecked(true);
  toggle->setChecked(false);
  rays->toggleAxes(&other);
  EXPECT_FALSE(rays->showsAxes());
  toggle->setTristate(true);
  toggle->setCheckState(Qt::PartiallyChecked);
  rays->toggleAxes(nullptr);
  EXPECT_FALSE(rays->showsAxes());
}

TEST_F(ResultViewsTest, SliderDragsAndButtonClicksPassTheRoutingFilter) {
  auto* focus = window.findChild<toolkit::Slider*>("focusSlider");
  ASSERT_NE(focus, nullptr);
  ASSERT_EQ(focus->value(), 450);
  const QPoint handleCentre = focus->mapTo(&window, focus->rect().center());
  const QPoint rightEnd = focus->mapTo(&window, QPoint(focus->width() - 1, focus->height() / 2));
  QTest::mousePress(handle(), Qt::LeftButton, {}, handleCentre);
  QTest::mouseMove(handle(), handleCentre + QPoint(10, 0));
  QTest::mouseMove(handle(), rightEnd);
  QTest::mouseRelease(handle(), Qt::LeftButton, {}, rightEnd);
  EXPECT_GT(focus->value(), 800);

  const int renders = canvas->renderCount();
  clickCentre(window.findChild<QPushButton*>("renderButton"));
  EXPECT_EQ(canvas->renderCount(), renders + 1);

  const qint64 photoKey = photo->image().cacheKey();
  clickCentre(window.findChild<QPushButton*>("takePhotoButton"));
  EXPECT_NE(photo->image().cacheKey(), photoKey);
  EXPECT_EQ(canvas->renderCount(), renders + 1);

  clickCentre(window.findChild<QAbstractButton*>("triangleButton"));
  EXPECT_EQ(canvas->selectedTool(), "Triangle");
}

}  // namespace

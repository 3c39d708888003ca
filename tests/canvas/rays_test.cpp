// The ray overlays on the canvas, set by hovering the result views of a real
// window: outline geometry, stroke or fill, redraw requests and pixels.
#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTest>
#include <cmath>
#include <vector>

#include "support/window_fixture.h"

namespace {

using Element = toolkit::BezierPath::Element;
using ElementType = toolkit::BezierPath::ElementType;

class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) rects.push_back(static_cast<QPaintEvent*>(event)->rect());
    return false;
  }
  std::vector<QRect> rects;
};

class RayOverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Park the mouse away from both views: Qt drops a move to where it already is.
    QTest::mouseMove(window.windowHandle(), QPoint(1, 1));
    settle();
    canvas = window.drawView();
    focus = window.findChild<toolkit::Slider*>("focusSlider");
    dof = window.findChild<toolkit::Slider*>("dofSlider");
    ASSERT_NE(focus, nullptr);
    ASSERT_NE(dof, nullptr);
    canvas->installEventFilter(&paints);
  }

  static void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  // Hovers the y-up point (x, y) of `view`.
  void hover(toolkit::View* view, int x, int y) {
    QTest::mouseMove(window.windowHandle(), view->mapTo(&window, QPoint(x, view->height() - y)));
  }
  QImage grabCanvas() {
    settle();
    return canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  std::vector<CGPoint> outline() const {
    std::vector<CGPoint> points;
    for (const Element& e : canvas->rayPath()->elements()) {
      EXPECT_EQ(e.type, points.empty() ? ElementType::MoveTo : ElementType::LineTo);
      points.push_back(e.point);
    }
    return points;
  }

  fixture::ShownWindow shown;
  MainWindow& window = shown.window;
  DrawView* canvas = nullptr;
  toolkit::Slider* focus = nullptr;
  toolkit::Slider* dof = nullptr;
  PaintCounter paints;
};

void expectOutline(const std::vector<CGPoint>& actual, const std::vector<CGPoint>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_DOUBLE_EQ(actual[i].x, expected[i].x) << "point " << i;
    EXPECT_DOUBLE_EQ(actual[i].y, expected[i].y) << "point " << i;
  }
}

// How much overlay ink separates two grabs: the red drop of every pixel, in
// units of a full translucent-blue pixel over white (255 -> 153).
double inkBetween(const QImage& a, const QImage& b) {
  double ink = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) ink += std::abs(qRed(a.pixel(x, y)) - qRed(b.pixel(x, y)));
  }
  return ink / 102.0;
}

TEST_F(RayOverlayTest, HoverOnRaySpaceDrawsItsRayAcrossTheWholeCanvas) {
  paints.rects.clear();
  hover(window.renderView(), 100, 200);
  ASSERT_TRUE(canvas->drawsRay());
  EXPECT_FALSE(canvas->drawsRayBundle());
  EXPECT_EQ(canvas->rayPath()->lineWidth(), 2.0);
  expectOutline(outline(), {{200, 10}, {100, 290}});
  settle();
  EXPECT_EQ(paints.rects, std::vector<QRect>{QRect(0, 0, 300, 300)});

  // Translucent blue (0, 0, 1, 0.4) over white, in the middle of the line.
  const QRgb mid = grabCanvas().pixel(150, 150);
  EXPECT_NEAR(qRed(mid), 153, 3);
  EXPECT_NEAR(qGreen(mid), 153, 3);
  EXPECT_EQ(qBlue(mid), 255);
}

TEST_F(RayOverlayTest, OverlayStaysOutOfTheCapturedStrip) {
  const std::vector<unsigned char> clean = canvas->strip();
  hover(window.renderView(), 100, 200);
  ASSERT_TRUE(canvas->drawsRay());
  canvas->doRender(nullptr);
  EXPECT_EQ(canvas->strip(), clean);
  EXPECT_TRUE(canvas->drawsRay()) << "a render leaves the overlay alone";
  EXPECT_TRUE(canvas->showsAxes());
  EXPECT_EQ(qBlue(grabCanvas().pixel(150, 150)), 255);
}

TEST_F(RayOverlayTest, ClearingRedrawsOnceAndOnlyWhenSomethingWasShown) {
  hover(window.renderView(), 100, 200);
  settle();
  paints.rects.clear();
  hover(canvas, 50, 250);
  EXPECT_FALSE(canvas->drawsRay());
  settle();
  EXPECT_EQ(paints.rects, std::vector<QRect>{QRect(0, 0, 300, 300)});

  hover(canvas, 60, 250);
  canvas->clearRay();
  settle();
  EXPECT_EQ(paints.rects.size(), 1u);
  EXPECT_NE(canvas->rayPath(), nullptr) << "the outline stays until replaced";
}

TEST_F(RayOverlayTest, LeavingTheWindowClearsEitherOverlay) {
  // A quick exit: the last move was inside a result view, the next event is the leave.
  for (toolkit::View* view : {static_cast<toolkit::View*>(window.renderView()),
                              static_cast<toolkit::View*>(window.photoView())}) {
    hover(view, 100, 20);
    ASSERT_TRUE(canvas->drawsRay());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(window.windowHandle(), &leave);
    EXPECT_FALSE(canvas->drawsRay());
  }
}

TEST_F(RayOverlayTest, BundleAtFocusZeroIsTriangleFromApertureCentre) {
  focus->setValue(0);
  dof->setValue(5);
  hover(window.photoView(), 120, 20);
  ASSERT_TRUE(canvas->drawsRayBundle());
  EXPECT_EQ(canvas->rayPath()->lineWidth(), 1.0);
  expectOutline(outline(), {{150, 10}, {150, 10}, {115, 290}, {125, 290}, {150, 10}});
}

TEST_F(RayOverlayTest, BundleSidesCrossAtMidHeightForFortyFiveDegrees) {
  focus->setValue(450);
  for (int depth : {1, 5, 20}) {
    dof->setValue(depth);
    for (int x : {30, 120, 299}) {
      hover(window.photoView(), x, 20 + depth);
      const std::vector<CGPoint> p = outline();
      ASSERT_EQ(p.size(), 5u);
      // Side a runs p[1] -> p[2], side b p[3] -> p[4]; solve a + t (a' - a) on b.
      const double ax = p[1].x, ay = p[1].y, adx = p[2].x - ax, ady = p[2].y - ay;
      const double bx = p[3].x, by = p[3].y, bdx = p[4].x - bx, bdy = p[4].y - by;
      const double t = ((bx - ax) * bdy - (by - ay) * bdx) / (adx * bdy - ady * bdx);
      EXPECT_NEAR(ay + t * ady, 150.0, 1e-6) << "dof " << depth << " x " << x;
      EXPECT_NEAR(ax + t * adx, (150.0 + x) / 2, 1e-6) << "dof " << depth << " x " << x;
    }
  }
}

TEST_F(RayOverlayTest, DepthOfFieldZeroStrokesUntilTheSliderMoves) {
  focus->setValue(0);
  dof->setValue(0);
  const QImage none = grabCanvas();
  hover(window.photoView(), 280, 20);
  const std::vector<CGPoint> unitOutline = {
      {150, 10}, {150, 10}, {279, 290}, {281, 290}, {150, 10}};
  expectOutline(outline(), unitOutline);
  const double stroked = inkBetween(none, grabCanvas());

  // The slider alone switches to a fill of the same outline at the next repaint.
  dof->setValue(5);
  expectOutline(outline(), unitOutline);
  const double filled = inkBetween(none, grabCanvas());
  // Two 1-wide sides of ~309 points against a triangle of area 280.
  EXPECT_GT(stroked, 500);
  EXPECT_GT(filled, 200);
  EXPECT_LT(filled, 350);

  // The next move rebuilds the outline from the sliders.
  hover(window.photoView(), 281, 20);
  expectOutline(outline(), {{150, 10}, {150, 10}, {276, 290}, {286, 290}, {150, 10}});
}

// The bundle draws the aperture it uses: two for the two slits, one thin ray
// per pinhole, each from its sample's lower-line place to its upper-line place,
// and all of them move with the viewpoint.
TEST_F(RayOverlayTest, BundleDrawsTheSlitsAndPinholesTheApertureUses) {
  focus->setValue(0);  // sin 0, cos 1: lower ends at the aperture centre, upper at x + k
  dof->setValue(9);
  lightfield::CameraChoice choice;
  choice.aperture = lightfield::Aperture::TwoSlits;
  choice.viewpoint = lightfield::centreViewpoint(canvas->stripWidth()) + 20;
  canvas->setCameraChoice(choice);
  hover(window.photoView(), 120, 20);
  auto lines = [this] {
    std::vector<std::vector<CGPoint>> runs;
    for (const Element& e : canvas->rayPath()->elements()) {
      if (e.type == ElementType::MoveTo) runs.emplace_back();
      runs.back().push_back(e.point);
    }
    return runs;
  };
  auto slits = lines();
  ASSERT_EQ(slits.size(), 2u);
  // k from 6 to 9 and from -6 to -9 (3 |k| >= 18).
  expectOutline(slits[0], {{170, 10}, {170, 10}, {126, 290}, {129, 290}, {170, 10}});
  expectOutline(slits[1], {{170, 10}, {170, 10}, {114, 290}, {111, 290}, {170, 10}});

  choice.aperture = lightfield::Aperture::Pinholes;
  choice.pinholes = 4;
  canvas->setCameraChoice(choice);
  hover(window.photoView(), 121, 20);
  const auto pinholes = lines();
  // k = round(9 (2 j - 3) / 3): -9, -3, 3, 9.
  ASSERT_EQ(pinholes.size(), 4u);
  const double tops[] = {112, 118, 124, 130};
  for (std::size_t j = 0; j < 4; ++j) expectOutline(pinholes[j], {{170, 10}, {tops[j], 290}});
  // Thin rays are stroked: four lines of ink the height of the strip.
  const QImage drawn = grabCanvas();
  canvas->clearRay();
  EXPECT_GT(inkBetween(grabCanvas(), drawn), 4 * 200.0);
}

}  // namespace

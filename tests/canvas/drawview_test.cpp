// The canvas's starting scene, its drawing pass, knobs, overlay switch and tools.
#include "canvas/drawview.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QPushButton>
#include <QTest>

#include "support/window_fixture.h"

using fixture::CanvasRig;
using fixture::paintYUp;
using fixture::pixelAt;
using toolkit::Color;

namespace {

constexpr QRgb kWhite = 0xffffff;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kGrey = 0x808080;

struct Billboard {
  CGRect rect;
  Color color;
};

const Billboard kBillboards[] = {
    {CGRectMake(70, 100, 40, 10), Color::colorWithCalibratedRed(1.0, 0.8, 0.4, 1.0)},
    {CGRectMake(130, 150, 40, 10), Color::colorWithCalibratedRed(0.4, 0.97, 0.4, 1.0)},
    {CGRectMake(190, 200, 40, 10), Color::colorWithCalibratedRed(0.4, 0.6, 1.0, 1.0)},
};

bool sameRect(CGRect a, CGRect b) {
  return a.origin.x == b.origin.x && a.origin.y == b.origin.y && a.size.width == b.size.width &&
         a.size.height == b.size.height;
}

// The whole canvas painted once through its own drawing pass.
QImage paintCanvas(DrawView& canvas, CGRect dirty, QRgb background = kWhite) {
  return paintYUp(300, 300, background,
                  [&](toolkit::GraphicsContext& c) { canvas.drawRect(c, dirty); });
}

int countPixels(const QImage& image, CGRect area, QRgb colour) {
  int n = 0;
  for (int y = static_cast<int>(area.origin.y); y < NSMaxY(area); ++y) {
    for (int x = static_cast<int>(area.origin.x); x < NSMaxX(area); ++x) {
      n += pixelAt(image, x, y) == colour;
    }
  }
  return n;
}

// Counts passes and what each saw, to watch redraws from the outside.
class CountingDrawView : public DrawView {
 public:
  void drawRect(toolkit::GraphicsContext& context, CGRect dirty) override {
    passes.push_back({dirty, showsAxes()});
    DrawView::drawRect(context, dirty);
  }
  struct Pass {
    CGRect dirty;
    bool overlays;
  };
  std::vector<Pass> passes;
};

}  // namespace

TEST(DrawView, NewCanvasHoldsTheStartingScene) {
  DrawView canvas;
  canvas.initWithFrame(CGRectMake(0, 0, 300, 300));

  ASSERT_EQ(canvas.shapes().size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const Shape& shape = *canvas.shapes()[i];
    EXPECT_NE(dynamic_cast<const Rectangle*>(&shape), nullptr) << i;
    EXPECT_TRUE(sameRect(shape.rect(), kBillboards[i].rect)) << i;
    EXPECT_TRUE(shape.color() == kBillboards[i].color) << i;
  }
  EXPECT_EQ(canvas.selectedShapeIndex(), -1);
  EXPECT_EQ(canvas.selectedTool(), QStringLiteral("Pointer"));
  EXPECT_TRUE(canvas.showsAxes());
  EXPECT_TRUE(canvas.isFirstRenderPending());
  EXPECT_FALSE(canvas.isDirty());
  EXPECT_FALSE(canvas.drawsRay());
  EXPECT_TRUE(sameRect(canvas.captureRect(), CGRectMake(0, 0, 0, 0)));
  EXPECT_EQ(canvas.stripWidth(), 0);
  EXPECT_EQ(canvas.displayedRays(), nullptr);
  EXPECT_EQ(canvas.cleanRays(), nullptr);
  EXPECT_EQ(canvas.renderCount(), 0);

  EXPECT_EQ(canvas.lowerLine().getLocation(), 10.0f);
  EXPECT_EQ(canvas.upperLine().getLocation(), 290.0f);
  EXPECT_TRUE(canvas.lowerLine().color() == Color::blackColor());
  EXPECT_TRUE(canvas.upperLine().color() == Color::redColor());
}

TEST(DrawView, ShapeBoundsGrowTheRectangleByThree) {
  DrawView canvas;
  canvas.initWithFrame(CGRectMake(0, 0, 300, 300));
  const CGRect expected[] = {CGRectMake(67, 97, 46, 16), CGRectMake(127, 147, 46, 16),
                             CGRectMake(187, 197, 46, 16)};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(sameRect(canvas.boundsForShape(*canvas.shapes()[i]), expected[i])) << i;
  }
}

TEST(DrawView, PlaneLinesTakeTheTruncatedWidthAndTheMarkerTheExactCentre) {
  const struct {
    double width;
    double lineEnd;  // the line runs from x = 1 to the view's whole width - 1
  } cases[] = {{300.7, 299}, {300.0, 299}, {250.2, 249}};
  for (const auto& c : cases) {
    DrawView canvas;
    canvas.initWithFrame(CGRectMake(0, 0, c.width, 300));
    for (const Axis* line : {&canvas.lowerLine(), &canvas.upperLine()}) {
      const auto& elements = line->bezierPath().elements();
      ASSERT_GE(elements.size(), 2u);
      EXPECT_EQ(elements[0].point.x, 1.0) << c.width;
      EXPECT_EQ(elements[1].point.x, c.lineEnd) << c.width;
    }
    EXPECT_EQ(canvas.camera().location().x, c.width * 0.5);
    EXPECT_EQ(canvas.camera().location().y, 5.0);
  }
}

TEST(DrawView, KnobsAreSixBySixSquaresOnTheSelectedCorners) {
  CanvasRig rig;
  const CGRect around = CGRectMake(55, 85, 70, 40);  // billboard 1 and its knobs, with margin
  EXPECT_EQ(countPixels(paintCanvas(rig.canvas, rig.canvas.bounds()), around, kBlack), 0);

  rig.click(CGPointMake(90, 105));
  ASSERT_EQ(rig.canvas.selectedShapeIndex(), 0);
  const QImage image = paintCanvas(rig.canvas, rig.canvas.bounds());
  const CGPoint corners[] = {{67, 97}, {107, 97}, {67, 107}, {107, 107}};
  for (const CGPoint k : corners) {
    EXPECT_EQ(countPixels(image, CGRectMake(k.x, k.y, 6, 6), kBlack), 36) << k.x << "," << k.y;
  }
  // Nothing else black: no knob spills past its square.
  EXPECT_EQ(countPixels(image, around, kBlack), 4 * 36);
}

TEST(DrawView, KnobsLieUnderThePlaneLinesAndTheMarker) {
  CanvasRig rig;
  rig.click(CGPointMake(90, 105));
  ASSERT_EQ(rig.canvas.selectedShapeIndex(), 0);
  // Corners on the camera marker (150, 5) and on the upper plane line (y 290).
  rig.canvas.shapes()[0]->setRect(CGRectMake(150, 5, 60, 285));
  const QImage image = paintCanvas(rig.canvas, rig.canvas.bounds());
  EXPECT_EQ(pixelAt(image, 150, 5), 0xff0000u) << "marker over the knob";
  EXPECT_EQ(pixelAt(image, 150, 289), 0xff0000u) << "upper line over the knob";
  EXPECT_EQ(pixelAt(image, 148, 292), kBlack) << "the knob beside the line";
}

TEST(DrawView, HiddenOverlaysLeaveOnlyWhiteAndShapes) {
  CanvasRig rig;
  rig.click(CGPointMake(90, 105));  // knobs
  rig.canvas.setRay(CGPointMake(40, 250));
  rig.canvas.hideAxes();
  const QImage image = paintCanvas(rig.canvas, rig.canvas.bounds(), kGrey);

  EXPECT_EQ(rig.canvas.renderCount(), 0);
  EXPECT_TRUE(rig.canvas.isFirstRenderPending());
  const std::vector<unsigned char> alone = fixture::shapesAlone(rig.canvas, rig.canvas.bounds());
  int mismatches = 0;
  for (int row = 0; row < 300; ++row) {
    for (int x = 0; x < 300; ++x) {
      mismatches += (image.pixel(x, row) & 0xffffff) != fixture::rgb(&alone[3 * (row * 300 + x)]);
    }
  }
  EXPECT_EQ(mismatches, 0);

  rig.canvas.showAxes();
  const QImage shown = paintCanvas(rig.canvas, rig.canvas.bounds());
  EXPECT_EQ(pixelAt(shown, 150, 9), kBlack);      // lower plane line
  EXPECT_EQ(pixelAt(shown, 150, 289), 0xff0000);  // upper plane line
  EXPECT_EQ(pixelAt(shown, 150, 5), 0xff0000);    // camera marker
  EXPECT_EQ(rig.canvas.renderCount(), 1);
}

TEST(DrawView, ShapesAreDrawnOnlyWhenTheirBoundsOverlapTheRedrawArea) {
  // Billboard 1's bounds are (67, 97, 46, 16); (80, 104) lies inside the
  // billboard and outside every area below, so only the shape can paint it.
  const struct {
    CGRect dirty;
    bool drawn;
  } cases[] = {
      {CGRectMake(113, 97, 20, 16), false},  // touches the right edge
      {CGRectMake(47, 97, 20, 16), false},   // touches the left edge
      {CGRectMake(67, 113, 46, 10), false},  // touches the top edge
      {CGRectMake(67, 87, 46, 10), false},   // touches the bottom edge
      {CGRectMake(113, 113, 5, 5), false},   // touches a corner
      {CGRectMake(112, 97, 20, 16), true},   // overlaps by one unit
      {CGRectMake(67, 112.5, 46, 10), true},
  };
  CanvasRig rig;
  rig.canvas.hideAxes();
  const QRgb bar = kBillboards[0].color.rgba().rgb() & 0xffffff;
  for (const auto& c : cases) {
    const QImage image = paintCanvas(rig.canvas, c.dirty, kGrey);
    EXPECT_EQ(pixelAt(image, 80, 104), c.drawn ? bar : kGrey)
        << c.dirty.origin.x << "," << c.dirty.origin.y;
    // The area itself is always cleared to white.
    EXPECT_EQ(pixelAt(image, static_cast<int>(NSMaxX(c.dirty)) - 1,
                      static_cast<int>(NSMaxY(c.dirty)) - 1),
              kWhite);
  }
}

TEST(DrawView, FirstRenderRunsOnceAtTheEndOfTheFirstPass) {
  CanvasRig rig;
  EXPECT_EQ(rig.canvas.renderCount(), 0);
  for (int pass = 1; pass <= 3; ++pass) {
    paintCanvas(rig.canvas, CGRectMake(0, 0, 10, 10));
    EXPECT_EQ(rig.canvas.renderCount(), 1) << pass;
    EXPECT_FALSE(rig.canvas.isFirstRenderPending());
    EXPECT_TRUE(rig.canvas.showsAxes());
  }
  EXPECT_EQ(rig.canvas.stripWidth(), 300);
  EXPECT_EQ(rig.canvas.stripHeight(), 280);
}

TEST(DrawView, RenderRedrawsAtOnceWithOverlaysHiddenThenShown) {
  CountingDrawView canvas;
  canvas.initWithFrame(CGRectMake(0, 0, 300, 300));
  canvas.awakeFromNib();
  canvas.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
  ASSERT_TRUE(fixture::waitFor([&] { return canvas.renderCount() == 1; }));
  QCoreApplication::processEvents();

  // Outside any pass, each switch repaints the whole canvas before returning.
  for (const bool on : {false, true}) {
    canvas.passes.clear();
    on ? canvas.showAxes() : canvas.hideAxes();
    ASSERT_EQ(canvas.passes.size(), 1u) << on;
    EXPECT_TRUE(sameRect(canvas.passes[0].dirty, canvas.bounds()));
    EXPECT_EQ(canvas.passes[0].overlays, on);
  }

  // A render: the hidden redraw and the capture without overlays, then the
  // redraw with them; overlays are on again afterwards.
  canvas.passes.clear();
  canvas.doRender(nullptr);
  ASSERT_EQ(canvas.passes.size(), 3u);
  EXPECT_FALSE(canvas.passes[0].overlays);
  EXPECT_FALSE(canvas.passes[1].overlays);
  EXPECT_TRUE(canvas.passes[2].overlays);
  EXPECT_TRUE(canvas.showsAxes());
  EXPECT_EQ(canvas.renderCount(), 2);
}

TEST(DrawView, SetToolTakesTheSelectedTitleAndKeepsTheSelection) {
  CanvasRig rig;
  QButtonGroup group;
  QPushButton buttons[4];
  const char* titles[] = {"Pointer", "Rectangle", "Circle", "Triangle"};
  for (int i = 0; i < 4; ++i) {
    buttons[i].setText(QString::fromLatin1(titles[i]));
    buttons[i].setCheckable(true);
    group.addButton(&buttons[i]);
  }
  for (const bool selected : {false, true}) {
    if (selected) rig.click(CGPointMake(150, 155));
    for (int i : {2, 3, 1, 0}) {
      buttons[i].setChecked(true);
      rig.canvas.setTool(&group);
      EXPECT_EQ(rig.canvas.selectedTool(), QString::fromLatin1(titles[i]));
      EXPECT_EQ(rig.canvas.selectedShapeIndex(), selected ? 1 : -1);
    }
  }
}

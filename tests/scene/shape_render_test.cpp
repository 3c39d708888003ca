#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "render.h"
#include "scene/axis.h"
#include "scene/camera.h"
#include "scene/shape.h"
#include "toolkit/view.h"

using toolkit::Color;
using toolkit::GraphicsContext;

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr double kShift = 1.0 / 16.0;

// A canvas-like view that paints one shape on white.
class ShapeView : public toolkit::View {
 public:
  explicit ShapeView(const Shape& shape) : shape_(shape) {
    initWithFrame(CGRectMake(0, 0, 200, 150));
  }
  void drawRect(GraphicsContext& context, CGRect dirty) override {
    context.painter().fillRect(QRectF(0, 0, 200, 150), Qt::white);
    shape_.drawRect(context, dirty);
  }

 private:
  const Shape& shape_;
};

// Canvas cells x 70..108, y 100..108 and nothing else; the image shows the
// canvas from (originX, originY) on.
void expectCovers40x10(const QImage& image, int originX, int originY, const char* where) {
  int wrong = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int cx = originX + x, cy = originY + image.height() - 1 - y;
      const bool want = cx >= 70 && cx <= 108 && cy >= 100 && cy <= 108;
      if ((image.pixel(x, y) != kWhite) != want) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << where;
}

// Whether a pixel centre lies strictly inside the triangle a, b, c.
bool strictlyInside(CGPoint a, CGPoint b, CGPoint c, CGPoint p) {
  const auto side = [](CGPoint u, CGPoint v, CGPoint q) {
    return (v.x - u.x) * (q.y - u.y) - (v.y - u.y) * (q.x - u.x);
  };
  const double d1 = side(a, b, p), d2 = side(b, c, p), d3 = side(c, a, p);
  return (d1 > 0 && d2 > 0 && d3 > 0) || (d1 < 0 && d2 < 0 && d3 < 0);
}

}  // namespace

TEST(ShapeFill, RectangleCoversTheSameCellsOnScreenAndInAnImage) {
  const auto rect = makeShape<Rectangle>(CGRectMake(70, 100, 40, 10));
  const auto paint = [&](GraphicsContext& c) { rect->drawRect(c, {}); };
  expectCovers40x10(renderScene(200, 150, paint), 0, 0, "y-up painter");

  ShapeView view(*rect);
  expectCovers40x10(view.bitmapOfRect(CGRectMake(0, 0, 200, 150)), 0, 0, "bitmapOfRect");
  expectCovers40x10(view.bitmapOfRect(CGRectMake(50, 90, 80, 30)), 50, 90,
                    "bitmapOfRect of a strip");
  expectCovers40x10(view.grab().toImage().convertToFormat(QImage::Format_RGB32), 0, 0, "screen");
}

TEST(ShapeFill, TriangleRuleIsTheSameFlippedOrNot) {
  // A pixel is filled iff its centre lies strictly inside the outline moved by
  // (-1/16, -1/16), whichever way the painter's y axis runs.
  for (const CGRect r : {CGRectMake(3, 4, 21, 15), CGRectMake(10, 2, 8, 25), CGRectMake(6, 6, 0, 0),
                         CGRectMake(2, 1, 26, 3)}) {
    const auto triangle = makeShape<Triangle>(r);
    const auto& e = triangle->bezierPath().elements();
    const auto shifted = [&](int i) {
      return CGPoint{e[i].point.x - kShift, e[i].point.y - kShift};
    };
    for (bool yUp : {true, false}) {
      const QImage image = renderScene(
          32, 32, [&](GraphicsContext& c) { triangle->drawRect(c, {}); }, yUp);
      int wrong = 0, filled = 0;
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
          const bool want = strictlyInside(shifted(0), shifted(1), shifted(2), {x + 0.5, y + 0.5});
          const bool got = (yUp ? cell(image, x, y) : image.pixel(x, y)) != kWhite;
          wrong += got != want;
          filled += got;
        }
      }
      EXPECT_EQ(wrong, 0) << testing::PrintToString(r) << (yUp ? " y-up" : " y-down");
      if (r.size.width > 0) {
        EXPECT_GT(filled, 0) << testing::PrintToString(r);
      }
    }
  }
}

TEST(ShapeFill, ZeroSizeShapesFollowTheSameRule) {
  // Only the unit square holds a pixel centre strictly inside once shifted:
  // a click without a drag leaves a dot for a rectangle and nothing else.
  const struct {
    std::unique_ptr<Shape> shape;
    int cells;
  } cases[] = {{makeShape<Rectangle>(CGRectMake(10, 10, 0, 0)), 1},
               {makeShape<Circle>(CGRectMake(10, 10, 0, 0)), 0},
               {makeShape<Triangle>(CGRectMake(10, 10, 0, 0)), 0}};
  for (const auto& c : cases) {
    const QImage image = renderScene(20, 20, [&](GraphicsContext& g) { c.shape->drawRect(g, {}); });
    int filled = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) filled += cell(image, x, y) != kWhite;
    }
    EXPECT_EQ(filled, c.cells);
    if (c.cells == 1) {
      EXPECT_NE(cell(image, 9, 9), kWhite);
    }
  }
}

TEST(ShapeFill, EllipseMatchesItsCentreRuleNearlyEverywhere) {
  // Curve flattening moves the rim by a few pixels at most; never the inside.
  const auto oval = makeShape<Circle>(CGRectMake(10, 20, 100, 50));
  const QImage image = renderScene(120, 90, [&](GraphicsContext& c) { oval->drawRect(c, {}); });
  int wrong = 0;
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 120; ++x) {
      const double dx = (x + 0.5 + kShift - 60) / 49.5, dy = (y + 0.5 + kShift - 45) / 24.5;
      const double d = dx * dx + dy * dy;
      const bool got = cell(image, x, y) != kWhite;
      if (got != (d < 1)) {
        ++wrong;
        EXPECT_NEAR(d, 1.0, 0.05) << x << "," << y;
      }
    }
  }
  EXPECT_LE(wrong, 8);
}

TEST(GraphicsState, ShapesLeaveAntialiasingOffAxesAndCameraOn) {
  const auto shape = makeShape<Triangle>(CGRectMake(100, 50, 10, 10));
  Axis axis;
  axis.initWithWidth(100, 10);
  VerticalAxis vertical;
  vertical.initWithWidth(100, 50);
  Camera camera;
  camera.initAtPoint({50, 5}, 7);
  const struct {
    const char* what;
    std::function<void(GraphicsContext&)> draw;
    bool antialias;
  } cases[] = {
      {"shape", [&](GraphicsContext& c) { shape->drawRect(c, {}); }, false},
      {"axis", [&](GraphicsContext& c) { axis.drawRect(c, {}); }, true},
      {"vertical axis", [&](GraphicsContext& c) { vertical.drawRect(c, {}); }, true},
      {"camera", [&](GraphicsContext& c) { camera.drawRect(c, {}); }, true},
  };
  for (const auto& c : cases) {
    for (bool before : {false, true}) {
      renderScene(200, 100, [&](GraphicsContext& context) {
        context.setShouldAntialias(before);
        c.draw(context);
        EXPECT_EQ(context.shouldAntialias(), c.antialias) << c.what;
      });
    }
  }
  renderScene(200, 100, [&](GraphicsContext& context) {
    shape->drawRect(context, {});
    EXPECT_EQ(context.patternPhase(), (CGPoint{95, 60}));
  });
}

TEST(CameraFill, BarCoversWholeCellsInRed) {
  Camera camera;
  camera.initAtPoint({200, 5}, 7);
  const QImage image = renderScene(400, 20, [&](GraphicsContext& c) { camera.drawRect(c, {}); });
  for (int y = 0; y < 20; ++y) {
    for (int x = 180; x < 220; ++x) {
      const bool inside = x >= 193 && x < 207 && y >= 2 && y < 8;
      EXPECT_EQ(cell(image, x, y), inside ? qRgb(255, 0, 0) : kWhite) << x << "," << y;
    }
  }
}

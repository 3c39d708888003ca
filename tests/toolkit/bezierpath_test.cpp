#include "toolkit/bezierpath.h"

#include <gtest/gtest.h>

#include <cmath>

#include "toolkit/test_printers.h"

using toolkit::BezierPath;

namespace {

// A square traced counter-clockwise, or clockwise when `reversed`.
void addSquare(BezierPath& path, double x, double y, double side, bool reversed) {
  path.moveToPoint({x, y});
  if (reversed) {
    path.lineToPoint({x, y + side});
    path.lineToPoint({x + side, y + side});
    path.lineToPoint({x + side, y});
  } else {
    path.lineToPoint({x + side, y});
    path.lineToPoint({x + side, y + side});
    path.lineToPoint({x, y + side});
  }
  path.closePath();
}

}  // namespace

TEST(BezierPath, PointOnAnEdgeIsInside) {
  const BezierPath square = BezierPath::bezierPathWithRect(CGRectMake(0, 0, 10, 10));
  const struct {
    CGPoint p;
    bool want;
  } cases[] = {
      {{5, 5}, true},       {{0, 5}, true},    {{10, 5}, true}, {{5, 0}, true},
      {{5, 10}, true},      {{10, 10}, true},  {{0, 0}, true},  {{10.001, 5}, false},
      {{5, -0.001}, false}, {{-1, -1}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(square.containsPoint(c.p), c.want) << testing::PrintToString(c.p);
  }
  // A sloped edge, and a negative-size rectangle (traced the other way round).
  BezierPath triangle;
  triangle.moveToPoint({0, 0});
  triangle.lineToPoint({10, 0});
  triangle.lineToPoint({0, 10});
  triangle.closePath();
  EXPECT_TRUE(triangle.containsPoint({5, 5}));
  EXPECT_FALSE(triangle.containsPoint({5.001, 5}));
  const BezierPath flipped = BezierPath::bezierPathWithRect(CGRectMake(10, 10, -10, -10));
  EXPECT_TRUE(flipped.containsPoint({5, 5}));
  EXPECT_TRUE(flipped.containsPoint({0, 5}));
}

TEST(BezierPath, ContainsUsesNonZeroWinding) {
  // Two nested squares: traced the same way they wind twice around the middle
  // (inside under non-zero, a hole under even-odd); traced opposite ways they
  // cancel out.
  for (bool reversed : {false, true}) {
    BezierPath path;
    addSquare(path, 0, 0, 10, false);
    addSquare(path, 3, 3, 4, reversed);
    EXPECT_EQ(path.containsPoint({5, 5}), !reversed);
    EXPECT_TRUE(path.containsPoint({1, 1}));
    EXPECT_FALSE(path.containsPoint({11, 5}));
  }
}

TEST(BezierPath, OpenPathIsClosedForThePointTest) {
  BezierPath bar;
  bar.moveToPoint({0, 3});
  bar.lineToPoint({4, 3});
  bar.lineToPoint({4, -3});
  bar.lineToPoint({0, -3});
  EXPECT_TRUE(bar.containsPoint({2, 0}));
  EXPECT_TRUE(bar.containsPoint({0, 0}));  // on the implied closing edge
  EXPECT_FALSE(bar.containsPoint({-0.5, 0}));
}

TEST(BezierPath, OvalPointTestFollowsTheCurve) {
  // Regression: coarse flattening put points 0.25 units inside the rim outside.
  const BezierPath oval = BezierPath::bezierPathWithOvalInRect(CGRectMake(0.5, 0.5, 99, 49));
  for (int degree = 0; degree < 360; degree += 3) {
    const double t = degree * 3.14159265358979 / 180;
    const auto at = [&](double f) {
      return CGPoint{50 + f * 49.5 * std::cos(t), 25 + f * 24.5 * std::sin(t)};
    };
    EXPECT_TRUE(oval.containsPoint(at(0.999))) << degree;
    EXPECT_FALSE(oval.containsPoint(at(1.001))) << degree;
  }
}

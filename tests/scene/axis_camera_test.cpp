#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>
#include <vector>

#include "scene/axis.h"
#include "scene/camera.h"
#include "toolkit/test_printers.h"

using toolkit::BezierPath;
using toolkit::Color;
using Type = BezierPath::ElementType;

namespace {

// Separate segments: each is a move to its first point and a line to its second.
void expectSegments(const BezierPath& path, const std::vector<CGPoint>& ends, const char* what) {
  ASSERT_EQ(path.elements().size(), ends.size()) << what;
  for (size_t i = 0; i < ends.size(); ++i) {
    EXPECT_EQ(path.elements()[i].type, i % 2 == 0 ? Type::MoveTo : Type::LineTo) << what << i;
    EXPECT_EQ(path.elements()[i].point, ends[i]) << what << " element " << i;
  }
}

}  // namespace

TEST(Axis, ThreeSegmentsInOrderWithTheArrowStroke) {
  Axis lower, upper;
  lower.initWithWidth(400, 10.0f);
  upper.initWithWidth(400, 290.0f);
  upper.setColor(Color::redColor());
  VerticalAxis vertical;
  vertical.initWithWidth(300, 150.0f);
  const struct {
    const char* what;
    const Axis& axis;
    std::vector<CGPoint> segments;
    Color color;
  } cases[] = {
      {"lower",
       lower,
       {{1, 10}, {399, 10}, {396, 8}, {399, 10}, {396, 12}, {399, 10}},
       Color::blackColor()},
      {"upper",
       upper,
       {{1, 290}, {399, 290}, {396, 288}, {399, 290}, {396, 292}, {399, 290}},
       Color::redColor()},
      {"vertical",
       vertical,
       {{150, 1}, {150, 299}, {148, 296}, {150, 299}, {152, 296}, {150, 299}},
       Color::blackColor()},
  };
  for (const auto& c : cases) {
    expectSegments(c.axis.bezierPath(), c.segments, c.what);
    const BezierPath& p = c.axis.bezierPath();
    EXPECT_EQ(p.lineWidth(), 2.0) << c.what;
    EXPECT_EQ(p.lineCapStyle(), toolkit::LineCapStyle::Round) << c.what;
    EXPECT_EQ(p.lineJoinStyle(), toolkit::LineJoinStyle::Miter) << c.what;
    EXPECT_EQ(p.miterLimit(), 20.0) << c.what;
    EXPECT_TRUE(c.axis.color() == c.color) << c.what;
  }
  EXPECT_EQ(lower.getLocation(), 10.0f);
  EXPECT_EQ(upper.getLocation(), 290.0f);
}

TEST(Axis, LocationIsASingleFloat) {
  static_assert(std::is_same_v<decltype(Axis().getLocation()), float>);
  Axis axis;
  axis.initWithWidth(400, 10.5f);
  EXPECT_EQ(axis.getLocation(), 10.5f);
  EXPECT_EQ(axis.bezierPath().elements()[2].point, (CGPoint{396, 8.5}));
  // The barb offsets are added in 64 bits to the widened position.
  axis.initWithWidth(400, 0.1f);
  EXPECT_EQ(axis.bezierPath().elements()[4].point.y, static_cast<double>(0.1f) + 2);
}

TEST(Camera, BarReachIsTheWidthButAtLeastOne) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float width;
    double reach;
  } cases[] = {{7, 7}, {0.5f, 1}, {-3, 1}, {1, 1}, {12.5f, 12.5}, {nan, 1}, {0.99999994f, 1}};
  Camera camera;
  camera.initAtPoint({200, 5}, 7);
  for (const auto& c : cases) {
    camera.setWidth(c.width);
    const double h = c.reach;
    const auto& e = camera.bezierPath().elements();
    ASSERT_EQ(e.size(), 4u);
    const std::vector<CGPoint> corners = {{200 - h, 8}, {200 + h, 8}, {200 + h, 2}, {200 - h, 2}};
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(e[i].type, i == 0 ? Type::MoveTo : Type::LineTo);
      EXPECT_EQ(e[i].point, corners[i]) << c.width << " corner " << i;
    }
    EXPECT_EQ(camera.location(), (CGPoint{200, 5}));
  }
}

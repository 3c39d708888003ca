#include "scene/shape.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/test_printers.h"

using toolkit::BezierPath;
using toolkit::Color;

namespace {

using Maker = std::function<std::unique_ptr<Shape>(CGRect)>;
const struct Kind {
  const char* name;
  Maker make;
} kKinds[] = {
    {"Rectangle", [](CGRect r) -> std::unique_ptr<Shape> { return makeShape<Rectangle>(r); }},
    {"Circle", [](CGRect r) -> std::unique_ptr<Shape> { return makeShape<Circle>(r); }},
    {"Triangle", [](CGRect r) -> std::unique_ptr<Shape> { return makeShape<Triangle>(r); }},
};

std::unique_ptr<Shape> make(const char* kind, CGRect r) {
  for (const Kind& k : kKinds) {
    if (std::string(k.name) == kind) return k.make(r);
  }
  return nullptr;
}

void expectSameOutline(const BezierPath& a, const BezierPath& b, const char* what) {
  ASSERT_EQ(a.elements().size(), b.elements().size()) << what;
  for (size_t i = 0; i < a.elements().size(); ++i) {
    EXPECT_EQ(a.elements()[i].type, b.elements()[i].type) << what << " element " << i;
    EXPECT_EQ(a.elements()[i].point, b.elements()[i].point) << what << " element " << i;
  }
}

}  // namespace

TEST(Shape, PointTestFollowsTheInsetOutline) {
  const struct {
    const char* kind;
    CGRect rect;
    CGPoint p;
    bool want;
  } cases[] = {
      {"Rectangle", CGRectMake(10, 20, 30, 40), {10.2, 30}, false},
      {"Rectangle", CGRectMake(10, 20, 30, 40), {11, 30}, true},
      {"Rectangle", CGRectMake(10, 20, 30, 40), {10.5, 30}, true},  // on the edge
      {"Rectangle", CGRectMake(10, 20, 30, 40), {39.6, 59}, false},
      {"Circle", CGRectMake(0, 0, 100, 50), {3, 3}, false},
      {"Circle", CGRectMake(0, 0, 100, 50), {50, 25}, true},
      {"Circle", CGRectMake(0, 0, 100, 50), {0.5, 25}, true},  // on the tangent point
      {"Circle", CGRectMake(0, 0, 100, 50), {0.4, 25}, false},
      {"Circle", CGRectMake(0, 0, 100, 50), {50, 49.6}, false},
      {"Triangle", CGRectMake(0, 0, 10, 20), {5, 10}, true},
      {"Triangle", CGRectMake(0, 0, 10, 20), {1, 19}, false},  // upper left corner
      {"Triangle", CGRectMake(0, 0, 10, 20), {9, 19}, false},  // upper right corner
      {"Triangle", CGRectMake(0, 0, 10, 20), {5, 0.4}, false},
      {"Triangle", CGRectMake(0, 0, 10, 20), {5, 0.5}, true},  // on the base
      // Zero size, as a click without a drag makes: each contains its own position.
      {"Rectangle", CGRectMake(7, 9, 0, 0), {7, 9}, true},
      {"Rectangle", CGRectMake(7, 9, 0, 0), {6.5, 8.5}, true},
      {"Rectangle", CGRectMake(7, 9, 0, 0), {7.6, 9}, false},
      {"Circle", CGRectMake(7, 9, 0, 0), {7, 9}, true},
      {"Circle", CGRectMake(7, 9, 0, 0), {7.45, 9}, true},
      {"Circle", CGRectMake(7, 9, 0, 0), {7.4, 9.4}, false},  // corner of the unit square
      {"Triangle", CGRectMake(7, 9, 0, 0), {7, 9}, true},
      {"Triangle", CGRectMake(7, 9, 0, 0), {7, 8.6}, true},
      {"Triangle", CGRectMake(7, 9, 0, 0), {6.6, 8.6}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(make(c.kind, c.rect)->containsPoint(c.p), c.want)
        << c.kind << " " << testing::PrintToString(c.rect) << " " << testing::PrintToString(c.p);
  }
}

TEST(Shape, OutlinesAreBuiltFromTheInsetRect) {
  const auto triangle = makeShape<Triangle>(CGRectMake(0, 0, 10, 20));
  const std::vector<CGPoint> vertices = {{0.5, 0.5}, {9.5, 0.5}, {5.0, 19.5}, {0.5, 0.5}};
  const auto& t = triangle->bezierPath().elements();
  ASSERT_EQ(t.size(), 4u);
  for (size_t i = 0; i < t.size(); ++i) EXPECT_EQ(t[i].point, vertices[i]) << i;
  EXPECT_EQ(t[3].type, BezierPath::ElementType::ClosePath);
  EXPECT_EQ(triangle->bezierPath().lineWidth(), 1.0);

  // Zero size: the small triangle with its apex below the base.
  const auto dot = makeShape<Triangle>(CGRectMake(7, 9, 0, 0));
  const std::vector<CGPoint> small = {{7.5, 9.5}, {6.5, 9.5}, {7, 8.5}};
  for (size_t i = 0; i < small.size(); ++i) {
    EXPECT_EQ(dot->bezierPath().elements()[i].point, small[i]) << i;
  }

  expectSameOutline(makeShape<Rectangle>(CGRectMake(10, 20, 30, 40))->bezierPath(),
                    BezierPath::bezierPathWithRect(CGRectMake(10.5, 20.5, 29, 39)), "rectangle");
  expectSameOutline(makeShape<Circle>(CGRectMake(0, 0, 100, 50))->bezierPath(),
                    BezierPath::bezierPathWithOvalInRect(CGRectMake(0.5, 0.5, 99, 49)), "oval");
}

TEST(Shape, NewShapeIsGrayAndKeepsItsRectUnchanged) {
  for (const Kind& k : kKinds) {
    const auto shape = k.make(CGRectMake(10, 20, 30, 40));
    EXPECT_EQ(shape->rect(), CGRectMake(10, 20, 30, 40)) << k.name;
    EXPECT_TRUE(shape->color() == Color::grayColor()) << k.name;
    EXPECT_TRUE(shape->image().isNull()) << k.name;
  }
}

TEST(Shape, TranslateOriginRebuildsTheSubclassOutline) {
  for (const Kind& k : kKinds) {
    for (const CGSize delta : {CGSize{5, -2}, CGSize{0, 0}}) {
      std::unique_ptr<Shape> shape = k.make(CGRectMake(10, 20, 30, 40));
      shape->translateOrigin(delta);
      const CGRect want = CGRectMake(10 + delta.width, 20 + delta.height, 30, 40);
      EXPECT_EQ(shape->rect(), want) << k.name;
      expectSameOutline(shape->bezierPath(), k.make(want)->bezierPath(), k.name);
    }
  }
  // Through the base class a Circle is still an oval: its outline has curves.
  std::unique_ptr<Shape> circle = makeShape<Circle>(CGRectMake(0, 0, 20, 20));
  circle->translateOrigin({3, 3});
  EXPECT_EQ(circle->bezierPath().elements()[1].type, BezierPath::ElementType::CurveTo);
  EXPECT_FALSE(circle->containsPoint({4, 4}));
}

TEST(Shape, KnobHitTestOrderAnchorsAndExcludedEdges) {
  const CGPoint untouched{-1234, -5678};
  const struct {
    CGRect rect;
    CGPoint p;
    bool hit;
    CGPoint anchor;
  } cases[] = {
      {CGRectMake(100, 100, 50, 40), {97, 97}, true, {150, 140}},
      {CGRectMake(100, 100, 50, 40), {152.9, 142.9}, true, {100, 100}},
      {CGRectMake(100, 100, 50, 40), {150, 100}, true, {100, 140}},
      {CGRectMake(100, 100, 50, 40), {100, 140}, true, {150, 100}},
      {CGRectMake(100, 100, 50, 40), {103, 100}, false, untouched},  // right edge of a knob
      {CGRectMake(100, 100, 50, 40), {100, 103}, false, untouched},  // top edge of a knob
      {CGRectMake(100, 100, 50, 40), {153, 140}, false, untouched},
      {CGRectMake(100, 100, 50, 40), {96.9, 100}, false, untouched},
      {CGRectMake(100, 100, 50, 40), {125, 120}, false, untouched},
      {CGRectMake(0, 0, 4, 4), {2, 2}, true, {4, 4}},  // all four overlap: origin wins
      {CGRectMake(0, 0, 4, 4), {6, 6}, true, {0, 0}},
      {CGRectMake(0, 0, 4, 4), {6, 0}, true, {0, 4}},
      {CGRectMake(20, 30, 0, 0), {22, 28}, true, {20, 30}},
  };
  for (const auto& c : cases) {
    const auto shape = makeShape<Rectangle>(c.rect);
    CGPoint anchor = untouched;
    EXPECT_EQ(shape->getAnchorPoint(&anchor, c.p), c.hit) << testing::PrintToString(c.p);
    EXPECT_EQ(anchor, c.anchor) << testing::PrintToString(c.p);
  }
}

// How much of a shape edits keep in sight, over random rectangles on two
// canvases: an edit that stays in sight is left exactly as asked, one that
// would leave sight stops exactly where the margin remains, and a shape
// already out of sight never goes farther out.
#include "scene/insight.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "toolkit/test_printers.h"

namespace {

using insight::kMargin;

struct Axis {
  double origin, size, start, length;
  // How far the rectangle reaches into the canvas on this axis (negative: apart).
  double shown() const { return std::min(origin + size, start + length) - std::max(origin, start); }
  // The least it must show: the margin, or all of it when it is smaller.
  double needed() const { return std::min(size, kMargin); }
  // How far it lacks that (0 when in sight).
  double lack() const { return std::max(0.0, needed() - shown()); }
};

Axis xOf(CGRect r, CGRect canvas) {
  return {r.origin.x, r.size.width, canvas.origin.x, canvas.size.width};
}
Axis yOf(CGRect r, CGRect canvas) {
  return {r.origin.y, r.size.height, canvas.origin.y, canvas.size.height};
}

bool sameBits(CGRect a, CGRect b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

bool between(double v, double a, double b) {
  return v >= std::min(a, b) && v <= std::max(a, b);
}

CGRect band(CGPoint a, CGPoint b) {
  return CGRectMake(std::min(a.x, b.x), std::min(a.y, b.y), std::abs(a.x - b.x),
                    std::abs(a.y - b.y));
}

class Random {
 public:
  explicit Random(unsigned seed) : engine_(seed) {}
  // Half units too, from well off one side to well off the other.
  double coordinate() { return std::uniform_int_distribution<int>(-800, 1400)(engine_) / 2.0; }
  double size() {
    const int small = std::uniform_int_distribution<int>(0, 9)(engine_);
    return small < 4 ? small : std::uniform_int_distribution<int>(0, 800)(engine_) / 2.0;
  }
  CGRect rect() { return CGRectMake(coordinate(), coordinate(), size(), size()); }
  CGPoint point() { return {coordinate(), coordinate()}; }
  double step() { return std::uniform_int_distribution<int>(-300, 300)(engine_) / 2.0; }

 private:
  std::mt19937 engine_;
};

TEST(Insight, MovesPlacesAndResizesKeepTheMarginAndChangeNothingElse) {
  const CGRect canvases[] = {CGRectMake(0, 0, 300, 300), CGRectMake(50, -20, 200, 120)};
  int clampedMoves = 0, exactMoves = 0, clampedCorners = 0;
  for (const CGRect canvas : canvases) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
      Random random(seed);
      for (int i = 0; i < 3000; ++i) {
        const CGRect from = random.rect();
        const CGRect to = NSOffsetRect(from, random.step(), random.step());
        const CGRect moved = insight::keptMove(from, to, canvas);
        EXPECT_EQ(moved.size, from.size);
        if (insight::isInSight(to, canvas)) {
          ++exactMoves;
          ASSERT_TRUE(sameBits(moved, to));
        }
        for (auto axis : {xOf, yOf}) {
          const Axis was = axis(from, canvas), want = axis(to, canvas), got = axis(moved, canvas);
          // It stops on the way, never past where it was asked to go.
          ASSERT_TRUE(between(got.origin, was.origin, want.origin));
          // Never farther out than it was; in sight if it was.
          ASSERT_LE(got.lack(), was.lack());
          if (got.origin != want.origin && was.lack() == 0) {
            ++clampedMoves;
            // Stopped exactly where the margin remains, not before.
            ASSERT_EQ(got.shown(), got.needed());
          }
        }
        if (insight::isInSight(from, canvas)) {
          ASSERT_TRUE(insight::isInSight(moved, canvas));
        }

        // A copy goes to the nearest place in sight.
        const CGRect placed = insight::keptPlace(to, canvas);
        ASSERT_TRUE(insight::isInSight(placed, canvas));
        if (insight::isInSight(to, canvas)) {
          ASSERT_TRUE(sameBits(placed, to));
        }
        for (auto axis : {xOf, yOf}) {
          const Axis want = axis(to, canvas), got = axis(placed, canvas);
          if (got.origin != want.origin) {
            ASSERT_EQ(got.shown(), got.needed());
          }
        }

        // A resize drags a corner; the band to the anchor stays in sight.
        const CGPoint anchor = random.point(), corner = random.point();
        const CGPoint kept = insight::keptCorner(anchor, corner, canvas);
        const CGRect resized = band(anchor, kept);
        ASSERT_TRUE(insight::isInSight(resized, canvas));
        if (insight::isInSight(band(anchor, corner), canvas)) {
          ASSERT_EQ(kept, corner);
        } else {
          ++clampedCorners;
          for (auto axis : {xOf, yOf}) {
            const Axis want = axis(band(anchor, corner), canvas), got = axis(resized, canvas);
            if (got.origin != want.origin || got.size != want.size) {
              ASSERT_EQ(got.shown(), got.needed());
            }
          }
        }
      }
    }
  }
  // The cases reached every branch often.
  EXPECT_GT(exactMoves, 1000);
  EXPECT_GT(clampedMoves, 1000);
  EXPECT_GT(clampedCorners, 1000);
}

TEST(Insight, TheMarginIsAFewUnitsOrTheWholeOfASmallShape) {
  const CGRect canvas = CGRectMake(0, 0, 300, 300);
  const struct Case {
    CGRect rect;
    bool inSight;
  } cases[] = {
      {CGRectMake(-36, 100, 40, 10), true},     {CGRectMake(-36.5, 100, 40, 10), false},
      {CGRectMake(296, 100, 40, 10), true},     {CGRectMake(296.5, 100, 40, 10), false},
      {CGRectMake(100, 296, 40, 10), true},     {CGRectMake(100, 313, 40, 10), false},
      {CGRectMake(100, -6, 40, 10), true},      {CGRectMake(100, -112, 40, 10), false},
      {CGRectMake(0, 0, 2, 2), true},           {CGRectMake(-1, 0, 2, 2), false},
      {CGRectMake(298, 298, 2, 2), true},       {CGRectMake(298.5, 298, 2, 2), false},
      {CGRectMake(300, 150, 0, 0), true},       {CGRectMake(-500, -500, 1000, 1000), true},
      {CGRectMake(-500, 10, 1000, 1000), true}, {CGRectMake(-500, 297, 1000, 1000), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(insight::isInSight(c.rect, canvas), c.inSight) << ::testing::PrintToString(c.rect);
  }
  // A marker's point is the canvas point nearest the shape's centre.
  EXPECT_EQ(insight::nearestInside(CGRectMake(100, 313, 40, 10), canvas), CGPointMake(120, 300));
  EXPECT_EQ(insight::nearestInside(CGRectMake(-90, -112, 40, 10), canvas), CGPointMake(0, 0));
}

}  // namespace

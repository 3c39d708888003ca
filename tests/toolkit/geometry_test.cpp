#include "toolkit/geometry.h"

#include <gtest/gtest.h>

#include "toolkit/test_printers.h"

TEST(Geometry, InsetRectIsPlainArithmeticWithoutClamping) {
  const struct {
    CGRect r;
    double dx, dy;
    CGRect want;
  } cases[] = {
      {CGRectMake(10, 20, 30, 40), 0.5, 0.5, CGRectMake(10.5, 20.5, 29, 39)},
      {CGRectMake(5, 7, 0, 0), 0.5, 0.5, CGRectMake(5.5, 7.5, -1, -1)},
      {CGRectMake(0, 0, 4, 4), -3, -3, CGRectMake(-3, -3, 10, 10)},
  };
  for (const auto& c : cases) EXPECT_EQ(NSInsetRect(c.r, c.dx, c.dy), c.want);
}

TEST(Geometry, UnionCoversBothAndIgnoresEmpty) {
  const CGRect a = CGRectMake(0, 0, 10, 10);
  EXPECT_EQ(NSUnionRect(a, CGRectMake(20, 5, 5, 20)), CGRectMake(0, 0, 25, 25));
  EXPECT_EQ(NSUnionRect(CGRectMake(-5, 2, 3, 1), a), CGRectMake(-5, 0, 15, 10));
  EXPECT_EQ(NSUnionRect(a, CGRectMake(100, 100, 0, 0)), a);
  EXPECT_EQ(NSUnionRect(CGRectMake(100, 100, 0, 5), a), a);
}

TEST(Geometry, IntersectsOnlyWithArea) {
  const CGRect a = CGRectMake(0, 0, 10, 10);
  const struct {
    CGRect b;
    bool want;
  } cases[] = {
      {CGRectMake(5, 5, 10, 10), true},     // overlap
      {CGRectMake(2, 2, 1, 1), true},       // inside
      {CGRectMake(10, 0, 5, 10), false},    // touching right edge
      {CGRectMake(0, -5, 10, 5), false},    // touching bottom edge
      {CGRectMake(10, 10, 5, 5), false},    // touching corner
      {CGRectMake(5, 5, 0, 3), false},      // empty, inside
      {CGRectMake(9.5, 9.5, 1, 1), true},   // small overlap
      {CGRectMake(-20, -20, 5, 5), false},  // apart
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NSIntersectsRect(a, c.b), c.want) << testing::PrintToString(c.b);
    EXPECT_EQ(NSIntersectsRect(c.b, a), c.want) << testing::PrintToString(c.b);
  }
}

TEST(Geometry, PointInRectIsHalfOpen) {
  const CGRect r = CGRectMake(0, 0, 10, 10);
  const struct {
    CGPoint p;
    bool want;
  } cases[] = {
      {{0, 0}, true},       {{9.999, 9.999}, true}, {{10, 5}, false},  {{5, 10}, false},
      {{-0.001, 5}, false}, {{5, -0.001}, false},   {{10, 10}, false}, {{0, 9.5}, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NSPointInRect(c.p, r), c.want) << testing::PrintToString(c.p);
  EXPECT_FALSE(NSPointInRect({0, 0}, CGRectMake(0, 0, 0, 0)));
}

// The current light field as a value: copies share pixels that never change
// under them, and a publisher's reuse of storage never reaches a copy.
#include "lightfield/lightfieldvalue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using lightfield::LightField;
using lightfield::RayGeometry;
using lightfield::Source;

TEST(LightFieldValue, ReusedStorageNeverChangesACopyHeldElsewhere) {
  std::vector<unsigned char> first(3 * 4 * 4, 10), second(3 * 4 * 4, 20), strip(3 * 4 * 3, 30);
  LightField field;
  EXPECT_TRUE(field.isEmpty());
  EXPECT_EQ(field.pixels(), nullptr);
  field.assign(4, 4, first.data(), RayGeometry{}, Source::Canvas, strip.data(), 3);
  const unsigned char* storage = field.pixels();
  ASSERT_NE(storage, first.data());  // a copy, not the caller's buffer
  EXPECT_EQ(field.stripHeight(), 3);
  EXPECT_EQ(field.strip(), strip);

  // Unshared: the next image lands in the same storage.
  field.assign(4, 4, second.data(), RayGeometry{}, Source::Canvas);
  EXPECT_EQ(field.pixels(), storage);
  EXPECT_EQ(*field.pixel(3, 3), 20);
  EXPECT_TRUE(field.strip().empty());

  // Shared: the copy keeps what it had, the value gets storage of its own.
  const LightField held = field;
  field.assign(4, 4, first.data(), RayGeometry{}, Source::File);
  EXPECT_EQ(*held.pixel(0, 0), 20);
  EXPECT_EQ(*field.pixel(0, 0), 10);
  EXPECT_NE(field.pixels(), held.pixels());
  EXPECT_EQ(held.source(), Source::Canvas);

  // No pixels: empty, whatever size was asked for.
  field.assign(4, 4, nullptr, RayGeometry{}, Source::Canvas);
  EXPECT_TRUE(field.isEmpty());
  EXPECT_EQ(field.pixels(), nullptr);
}

TEST(LightFieldValue, GeometryTurnsFractionsIntoHeightsAndSlopes) {
  const RayGeometry g;
  for (const double lambda : {0.0, 0.25, 0.5, 0.9}) {
    EXPECT_DOUBLE_EQ(g.fractionOfHeight(g.heightOfFraction(lambda)), lambda);
    EXPECT_NEAR(RayGeometry::fractionOfSlope(RayGeometry::slopeOfFraction(lambda)), lambda, 1e-12);
    // A point at lambda: rays (u, v) with v + lambda (u - v) = x. One column right, the
    // lower-line position falls by lambda / (1 - lambda): rows down in the image.
    const double x = 100, u = 120;
    const double v = (x - lambda * u) / (1 - lambda);
    const double vNext = (x - lambda * (u + 1)) / (1 - lambda);
    EXPECT_NEAR(v - vNext, RayGeometry::slopeOfFraction(lambda), 1e-9);
  }
  EXPECT_DOUBLE_EQ(g.heightOfFraction(0), 10.0);
  EXPECT_DOUBLE_EQ(g.heightOfFraction(1), 290.0);
}

}  // namespace

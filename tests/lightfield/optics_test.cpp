// The geometry behind the teaching aids, checked against the engine's own
// sampling (the literal reference) and against brute force.
#include "lightfield/optics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "lightfield/reference.h"
#include "lightfield/strips.h"

namespace lightfield::optics {
namespace {

using Bytes = std::vector<unsigned char>;

TEST(Optics, FocusLineHeightForTheSliderLandmarks) {
  const struct {
    double degrees, y;
  } cases[] = {{0, 10.0}, {30, 112.4871}, {45, 150.0}, {60, 187.5129}, {90, 290.0}};
  for (const auto& c : cases) {
    EXPECT_NEAR(heightOfFraction(focusFraction(c.degrees)), c.y, 1e-3) << c.degrees;
    // Focusing on that height gives the angle back.
    EXPECT_NEAR(focusDegreesForFraction(focusFraction(c.degrees)), c.degrees, 1e-9) << c.degrees;
  }
  EXPECT_EQ(focusDegreesForFraction(-0.5), 0.0);
  EXPECT_EQ(focusDegreesForFraction(1.5), 90.0);
}

TEST(Optics, BandHoldsTheHeightsBlurredByAtMostOnePixel) {
  for (double degrees : {5.0, 30.0, 45.0, 60.0, 85.0, 90.0}) {
    for (int d : {1, 3, 10, 50}) {
      const Band band = sharpBand(degrees, d);
      const double focus = focusFraction(degrees);
      ASSERT_LE(band.low, focus);
      ASSERT_GE(band.high, focus);
      for (int k = 1; k < 400; ++k) {
        const double lambda = k / 400.0;
        const bool inside = lambda >= band.low && lambda <= band.high;
        EXPECT_EQ(inside, edgeBlur(degrees, d, lambda) <= 1.0 + 1e-9)
            << degrees << " deg, d " << d << ", lambda " << lambda;
      }
    }
  }
  // The band of the engine's truncated samples: blurred at most one pixel, not
  // one pixel more than the sharpest height, so low angles have none.
  for (double degrees : {0.0, 1.0, 5.0, 20.0, 30.0, 45.0, 60.0, 80.0, 85.0, 90.0}) {
    for (int d : {0, 1, 3, 10, 50}) {
      const auto angle = static_cast<float>(degrees * 0.017453292500000002);
      std::vector<Pixel> samples;
      photoSamples(300, 150, d, std::cos(angle), std::sin(angle), samples);
      const Band real = sampledBand(samples, 300);
      const double least = sharpestBlur(samples, 300);
      double sharpest = 1e9;
      for (int k = 20; k <= 20000; ++k) {
        const double blur = sampledBlur(samples, 300, k / 20000.0);
        sharpest = std::min(sharpest, blur);
        ASSERT_GE(blur, least - 1e-9) << degrees << " deg, d " << d << ", k " << k;
      }
      // A blur the search met, and none of the grid's is less.
      EXPECT_LE(least, sharpest + 1e-9) << degrees << " deg, d " << d;
      // Empty exactly when no height qualifies.
      EXPECT_EQ(real.low > real.high, least > 1.0 + 1e-9) << degrees << " deg, d " << d;
      for (int k = 1; k < 400; ++k) {
        const double lambda = k / 400.0, blur = sampledBlur(samples, 300, lambda);
        const bool inside = lambda >= real.low && lambda <= real.high;
        if (std::abs(blur - 1.0) > 1e-9) {
          EXPECT_EQ(inside, blur < 1.0) << degrees << " deg, d " << d << ", lambda " << lambda;
        }
      }
    }
  }
  // Edge-on, every height spreads over 2 d pixels: no band by either measure.
  EXPECT_GT(sharpBand(0, 10).low, sharpBand(0, 10).high);
  EXPECT_EQ(edgeBlur(0, 10, 0.5), 20.0);
  // A pinhole keeps the whole strip sharp; a wider aperture narrows the band.
  EXPECT_EQ(sharpBand(45, 0).low, 0.0);
  EXPECT_EQ(sharpBand(45, 0).high, 1.0);
  EXPECT_LT(sharpBand(45, 20).high - sharpBand(45, 20).low,
            sharpBand(45, 5).high - sharpBand(45, 5).low);
}

TEST(Optics, DualLineIsExactlyTheRaysPassingWithinHalfAUnit) {
  strips::Rng rng(9);
  std::vector<std::pair<double, double>> points = {{150, 0.0},    {150, 1.0},   {0, 0.5},
                                                   {299.5, 0.25}, {10.5, 0.75}, {150, 1.0 - 1e-12}};
  for (int i = 0; i < 60; ++i) points.push_back({rng.unit() * 300.0, rng.unit()});
  std::vector<ColumnRun> runs;
  for (int n : {1, 7, 300}) {
    for (const auto& [x, lambda] : points) {
      dualLine(x, lambda, n, runs);
      std::set<std::pair<int, int>> got, want;
      for (const ColumnRun& r : runs)
        for (int v = r.vLow; v <= r.vHigh; ++v) got.insert({r.u, v});
      for (int u = 0; u < n; ++u)
        for (int v = 0; v < n; ++v)
          if (std::abs(v + lambda * (u - v) - x) <= 0.5) want.insert({u, v});
      EXPECT_EQ(got, want) << "n " << n << ", x " << x << ", lambda " << lambda;
    }
  }
}

TEST(Optics, PhotoSamplesLieExactlyOnTheEngineMarks) {
  const int n = 300;
  const Bytes rays = strips::denseRects(n, n, 4);
  std::vector<Pixel> samples;
  for (double degrees : {0.0, 12.3, 45.0, 77.7, 90.0}) {
    for (int d : {0, 1, 10, 50}) {
      const auto angle = static_cast<float>(degrees * 0.017453292500000002);
      const float c = std::cos(angle), s = std::sin(angle);
      Bytes photo(3 * n), marks(3 * n * n, 255);
      reference::takePhoto(rays.data(), n, n, photo.data(), marks.data(), d, c, s);
      // Every pixel's samples, duplicates included, average to its photo colour.
      for (int i = 0; i < n; ++i) {
        photoSamples(n, i, d, c, s, samples);
        long long sum[3] = {0, 0, 0};
        for (const Pixel& p : samples)
          for (int ch = 0; ch < 3; ++ch) sum[ch] += rays[3 * (p.row * n + p.column) + ch];
        for (int ch = 0; ch < 3; ++ch) {
          const long long mean = samples.empty() ? 255 : sum[ch] / (long long)samples.size();
          ASSERT_EQ(mean, photo[3 * i + ch]) << degrees << " deg, d " << d << ", pixel " << i;
        }
      }
      // The samples of every tenth pixel are exactly the black marks.
      std::set<std::pair<int, int>> all, marked;
      for (int i = 0; i < n; i += 10) {
        photoSamples(n, i, d, c, s, samples);
        for (const Pixel& p : samples) all.insert({p.column, p.row});
      }
      for (int row = 0; row < n; ++row)
        for (int col = 0; col < n; ++col)
          if (marks[3 * (row * n + col)] == 0) marked.insert({col, row});
      EXPECT_EQ(all, marked) << degrees << " deg, d " << d;
    }
  }
}

TEST(Optics, FirstHitIsThePixelTheRaySpaceImageTakesItsColourFrom) {
  for (const auto& [n, h, seed] : {std::tuple{40, 28, 1}, std::tuple{300, 280, 2},
                                   std::tuple{13, 1, 3}, std::tuple{20, 2, 4}}) {
    const Bytes strip = strips::denseRects(n, h, static_cast<std::uint64_t>(seed), 12);
    Bytes rays(3 * n * n);
    reference::processImage(strip.data(), h, n, rays.data());
    for (int u = 0; u < n; ++u) {
      for (int v = 0; v < n; ++v) {
        const unsigned char* ray = &rays[3 * ((n - 1 - v) * n + u)];
        const auto hit = firstHit(strip.data(), h, n, u, v);
        const bool white = ray[0] == 255 && ray[1] == 255 && ray[2] == 255;
        ASSERT_EQ(hit.has_value(), !white) << u << ", " << v;
        if (hit) {
          const unsigned char* p = &strip[3 * (hit->row * n + hit->column)];
          ASSERT_EQ(Bytes(p, p + 3), Bytes(ray, ray + 3)) << u << ", " << v;
        }
      }
    }
  }
  EXPECT_FALSE(firstHit(nullptr, 10, 10, 0, 0).has_value());
  const Bytes strip = strips::white(10, 10);
  EXPECT_FALSE(firstHit(strip.data(), 10, 10, 10, 0).has_value());
}

}  // namespace
}  // namespace lightfield::optics

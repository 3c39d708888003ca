#include "lightfield/depth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "lightfield/lightfield.h"
#include "lightfield/optics.h"
#include "lightfield/planes.h"
#include "lightfield/reference.h"
#include "lightfield/strips.h"

namespace lightfield::depth {
namespace {

using Bytes = std::vector<unsigned char>;
using Floats = std::vector<float>;
using strips::Rng;
using strips::Scene;

constexpr int kH = 280;

Bytes raysOf(const Bytes& strip, int n) {
  Bytes rays(std::size_t(3) * n * n);
  processImage(strip.data(), kH, n, rays.data());
  return rays;
}

// The true fraction of the first thing ray (u, v) meets: strip row k lies at 1 - k / (h - 1),
// the fraction at which the ray's samples cross it.
std::optional<double> truth(const Bytes& strip, int n, int u, int v) {
  const auto hit = optics::firstHit(strip.data(), kH, n, u, v);
  if (!hit) return {};
  return 1.0 - double(hit->row) / (kH - 1);
}

double median(std::vector<double> v) {
  if (v.empty()) return 0.0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

Bytes noise(int n, std::uint64_t seed) {
  Rng rng(seed);
  Bytes image(std::size_t(3) * n * n);
  for (auto& b : image) b = (unsigned char)rng.range(0, 255);
  return image;
}

// ---------------------------------------------------------------------------------------------
// Depth from slopes

// The tensor by the obvious loops, in double, borders repeated.
struct Tensor {
  double uu, ur, rr;
};
Tensor referenceTensor(const Bytes& image, int rows, int n, int u, int r) {
  const auto at = [&](int x, int y) {
    x = std::clamp(x, 0, n - 1);
    y = std::clamp(y, 0, rows - 1);
    const unsigned char* p = &image[std::size_t(3) * (std::size_t(y) * n + x)];
    return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
  };
  const double smoothing[] = {3, 10, 3};
  const auto gradient = [&](int x, int y, double& gu, double& gr) {
    gu = gr = 0;
    for (int j = -1; j <= 1; ++j) {
      gu += smoothing[j + 1] * (at(x + 1, y + j) - at(x - 1, y + j)) / 32;
      gr += smoothing[j + 1] * (at(x + j, y + 1) - at(x + j, y - 1)) / 32;
    }
  };
  double weights[2 * kTensorRadius + 1], total = 0;
  for (int k = -kTensorRadius; k <= kTensorRadius; ++k)
    total += weights[k + kTensorRadius] =
        std::exp(-0.5 * (k / double(kTensorSigma)) * (k / double(kTensorSigma)));
  Tensor t{0, 0, 0};
  for (int a = -kTensorRadius; a <= kTensorRadius; ++a)
    for (int b = -kTensorRadius; b <= kTensorRadius; ++b) {
      // The smoothing repeats the border of the gradient images, not of the luminance.
      const int x = std::clamp(u + a, 0, n - 1), y = std::clamp(r + b, 0, rows - 1);
      double gu, gr;
      gradient(x, y, gu, gr);
      const double w = weights[a + kTensorRadius] * weights[b + kTensorRadius] / (total * total);
      t.uu += w * gu * gu;
      t.ur += w * gu * gr;
      t.rr += w * gr * gr;
    }
  return t;
}

// Sums in float differ from the double loop by rounding only: a relative 1e-4 of the tensor's
// size catches any wrong tap, weight, border or sign.
TEST(StructureTensor, EqualsTheObviousLoop) {
  Rng rng(5);
  for (int trial = 0; trial < 12; ++trial) {
    const int n = trial < 4 ? trial + 1 : rng.range(5, 40);
    const Bytes image =
        trial % 3 == 2 ? raysOf(strips::denseRects(n, kH, rng.next(), 6), n) : noise(n, rng.next());
    Floats scratch(slopeScratchSize(n));
    structureTensor(image.data(), n, scratch.data());
    const std::size_t plane = std::size_t(n) * n;
    for (int r = 0; r < n; ++r)
      for (int u = 0; u < n; ++u) {
        const Tensor want = referenceTensor(image, n, n, u, r);
        const std::size_t p = std::size_t(r) * n + u;
        const double tolerance = 1e-4 * (want.uu + want.rr) + 1e-3;
        ASSERT_NEAR(scratch[p], want.uu, tolerance) << "n=" << n << " u=" << u << " r=" << r;
        ASSERT_NEAR(scratch[plane + p], want.ur, tolerance) << "n=" << n << " u=" << u;
        ASSERT_NEAR(scratch[2 * plane + p], want.rr, tolerance) << "n=" << n << " u=" << u;
      }
  }
}

// A light field's image is a few views by many pixels, or the other way round: the same loops
// with the rows and columns clamped apart.
TEST(StructureTensor, RowsByColumnsEqualsTheObviousLoop) {
  Rng rng(6);
  for (int trial = 0; trial < 10; ++trial) {
    const int rows = trial < 3 ? trial + 1 : rng.range(2, 24);
    const int columns = trial % 2 == 0 ? rng.range(1, 60) : rng.range(1, 9);
    Bytes image(std::size_t(3) * rows * columns);
    for (auto& b : image) b = (unsigned char)rng.range(0, 255);
    const std::size_t plane = std::size_t(rows) * columns;
    Floats scratch(slopeScratchSize(rows, columns));
    ASSERT_EQ(scratch.size(), 6 * plane);
    structureTensor(image.data(), rows, columns, scratch.data());
    for (int r = 0; r < rows; ++r)
      for (int u = 0; u < columns; ++u) {
        const Tensor want = referenceTensor(image, rows, columns, u, r);
        const std::size_t p = std::size_t(r) * columns + u;
        const double tolerance = 1e-4 * (want.uu + want.rr) + 1e-3;
        const auto where = [&] {
          return ::testing::Message() << rows << "x" << columns << " u=" << u << " r=" << r;
        };
        ASSERT_NEAR(scratch[p], want.uu, tolerance) << where();
        ASSERT_NEAR(scratch[plane + p], want.ur, tolerance) << where();
        ASSERT_NEAR(scratch[2 * plane + p], want.rr, tolerance) << where();
      }
  }
}

// FNV-1a over the floats' bits: the square estimate, byte for byte.
std::uint64_t hashOf(const float* values, std::size_t count, std::uint64_t h) {
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t bits;
    std::memcpy(&bits, &values[i], sizeof bits);
    for (int k = 0; k < 4; ++k) h = (h ^ ((bits >> (8 * k)) & 0xffu)) * 0x100000001b3ull;
  }
  return h;
}

// The square estimate as it was recorded before the engine took rows x columns: the tensor's
// three planes, lambda and confidence on random images hash to the same bits.
TEST(StructureTensor, SquareResultsKeepTheirRecordedBits) {
  struct Case {
    int n;
    std::uint64_t seed, hash;
  };
  const Case cases[] = {{1, 11, 0x10cd5ca8389b49a8ull},  {2, 12, 0xbb21fc51f918f079ull},
                        {7, 13, 0x71f288f5d2a92563ull},  {15, 14, 0x8fbb0b976279fc0cull},
                        {16, 15, 0x72f2cddd2b797cbbull}, {41, 16, 0x74bfe536e3d31aabull}};
  for (const Case& c : cases) {
    const Bytes image = noise(c.n, c.seed);
    const std::size_t plane = std::size_t(c.n) * c.n;
    Floats scratch(slopeScratchSize(c.n)), lambda(plane), confidence(plane);
    slopes(image.data(), c.n, lambda.data(), confidence.data(), scratch.data());
    std::uint64_t h = hashOf(scratch.data(), 3 * plane, 0xcbf29ce484222325ull);
    h = hashOf(lambda.data(), plane, h);
    h = hashOf(confidence.data(), plane, h);
    EXPECT_EQ(h, c.hash) << "n=" << c.n;
  }
}

// Lambda and coherence from the tensor's angle, the textbook way, against the engine's
// eigenvector form on random tensors.
TEST(Slopes, FractionAndConfidenceFollowTheTensorsAngle) {
  Rng rng(8);
  const int n = 64;
  Floats scratch(slopeScratchSize(n)), lambda(n * n), confidence(n * n);
  const std::size_t plane = std::size_t(n) * n;
  for (std::size_t p = 0; p < plane; ++p) {
    const double a = 100 * rng.unit(), c = 100 * rng.unit();
    const double b = (2 * rng.unit() - 1) * std::sqrt(a * c);  // positive semi-definite
    scratch[p] = float(a);
    scratch[plane + p] = float(b);
    scratch[2 * plane + p] = float(c);
  }
  slopesFromTensor(scratch.data(), n, lambda.data(), confidence.data());
  int checked = 0;
  for (std::size_t p = 0; p < plane; ++p) {
    const double a = scratch[p], b = scratch[plane + p], c = scratch[2 * plane + p];
    const double phi = 0.5 * std::atan2(2 * b, a - c);
    const double want = std::cos(phi) / (std::cos(phi) - std::sin(phi));
    const double coherence = std::sqrt((a - c) * (a - c) + 4 * b * b) / (a + c);
    if (std::abs(want + 0.05) < 0.01 || std::abs(want - 1.05) < 0.01) continue;
    if (a + c < kFlatTrace || want < -0.05 || want > 1.05) {
      { EXPECT_EQ(confidence[p], 0.0f) << p; }
      continue;
    }
    if (coherence < 1e-3) continue;  // no orientation to speak of
    EXPECT_NEAR(lambda[p], std::clamp(want, 0.0, 1.0), 1e-3 / coherence) << p;
    EXPECT_NEAR(confidence[p], coherence, 1e-4) << p;
    ++checked;
  }
  EXPECT_GT(checked, 500);
}

// Stripes along (1 - lambda, lambda) are what a scene at lambda paints: the estimate reads
// lambda back wherever the smoothing window stays inside the image, and flat images have no
// confidence.
TEST(Slopes, ReadTheFractionOfStripes) {
  const int n = 48;
  Floats scratch(slopeScratchSize(n)), lambda(n * n), confidence(n * n);
  for (int step = 0; step <= 20; ++step) {
    const double l = step / 20.0;
    Bytes image(std::size_t(3) * n * n);
    for (int r = 0; r < n; ++r)
      for (int u = 0; u < n; ++u) {
        const double phase = (l * u - (1 - l) * r) * 2 * 3.14159265358979 / 9.0;
        std::fill_n(&image[std::size_t(3) * (r * n + u)], 3,
                    (unsigned char)(128 + 100 * std::sin(phase)));
      }
    slopes(image.data(), n, lambda.data(), confidence.data(), scratch.data());
    for (int r = 6; r < n - 6; ++r)
      for (int u = 6; u < n - 6; ++u) {
        ASSERT_NEAR(lambda[r * n + u], l, 0.01) << "lambda=" << l << " u=" << u << " r=" << r;
        ASSERT_GT(confidence[r * n + u], 0.9f) << "lambda=" << l << " u=" << u << " r=" << r;
      }
  }
  Bytes grey(std::size_t(3) * n * n, 200);
  slopes(grey.data(), n, lambda.data(), confidence.data(), scratch.data());
  EXPECT_EQ(*std::max_element(confidence.begin(), confidence.end()), 0.0f);
}

// Confident pixels are those whose confidence reaches this.
constexpr float kConfident = 0.5f;

// Per scene: the median absolute error of lambda over confident pixels, and the share within
// 0.02. The truth near a pixel is the set of hit fractions in its tensor window (derivative and
// smoothing reach); where that set is empty nothing is measured, and where it spans more than
// 0.05 (more than one bar's thickness: two depths meet) the pixel is left out.
TEST(Slopes, DepthOfTheBuiltInScenes) {
  const int n = 300, reach = kTensorRadius + 1;
  Floats scratch(slopeScratchSize(n)), lambda(n * n), confidence(n * n);
  std::printf("%-14s %9s %8s %8s %10s\n", "slopes", "measured", "excluded", "median", "<=0.02");
  for (const Scene scene : strips::kScenes) {
    const Bytes strip = strips::scene(scene, n);
    const Bytes rays = raysOf(strip, n);
    slopes(rays.data(), n, lambda.data(), confidence.data(), scratch.data());
    std::vector<std::optional<double>> hits(n * n);
    for (int r = 0; r < n; ++r)
      for (int u = 0; u < n; ++u) hits[r * n + u] = truth(strip, n, u, n - 1 - r);
    std::vector<double> errors;
    int excluded = 0;
    for (int r = 0; r < n; ++r)
      for (int u = 0; u < n; ++u) {
        if (confidence[r * n + u] < kConfident) continue;
        // The truth is the nearest hit (the edge's own depth); the window tells whether two
        // depths meet.
        double lo = 2, hi = -1, sum = 0;
        int count = 0, nearest = 2 * reach + 1;
        for (int y = std::max(r - reach, 0); y <= std::min(r + reach, n - 1); ++y)
          for (int x = std::max(u - reach, 0); x <= std::min(u + reach, n - 1); ++x)
            if (const auto& t = hits[y * n + x]) {
              lo = std::min(lo, *t);
              hi = std::max(hi, *t);
              const int distance = std::max(std::abs(y - r), std::abs(x - u));
              if (distance < nearest) {
                nearest = distance;
                sum = 0;
                count = 0;
              }
              if (distance == nearest) {
                sum += *t;
                ++count;
              }
            }
        if (count == 0) continue;
        if (hi - lo > 0.05) {
          ++excluded;
          continue;
        }
        errors.push_back(std::abs(lambda[r * n + u] - sum / count));
      }
    const double within =
        double(std::count_if(errors.begin(), errors.end(), [](double e) { return e <= 0.02; })) /
        double(std::max<std::size_t>(errors.size(), 1));
    std::printf("%-14s %9zu %8d %8.4f %9.1f%%\n", strips::sceneName(scene), errors.size(), excluded,
                median(errors), 100 * within);
    EXPECT_GT(errors.size(), 200u) << strips::sceneName(scene);
    EXPECT_LT(median(errors), 0.02) << strips::sceneName(scene);
  }
}

// A real light field's lines: stripes through x + s v in view v read back s wherever the window
// stays inside the image, in both signs; a flat image, or lines steeper than the reach, have no
// confidence.
TEST(Disparities, ReadTheDisparityOfStripes) {
  const int views = 15, width = 64;
  const std::size_t plane = std::size_t(views) * width;
  Floats scratch(slopeScratchSize(views, width)), s(plane), confidence(plane);
  for (int step = -12; step <= 12; ++step) {
    const double want = step / 4.0;
    Bytes image(3 * plane);
    for (int r = 0; r < views; ++r)
      for (int u = 0; u < width; ++u) {
        const int v = views - 1 - r;
        const double phase = (u - want * v) * 2 * 3.14159265358979 / 11.0;
        std::fill_n(&image[std::size_t(3) * (r * width + u)], 3,
                    (unsigned char)(128 + 100 * std::sin(phase)));
      }
    disparities(image.data(), views, width, 4.0f, s.data(), confidence.data(), scratch.data());
    for (int r = 6; r < views - 6; ++r)
      for (int u = 8; u < width - 8; ++u) {
        ASSERT_NEAR(s[r * width + u], want, 0.02 * (1 + std::abs(want))) << want << " u=" << u;
        ASSERT_GT(confidence[r * width + u], 0.9f) << want << " u=" << u;
      }
    disparities(image.data(), views, width, 0.9f * float(std::abs(want)), s.data(),
                confidence.data(), scratch.data());
    if (step != 0) {
      EXPECT_EQ(confidence[7 * width + 32], 0.0f) << want;
    }
  }
  Bytes grey(3 * plane, 90);
  disparities(grey.data(), views, width, 4.0f, s.data(), confidence.data(), scratch.data());
  EXPECT_EQ(*std::max_element(confidence.begin(), confidence.end()), 0.0f);
}

// Textured planes side by side at known depths, and the epipolar-plane image of a row of pinhole
// views of them (view v at lower-line position v, pixel u through upper-line position u).
const planes::World& sidePlanes() {
  static const planes::World world{{{0.25, 4.0, 24.0, 31, 3.0},
                                    {0.5, 50.0, 100.0, 32, 3.0},
                                    {0.8, 170.0, 230.0, 33, 3.0},
                                    {1.0, -1000.0, 1000.0, 34, 3.0}}};
  return world;
}
Bytes epiOf(const planes::World& world, int views, int width) {
  Bytes epi(std::size_t(3) * views * width);
  for (int r = 0; r < views; ++r)
    for (int u = 0; u < width; ++u)
      world.ray(views - 1 - r, u, 0, &epi[std::size_t(3) * (std::size_t(r) * width + u)]);
  return epi;
}
// The plane view v sees at pixel u when every view sees only it within `reach` pixels, else -1.
int aloneOn(const planes::World& world, int views, int v, int u, int reach) {
  const int seen = world.hit(v, u);
  for (int y = 0; y < views && seen >= 0; ++y)
    for (int x = u - reach; x <= u + reach; ++x)
      if (world.hit(y, x) != seen) return -1;
  return seen;
}

// Textured planes at known depths seen by a row of pinhole views: on every plane, the confident
// estimates along the central view's row whose window sees that plane alone lie within 0.1 px
// per view of its disparity -(1 - lambda) / lambda. Near a plane's edge the window mixes depths
// and nothing is claimed.
TEST(Disparities, OfTexturedPlanesAtKnownDepths) {
  const planes::World& world = sidePlanes();
  const int views = 9, width = 320, reachU = kTensorRadius + 1;
  const Bytes epi = epiOf(world, views, width);
  const std::size_t plane = std::size_t(views) * width;
  Floats scratch(slopeScratchSize(views, width)), s(plane), confidence(plane);
  disparities(epi.data(), views, width, 8.0f, s.data(), confidence.data(), scratch.data());
  const int r = views / 2, v = views - 1 - r;
  std::vector<std::vector<double>> errors(world.planes.size());
  for (int u = reachU; u < width - reachU; ++u) {
    const int seen = aloneOn(world, views, v, u, reachU);
    if (seen < 0 || confidence[r * width + u] < kConfident) continue;
    const double lambda = world.planes[std::size_t(seen)].lambda;
    errors[std::size_t(seen)].push_back(std::abs(s[r * width + u] + (1 - lambda) / lambda));
  }
  for (std::size_t k = 0; k < errors.size(); ++k) {
    std::printf("plane at lambda %.2f: %zu confident pixels, median error %.4f, worst %.4f\n",
                world.planes[k].lambda, errors[k].size(), median(errors[k]),
                errors[k].empty() ? 0.0 : *std::max_element(errors[k].begin(), errors[k].end()));
    EXPECT_GE(errors[k].size(), 5u) << k;
    for (const double e : errors[k]) EXPECT_LT(e, 0.1) << "plane " << k;
  }
}

// ---------------------------------------------------------------------------------------------
// Depth from focus

// The canvas's steps: the slider's degrees in float, times its radians per degree, in float.
TEST(FocusSweep, StepsAreTheCanvas) {
  for (int a = 0; a < kFocusAngles; ++a) {
    const float degrees = float(a) * 0.5f;
    const auto angle = static_cast<float>(static_cast<double>(degrees) * 0.017453292500000002);
    EXPECT_EQ(focusCos(a), std::cos(angle)) << a;
    EXPECT_EQ(focusSin(a), std::sin(angle)) << a;
  }
  EXPECT_EQ(focusFractionOf(0), 0.0);
  EXPECT_NEAR(focusFractionOf(90), 0.5, 1e-7);
  EXPECT_NEAR(focusFractionOf(180), 1.0, 1e-7);
}

// The spread of one photo pixel by the obvious loop over takePhoto()'s samples.
double referenceSpread(const Bytes& rays, int n, int i, int d, float c, float s) {
  std::int64_t sum[3] = {0, 0, 0}, squares[3] = {0, 0, 0};
  std::int64_t count = 0;
  for (long long k = -(long long)d; k <= d; ++k) {
    const int at = reference::getTarget(rays.data(), n, n, (float)k * c + (float)i,
                                        (float)k * s + (float)(n / 2));
    if (at == -1) continue;
    ++count;
    for (int ch = 0; ch < 3; ++ch) {
      sum[ch] += rays[at + ch];
      squares[ch] += rays[at + ch] * rays[at + ch];
    }
  }
  std::int64_t spread = 0;
  for (int ch = 0; ch < 3; ++ch) spread += count * squares[ch] - sum[ch] * sum[ch];
  return count ? double(spread) / double(count * count) : 0.0;
}

// One angle at a time: the colour is takePhoto()'s, byte for byte, and the spread and sharpness
// those of the obvious loop, for sizes from 1, half-lengths from none to far beyond the image.
TEST(FocusSweep, EachAngleIsThePhotoAndTheObviousSpread) {
  Rng rng(21);
  for (int trial = 0; trial < 60; ++trial) {
    const int n = trial < 3 ? trial + 1 : rng.range(4, 50);
    const int d = trial % 7 == 0 ? -1 : trial % 11 == 0 ? rng.range(200, 3000) : rng.range(0, 30);
    const int a = trial == 4 ? 0 : trial == 5 ? kFocusAngles - 1 : rng.range(0, kFocusAngles - 1);
    const Bytes rays =
        trial % 2 ? noise(n, rng.next()) : raysOf(strips::denseRects(n, kH, rng.next(), 8), n);
    std::vector<FocusBest> best(n);
    std::vector<FocusSums> sums(n);
    Floats sharpness(n);
    resetFocus(best.data(), n);
    focusSweep(rays.data(), n, d, a, a + 1, best.data(), sharpness.data(), sums.data());
    Bytes photo(std::size_t(3) * n), marks(rays);
    reference::takePhoto(rays.data(), n, n, photo.data(), marks.data(), d, focusCos(a),
                         focusSin(a));
    for (int i = 0; i < n; ++i) {
      const double spread = referenceSpread(rays, n, i, d, focusCos(a), focusSin(a));
      double local = spread;
      if (i > 0) local += referenceSpread(rays, n, i - 1, d, focusCos(a), focusSin(a));
      if (i + 1 < n) local += referenceSpread(rays, n, i + 1, d, focusCos(a), focusSin(a));
      EXPECT_EQ(best[i].own, spread) << "n=" << n << " d=" << d << " a=" << a << " i=" << i;
      EXPECT_EQ(best[i].local, local);
      EXPECT_EQ(best[i].worst, local);
      EXPECT_EQ(best[i].first, a);
      EXPECT_EQ(best[i].last, a);
      EXPECT_EQ(sharpness[i], -float(local));
      for (int ch = 0; ch < 3; ++ch)
        ASSERT_EQ(best[i].rgb[ch], photo[3 * i + ch])
            << "n=" << n << " d=" << d << " a=" << a << " i=" << i;
    }
  }
}

bool operator==(const FocusBest& x, const FocusBest& y) {
  return x.local == y.local && x.own == y.own && x.worst == y.worst && x.first == y.first &&
         x.last == y.last && std::equal(x.rgb, x.rgb + 3, y.rgb);
}

// Two threads may each sweep a chunk: merged in order they equal the whole sweep, and the
// whole sweep keeps the least spread with its first and last angle.
TEST(FocusSweep, ChunksMergeIntoTheWholeSweep) {
  const int n = 60;
  Rng rng(3);
  const Bytes rays = raysOf(strips::scene(Scene::DepthLadder, n), n);
  std::vector<FocusSums> sums(n);
  std::vector<FocusBest> whole(n);
  Floats sharpness(std::size_t(kFocusAngles) * n);
  resetFocus(whole.data(), n);
  focusSweep(rays.data(), n, 12, 0, kFocusAngles, whole.data(), sharpness.data(), sums.data());
  for (int i = 0; i < n; ++i) {
    float most = -1e30f, least = 1e30f;
    int first = -1, last = -1;
    for (int a = 0; a < kFocusAngles; ++a) {
      const float v = sharpness[std::size_t(a) * n + i];
      least = std::min(least, v);
      if (v > most) first = a;
      most = std::max(most, v);
      if (v == most) last = a;
    }
    EXPECT_EQ(whole[i].first, first) << i;
    EXPECT_EQ(whole[i].last, last) << i;
    EXPECT_EQ(whole[i].worst == 0, least == 0.0f) << i;
  }
  for (const int split : {0, 1, 60, 91, 180, 181}) {
    std::vector<FocusBest> early(n), late(n);
    resetFocus(early.data(), n);
    resetFocus(late.data(), n);
    focusSweep(rays.data(), n, 12, 0, split, early.data(), nullptr, sums.data());
    focusSweep(rays.data(), n, 12, split, kFocusAngles, late.data(), nullptr, sums.data());
    mergeFocus(early.data(), late.data(), n);
    for (int i = 0; i < n; ++i)
      EXPECT_TRUE(early[i] == whole[i]) << "split " << split << " i=" << i;
  }
}

// Per scene at half-length 20: the share of edge pixels of the pinhole photo whose depth from
// focus, and from slopes along the pinhole row, lies within 0.03 of the truth; and the
// all-in-focus photo against the pinhole photo away from occlusions.
// - An edge pixel differs from a neighbour in the pinhole photo. Its truth is the front-most
//   (least) fraction that the central rays of it and its neighbours meet, as the edge belongs to
//   the nearer shape. Where the central rays within two pixels meet two depths (more than 0.05
//   apart) and also nothing, two silhouettes come so close that the pixel is left out.
// - A pixel is away from occlusions when at some angle of the sweep every ray it averages meets
//   what its central ray meets (the same shape within 0.05, or nothing): there the scene's
//   uniform colours agree, and the all-in-focus colour must be the pinhole's within 2/255.
TEST(FocusSweep, DepthAndAllInFocusOfTheBuiltInScenes) {
  const int n = 300, d = 20, pinhole = optics::pinholePosition(n);
  std::vector<FocusSums> sums(n);
  std::vector<FocusBest> best(n);
  Floats focusLambda(n), focusConfidence(n), scratch(slopeScratchSize(n)), lambda(n * n),
      confidence(n * n);
  Bytes allInFocus(3 * n), photo(3 * n);
  std::vector<optics::Pixel> samples;
  std::printf("%-14s %6s %11s %11s %8s %8s\n", "focus d=20", "edges", "focus<=.03", "slopes<=.03",
              "checked", "max diff");
  for (const Scene scene : strips::kScenes) {
    const Bytes strip = strips::scene(scene, n);
    Bytes rays = raysOf(strip, n), marks = rays;
    resetFocus(best.data(), n);
    focusSweep(rays.data(), n, d, 0, kFocusAngles, best.data(), nullptr, sums.data());
    focusResult(best.data(), n, focusLambda.data(), focusConfidence.data(), allInFocus.data());
    slopes(rays.data(), n, lambda.data(), confidence.data(), scratch.data());
    takePhoto(rays.data(), n, n, photo.data(), marks.data(), 0, 1.0f, 0.0f);
    std::vector<std::optional<double>> hits(n * n);  // by ray-space pixel
    for (int r = 0; r < n; ++r)
      for (int u = 0; u < n; ++u) hits[r * n + u] = truth(strip, n, u, n - 1 - r);
    const auto centre = [&](int i) { return hits[(n - 1 - pinhole) * n + i]; };
    const auto same = [](const std::optional<double>& x, const std::optional<double>& y) {
      return x.has_value() == y.has_value() && (!x || std::abs(*x - *y) <= 0.05);
    };
    const auto differs = [&](int i, int j) {
      return !std::equal(&photo[3 * i], &photo[3 * i + 3], &photo[3 * j]);
    };
    int edges = 0, focusGood = 0, slopeGood = 0, checked = 0, worst = 0;
    for (int i = 0; i < n; ++i) {
      double front = 2, nearest = 2, farthest = -1;
      bool gap = false;
      for (int j = std::max(i - 2, 0); j <= std::min(i + 2, n - 1); ++j)
        if (const auto t = centre(j)) {
          if (std::abs(j - i) <= 1) front = std::min(front, *t);
          nearest = std::min(nearest, *t);
          farthest = std::max(farthest, *t);
        } else {
          gap = true;
        }
      if (((i > 0 && differs(i, i - 1)) || (i + 1 < n && differs(i, i + 1))) && front <= 1 &&
          !(gap && farthest - nearest > 0.05)) {
        ++edges;
        focusGood += std::abs(focusLambda[i] - front) <= 0.03;
        slopeGood += std::abs(lambda[pinholeRow(n) * n + i] - front) <= 0.03;
      }
      bool clear = false;
      for (int a = 0; a < kFocusAngles && !clear; ++a) {
        optics::photoSamples(n, i, d, focusCos(a), focusSin(a), samples);
        clear = std::all_of(samples.begin(), samples.end(), [&](const optics::Pixel& p) {
          return same(hits[p.row * n + p.column], centre(i));
        });
      }
      if (!clear) continue;
      ++checked;
      for (int ch = 0; ch < 3; ++ch)
        worst = std::max(worst, std::abs(allInFocus[3 * i + ch] - photo[3 * i + ch]));
    }
    std::printf("%-14s %6d %10.1f%% %10.1f%% %8d %8d\n", strips::sceneName(scene), edges,
                100.0 * focusGood / std::max(edges, 1), 100.0 * slopeGood / std::max(edges, 1),
                checked, worst);
    EXPECT_GT(edges, 1) << strips::sceneName(scene);
    EXPECT_GE(focusGood, 0.75 * edges) << strips::sceneName(scene);
    EXPECT_GT(checked, 200) << strips::sceneName(scene);
    EXPECT_LE(worst, 2) << strips::sceneName(scene);
  }
}

// ---------------------------------------------------------------------------------------------
// Depth from focus on a real light field

// Sharpness by the obvious loops: at an integer disparity every sample is a pixel, so the spread
// is the plain variance of the weighted views that see the pixel, counted where enough do.
TEST(LightFieldFocus, SharpnessIsTheViewsAgreement) {
  Rng rng(21);
  const int views = 7, width = 30;
  Bytes epi(std::size_t(3) * views * width);
  for (auto& b : epi) b = (unsigned char)rng.range(0, 255);
  for (const int half : {1, 3}) {
    const refocus::ViewCamera camera = refocus::centredBox(views, half);
    for (const int s : {-2, 0, 1}) {
      Floats sharp(width), scratch(width);
      viewSharpness(epi.data(), views, width, camera, s, sharp.data(), scratch.data());
      std::vector<double> spread(width, -1);
      const int p = refocus::centreView(views);
      for (int x = 0; x < width; ++x) {
        double sum[3] = {}, squares[3] = {};
        int seen = 0;
        for (int v = p - half; v <= p + half; ++v) {
          const int at = x + s * (v - p);
          if (at < 0 || at >= width) continue;
          ++seen;
          for (int ch = 0; ch < 3; ++ch) {
            const double c = epi[std::size_t(3) * ((views - 1 - v) * width + at) + ch];
            sum[ch] += c;
            squares[ch] += c * c;
          }
        }
        if (seen < std::max(2, (2 * half + 2) / 2)) continue;
        spread[x] = 0;
        for (int ch = 0; ch < 3; ++ch)
          spread[x] += squares[ch] / seen - (sum[ch] / seen) * (sum[ch] / seen);
      }
      for (int x = 0; x < width; ++x) {
        double total = 0;
        int counted = 0;
        for (int k = std::max(x - kSharpRadius, 0); k <= std::min(x + kSharpRadius, width - 1); ++k)
          if (spread[k] >= 0) {
            total += spread[k];
            ++counted;
          }
        const double want = counted > 0 ? 1 / (1 + total / counted) : 0;
        EXPECT_NEAR(sharp[x], want, 1e-4 * want) << "half " << half << " s " << s << " x " << x;
      }
    }
  }
}

// The sweep over textured planes at known depths: each photo pixel's sharpest angle, the peak of
// its sharpness against the angle, lies within 1 degree of its plane's angle wherever every view
// sees that plane around it; a sweep in chunks merges into the whole; each angle's row is that
// angle's sharpness and its colour refocus()'s photo; steeper angles than the reach never peak.
TEST(LightFieldFocus, PeaksAtThePlanesAngles) {
  const planes::World& world = sidePlanes();
  const int views = 9, width = 320;
  const Bytes epi = epiOf(world, views, width);
  const refocus::ViewCamera camera = refocus::centredBox(views, views / 2);
  std::vector<FocusPeak> peaks(width), first(width), later(width);
  Floats sharpness(std::size_t(kFocusAngles) * width), scratch(2 * width);
  Bytes photo(std::size_t(3) * width);
  resetPeaks(peaks.data(), width);
  lightFieldFocusSweep(epi.data(), views, width, camera, 0, kFocusAngles, peaks.data(),
                       sharpness.data(), photo.data(), scratch.data());
  resetPeaks(first.data(), width);
  resetPeaks(later.data(), width);
  lightFieldFocusSweep(epi.data(), views, width, camera, 0, 77, first.data(), nullptr, photo.data(),
                       scratch.data());
  lightFieldFocusSweep(epi.data(), views, width, camera, 77, kFocusAngles, later.data(), nullptr,
                       photo.data(), scratch.data());
  mergePeaks(first.data(), later.data(), width);
  for (int x = 0; x < width; ++x) {
    ASSERT_EQ(first[x].angle, peaks[x].angle) << x;
    ASSERT_EQ(first[x].best, peaks[x].best) << x;
    ASSERT_EQ(first[x].least, peaks[x].least) << x;
  }
  for (const int a : {30, 90, 150}) {
    Floats want(width);
    viewSharpness(epi.data(), views, width, camera, refocus::disparityForDegrees(0.5 * a),
                  want.data(), scratch.data());
    for (int x = 0; x < width; ++x) ASSERT_EQ(sharpness[std::size_t(a) * width + x], want[x]);
  }
  Floats lambda(width), confidence(width);
  Bytes allInFocus(std::size_t(3) * width);
  peakResult(peaks.data(), width, lambda.data(), confidence.data(), allInFocus.data());
  std::vector<int> measured(world.planes.size(), 0);
  const int v = refocus::centreView(views);
  for (int x = 0; x < width; ++x) {
    ASSERT_GE(std::abs(refocus::disparityForDegrees(0.5 * peaks[x].angle)), 0.0);
    ASSERT_LE(std::abs(refocus::disparityForDegrees(0.5 * peaks[x].angle)), kFocusReach) << x;
    const int seen = aloneOn(world, views, v, x, kSharpRadius + 1);
    if (seen < 0) continue;
    const double lambdaTrue = world.planes[std::size_t(seen)].lambda;
    const double angle = refocus::degreesForDisparity(refocus::disparityForFraction(lambdaTrue));
    EXPECT_NEAR(0.5 * peaks[x].angle, angle, 1.0) << "pixel " << x << " plane " << seen;
    EXPECT_GT(confidence[x], 0.5f) << x;
    EXPECT_FLOAT_EQ(lambda[x], float(focusFractionOf(peaks[x].angle)));
    refocus::refocus(epi.data(), views, width, camera,
                     refocus::disparityForDegrees(0.5 * peaks[x].angle), photo.data());
    EXPECT_TRUE(std::equal(&photo[3 * x], &photo[3 * x + 3], &allInFocus[3 * x])) << x;
    ++measured[std::size_t(seen)];
  }
  for (std::size_t k = 0; k < measured.size(); ++k) EXPECT_GE(measured[k], 5) << k;
}

}  // namespace
}  // namespace lightfield::depth

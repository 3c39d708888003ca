#include "lightfield/depth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "lightfield/lightfield.h"
#include "lightfield/optics.h"
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
Tensor referenceTensor(const Bytes& image, int n, int u, int r) {
  const auto at = [&](int x, int y) {
    x = std::clamp(x, 0, n - 1);
    y = std::clamp(y, 0, n - 1);
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
      const int x = std::clamp(u + a, 0, n - 1), y = std::clamp(r + b, 0, n - 1);
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
        const Tensor want = referenceTensor(image, n, u, r);
        const std::size_t p = std::size_t(r) * n + u;
        const double tolerance = 1e-4 * (want.uu + want.rr) + 1e-3;
        ASSERT_NEAR(scratch[p], want.uu, tolerance) << "n=" << n << " u=" << u << " r=" << r;
        ASSERT_NEAR(scratch[plane + p], want.ur, tolerance) << "n=" << n << " u=" << u;
        ASSERT_NEAR(scratch[2 * plane + p], want.rr, tolerance) << "n=" << n << " u=" << u;
      }
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

}  // namespace
}  // namespace lightfield::depth

// The camera's teaching aids measured on rendered photos of thin shapes, and the share of an
// aperture that sees past an occluder against a brute-force trace. An aid that overstates what
// the engine does is as wrong as one that understates it, so each prediction is checked against
// the photo the engine really takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "lightfield/camera.h"
#include "lightfield/lightfield.h"
#include "lightfield/optics.h"
#include "lightfield/spots.h"
#include "lightfield/strips.h"

namespace lightfield::optics {
namespace {

using Bytes = std::vector<unsigned char>;
using spots::darkRuns;
using spots::extent;
using spots::fractionOfRow;
using spots::photoOfPoints;

constexpr int kN = 300;

Camera cameraAt(double degrees, int d, Aperture aperture, int pinholes = 2,
                int viewpoint = centreViewpoint(kN)) {
  const auto angle = static_cast<float>(degrees * 0.017453292500000002);
  return {viewpoint, d, std::cos(angle), std::sin(angle), aperture, pinholes};
}

// Where the samples with k in [kLow, kHigh] image a point, as the middle of their images'
// extremes: a run of dark pixels reaches from the one extreme to the other.
double middleOffset(const std::vector<WeightedPixel>& samples, const Camera& c, double lambda,
                    int kLow, int kHigh) {
  double lo = 1e9, hi = -1e9;
  for (const WeightedPixel& s : samples)
    if (s.k >= kLow && s.k <= kHigh) {
      lo = std::min(lo, imageOffset(s, kN / 2, c.viewpoint, kN, lambda));
      hi = std::max(hi, imageOffset(s, kN / 2, c.viewpoint, kN, lambda));
    }
  return 0.5 * (lo + hi);
}

// A pinhole moved by delta along the lower line moves the image of a point at lambda by
// -delta (1 - lambda) / lambda. The runs of a one-pixel point jitter by a pixel under truncation.
TEST(CameraOptics, ParallaxMeasuredAtThreeHeights) {
  for (const int row : {69, 139, 209}) {
    const double lambda = fractionOfRow(row);
    for (const int delta : {-40, -7, 25}) {
      const Camera from = cameraAt(45, 0, Aperture::Box);
      Camera to = from;
      to.viewpoint += delta;
      const auto before = darkRuns(photoOfPoints(kN, row, {150}, from));
      const auto after = darkRuns(photoOfPoints(kN, row, {150}, to));
      ASSERT_EQ(before.size(), 1u);
      ASSERT_EQ(after.size(), 1u);
      const double measured = after[0].middle() - before[0].middle();
      EXPECT_NEAR(measured, delta * parallaxPerViewpoint(lambda), 1.0)
          << "lambda " << lambda << ", delta " << delta;
    }
  }
  EXPECT_EQ(parallaxPerViewpoint(1.0), 0.0);
  EXPECT_EQ(parallaxPerViewpoint(0.5), -1.0);
}

// A point's spot spans the spread of its images through the weighted samples, plus the 1 / lambda
// pixels over which one sample's ray sweeps across a one-pixel point. The exact-arithmetic width
// 2 d spreadPerSample() differs from the truncated one by at most 2 / lambda.
TEST(CameraOptics, SpotWidthMeasuredForEveryProfile) {
  const Aperture apertures[] = {Aperture::Box, Aperture::Tent, Aperture::Gaussian,
                                Aperture::TwoSlits, Aperture::Pinholes};
  std::vector<WeightedPixel> samples;
  for (const int row : {69, 139, 209})
    for (const double degrees : {20.0, 45.0, 60.0})
      for (const int d : {10, 30})
        for (const Aperture aperture : apertures) {
          const double lambda = fractionOfRow(row);
          const Camera camera = cameraAt(degrees, d, aperture, 5);
          cameraSamples(kN, kN / 2, camera, samples);
          const Spot spot = sampledSpot(samples, kN / 2, camera.viewpoint, kN, lambda);
          const spots::Run seen = extent(darkRuns(photoOfPoints(kN, row, {kN / 2}, camera)));
          EXPECT_NEAR(seen.length(), spot.width + 1 / lambda, 1.5)
              << degrees << " deg, d " << d << ", lambda " << lambda << ", " << int(aperture);
          EXPECT_NEAR(spot.width, 2 * d * spreadPerSample(degrees, lambda), 2 / lambda);
          EXPECT_NEAR(spot.perSample, spreadPerSample(degrees, lambda), 1 / (d * lambda));
        }
}

// The photo of a point is the profile stretched: its darkness, as a distribution over photo
// pixels, has the spread of the point-spread function's offsets plus that of one sample's sweep
// over L = 1 / lambda pixels ((L^2 - 1) / 12). A tent is narrower than a box of the same support.
TEST(CameraOptics, PhotoOfAPointHasTheSpreadOfTheProfile) {
  std::vector<SpreadSample> spread;
  std::vector<WeightedPixel> samples;
  for (const int row : {69, 209})
    for (const double degrees : {20.0, 60.0})
      for (const Aperture aperture : {Aperture::Box, Aperture::Tent, Aperture::Gaussian}) {
        const double lambda = fractionOfRow(row);
        const Camera camera = cameraAt(degrees, 30, aperture);
        pointSpread(kN, camera, lambda, spread, samples);
        double weight = 0, mean = 0, square = 0;
        for (const SpreadSample& s : spread) {
          weight += s.weight;
          mean += s.weight * s.offset;
          square += s.weight * s.offset * s.offset;
        }
        mean /= weight;
        const double sweep = 1 / lambda;
        const double predicted = square / weight - mean * mean + (sweep * sweep - 1) / 12;

        const Bytes photo = photoOfPoints(kN, row, {kN / 2}, camera);
        double dark = 0, at = 0, at2 = 0;
        for (int i = 0; i < kN; ++i) {
          const double share = (255.0 - photo[3 * i]) / 255.0;
          dark += share;
          at += share * i;
          at2 += share * i * i;
        }
        const double measured = at2 / dark - (at / dark) * (at / dark);
        EXPECT_NEAR(std::sqrt(measured), std::sqrt(predicted), 0.5 + 0.03 * std::sqrt(predicted))
            << degrees << " deg, lambda " << lambda << ", " << int(aperture);
      }
  // Same support, narrower profile.
  const auto deviation = [&](Aperture aperture) {
    pointSpread(kN, cameraAt(60, 30, aperture), 0.25, spread, samples);
    double weight = 0, square = 0;
    for (const SpreadSample& s : spread)
      weight += s.weight, square += s.weight * s.offset * s.offset;
    return std::sqrt(square / weight);
  };
  // Standard deviations d / sqrt(6), about 0.44 d (sigma cut at 2 sigma) and d / sqrt(3).
  EXPECT_LT(deviation(Aperture::Tent), deviation(Aperture::Gaussian));
  EXPECT_LT(deviation(Aperture::Gaussian), deviation(Aperture::Box));
  EXPECT_NEAR(deviation(Aperture::Tent) / deviation(Aperture::Box), std::sqrt(0.5), 0.03);
}

// The plot's bars are the photo's weights. Lighting only the ray-space pixels that image a point
// at one bar's place moves the middle photo pixel by that bar's share of the aperture, as the
// engine's mean weighs them. Samples that truncate to one pixel (frequent at 45 degrees) add up
// into one bar; plotting them side by side would understate the bar.
TEST(CameraOptics, PointSpreadWeightsAreThePhotosWeights) {
  std::vector<SpreadSample> spread;
  std::vector<WeightedPixel> samples;
  CameraScratch scratch;
  Bytes rays(3 * kN * kN), marks(3 * kN * kN), photo(3 * kN);
  int summed = 0;
  for (const Aperture aperture :
       {Aperture::Box, Aperture::Tent, Aperture::Gaussian, Aperture::TwoSlits, Aperture::Pinholes})
    for (const double degrees : {20.0, 45.0, 80.0})
      for (const int viewpoint : {centreViewpoint(kN), 60}) {
        const Camera camera = cameraAt(degrees, 12, aperture, 5, viewpoint);
        const double lambda = 0.3;
        pointSpread(kN, camera, lambda, spread, samples);
        long long total = 0, plotted = 0;
        for (const WeightedPixel& s : samples) total += s.weight;
        for (std::size_t j = 0; j < spread.size(); ++j) {
          if (j > 0) {
            EXPECT_GT(spread[j].offset, spread[j - 1].offset);
          }
          plotted += spread[j].weight;
          std::fill(rays.begin(), rays.end(), 0);
          int lit = 0;
          for (const WeightedPixel& s : samples) {
            if (std::abs(imageOffset(s, kN / 2, viewpoint, kN, lambda) - spread[j].offset) > 1e-9)
              continue;
            std::memset(&rays[3 * (std::size_t(s.row) * kN + s.column)], 255, 3);
            ++lit;
          }
          summed += lit > 1;
          cameraPhoto(rays.data(), kN, kN, camera, photo.data(), marks.data(), scratch);
          EXPECT_EQ(photo[3 * (kN / 2)], 255 * spread[j].weight / total)
              << degrees << " deg, profile " << int(aperture) << ", bar " << j;
        }
        EXPECT_EQ(plotted, total);
      }
  EXPECT_GT(summed, 10);
}

TEST(CameraOptics, TwoSlitsGiveTwoSpikesAtThePredictedSpacing) {
  std::vector<WeightedPixel> samples;
  int separate = 0;
  for (const int row : {69, 209})
    for (const double degrees : {20.0, 60.0})
      for (const int d : {15, 30}) {
        const double lambda = fractionOfRow(row);
        const Camera camera = cameraAt(degrees, d, Aperture::TwoSlits);
        // Near the focus the spikes overlap: each is about d / 3 samples plus 1 / lambda wide.
        const double spike = (d / 3.0) * spreadPerSample(degrees, lambda) + 1 / lambda;
        if (slitSpacing(degrees, d, lambda) < spike + 2) continue;
        ++separate;
        const auto runs = darkRuns(photoOfPoints(kN, row, {kN / 2}, camera));
        ASSERT_EQ(runs.size(), 2u) << degrees << " deg, d " << d << ", lambda " << lambda;
        const double measured = runs[1].middle() - runs[0].middle();
        cameraSamples(kN, kN / 2, camera, samples);
        const double sampled = std::abs(middleOffset(samples, camera, lambda, 1, d) -
                                        middleOffset(samples, camera, lambda, -d, -1));
        EXPECT_NEAR(measured, sampled, 1.5) << degrees << " deg, d " << d << ", lambda " << lambda;
        EXPECT_NEAR(sampled, slitSpacing(degrees, d, lambda), 2 / lambda);
      }
  EXPECT_GE(separate, 6);
}

// K pinholes image one point K times, at the predicted spacing; as K grows the copies come
// closer than one sample's sweep of 1 / lambda pixels and merge into one spot.
TEST(CameraOptics, PinholesGiveGhostsAtThePredictedSpacing) {
  std::vector<WeightedPixel> samples;
  for (const int row : {69, 209})
    for (const int pinholes : {2, 3, 5, 8}) {
      const double lambda = fractionOfRow(row), degrees = 45;
      const Camera camera = cameraAt(degrees, 40, Aperture::Pinholes, pinholes);
      const auto runs = darkRuns(photoOfPoints(kN, row, {kN / 2}, camera));
      const double predicted = ghostSpacing(degrees, 40, pinholes, lambda);
      if (predicted < 1 / lambda + 1) continue;
      ASSERT_EQ(int(runs.size()), pinholes) << pinholes << ", lambda " << lambda;
      cameraSamples(kN, kN / 2, camera, samples);
      ASSERT_EQ(int(samples.size()), pinholes);
      for (int j = 1; j < pinholes; ++j) {
        const double sampled =
            std::abs(middleOffset(samples, camera, lambda, samples[j].k, samples[j].k) -
                     middleOffset(samples, camera, lambda, samples[j - 1].k, samples[j - 1].k));
        EXPECT_NEAR(runs[j].middle() - runs[j - 1].middle(), sampled, 1.5)
            << pinholes << " pinholes, ghost " << j << ", lambda " << lambda;
        EXPECT_NEAR(sampled, predicted, 2 / lambda);
      }
    }
  // Sixteen pinholes near the focus: the ghosts are closer than their own width.
  const Camera many = cameraAt(45, 40, Aperture::Pinholes, 16);
  const double lambda = fractionOfRow(120);
  EXPECT_LT(ghostSpacing(45, 40, 16, lambda), 1 / lambda);
  EXPECT_EQ(darkRuns(photoOfPoints(kN, 120, {kN / 2}, many)).size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// Seeing through an occluder

// The colour the ray from u (upper line) to v (lower line) meets first coming up from the lower
// line, walked row by row with the ray-space image's sampling; white and row -1 when none.
struct Traced {
  int row = -1;
  unsigned char colour[3] = {255, 255, 255};
};
Traced trace(const Bytes& strip, int h, int n, int u, int v) {
  Traced out;
  for (int k = 0; k < h; ++k) {
    const float t = (float)k / (float)(h - 1);
    const int x = (int)(t * (float)(v - u) + (float)u);
    const unsigned char* p = &strip[3 * (k * n + x)];
    if (p[0] != 255 || p[1] != 255 || p[2] != 255) {
      out.row = k;
      std::memcpy(out.colour, p, 3);
    }
  }
  return out;
}

TEST(CameraOptics, ApertureShareMatchesABruteForceTrace) {
  const int h = 280;
  // A striped wall near the upper line, a green bar in front of it and a red post nearer still.
  Bytes strip = strips::white(kN, h);
  for (int x = 0; x < kN; x += 20) strips::fillRect(strip, kN, h, x, 20, 10, 12, {40, 60, 200});
  strips::fillRect(strip, kN, h, 130, 150, 40, 6, {30, 200, 40});
  strips::fillRect(strip, kN, h, 200, 230, 3, 20, {220, 20, 20});
  Bytes rays(3 * kN * kN), marks(3 * kN * kN);
  processImage(strip.data(), h, kN, rays.data());
  CameraScratch scratch;
  ApertureShare share;
  std::vector<WeightedPixel> samples;
  const double wall = fractionOfRow(25);
  int partly = 0;
  for (const Aperture aperture :
       {Aperture::Box, Aperture::Tent, Aperture::Gaussian, Aperture::TwoSlits, Aperture::Pinholes})
    for (const int viewpoint : {centreViewpoint(kN), 80}) {
      Camera camera = cameraAt(focusDegreesForFraction(wall), 50, aperture, 7, viewpoint);
      Bytes photo(3 * kN);
      cameraPhoto(rays.data(), kN, kN, camera, photo.data(), marks.data(), scratch);
      for (int i = 0; i < kN; ++i) {
        apertureShare(strip.data(), h, kN, i, camera, 0, 100, share, samples);
        long long total = 0, target = 0, mix[3] = {0, 0, 0};
        for (const WeightedPixel& s : samples) {
          const Traced hit = trace(strip, h, kN, s.column, kN - 1 - s.row);
          total += s.weight;
          if (hit.row >= 0 && hit.row <= 100) target += s.weight;
          for (int ch = 0; ch < 3; ++ch) mix[ch] += s.weight * hit.colour[ch];
        }
        ASSERT_EQ(share.total, total) << "pixel " << i;
        ASSERT_EQ(share.target, target) << "pixel " << i;
        // The groups hold every weighted sample once, heaviest first, and mix to the photo.
        long long grouped = 0, groupedTarget = 0, groupedMix[3] = {0, 0, 0};
        for (std::size_t g = 0; g < share.meetings.size(); ++g) {
          const Meeting& m = share.meetings[g];
          if (g > 0) {
            ASSERT_GE(share.meetings[g - 1].weight, m.weight);
          }
          grouped += m.weight;
          if (m.target) groupedTarget += m.weight;
          for (int ch = 0; ch < 3; ++ch) groupedMix[ch] += m.weight * m.colour[ch];
        }
        ASSERT_EQ(grouped, total);
        ASSERT_EQ(groupedTarget, target);
        for (int ch = 0; ch < 3; ++ch) {
          ASSERT_EQ(groupedMix[ch], mix[ch]);
          ASSERT_EQ(total > 0 ? mix[ch] / total : 255, photo[3 * i + ch]) << "pixel " << i;
        }
        partly += target > 0 && target < total;
      }
    }
  // The wide aperture sees the wall past the bar from many pixels.
  EXPECT_GT(partly, 100);
}

}  // namespace
}  // namespace lightfield::optics

#include "lightfield/refocus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

#include "lightfield/camera.h"
#include "lightfield/lightfield.h"
#include "lightfield/optics.h"
#include "lightfield/planes.h"

namespace lightfield::refocus {
namespace {

using Bytes = std::vector<unsigned char>;

// Shift-and-average written out literally, in double precision: every view the camera weighs,
// read at x + s (v - p) between its two neighbouring pixels, the reads averaged with the camera
// profile's weights.
Bytes referencePhoto(const Bytes& epi, int views, int width, const ViewCamera& camera, double s) {
  Bytes photo(std::size_t(3) * width, 255);
  const int p = camera.viewpoint;
  const Camera profile{p, camera.halfCount, 1.0f, 0.0f, camera.aperture, camera.pinholes};
  for (int x = 0; x < width; ++x) {
    double sum[3] = {0, 0, 0}, total = 0;
    for (int v = 0; v < views; ++v) {
      const int weight = apertureWeight(profile, v - p);
      if (weight == 0) continue;
      const double position = v == p ? x : x + s * (v - p);
      if (!(position >= 0 && position <= width - 1)) continue;
      const int left = int(std::floor(position));
      const double f = position - left;
      const unsigned char* row = &epi[std::size_t(3) * width * (views - 1 - v)];
      for (int ch = 0; ch < 3; ++ch) {
        const double b = f > 0 ? row[3 * (left + 1) + ch] : 0.0;
        sum[ch] += weight * ((1 - f) * row[3 * left + ch] + f * b);
      }
      total += weight;
    }
    if (total == 0) continue;
    for (int ch = 0; ch < 3; ++ch) photo[3 * x + ch] = (unsigned char)std::lround(sum[ch] / total);
  }
  return photo;
}

Bytes referencePhoto(const Bytes& epi, int views, int width, int halfCount, double s) {
  return referencePhoto(epi, views, width, centredBox(views, halfCount), s);
}

int largestDifference(const Bytes& a, const Bytes& b) {
  int worst = 0;
  for (std::size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::abs(a[i] - b[i]));
  return worst;
}

// Random EPIs, views stacked from random scanlines, refocused at random disparities (whole,
// half, awkward, huge and not finite), half-counts and cameras (viewpoint, profile, pinholes):
// the engine agrees with the literal loop within one level of 255 everywhere (the engine
// interpolates in float, the loop in double, so a mean lying on a half level may round either
// way); a pinhole is its own view exactly; and the stacked image puts view v on row views - 1 - v.
TEST(Refocus, MatchesLiteralShiftAndAverageOnRandomEpis) {
  std::mt19937 rng(20);
  const double special[] = {0.0,
                            -1.0,
                            0.5,
                            -3.0,
                            1.0 / 3.0,
                            -0.0001,
                            1e12,
                            -1e12,
                            std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
  for (int trial = 0; trial < 400; ++trial) {
    const int views = 1 + int(rng() % kMaxViews), width = 1 + int(rng() % 300);
    std::vector<Bytes> lines(views, Bytes(std::size_t(3) * width));
    std::vector<const unsigned char*> pointers;
    for (Bytes& line : lines) {
      for (unsigned char& b : line) b = (unsigned char)rng();
      pointers.push_back(line.data());
    }
    Bytes epi(std::size_t(3) * width * views);
    stackScanlines(pointers.data(), views, width, epi.data());
    for (int v = 0; v < views; ++v)
      ASSERT_TRUE(std::equal(lines[v].begin(), lines[v].end(),
                             epi.begin() + std::ptrdiff_t(3) * width * (views - 1 - v)));

    const double s =
        trial < 40 ? special[trial % 10] : std::uniform_real_distribution<double>(-6, 6)(rng);
    const int halfCount = trial % 7 == 0 ? 1000 : int(rng() % (views / 2 + 2));
    Bytes photo(std::size_t(3) * width);
    refocus(epi.data(), views, width, halfCount, s, photo.data());
    const Bytes expected =
        std::isfinite(s) ? referencePhoto(epi, views, width, halfCount, s)
                         : referencePhoto(epi, views, width, 0, 0.0);  // the central view alone
    ASSERT_LE(largestDifference(photo, expected), 1)
        << "views " << views << " width " << width << " s " << s << " half " << halfCount;

    // The camera panel's cameras: any viewpoint, every profile, any number of pinholes.
    const ViewCamera camera{int(rng() % views), halfCount, static_cast<Aperture>(rng() % 5),
                            int(rng() % 20)};
    refocus(epi.data(), views, width, camera, s, photo.data());
    // Not finite, every view but the viewpoint reads nowhere: the loop takes that literally.
    const Bytes weighed = referencePhoto(epi, views, width, camera, s);
    ASSERT_LE(largestDifference(photo, weighed), 1)
        << "views " << views << " width " << width << " s " << s << " camera " << camera.viewpoint
        << "/" << camera.halfCount << "/" << int(camera.aperture) << "/" << camera.pinholes;
    // A pinhole anywhere is the one view it sits on, whatever the focus.
    refocus(epi.data(), views, width, ViewCamera{camera.viewpoint, 0, camera.aperture, 3}, s,
            photo.data());
    ASSERT_EQ(photo, lines[std::size_t(camera.viewpoint)]);
  }
  // Degenerate sizes: white, nothing past the end.
  Bytes photo(6, 7);
  refocus(nullptr, 0, 2, 3, -1.0, photo.data());
  EXPECT_EQ(photo, Bytes(6, 255));
  refocus(nullptr, 3, 0, 3, -1.0, photo.data());
  EXPECT_EQ(photo, Bytes(6, 255));
  // A viewpoint outside the views, or more views than any row may hold: white, nothing read.
  for (const int viewpoint : {-1, 3, 1 << 30}) {
    photo.assign(6, 7);
    refocus(nullptr, 3, 2, ViewCamera{viewpoint, 2}, -1.0, photo.data());
    EXPECT_EQ(photo, Bytes(6, 255));
  }
  photo.assign(6, 7);
  refocus(nullptr, kMaxViews + 1, 2, ViewCamera{0, 2}, -1.0, photo.data());
  EXPECT_EQ(photo, Bytes(6, 255));
}

// The mapping between focus angle, disparity and depth agrees with the optics' own and with the
// parallax the camera's viewpoint shows.
TEST(Refocus, AngleDisparityAndDepthAgreeWithTheOptics) {
  for (double degrees = 1.0; degrees < 180.0; degrees += 0.5) {
    const double s = disparityForDegrees(degrees);
    EXPECT_NEAR(degreesForDisparity(s), degrees, 1e-9);
    if (degrees > 90.0) continue;  // the optics' fraction lies in [0, 1]
    const double lambda = optics::focusFraction(degrees);
    EXPECT_NEAR(fractionForDisparity(s), lambda, 1e-6) << degrees;
    EXPECT_NEAR(disparityForFraction(lambda), s, 1e-6 * (1 + std::abs(s)));
    EXPECT_NEAR(optics::parallaxPerViewpoint(lambda), s, 1e-6 * (1 + std::abs(s)));
  }
  EXPECT_NEAR(disparityForDegrees(90.0), 0.0, 1e-15);
  EXPECT_EQ(disparityForDegrees(0.0), -std::numeric_limits<double>::infinity());
}

// Seventeen views of three textured planes in front of a background on the upper line, rendered
// with a pinhole model. A region per plane: centre-view pixels that see that plane in every view.
struct Planes {
  static constexpr int kViews = 17, kWidth = 480;
  planes::World world{{{0.25, 6.0, 40.0, 11, 2.0},
                       {0.5, 40.0, 120.0, 12, 2.0},
                       {0.8, 130.0, 300.0, 13, 2.0},
                       {1.0, -1000.0, 1000.0, 14, 2.0}}};
  Bytes epi = Bytes(std::size_t(3) * kViews * kWidth);
  std::vector<std::vector<int>> regions;

  Planes() {
    for (int v = 0; v < kViews; ++v) {
      const Bytes line = world.view(v, kWidth, 1);
      std::copy(line.begin(), line.end(),
                epi.begin() + std::ptrdiff_t(3) * kWidth * (kViews - 1 - v));
    }
    const int c = centreView(kViews);
    regions.resize(world.planes.size());
    for (int u = 0; u < kWidth; ++u) {
      const int p = world.hit(c, u);
      const double s = disparityForFraction(world.planes[p].lambda);
      bool everywhere = true;
      for (int v = 0; v < kViews; ++v) {
        const double at = u + s * (v - c);
        everywhere = everywhere && at >= 0 && at <= kWidth - 1 && world.hit(v, at) == p;
      }
      if (everywhere) regions[p].push_back(u);
    }
  }
  // Mean difference from the central (pinhole) view over a plane's region: 0 when sharp.
  double error(const Bytes& photo, int plane) const {
    const unsigned char* centre = &epi[std::size_t(3) * kWidth * (kViews - 1 - centreView(kViews))];
    double sum = 0;
    for (int u : regions[plane])
      for (int ch = 0; ch < 3; ++ch) sum += std::abs(photo[3 * u + ch] - centre[3 * u + ch]);
    return sum / (3.0 * double(regions[plane].size()));
  }
};

// The classic shift-and-average result on a rendered light field: refocused at a plane's
// disparity, that plane's texture comes back exactly and the other planes blur; sweeping the
// focus angle, each plane is sharpest at the angle of its known depth. The canvas's photo along
// the focus segment, run on the same EPI, is the same operation: at each plane's angle it
// reproduces the plane's texture too, up to its truncation to whole pixels, and its own sweep
// finds the same depths.
TEST(Refocus, FocusSweepFindsEachPlaneAtItsDepthAsTheCanvasPhotoDoes) {
  const Planes scene;
  const int n = Planes::kWidth, views = Planes::kViews, half = views / 2;
  for (const auto& region : scene.regions) ASSERT_GE(region.size(), 20u);
  Bytes photo(std::size_t(3) * n), canvas(std::size_t(3) * n), marks(scene.epi);

  for (std::size_t p = 0; p < scene.world.planes.size(); ++p) {
    const double lambda = scene.world.planes[p].lambda;
    const double degrees = optics::focusDegreesForFraction(lambda);
    refocus(scene.epi.data(), views, n, half, disparityForDegrees(degrees), photo.data());
    // Whole-pixel disparities give the texture exactly; others read it between pixels.
    EXPECT_LT(scene.error(photo, int(p)), 2.0) << "plane " << p << " sharp";
    for (std::size_t q = 0; q < scene.world.planes.size(); ++q)
      if (q != p) {
        EXPECT_GT(scene.error(photo, int(q)), 10.0) << "plane " << q << " blurred";
      }
    // The canvas's photo: a segment long enough to cross every row.
    const optics::FocusSteps steps = optics::focusSteps(float(degrees));
    takePhoto(scene.epi.data(), views, n, canvas.data(), marks.data(), 4 * views, steps.colStep,
              steps.rowStep);
    // It truncates its samples to whole pixels, shifting its line by up to a pixel.
    EXPECT_LT(scene.error(canvas, int(p)), 10.0) << "canvas photo of plane " << p;
  }

  // The sweep: every quarter degree from 5 to 95, plus the planes' own angles.
  std::vector<double> angles;
  for (double a = 5.0; a <= 95.0; a += 0.25) angles.push_back(a);
  for (const planes::Plane& plane : scene.world.planes)
    angles.push_back(optics::focusDegreesForFraction(plane.lambda));
  std::vector<double> best(scene.world.planes.size()), bestError(best.size(), 1e9);
  std::vector<double> canvasBest(best.size()), canvasError(best.size(), 1e9);
  for (double a : angles) {
    refocus(scene.epi.data(), views, n, half, disparityForDegrees(a), photo.data());
    const optics::FocusSteps steps = optics::focusSteps(float(a));
    takePhoto(scene.epi.data(), views, n, canvas.data(), marks.data(), 4 * views, steps.colStep,
              steps.rowStep);
    for (std::size_t p = 0; p < best.size(); ++p) {
      if (const double e = scene.error(photo, int(p)); e < bestError[p]) {
        bestError[p] = e;
        best[p] = a;
      }
      if (const double e = scene.error(canvas, int(p)); e < canvasError[p]) {
        canvasError[p] = e;
        canvasBest[p] = a;
      }
    }
  }
  for (std::size_t p = 0; p < best.size(); ++p) {
    const double lambda = scene.world.planes[p].lambda;
    EXPECT_EQ(best[p], optics::focusDegreesForFraction(lambda)) << "plane " << p;
    EXPECT_NEAR(optics::focusFraction(best[p]), lambda, 1e-9);
    EXPECT_NEAR(canvasBest[p], best[p], 2.0) << "canvas photo, plane " << p;
  }
}

// The camera panel's cameras on the rendered planes: whatever the profile, and from any viewpoint,
// refocusing at a plane's disparity shows the plane as the viewpoint's own view sees it (so the
// photo moves with the viewpoint by the parallax of its depth) and the other planes worse; and
// click-to-focus through that view's pixel finds the plane.
TEST(Refocus, EveryCameraSeesTheFocusedPlaneAsItsViewpointDoes) {
  const Planes scene;
  const int n = Planes::kWidth, views = Planes::kViews, c = centreView(views);
  Bytes photo(std::size_t(3) * n);
  for (const int viewpoint : {c - 8, c - 4, c, c + 4, c + 8}) {
    const unsigned char* seen = &scene.epi[std::size_t(3) * n * rowOfView(views, viewpoint)];
    for (const Aperture aperture : {Aperture::Box, Aperture::Tent, Aperture::Gaussian,
                                    Aperture::TwoSlits, Aperture::Pinholes}) {
      for (std::size_t p = 0; p < scene.world.planes.size(); ++p) {
        const double s = disparityForFraction(scene.world.planes[p].lambda);
        refocus(scene.epi.data(), views, n, ViewCamera{viewpoint, 8, aperture, 3}, s, photo.data());
        // The region's centre-view pixel u is the viewpoint's pixel u - s (c - viewpoint).
        auto error = [&](std::size_t plane) {
          double sum = 0;
          int count = 0;
          for (int u : scene.regions[plane]) {
            const int x = int(std::lround(u - s * (c - viewpoint)));
            if (x < 0 || x >= n) continue;
            for (int ch = 0; ch < 3; ++ch) sum += std::abs(photo[3 * x + ch] - seen[3 * x + ch]);
            ++count;
          }
          return count == 0 ? 0.0 : sum / (3.0 * count);
        };
        const double sharp = error(p);
        EXPECT_LT(sharp, 2.0) << "plane " << p << " viewpoint " << viewpoint << " profile "
                              << int(aperture);
        for (std::size_t q = 0; q < scene.world.planes.size(); ++q)
          if (q != p) {
            EXPECT_GT(error(q), sharp) << "plane " << q << " while focused on " << p;
          }
        if (!scene.regions[p].empty()) {
          const int u = scene.regions[p][scene.regions[p].size() / 2];
          const double fit =
              fitDisparity(scene.epi.data(), views, n, int(std::lround(u - s * (c - viewpoint))),
                           views, -6.0, 1.0, 701, 0, viewpoint);
          EXPECT_NEAR(fit, s, 0.05) << "plane " << p << " viewpoint " << viewpoint;
        }
      }
    }
  }
}

// Click-to-focus on the rendered planes: a pixel of each plane's region picks that plane's
// disparity to within 0.05 pixels a view (under half a pixel across the views either side of the
// centre: reading the smooth texture between pixels blurs the fit a little), so focusing there
// makes the plane sharp; a pixel off the EPI picks nothing.
TEST(Refocus, ClickToFocusFitsEachPlanesDisparity) {
  const Planes scene;
  const int n = Planes::kWidth, views = Planes::kViews;
  for (std::size_t p = 0; p < scene.world.planes.size(); ++p) {
    const double s = disparityForFraction(scene.world.planes[p].lambda);
    int right = 0, total = 0;
    for (std::size_t k = 0; k < scene.regions[p].size(); k += 3, ++total) {
      const double fit =
          fitDisparity(scene.epi.data(), views, n, scene.regions[p][k], views / 2, -6.0, 1.0, 701);
      right += std::abs(fit - s) <= 0.05;
    }
    EXPECT_GE(right, total * 9 / 10) << "plane " << p << ": " << right << " of " << total;
  }
  EXPECT_TRUE(std::isnan(fitDisparity(scene.epi.data(), views, n, n, views / 2, -6, 1, 10)));
  EXPECT_TRUE(std::isnan(fitDisparity(scene.epi.data(), 1, n, 0, 3, -6, 1, 10)));
  EXPECT_TRUE(std::isnan(fitDisparity(scene.epi.data(), views, n, -1, views / 2, -6, 1, 10, 3)));

  // Bands of flat colour 4 to 7 pixels wide (repeating every 22 pixels, so no other disparity
  // from -6 to 0 lines them up) moving -2/3 pixel a view, as the example set's
  // checkerboard does: through a band's middle many lines fit without a difference, and alone
  // the pixel takes the first of them; fitted with its neighbours, the band's edges pick the
  // band's own disparity.
  constexpr int kBandViews = 17, kBandWidth = 120;
  const double band = -2.0 / 3.0;
  auto dark = [](double x) {
    constexpr int kWidths[] = {4, 7, 6, 5};
    const double period = 22.0;
    double within = x - period * std::floor(x / period);
    for (int i = 0;; ++i) {
      if (within < kWidths[i % 4]) return i % 2 == 0;
      within -= kWidths[i % 4];
    }
  };
  Bytes epi(std::size_t(3) * kBandViews * kBandWidth);
  for (int v = 0; v < kBandViews; ++v)
    for (int u = 0; u < kBandWidth; ++u) {
      // The scene position this pixel of view v sees, as a point at disparity `band` moves.
      const double x = u - band * (v - centreView(kBandViews));
      for (int ch = 0; ch < 3; ++ch)
        epi[std::size_t(3) * (std::size_t(rowOfView(kBandViews, v)) * kBandWidth + u) + ch] =
            dark(x) ? 40 : 200;
    }
  int alone = 0, together = 0;
  for (int x = 30; x < 90; ++x) {
    alone +=
        std::abs(fitDisparity(epi.data(), kBandViews, kBandWidth, x, 8, -6, 0, 241) - band) <= 0.05;
    together += std::abs(fitDisparity(epi.data(), kBandViews, kBandWidth, x, 8, -6, 0, 241, 4) -
                         band) <= 0.05;
  }
  // Alone, a good share of the pixels in a band's middle miss.
  EXPECT_LT(alone, 45);
  EXPECT_EQ(together, 60);
  // A radius of 0 is the pixel alone.
  for (int x : {0, 47, 119})
    EXPECT_EQ(fitDisparity(epi.data(), kBandViews, kBandWidth, x, 8, -16, 0, 641, 0),
              fitDisparity(epi.data(), kBandViews, kBandWidth, x, 8, -16, 0, 641));
}

}  // namespace
}  // namespace lightfield::refocus

#include "lightfield/spectrum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "lightfield/depth.h"
#include "lightfield/lightfield.h"
#include "lightfield/strips.h"

namespace lightfield::spectrum {
namespace {

using Bytes = std::vector<unsigned char>;
using Complexes = std::vector<Complex>;
using strips::Rng;
using strips::Scene;

constexpr double kPi = 3.14159265358979323846;

Bytes raysOf(const Bytes& strip, int n) {
  Bytes rays(std::size_t(3) * n * n);
  processImage(strip.data(), 280, n, rays.data());
  return rays;
}

std::vector<double> lumOf(const Bytes& image) {
  std::vector<double> out(image.size() / 3);
  luminance(image.data(), int(out.size()), out.data());
  return out;
}

Complexes dft2(const std::vector<double>& image, int n) {
  Plan plan(n);
  Complexes out(std::size_t(n) * n), scratch(n);
  transform2D(plan, image.data(), out.data(), scratch.data());
  return out;
}

double largest(const Complexes& v) {
  double m = 0;
  for (const Complex& c : v) m = std::max(m, std::abs(c));
  return m;
}

// The transforms against the definition, sum x exp(-2 pi i j k / n), on sizes with every kind
// of factor KissFFT handles (2, 3, 4, 5 and larger primes), one and two dimensions.
TEST(Spectrum, TransformsAreTheDefinition) {
  Rng rng(4);
  for (const int n : {1, 2, 3, 4, 5, 6, 7, 8, 12, 13, 25, 30, 49}) {
    std::vector<double> image(std::size_t(n) * n);
    for (double& v : image) v = rng.range(0, 255);
    const Complexes got = dft2(image, n);
    Complexes want(got.size());
    for (int kr = 0; kr < n; ++kr)
      for (int ku = 0; ku < n; ++ku)
        for (int r = 0; r < n; ++r)
          for (int u = 0; u < n; ++u)
            want[kr * n + ku] +=
                image[r * n + u] * std::polar(1.0, -2 * kPi * double(kr * r + ku * u) / n);
    for (std::size_t p = 0; p < got.size(); ++p)
      ASSERT_LT(std::abs(got[p] - want[p]), 1e-10 * largest(want)) << "n=" << n << " p=" << p;
    // The centred image, pixel by pixel: frequency (c - n/2, q - n/2), wrapped.
    std::vector<float> centred(got.size());
    centredLogMagnitude(got.data(), n, centred.data());
    for (int q = 0; q < n; ++q)
      for (int c = 0; c < n; ++c) {
        const int kr = ((q - n / 2) % n + n) % n, ku = ((c - n / 2) % n + n) % n;
        ASSERT_NEAR(centred[q * n + c], std::log1p(std::abs(want[kr * n + ku])), 1e-5)
            << "n=" << n << " column " << c << " row " << q;
      }
    Plan plan(n);
    Complexes row(n), scratch(n);
    transform1D(plan, image.data(), row.data(), scratch.data());
    for (int k = 0; k < n; ++k) {
      Complex w = 0;
      for (int j = 0; j < n; ++j) w += image[j] * std::polar(1.0, -2 * kPi * double(j * k) / n);
      ASSERT_LT(std::abs(row[k] - w), 1e-10 * (largest(row) + 1)) << "n=" << n << " k=" << k;
    }
  }
}

// The centred image puts frequency (k_u, k_r) at column k_u + n/2, row k_r + n/2: a wave along
// the columns lights two pixels of the middle row, besides the zero frequency.
TEST(Spectrum, CentredImageLayout) {
  for (const int n : {9, 10}) {
    std::vector<double> image(std::size_t(n) * n);
    for (int r = 0; r < n; ++r)
      for (int u = 0; u < n; ++u) image[r * n + u] = 100 + 50 * std::cos(2 * kPi * 3 * r / n);
    const Complexes f = dft2(image, n);
    std::vector<float> centred(std::size_t(n) * n);
    Bytes grey(3 * centred.size());
    centredLogMagnitude(f.data(), n, centred.data());
    greyImage(centred.data(), n, grey.data());
    for (int q = 0; q < n; ++q)
      for (int c = 0; c < n; ++c) {
        const bool lit = c == n / 2 && (q == n / 2 || q == n / 2 + 3 || q == n / 2 - 3);
        EXPECT_EQ(centred[q * n + c] > 1.0f, lit) << "n=" << n << " column " << c << " row " << q;
      }
    EXPECT_EQ(grey[3 * (n / 2 * n + n / 2)], 255);
    EXPECT_EQ(grey[0], 0);
  }
}

// The discrete slice theorem where it is exact: the DFT of the image's wrap-around projection
// along columns, rows and both diagonals is a line of the 2-D DFT, to rounding.
TEST(FourierSlice, WrapAroundProjectionsAreLinesOfTheSpectrum) {
  struct Image {
    const char* name;
    int n;
    std::vector<double> lum;
  };
  std::vector<Image> images;
  for (const Scene scene : strips::kScenes)
    images.push_back(
        {strips::sceneName(scene), 300, lumOf(raysOf(strips::scene(scene, 300), 300))});
  images.push_back({"dense 301", 301, lumOf(raysOf(strips::denseRects(301, 280, 6), 301))});
  images.push_back({"dense 128", 128, lumOf(raysOf(strips::denseRects(128, 280, 7), 128))});
  struct Direction {
    const char* name;
    int du, dr;  // a step along the projection
  };
  const Direction directions[] = {
      {"columns", 0, 1}, {"rows", 1, 0}, {"diagonal", 1, 1}, {"anti-diagonal", -1, 1}};
  std::printf("%-14s", "slice error");
  for (const Direction& d : directions) std::printf(" %13s", d.name);
  std::printf("\n");
  for (const Image& image : images) {
    const int n = image.n;
    const Complexes f = dft2(image.lum, n);
    Plan plan(n);
    std::printf("%-14s", image.name);
    for (const Direction& d : directions) {
      // Projection onto the axis the step does not run along; the line it must equal is
      // perpendicular to the step: k_u du + k_r dr = 0 (mod n).
      std::vector<double> projection(n, 0.0);
      for (int j = 0; j < n; ++j)
        for (int k = 0; k < n; ++k) {
          const int u = d.du == 0 ? j : ((j + d.du * k) % n + n) % n;
          const int r = d.du == 0 ? k : d.dr == 0 ? j : k;
          projection[j] += image.lum[r * n + u];
        }
      Complexes got(n), scratch(n);
      transform1D(plan, projection.data(), got.data(), scratch.data());
      double error = 0, size = 0;
      for (int w = 0; w < n; ++w) {
        // rows: frequency w along r; otherwise w along u and k_r = -w du / dr.
        const int ku = d.du == 1 && d.dr == 0 ? 0 : w;
        const int kr = d.du == 1 && d.dr == 0 ? w
                       : d.du == 0            ? 0
                                              : ((-w * d.du * d.dr) % n + n) % n;
        const Complex want = f[kr * n + ku];
        error = std::max(error, std::abs(got[w] - want));
        size = std::max(size, std::abs(want));
      }
      std::printf(" %13.2e", error / size);
      EXPECT_LT(error / size, 1e-9) << image.name << " " << d.name;
    }
    std::printf("\n");
  }
}

// The slice line of a focus angle is the line of the fraction it focuses, running from the
// centre along (sin, -cos): flat at 90 degrees, upright at 0, rising at 45.
TEST(FourierSlice, LineOfTheFocusAngle) {
  const int n = 300;
  const auto check = [&](Segment got, double x0, double y0, double x1, double y1) {
    EXPECT_NEAR(got.x0, x0, 1e-6);
    EXPECT_NEAR(got.y0, y0, 1e-6);
    EXPECT_NEAR(got.x1, x1, 1e-6);
    EXPECT_NEAR(got.y1, y1, 1e-6);
  };
  check(sliceLine(n, 0.0f, 1.0f), 0, 150, 300, 150);
  check(sliceLine(n, 1.0f, 0.0f), 150, 300, 150, 0);
  check(fractionLine(n, 0.5), 0, 300, 300, 0);
  for (int a = 1; a < depth::kFocusAngles; ++a) {
    const Segment s = sliceLine(n, depth::focusCos(a), depth::focusSin(a));
    const double angle = std::atan2(-(s.y1 - s.y0), s.x1 - s.x0) * 180 / kPi;
    EXPECT_NEAR(angle, 90 - a * 0.5, 1e-4) << a;
  }
}

// A photo with the whole aperture against the slice, per focus angle: the relative RMS
// difference of the two spectra, zero frequency left out. The slice is a wrap-around projection
// across the columns, while the photo averages only the samples inside the image, and its
// bytes are truncated means: the agreement is worst at flat angles, where most lines of samples
// leave the image through its sides, and where the photo is so blurred that little but the
// truncation is left to compare.
TEST(FourierSlice, FullAperturePhotoFollowsTheSlice) {
  const int n = 300;
  Plan plan(n);
  Complexes spectrum(std::size_t(n) * n), scratch(n), row(n);
  std::vector<double> lum(std::size_t(n) * n), photoMagnitude(n), slice(n);
  std::vector<float> logMagnitude(std::size_t(n) * n);
  Bytes image(std::size_t(3) * n * n), photo(3 * n);
  std::printf("%-14s", "photo/slice");
  const int angles[] = {10, 30, 50, 70, 90, 110, 130, 150, 160, 170, 176, 180};
  for (const int a : angles) std::printf(" %6.1f", a * 0.5);
  std::printf("\n");
  for (const Scene scene : strips::kScenes) {
    Bytes rays = raysOf(strips::scene(scene, n), n), marks = rays;
    luminance(rays.data(), n * n, lum.data());
    transformRows(plan, lum.data(), spectrum.data(), scratch.data());
    std::printf("%-14s", strips::sceneName(scene));
    for (const int a : angles) {
      const float c = depth::focusCos(a), s = depth::focusSin(a);
      takePhoto(rays.data(), n, n, photo.data(), marks.data(), 2 * n, c, s);
      photoSpectrum(plan, photo.data(), n, photoMagnitude.data(), lum.data(), row.data(),
                    scratch.data());
      sliceValues(spectrum.data(), n, c, s, slice.data());
      double difference = 0, size = 0;
      for (int k = 0; k < n; ++k) {
        if (k == n / 2) continue;
        difference += (photoMagnitude[k] - slice[k]) * (photoMagnitude[k] - slice[k]);
        size += photoMagnitude[k] * photoMagnitude[k];
      }
      const double error = std::sqrt(difference / size);
      std::printf(" %6.3f", error);
      // The app draws the slice over the photo's spectrum; within 5 degrees of upright the
      // two agree to this.
      if (a >= 170) {
        EXPECT_LT(error, 0.3) << strips::sceneName(scene) << " at " << a * 0.5;
      }
    }
    std::printf("\n");
  }
}

// Scenes without image fills keep their spectrum in the fan between the lines of their nearest
// and farthest shape, widened by one bin.
TEST(FourierSlice, FanHoldsTheEnergyOfTheBuiltInScenes) {
  const int n = 300;
  Plan plan(n);
  Complexes spectrum(std::size_t(n) * n), scratch(n);
  std::vector<double> lum(std::size_t(n) * n);
  std::vector<float> logMagnitude(std::size_t(n) * n);
  Bytes image(std::size_t(3) * n * n);
  std::printf("%-14s %7s %7s %7s\n", "fan", "nearest", "farthest", "share");
  for (const Scene scene : strips::kScenes) {
    const Bytes strip = strips::scene(scene, n);
    double lo = 1, hi = 0;
    for (int k = 0; k < 280; ++k)
      for (int x = 0; x < n; ++x)
        if (!std::all_of(&strip[3 * (k * n + x)], &strip[3 * (k * n + x) + 3],
                         [](unsigned char b) { return b == 255; })) {
          lo = std::min(lo, 1 - k / 279.0);
          hi = std::max(hi, 1 - k / 279.0);
        }
    const Bytes rays = raysOf(strip, n);
    raySpectrum(plan, rays.data(), n, spectrum.data(), logMagnitude.data(), image.data(),
                lum.data(), scratch.data());
    const double share = fanShare(spectrum.data(), n, lo, hi);
    std::printf("%-14s %7.3f %7.3f %6.1f%%\n", strips::sceneName(scene), lo, hi, 100 * share);
    EXPECT_GE(share, 0.95) << strips::sceneName(scene);
  }
}

}  // namespace
}  // namespace lightfield::spectrum

#include "lightfield/spectrum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "lightfield/depth.h"
#include "lightfield/lightfield.h"
#include "lightfield/planes.h"
#include "lightfield/refocus.h"
#include "lightfield/strips.h"

namespace lightfield::spectrum {
namespace {

using Bytes = std::vector<unsigned char>;
using Complexes = std::vector<Complex>;
using strips::Rng;
using strips::Scene;

constexpr double kPi = 3.14159265358979323846;

// The square engine as it stood before it took rows x cols images, verbatim: the general code
// must give a square image exactly these bytes.
void squareTransformRows(const Plan& plan, const double* image, Complex* out, Complex* scratch) {
  const int n = plan.size();
  int r = 0;
  // Two real rows in one complex transform, z = a + i b, then parted by their symmetry:
  // A[k] = (Z[k] + conj Z[-k]) / 2, B[k] = (Z[k] - conj Z[-k]) / 2i.
  for (; r + 1 < n; r += 2) {
    const double* a = image + std::size_t(r) * n;
    const double* b = a + n;
    for (int u = 0; u < n; ++u) scratch[u] = Complex(a[u], b[u]);
    Complex* rowA = out + std::size_t(r) * n;
    Complex* rowB = rowA + n;
    plan.transform(scratch, rowB);
    for (int k = 0; k <= n / 2; ++k) {
      const int m = (n - k) % n;
      const Complex z = rowB[k], w = std::conj(rowB[m]);
      const Complex zm = rowB[m], wm = std::conj(rowB[k]);
      rowA[k] = 0.5 * (z + w);
      rowA[m] = 0.5 * (zm + wm);
      rowB[k] = Complex(0.0, -0.5) * (z - w);
      rowB[m] = Complex(0.0, -0.5) * (zm - wm);
    }
  }
  for (; r < n; ++r) {
    for (int u = 0; u < n; ++u) scratch[u] = image[std::size_t(r) * n + u];
    plan.transform(scratch, out + std::size_t(r) * n);
  }
}

void squareTransform2D(const Plan& plan, const double* image, Complex* out, Complex* scratch) {
  const int n = plan.size();
  squareTransformRows(plan, image, out, scratch);
  // A real image's spectrum is symmetric, F(-k) = conj F(k): half the columns give the rest.
  for (int u = 0; u <= n / 2; ++u) {
    plan.transform(out + u, scratch, std::size_t(n));
    for (int r = 0; r < n; ++r) out[std::size_t(r) * n + u] = scratch[r];
  }
  for (int r = 0; r < n; ++r)
    for (int u = n / 2 + 1; u < n; ++u)
      out[std::size_t(r) * n + u] = std::conj(out[std::size_t((n - r) % n) * n + (n - u)]);
}

void squareCentredLogMagnitude(const Complex* spectrum, int n, float* out) {
  // A real image's spectrum has |F(-k)| = |F(k)|: the rows past the middle mirror earlier ones.
  // Frequency f sits at n/2 + f, so -f sits at 2 (n/2) - that, modulo n.
  const int twice = 2 * (n / 2);
  for (int q = 0; q < n; ++q) {
    float* row = out + std::size_t(q) * n;
    if (q > n / 2) {
      const float* mirror = out + std::size_t((twice - q) % n) * n;
      for (int c = 0; c < n; ++c) row[c] = mirror[(twice - c) % n];
      continue;
    }
    const int kr = ((q - n / 2) % n + n) % n;
    for (int c = 0; c < n; ++c) {
      const int ku = ((c - n / 2) % n + n) % n;
      // sqrt of the norm: std::abs guards against overflow, which these sizes never reach.
      row[c] =
          std::log1p(static_cast<float>(std::sqrt(std::norm(spectrum[std::size_t(kr) * n + ku]))));
    }
  }
}

void squareGreyImage(const float* values, int n, unsigned char* rgb) {
  const std::size_t count = std::size_t(n) * std::size_t(n);
  float top = 0.0f;
  for (std::size_t p = 0; p < count; ++p) top = std::max(top, values[p]);
  const float scale = top > 0.0f ? 255.0f / top : 0.0f;
  for (std::size_t p = 0; p < count; ++p)
    std::fill_n(rgb + 3 * p, 3, static_cast<unsigned char>(values[p] * scale + 0.5f));
}

void squareRaySpectrum(const Plan& plan, const unsigned char* rays, int n, Complex* spectrum,
                       float* logMagnitude, unsigned char* image, double* lum, Complex* scratch) {
  const std::size_t count = std::size_t(n) * std::size_t(n);
  luminance(rays, n * n, lum);
  double mean = 0.0;
  for (std::size_t p = 0; p < count; ++p) mean += lum[p];
  mean /= static_cast<double>(count);
  // The Hann weights of one axis, kept in the spectrum's first row until the transform needs it.
  double* hann = reinterpret_cast<double*>(spectrum);
  constexpr double kTwoPi = 6.283185307179586;
  for (int j = 0; j < n; ++j) hann[j] = 0.5 - 0.5 * std::cos(kTwoPi * (j + 0.5) / n);
  for (int r = 0; r < n; ++r)
    for (int u = 0; u < n; ++u) {
      double& v = lum[std::size_t(r) * n + u];
      v = (v - mean) * hann[r] * hann[u];
    }
  squareTransform2D(plan, lum, spectrum, scratch);
  squareCentredLogMagnitude(spectrum, n, logMagnitude);
  squareGreyImage(logMagnitude, n, image);
}

void squareSliceValues(const Complex* rows, int n, float colStep, float rowStep, double* out) {
  std::fill(out, out + n, 0.0);
  if (!(rowStep > 0.0f)) return;
  const double ratio = -static_cast<double>(colStep) / static_cast<double>(rowStep);
  constexpr double kTwoPi = 6.283185307179586;
  for (int k = -(n / 2); k < n - n / 2; ++k) {
    const int ku = (k % n + n) % n;
    const double kr = k * ratio;
    // Step the phase row by row; the angle is reduced first so it stays exact for large k_r.
    const double turn = kr / n - std::floor(kr / n);
    const Complex step = std::polar(1.0, -kTwoPi * turn);
    Complex phase = 1.0, sum = 0.0;
    for (int r = 0; r < n; ++r) {
      sum += rows[std::size_t(r) * n + ku] * phase;
      phase *= step;
    }
    out[k + n / 2] = std::abs(sum) / n;
  }
}

Segment squareFractionLine(int n, double lambda) {
  const double dx = lambda, dy = lambda - 1.0;
  const double reach = 0.5 * n / std::max(std::abs(dx), std::abs(dy));
  const double cx = n / 2, cy = n / 2;
  return {cx - reach * dx, cy - reach * dy, cx + reach * dx, cy + reach * dy};
}

Segment squareSliceLine(int n, float colStep, float rowStep) {
  const double c = colStep, s = rowStep;
  return squareFractionLine(n, s / (s + c));
}

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

template <class T>
bool sameBytes(const std::vector<T>& a, const std::vector<T>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}

bool sameBytes(const Segment& a, const Segment& b) {
  return std::memcmp(&a, &b, sizeof(Segment)) == 0;
}

// A square image through the rows x cols code gives the square code's bytes: transforms,
// picture, slice values and lines, on random images of sizes with every kind of factor.
TEST(Spectrum, SquareImagesKeepTheirBytes) {
  Rng rng(11);
  for (const int n : {1, 2, 3, 4, 7, 16, 25, 30, 64, 97, 128, 300}) {
    const auto cells = std::size_t(n) * n;
    Bytes rays(3 * cells);
    for (unsigned char& b : rays) b = static_cast<unsigned char>(rng.range(0, 255));
    Plan plan(n);
    Complexes scratch(n), full(cells), fullWant(cells), rows(cells), rowsWant(cells);
    std::vector<double> lum(cells), lumWant(cells);
    std::vector<float> logMagnitude(cells), logWant(cells);
    Bytes grey(3 * cells), greyWant(3 * cells);
    raySpectrum(plan, plan, rays.data(), full.data(), logMagnitude.data(), grey.data(), lum.data(),
                scratch.data());
    squareRaySpectrum(plan, rays.data(), n, fullWant.data(), logWant.data(), greyWant.data(),
                      lumWant.data(), scratch.data());
    EXPECT_TRUE(sameBytes(full, fullWant)) << n;
    EXPECT_TRUE(sameBytes(logMagnitude, logWant)) << n;
    EXPECT_TRUE(sameBytes(grey, greyWant)) << n;
    EXPECT_TRUE(sameBytes(lum, lumWant)) << n;

    luminance(rays.data(), n * n, lum.data());
    transformRows(plan, n, lum.data(), rows.data(), scratch.data());
    squareTransformRows(plan, lum.data(), rowsWant.data(), scratch.data());
    EXPECT_TRUE(sameBytes(rows, rowsWant)) << n;
    std::vector<double> slice(n), sliceWant(n);
    for (int a = 1; a < depth::kFocusAngles; a += 17) {
      const float c = depth::focusCos(a), s = depth::focusSin(a);
      sliceValues(rows.data(), n, n, c, s, slice.data());
      squareSliceValues(rowsWant.data(), n, c, s, sliceWant.data());
      EXPECT_TRUE(sameBytes(slice, sliceWant)) << n << " at " << a;
      EXPECT_TRUE(sameBytes(sliceLine(n, n, c, s), squareSliceLine(n, c, s))) << n << " at " << a;
    }
    for (const double lambda : {0.0, 0.1, 0.5, 0.77, 1.0, 1.3})
      EXPECT_TRUE(sameBytes(fractionLine(n, n, lambda), squareFractionLine(n, lambda)))
          << n << " lambda " << lambda;
  }
}

// Rows x cols against the definitions, on random small images whose sides are drawn apart: the
// 2-D DFT, the centred picture, the Hann-windowed spectrum the view shows (sin^2 weights, the
// same window written another way) and the slice's values as the Fourier sum at a k_r between
// the bins, k_r = -k (rows / cols) cos / sin.
TEST(Spectrum, RectangularImagesFollowTheDefinitions) {
  Rng rng(12);
  for (int trial = 0; trial < 24; ++trial) {
    const int rows = rng.range(1, 12), cols = rng.range(1, 40);
    const auto cells = std::size_t(rows) * cols;
    Bytes rays(3 * cells);
    for (unsigned char& b : rays) b = static_cast<unsigned char>(rng.range(0, 255));
    std::vector<double> lum(cells), windowed(cells);
    luminance(rays.data(), int(cells), lum.data());
    double mean = 0;
    for (double v : lum) mean += v / double(cells);
    for (int r = 0; r < rows; ++r)
      for (int u = 0; u < cols; ++u) {
        const double wr = std::sin(kPi * (r + 0.5) / rows), wu = std::sin(kPi * (u + 0.5) / cols);
        windowed[r * cols + u] = (lum[r * cols + u] - mean) * wr * wr * wu * wu;
      }
    const auto dft = [&](const std::vector<double>& image, double kr, int ku) {
      Complex sum = 0;
      for (int r = 0; r < rows; ++r)
        for (int u = 0; u < cols; ++u)
          sum += image[r * cols + u] *
                 std::polar(1.0, -2 * kPi * (kr * r / rows + double(ku) * u / cols));
      return sum;
    };
    const std::string size = std::to_string(rows) + " x " + std::to_string(cols);

    const Plan along(cols), down(rows);
    Complexes got(cells), scratch(std::max(rows, cols));
    transform2D(along, down, lum.data(), got.data(), scratch.data());
    Complexes want(cells);
    for (int kr = 0; kr < rows; ++kr)
      for (int ku = 0; ku < cols; ++ku) want[kr * cols + ku] = dft(lum, kr, ku);
    for (std::size_t p = 0; p < cells; ++p)
      ASSERT_LT(std::abs(got[p] - want[p]), 1e-10 * largest(want)) << size << " p=" << p;

    Complexes spectrum(cells);
    std::vector<float> logMagnitude(cells);
    Bytes grey(3 * cells);
    std::vector<double> work(cells);
    raySpectrum(along, down, rays.data(), spectrum.data(), logMagnitude.data(), grey.data(),
                work.data(), scratch.data());
    float top = 0;
    for (int q = 0; q < rows; ++q)
      for (int c = 0; c < cols; ++c) {
        const int kr = ((q - rows / 2) % rows + rows) % rows;
        const int ku = ((c - cols / 2) % cols + cols) % cols;
        const Complex w = dft(windowed, kr, ku);
        ASSERT_LT(std::abs(spectrum[kr * cols + ku] - w), 1e-8 * (std::abs(w) + 1)) << size;
        ASSERT_NEAR(logMagnitude[q * cols + c], std::log1p(std::abs(w)), 1e-4)
            << size << " column " << c << " row " << q;
        top = std::max(top, logMagnitude[q * cols + c]);
      }
    for (std::size_t p = 0; p < cells; ++p)
      ASSERT_NEAR(grey[3 * p], top > 0 ? 255 * logMagnitude[p] / top : 0, 0.51) << size;

    Complexes rowTransforms(cells);
    transformRows(along, rows, lum.data(), rowTransforms.data(), scratch.data());
    std::vector<double> slice(cols);
    for (int a = 1; a < depth::kFocusAngles; a += 23) {
      const float c = depth::focusCos(a), s = depth::focusSin(a);
      sliceValues(rowTransforms.data(), rows, cols, c, s, slice.data());
      for (int k = -(cols / 2); k < cols - cols / 2; ++k) {
        const double kr = -k * double(rows) / cols * double(c) / double(s);
        const double w = std::abs(dft(lum, kr, k)) / rows;
        ASSERT_NEAR(slice[k + cols / 2], w, 1e-9 * (largest(want) + 1)) << size << " k=" << k;
      }
    }
  }
}

// A row of views of planes, stacked as its epipolar-plane image (views x width).
Bytes epiOf(const planes::World& world, int views, int width) {
  std::vector<Bytes> lines;
  for (int v = 0; v < views; ++v) lines.push_back(world.view(v, width, 1));
  std::vector<const unsigned char*> rows;
  for (const Bytes& line : lines) rows.push_back(line.data());
  Bytes epi(std::size_t(3) * views * width);
  refocus::stackScanlines(rows.data(), views, width, epi.data());
  return epi;
}

// The line of a fraction in a rows x cols frequency grid: symmetric about the zero frequency,
// reaching the grid's edge, and across the direction a point at that fraction runs in pixels.
// A wide textured plane's epipolar-plane image puts its energy there: in every column of the
// picture where the texture has energy, the brightest row is the line's, within a bin.
TEST(FourierSlice, LineOfAFractionInARectangularGrid) {
  for (const auto& [rows, cols] : {std::pair{9, 120}, {16, 96}, {5, 31}, {120, 9}}) {
    for (const double lambda : {0.55, 0.7, 0.85, 1.0, 1.2}) {
      const Segment line = fractionLine(rows, cols, lambda);
      const double cx = cols / 2, cy = rows / 2;
      EXPECT_NEAR(line.x0 + line.x1, 2 * cx, 1e-9);
      EXPECT_NEAR(line.y0 + line.y1, 2 * cy, 1e-9);
      const double ex = std::abs(line.x1 - cx) / (0.5 * cols),
                   ey = std::abs(line.y1 - cy) / (0.5 * rows);
      EXPECT_NEAR(std::max(ex, ey), 1.0, 1e-9) << rows << " x " << cols << " " << lambda;
      // Frequency (k_u / cols, k_r / rows) is across (1 - lambda, lambda).
      EXPECT_NEAR((line.x1 - cx) / cols * (1 - lambda) + (line.y1 - cy) / rows * lambda, 0, 1e-9);

      if (rows < 9 || cols < rows) continue;
      const planes::World world{{{lambda, -1000.0, 1000.0, 7, 1.0}}};
      const Bytes epi = epiOf(world, rows, cols);
      const Plan along(cols), down(rows);
      const auto cells = std::size_t(rows) * cols;
      Complexes spectrum(cells), scratch(cols);
      std::vector<float> logMagnitude(cells);
      Bytes grey(3 * cells);
      std::vector<double> lum(cells);
      raySpectrum(along, down, epi.data(), spectrum.data(), logMagnitude.data(), grey.data(),
                  lum.data(), scratch.data());
      // The frequencies the texture holds: below a quarter of a cycle per pixel, well before
      // its interpolation's falloff, where the rounding of the views to bytes has all.
      for (int c = cols / 2 - cols / 4; c <= cols / 2 + cols / 4; ++c) {
        if (c == cols / 2) continue;
        int best = 0;
        for (int q = 1; q < rows; ++q)
          if (logMagnitude[q * cols + c] > logMagnitude[best * cols + c]) best = q;
        // The line's row at this column, wrapped as the picture wraps k_r.
        const double t = (c - cx) / (line.x1 - cx);
        const double y = cy + t * (line.y1 - cy);
        const double off = std::remainder(best - y, double(rows));
        EXPECT_LE(std::abs(off), 1.0)
            << rows << " x " << cols << " lambda " << lambda << " column " << c;
      }
    }
  }
}

// The physical claim the dock draws for a real light field: the photo refocused through every
// view has the slice's values for its spectrum. Refocus reads inside the views only and between
// pixels, where the slice wraps around: the relative RMS difference, zero frequency left out,
// stays small for focus angles near upright.
TEST(FourierSlice, RefocusedPhotoOfARowOfViewsFollowsTheSlice) {
  const planes::World world{
      {{0.6, 10.5, 60.0, 3, 1.5}, {0.8, 40.0, 120.0, 4, 2.0}, {1.0, -1000.0, 1000.0, 5, 3.0}}};
  std::printf("%-14s", "refocus/slice");
  const int angles[] = {120, 135, 150, 160, 170, 180};
  for (const int a : angles) std::printf(" %6.1f", a * 0.5);
  std::printf("\n");
  for (const auto& [views, width] : {std::pair{9, 160}, {16, 150}, {5, 201}}) {
    const Bytes epi = epiOf(world, views, width);
    const Plan along(width);
    const auto cells = std::size_t(views) * width;
    Complexes rows(cells), scratch(width), line(width);
    std::vector<double> lum(cells), photoMagnitude(width), slice(width);
    luminance(epi.data(), int(cells), lum.data());
    transformRows(along, views, lum.data(), rows.data(), scratch.data());
    Bytes photo(std::size_t(3) * width);
    std::printf("%3d x %-8d", views, width);
    for (const int a : angles) {
      const float c = depth::focusCos(a), s = depth::focusSin(a);
      refocus::refocus(epi.data(), views, width, views / 2, refocus::disparityForDegrees(a * 0.5),
                       photo.data());
      photoSpectrum(along, photo.data(), width, photoMagnitude.data(), lum.data(), line.data(),
                    scratch.data());
      sliceValues(rows.data(), views, width, c, s, slice.data());
      double difference = 0, size = 0;
      for (int k = 0; k < width; ++k) {
        if (k == width / 2) continue;
        difference += (photoMagnitude[k] - slice[k]) * (photoMagnitude[k] - slice[k]);
        size += photoMagnitude[k] * photoMagnitude[k];
      }
      const double error = std::sqrt(difference / size);
      std::printf(" %6.3f", error);
      EXPECT_LT(error, 0.15) << views << " x " << width << " at " << a * 0.5;
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

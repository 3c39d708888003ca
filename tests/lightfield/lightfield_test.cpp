#include "lightfield/lightfield.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "lightfield/reference.h"
#include "lightfield/strips.h"

namespace lightfield {
namespace {

using Bytes = std::vector<unsigned char>;
using strips::Rgb;
using strips::Rng;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kBelowOne = 1.0f - 0x1p-24f;

// Buffers are sized exactly, so AddressSanitizer reports any read or write past them.
Bytes rays(const Bytes& strip, int h, int n) {
  Bytes out(std::size_t(3) * n * n, 7);
  processImage(strip.data(), h, n, out.data());
  return out;
}

Bytes referenceRays(const Bytes& strip, int h, int n) {
  Bytes out(std::size_t(3) * n * n, 7);
  reference::processImage(strip.data(), h, n, out.data());
  return out;
}

// "" when equal, else where the first difference lies.
std::string compare(const Bytes& got, const Bytes& want, int width) {
  if (got.size() != want.size()) return "size differs";
  for (std::size_t i = 0; i < got.size(); ++i)
    if (got[i] != want[i])
      return "byte " + std::to_string(i) + " (pixel column " + std::to_string(i / 3 % width) +
             ", row " + std::to_string(i / 3 / width) + "): " + std::to_string(got[i]) +
             " != " + std::to_string(want[i]);
  return "";
}

void setPixel(Bytes& image, int width, int x, int y, Rgb c) {
  strips::fillRect(image, width, int(image.size() / 3 / width), x, y, 1, 1, c);
}

Rgb pixelAt(const Bytes& image, int width, int x, int y) {
  const unsigned char* p = &image[std::size_t(3) * (std::size_t(y) * width + x)];
  return {p[0], p[1], p[2]};
}

bool operator==(Rgb a, Rgb b) {
  return a.r == b.r && a.g == b.g && a.b == b.b;
}

// ---------------------------------------------------------------------------------------------
// Ray-space image

enum class Kind {
  White,
  Noise,
  Sparse,
  Rects,
  EdgeRows,
  NearWhite,
  Frame,
  Bands,
  Corners,
  Bounds,
  Steps
};
constexpr int kKinds = 11;

Bytes makeStrip(Kind kind, int n, int h, std::uint64_t seed) {
  Rng rng(seed);
  Bytes strip = strips::white(n, h);
  const auto sprinkle = [&](int rowFrom, int rowTo, int oneIn, auto colour) {
    for (int k = rowFrom; k < rowTo; ++k)
      for (int x = 0; x < n; ++x)
        if (rng.range(1, oneIn) == 1) setPixel(strip, n, x, k, colour());
  };
  const auto random = [&] { return strips::randomColour(rng); };
  switch (kind) {
    case Kind::White:
      break;
    case Kind::Noise:
      for (auto& byte : strip) byte = (unsigned char)rng.range(0, 255);
      sprinkle(0, h, 4, [] { return Rgb{255, 255, 255}; });
      break;
    case Kind::Sparse:
      sprinkle(0, h, 150, random);
      break;
    case Kind::Rects:
      strip = strips::denseRects(n, h, seed, 1 + n * h / 2000);
      break;
    case Kind::EdgeRows:
      if (h > 0) {
        sprinkle(0, 1, 6, random);
        sprinkle(h - 1, h, 6, random);
      }
      break;
    case Kind::NearWhite: {
      const Rgb near[] = {{254, 255, 255}, {255, 254, 255}, {255, 255, 254}};
      sprinkle(0, h, 40, [&] { return near[rng.range(0, 2)]; });
      break;
    }
    case Kind::Frame:
      // Column 0 coloured on every row, random pixels only in the top third: most rays find
      // their colour far from the bottom, after many non-empty rows.
      for (int k = 0; k < h; ++k) setPixel(strip, n, 0, k, random());
      sprinkle(0, h / 3, 2 * n, random);
      break;
    case Kind::Bands:
      // Bands of identical rows, each row runs of a few colours, some touching, some one or two
      // pixels wide, with wide white stretches between: rows taken a band at a time, and rays
      // that meet two runs of one band.
      for (int k = 0; k < h;) {
        const int band = rng.range(1, 40), style = rng.range(0, 3);
        const Rgb colours[] = {random(), random(), {255, 255, 254}};
        for (int x = 0; x < n && style > 0;) {
          const int length = rng.range(1, style == 1 ? 3 : 60), pick = rng.range(0, 5);
          if (pick < 3) strips::fillRect(strip, n, h, x, k, length, band, colours[pick]);
          x += length;
        }
        k += band;
      }
      break;
    case Kind::Corners:
      // One pixel in each corner of the strip.
      for (const int k : {0, h - 1})
        for (const int x : {0, n - 1}) setPixel(strip, n, x, k, random());
      break;
    case Kind::Bounds:
      // Runs that end on the last pixel of an eight-pixel block or of a 64-bit word, or on the
      // row's last pixel, in every row.
      for (int k = 0; k < h; ++k)
        for (const int end : {7, 8, 63, 64, 127, n - 1}) {
          const int length = rng.range(1, 12);
          strips::fillRect(strip, n, h, end - length + 1, k, length, 1, random());
        }
      break;
    case Kind::Steps:
      // Bands of identical rows whose runs are about as wide as a ray's widest step between
      // adjacent rows, n / (h - 1): the narrowest that no ray can step over, and narrower.
      if (h > 1) {
        const int step = n / (h - 1);
        for (int k = 0; k < h;) {
          const int band = rng.range(1, h);
          for (int x = rng.range(0, step + 3); x < n;) {
            const int length = std::max(1, step + rng.range(-1, 3));
            strips::fillRect(strip, n, h, x, k, length, band, random());
            x += length + rng.range(1, 2 * step + 4);
          }
          k += band;
        }
      }
      break;
  }
  return strip;
}

TEST(ProcessImage, EqualsReferenceOnGeneratedStrips) {
  struct Size {
    int n, h;
  };
  const Size sizes[] = {{1, 2},    {1, 300},   {2, 2},    {3, 3},    {4, 3},   {5, 0},    {6, 1},
                        {7, 2},    {8, 9},     {9, 17},   {31, 64},  {63, 5},  {64, 120}, {65, 2},
                        {100, 1},  {100, 40},  {127, 33}, {129, 60}, {301, 7}, {511, 2},  {700, 3},
                        {128, 90}, {200, 280}, {300, 12}, {300, 41}, {97, 8},  {250, 6}};
  std::uint64_t seed = 1;
  for (const Size s : sizes)
    for (int kind = 0; kind < kKinds; ++kind) {
      const Bytes strip = makeStrip(Kind(kind), s.n, s.h, ++seed);
      EXPECT_EQ(compare(rays(strip, s.h, s.n), referenceRays(strip, s.h, s.n), s.n), "")
          << "n=" << s.n << " h=" << s.h << " kind=" << kind;
    }
}

TEST(ProcessImage, EqualsReferenceOnRandomSizes) {
  Rng rng(99);
  for (int i = 0; i < 60; ++i) {
    const int n = rng.range(1, 120), h = rng.range(2, 150), kind = rng.range(0, kKinds - 1);
    const Bytes strip = makeStrip(Kind(kind), n, h, rng.next());
    EXPECT_EQ(compare(rays(strip, h, n), referenceRays(strip, h, n), n), "")
        << "n=" << n << " h=" << h << " kind=" << kind;
  }
}

// The starting scene, a dense one, and strips so tall or wide that rows come in several batches
// and diagonals in several windows.
TEST(ProcessImage, EqualsReferenceOnLargeStrips) {
  struct Case {
    int n, h;
    Bytes strip;
  };
  const Case cases[] = {{300, 280, strips::defaultBars(300)},
                        {300, 280, strips::denseRects(300, 280, 42)},
                        {300, 280, makeStrip(Kind::Sparse, 300, 280, 4)},
                        {1, 9000, makeStrip(Kind::Sparse, 1, 9000, 5)},
                        {8, 9000, makeStrip(Kind::Frame, 8, 9000, 6)},
                        {65, 4200, makeStrip(Kind::Frame, 65, 4200, 7)},
                        {4160, 2, makeStrip(Kind::Noise, 4160, 2, 8)}};
  for (const Case& c : cases)
    EXPECT_EQ(compare(rays(c.strip, c.h, c.n), referenceRays(c.strip, c.h, c.n), c.n), "")
        << "n=" << c.n << " h=" << c.h;
}

// n = 4, h = 3: t is 0, 1/2, 1. Ray u=0 -> v=3 passes columns 0, 1 (1.5 truncated), 3;
// ray u=3 -> v=0 passes columns 3, 1 (3 - 1.5), 0.
TEST(ProcessImage, SamplesTheSpecifiedPixels) {
  struct Ray {
    int u, v;
    int columns[3];
  };
  const Ray probes[] = {{0, 3, {0, 1, 3}}, {3, 0, {3, 1, 0}}};
  for (const Ray& ray : probes)
    for (int k = 0; k < 3; ++k)
      for (int x = 0; x < 4; ++x) {
        Bytes strip = strips::white(4, 3);
        setPixel(strip, 4, x, k, {9, 8, 7});
        const bool hit = ray.columns[k] == x;
        EXPECT_EQ(pixelAt(rays(strip, 3, 4), 4, ray.u, 3 - ray.v) == (Rgb{9, 8, 7}), hit)
            << "ray " << ray.u << "->" << ray.v << " strip pixel " << x << "," << k;
      }
}

// A pixel on the upper line is the start of every ray through column c; on the lower line, the
// end. Near-white counts as a colour.
TEST(ProcessImage, EdgeRowPixelFillsAColumnOrARow) {
  const Rgb colours[] = {{0, 0, 0}, {254, 255, 255}, {255, 255, 254}};
  const int n = 9, h = 6;
  for (const Rgb colour : colours)
    for (int c : {0, 4, 8})
      for (int k : {0, h - 1}) {
        Bytes strip = strips::white(n, h);
        setPixel(strip, n, c, k, colour);
        const Bytes out = rays(strip, h, n);
        for (int r = 0; r < n; ++r)
          for (int u = 0; u < n; ++u) {
            const bool hit = k == 0 ? u == c : r == n - 1 - c;
            EXPECT_TRUE(pixelAt(out, n, u, r) == (hit ? colour : Rgb{255, 255, 255}))
                << u << "," << r << " k=" << k;
          }
      }
}

TEST(ProcessImage, PixelNearestTheLowerLineWins) {
  const int n = 10, h = 12;
  Bytes strip = strips::white(n, h);
  setPixel(strip, n, 4, 2, {10, 10, 10});
  setPixel(strip, n, 4, 7, {20, 20, 20});
  EXPECT_TRUE(pixelAt(rays(strip, h, n), n, 4, n - 1 - 4) == (Rgb{20, 20, 20}));
}

TEST(ProcessImage, EmptyStripOrImage) {
  for (int h : {0, -1, INT_MIN}) {
    const Bytes strip = makeStrip(Kind::Noise, 5, 3, 1);
    EXPECT_EQ(rays(strip, h, 5), Bytes(75, 255)) << h;
  }
  Bytes untouched(16, 7);
  for (int n : {0, -2, INT_MIN}) {
    processImage(nullptr, 280, n, untouched.data());
    EXPECT_EQ(untouched, Bytes(16, 7)) << n;
  }
}

// A one-row strip lies on both lines at once; it is sampled at column u.
TEST(ProcessImage, OneRowStripIsSampledAtTheUpperPosition) {
  const int n = 23;
  const Bytes strip = makeStrip(Kind::Noise, n, 1, 3);
  const Bytes out = rays(strip, 1, n);
  for (int u = 0; u < n; ++u)
    for (int r = 0; r < n; ++r) {
      const Rgb in = pixelAt(strip, n, u, 0);
      EXPECT_TRUE(pixelAt(out, n, u, r) == in) << u << "," << r;
    }
}

// ---------------------------------------------------------------------------------------------
// Photo synthesis

struct Photo {
  Bytes photo, marks;
};

Photo photo(const Bytes& source, int rows, int cols, const Bytes& marks, int d, float a, float b,
            bool literal = false) {
  Photo out{Bytes(std::size_t(3) * cols, 7), marks};
  (literal ? reference::takePhoto : takePhoto)(source.data(), rows, cols, out.photo.data(),
                                               out.marks.data(), d, a, b);
  return out;
}

Bytes noise(int rows, int cols, std::uint64_t seed) {
  Rng rng(seed);
  Bytes image(std::size_t(3) * rows * cols);
  for (auto& byte : image) byte = (unsigned char)rng.range(0, 255);
  return image;
}

void expectSamePhoto(const Bytes& source, int rows, int cols, int d, float a, float b) {
  const Bytes marks = noise(rows, cols, 77);
  const Bytes before = source;
  const Photo got = photo(source, rows, cols, marks, d, a, b);
  const Photo want = photo(source, rows, cols, marks, d, a, b, true);
  const auto where = [&] {
    return ::testing::Message() << rows << "x" << cols << " d=" << d << " steps " << a << "," << b;
  };
  EXPECT_EQ(compare(got.photo, want.photo, cols), "") << where();
  EXPECT_EQ(compare(got.marks, want.marks, cols), "") << where();
  EXPECT_EQ(source, before);
}

TEST(TakePhoto, EqualsReferenceOnRandomImagesAndSteps) {
  Rng rng(7);
  std::vector<std::pair<float, float>> steps = {
      {1, 0},
      {0, 1},
      {0, 0},
      {-0.0f, 0},
      {0.5f, 0},
      {2.5f, -1.3f},
      {-3.7f, .25f},
      {1e-7f, 3e-8f},
      {1e10f, 0},
      {0, -1e10f},
      {1e30f, -1e30f},
      {3e38f, 3e38f},
      // Just below 1: single-precision products and sums round up to whole numbers.
      // (1 - 2^-23) * 5 + 4 gives 9 when the product is rounded first, 8.999999 when not.
      {kBelowOne, 0},
      {0, kBelowOne},
      {-kBelowOne, kBelowOne},
      {1.0f - 0x1p-23f, 0},
      {0, 1.0f - 0x3p-24f}};
  for (int i = 0; i < 8; ++i) {
    const float angle = rng.unit() * 6.2831853f;
    steps.push_back({std::cos(angle), std::sin(angle)});
    steps.push_back({rng.unit() * 6 - 3, rng.unit() * 6 - 3});
  }
  for (const int d : {-7, -1, 0, 1, 2, 3, 10, 50, 333, 5000})
    for (const auto& [a, b] : steps) {
      const int rows = rng.range(1, 40), cols = rng.range(1, 40);
      expectSamePhoto(noise(rows, cols, rng.next()), rows, cols, d, a, b);
    }
}

// Wide images and half-lengths up to 128 take every sample's row across all photo pixels at
// once. Steps that put sums just below whole numbers, negative positions whose sum lies in
// [-1, 0), positions about 2^22, and 257 white samples on one pixel (the largest 16-bit sum).
TEST(TakePhoto, EqualsReferenceSampleBySample) {
  const float steps[] = {kBelowOne,  -kBelowOne, 0.70710677f, -0.5f,      1.0f - 0x1p-23f,
                         0.25f,      3.0f,       1e-7f,       4194304.0f, -4194304.0f,
                         4194303.5f, 2097152.5f, 0.0f,        -1.0f};
  Rng rng(11);
  for (const int cols : {1, 10, 64, 299, 300})
    for (const int d : {0, 1, 50, 128, 129})
      for (const float a : steps) {
        const float b = steps[rng.range(0, 13)];
        const int rows = rng.range(1, 300);
        expectSamePhoto(noise(rows, cols, rng.next()), rows, cols, d, a, b);
      }
  const Bytes white(3 * 4 * 30, 255);
  expectSamePhoto(white, 4, 30, 128, 0, 0);
  expectSamePhoto(white, 4, 30, 128, 1e-9f, 0);
  // 258 white samples on one pixel (rows clip 259 to 258) no longer fit 16 bits.
  expectSamePhoto(Bytes(3 * 258 * 30, 255), 258, 30, 129, 0, 1);
  // Wider than the by-sample scratch holds.
  for (const int cols : {4096, 4097, 4500})
    expectSamePhoto(noise(3, cols, rng.next()), 3, cols, 10, 0.70710677f, 0.1f);
}

TEST(TakePhoto, HalfLengthZeroCopiesTheCentreRow) {
  const std::pair<float, float> steps[] = {{1, 0}, {0.3f, -0.9f}, {-5, 7}, {1e30f, 1e30f}};
  for (const int rows : {7, 8})
    for (const auto& [a, b] : steps) {
      const int cols = 25;
      const Bytes source = noise(rows, cols, 3);
      const Photo got = photo(source, rows, cols, Bytes(source.size(), 9), 0, a, b);
      Bytes marks(source.size(), 9);
      for (int i = 0; i < cols; ++i) {
        EXPECT_TRUE(pixelAt(got.photo, cols, i, 0) == pixelAt(source, cols, i, rows / 2)) << i;
        if (i % 10 == 0) setPixel(marks, cols, i, rows / 2, {0, 0, 0});
      }
      EXPECT_EQ(got.marks, marks) << "marks only on photo pixels 0, 10, 20";
    }
}

TEST(TakePhoto, NoSamplesGiveWhiteAndNoMarks) {
  const std::pair<float, float> steps[] = {{1, 0}, {kNaN, 0}, {0, kNaN}, {kInf, 0}, {0, -kInf}};
  for (const auto& [a, b] : steps)
    for (const int d : {-1, 3, INT_MIN}) {
      if (d == 3 && std::isfinite(a) && std::isfinite(b)) continue;
      const Bytes source = noise(6, 12, 1), marks = noise(6, 12, 2);
      const Photo got = photo(source, 6, 12, marks, d, a, b);
      EXPECT_EQ(got.photo, Bytes(36, 255)) << d << " " << a << "," << b;
      EXPECT_EQ(got.marks, marks);
    }
}

// Mean of the listed columns of one row, as the definition states it.
Rgb meanOf(const Bytes& source, int cols, int row, std::vector<int> columns) {
  int sum[3] = {0, 0, 0};
  for (int c : columns) {
    const Rgb p = pixelAt(source, cols, c, row);
    sum[0] += p.r, sum[1] += p.g, sum[2] += p.b;
  }
  const int count = int(columns.size());
  return {(unsigned char)(sum[0] / count), (unsigned char)(sum[1] / count),
          (unsigned char)(sum[2] / count)};
}

TEST(TakePhoto, AveragesTheSamplesOfEachPixel) {
  const Bytes source = noise(12, 12, 5);
  const Photo flat = photo(source, 12, 12, source, 2, 1, 0);
  EXPECT_TRUE(pixelAt(flat.photo, 12, 0, 0) == meanOf(source, 12, 6, {0, 1, 2}));
  EXPECT_TRUE(pixelAt(flat.photo, 12, 5, 0) == meanOf(source, 12, 6, {3, 4, 5, 6, 7}));
  // Half steps: -0.5 truncates to column 0, and a column reached twice weighs twice.
  const Photo half = photo(source, 12, 12, source, 1, 0.5f, 0);
  EXPECT_TRUE(pixelAt(half.photo, 12, 4, 0) == meanOf(source, 12, 6, {3, 4, 4}));
  EXPECT_TRUE(pixelAt(half.photo, 12, 0, 0) == meanOf(source, 12, 6, {0, 0, 0}));

  // Step 1 - 2^-24: in single precision k = 1, 2, 3 land on columns 5, 6, 7 from pixel 4
  // (4.99999994 rounds to 5); exact arithmetic would give 4, 5, 6.
  const Photo rounded = photo(source, 12, 12, source, 3, kBelowOne, 0);
  EXPECT_TRUE(pixelAt(rounded.photo, 12, 4, 0) == meanOf(source, 12, 6, {1, 2, 3, 4, 5, 6, 7}));

  const Bytes pair = {255, 0, 255, 0, 255, 1};
  EXPECT_TRUE(pixelAt(photo(pair, 1, 2, pair, 1, 1, 0).photo, 2, 0, 0) == (Rgb{127, 127, 128}));
}

// The samples of a huge half-length, beyond where every sample falls outside, are those of a
// short one; with zero steps every sample is one pixel, counted 2^32 - 1 times.
TEST(TakePhoto, LargestHalfLengthIsExact) {
  const Bytes source = noise(12, 12, 8);
  const std::pair<float, float> steps[] = {{1, 0}, {0, 1}, {0.5f, -0.25f}, {0.866f, 0.5f}};
  for (const auto& [a, b] : steps) {
    const Photo want = photo(source, 12, 12, source, 100, a, b, true);
    const Photo got = photo(source, 12, 12, source, INT_MAX, a, b);
    EXPECT_EQ(got.photo, want.photo) << a << "," << b;
    EXPECT_EQ(got.marks, want.marks);
  }
  const Photo still = photo(source, 12, 12, source, INT_MAX, 0, 0);
  for (int i = 0; i < 12; ++i)
    EXPECT_TRUE(pixelAt(still.photo, 12, i, 0) == pixelAt(source, 12, i, 6)) << i;
}

// Nine million samples of about 250 overflow a 32-bit sum; the mean must still be exact.
TEST(TakePhoto, SumsBeyondThirtyTwoBitsAreExact) {
  const Bytes column = {255, 255, 255, 250, 252, 254, 253, 251, 249};
  expectSamePhoto(column, 3, 1, 4'500'000, 0, 3e-7f);
}

TEST(GetTarget, TruncatesAndTestsBounds) {
  struct Case {
    int rows, cols;
    float x, y;
    int want;
  };
  const Case cases[] = {{4, 5, -0.5f, 0, 0},
                        {4, 5, 5, 0, -1},
                        {4, 5, 4.999f, 3.999f, 57},
                        {4, 5, -1, 0, -1},
                        {4, 5, -0.999f, -0.999f, 0},
                        {4, 5, 0, 4, -1},
                        {4, 5, 2, -0.5f, 6},
                        {4, 5, kNaN, 0, -1},
                        {4, 5, 0, kNaN, -1},
                        {4, 5, kInf, 0, -1},
                        {4, 5, -kInf, 0, -1},
                        {4, 5, 0, kInf, -1},
                        {4, 5, 1e10f, 0, -1},
                        {4, 5, -1e10f, 0, -1},
                        {4, 5, 0, 1e10f, -1},
                        {4, 5, 0, -1e10f, -1},
                        {4, 5, 2147483648.0f, 0, -1},
                        {0, 5, 0, 0, -1},
                        {4, 0, -0.5f, 0, -1},
                        {1, 16777217, 16777216.0f, 0, 50331648},
                        {16777217, 1, 0, 16777216.0f, 50331648}};
  for (const Case& c : cases) {
    EXPECT_EQ(getTarget(nullptr, c.rows, c.cols, c.x, c.y), c.want) << c.x << "," << c.y;
    EXPECT_EQ(reference::getTarget(nullptr, c.rows, c.cols, c.x, c.y), c.want);
  }
}

// Offsets past int's range were computed with a 64-bit overflow (found by fuzzing) and then
// wrapped; they are outside now. The largest offsets that fit are still returned.
TEST(GetTarget, OffsetBeyondIntIsOutside) {
  struct Case {
    int rows, cols;
    float x, y;
    int want;
  };
  const Case cases[] = {{INT_MAX, INT_MAX, 2147483520.0f, 2147483520.0f, -1},
                        {INT_MAX, INT_MAX, 0, 1073741824.0f, -1},
                        {1, INT_MAX, 715827840.0f, 0, 2147483520},
                        {1, INT_MAX, 715827904.0f, 0, -1},
                        {INT_MAX, 2, 1, 357913920.0f, 2147483523},
                        {INT_MAX, 2, 0, 357913952.0f, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(getTarget(nullptr, c.rows, c.cols, c.x, c.y), c.want) << c.x << "," << c.y;
}

}  // namespace
}  // namespace lightfield

// Differential fuzz target: the shipped engine against the literal loops of reference.h, byte
// for byte, on buffers sized exactly so AddressSanitizer sees any access past them. The first
// input byte picks the operation; the rest sets sizes, steps and pixels. Any difference aborts.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>

#include "lightfield/lightfield.h"
#include "lightfield/reference.h"

namespace {

// Reads the input front to back; past its end every read gives zeros.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::uint32_t word() {
    std::uint32_t w = 0;
    for (int i = 0; i < 4; ++i) w = w << 8 | byte();
    return w;
  }
  // Uniform-ish in [lo, hi] for small ranges.
  int range(int lo, int hi) { return lo + int(byte() % unsigned(hi - lo + 1)); }
  bool empty() const { return at_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

float fromBits(std::uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

// Steps and positions that sit on the engine's edges: signed zeros, values just below whole
// numbers, denormals, the int range's ends, infinities and NaN.
float specialFloat(Input& in) {
  static const float kSpecial[] = {0.0f,
                                   -0.0f,
                                   1.0f,
                                   -1.0f,
                                   0.5f,
                                   1.0f - 0x1p-24f,
                                   -(1.0f - 0x1p-24f),
                                   1.0f - 0x1p-23f,
                                   1e-7f,
                                   -3e-8f,
                                   0x1p-149f,
                                   -0x1p-149f,
                                   std::numeric_limits<float>::min(),
                                   2147483648.0f,
                                   -2147483648.0f,
                                   2147483520.0f,
                                   16777216.0f,
                                   1e10f,
                                   -1e30f,
                                   std::numeric_limits<float>::max(),
                                   -std::numeric_limits<float>::max(),
                                   std::numeric_limits<float>::infinity(),
                                   -std::numeric_limits<float>::infinity(),
                                   std::numeric_limits<float>::quiet_NaN()};
  return kSpecial[in.byte() % (sizeof kSpecial / sizeof kSpecial[0])];
}

float anyFloat(Input& in) {
  switch (in.byte() % 4) {
    case 0:
      return fromBits(in.word());
    case 1:
      return specialFloat(in);
    case 2:
      // Sixteenths in [-8, 8): exact, and often landing on pixel edges.
      return float(std::int8_t(in.byte())) / 16.0f;
    default:
      return float(std::int16_t(in.word() >> 16)) / 4096.0f;
  }
}

int anyHalfLength(Input& in) {
  static const int kSpecial[] = {INT_MAX, INT_MIN, INT_MAX - 1,   INT_MIN + 1, -1,
                                 0,       1 << 24, (1 << 24) + 1, 1 << 30};
  switch (in.byte() % 4) {
    case 0:
      return in.byte() % 64;
    case 1:
      return std::int16_t(in.word() >> 16);
    case 2:
      return int(in.word());
    default:
      return kSpecial[in.byte() % (sizeof kSpecial / sizeof kSpecial[0])];
  }
}

// Pixels as runs of one colour, so a short input fills a large image. Mostly white, some near
// white (which counts as a colour) and some arbitrary; past the input's end, white.
void fillPixels(Input& in, unsigned char* pixels, std::size_t count) {
  for (std::size_t at = 0; at < count;) {
    const std::size_t run = in.empty() ? count : 1 + in.byte();
    const std::uint8_t c = in.byte();
    unsigned char rgb[3] = {255, 255, 255};
    if (c >= 96 && c < 99) {
      rgb[c - 96] = 254;
    } else if (c >= 99) {
      rgb[0] = c;
      rgb[1] = std::uint8_t(c * 37);
      rgb[2] = std::uint8_t(c * 101);
    }
    for (std::size_t i = 0; i < run && at < count; ++i, ++at) std::memcpy(pixels + 3 * at, rgb, 3);
  }
}

// A heap block of exactly `size` bytes (none when size is 0, still a distinct block), filled with
// `fill` so bytes an operation should leave alone are recognisable.
std::unique_ptr<unsigned char[]> block(std::size_t size, unsigned char fill) {
  auto p = std::make_unique<unsigned char[]>(size);
  std::memset(p.get(), fill, size);
  return p;
}

std::size_t area(int a, int b) {
  return a > 0 && b > 0 ? std::size_t{3} * std::size_t(a) * std::size_t(b) : 0;
}

void expectSame(const unsigned char* got, const unsigned char* want, std::size_t size,
                const char* what) {
  for (std::size_t i = 0; i < size; ++i)
    if (got[i] != want[i]) {
      std::fprintf(stderr, "%s: byte %zu is %d, reference %d\n", what, i, got[i], want[i]);
      std::abort();
    }
}

void fuzzProcessImage(Input& in) {
  const int n = in.range(-2, 130), h = in.range(-2, 64);
  const unsigned char fill = in.byte();
  auto strip = block(area(n, h), 255);
  fillPixels(in, strip.get(), area(n, h) / 3);
  // Bytes left over repeat rows into bands of identical rows, which the engine takes a band at a
  // time.
  for (int k = 0; k < h && n > 0 && !in.empty();) {
    const int band = 1 + in.byte() % 32;
    const std::size_t row = std::size_t{3} * std::size_t(n);
    for (int j = 1; j < band && k + j < h; ++j)
      std::memcpy(strip.get() + row * std::size_t(k + j), strip.get() + row * std::size_t(k), row);
    k += band;
  }
  auto got = block(area(n, n), fill), want = block(area(n, n), fill);
  lightfield::processImage(strip.get(), h, n, got.get());
  lightfield::reference::processImage(strip.get(), h, n, want.get());
  expectSame(got.get(), want.get(), area(n, n), "processImage");
}

// ---------------------------------------------------------------------------------------------
// Photo synthesis
//
// The literal loop costs 2 * halfLength + 1 samples per pixel, far too many for a large
// half-length, so the engine is checked against a bisection over k: each sample coordinate,
// trunc((float)k * step + base), is monotone in k, so when both coordinates classify alike at
// the two ends of a range of k they classify alike throughout. Within a budget the literal loop
// runs too and must agree with the bisection.

// Where one coordinate falls: below the image, a row or column inside it, or beyond it. NaN
// only arises at k = 0 with an infinite step, or with a NaN step, and classifies on its own.
std::int64_t classify(float v, int limit) {
  if (v != v) return -2;
  if (!lightfield::reference::fitsInt(v)) return v < 0 ? -1 : std::int64_t{limit};
  const int t = int(v);
  return t < 0 ? -1 : t >= limit ? limit : t;
}

struct Photo {
  int rows, cols;
  const unsigned char* rays;
  float colStep, rowStep;
};

struct Sums {
  long long count = 0, red = 0, green = 0, blue = 0;
};

// Adds the samples k in [a, b] of photo pixel i; on k = 0's side only, so no range holds a NaN
// between two equal ends.
void sumSamples(const Photo& p, int i, long long a, long long b, Sums& sums, unsigned char* marks) {
  const float centre = float(p.rows / 2);
  const auto key = [&](long long k) {
    const float x = float(k) * p.colStep + float(i), y = float(k) * p.rowStep + centre;
    return std::pair{classify(x, p.cols), classify(y, p.rows)};
  };
  const auto [ca, ra] = key(a);
  if (a == b || key(b) == std::pair{ca, ra}) {
    if (ca < 0 || ca >= p.cols || ra < 0 || ra >= p.rows) return;
    const unsigned char* px = p.rays + 3 * (ra * p.cols + ca);
    const long long times = b - a + 1;
    sums.red += px[0] * times;
    sums.green += px[1] * times;
    sums.blue += px[2] * times;
    sums.count += times;
    if (i % 10 == 0) std::memset(marks + 3 * (ra * p.cols + ca), 0, 3);
    return;
  }
  const long long mid = a + (b - a) / 2;
  sumSamples(p, i, a, mid, sums, marks);
  sumSamples(p, i, mid + 1, b, sums, marks);
}

void takePhotoByBisection(const Photo& p, int halfLength, unsigned char* photo,
                          unsigned char* marks) {
  const long long lo = -(long long)halfLength, hi = halfLength;
  for (int i = 0; i < p.cols; ++i) {
    Sums sums;
    if (lo <= hi) {
      if (lo < 0) sumSamples(p, i, lo, hi < 0 ? hi : -1, sums, marks);
      if (lo <= 0 && hi >= 0) sumSamples(p, i, 0, 0, sums, marks);
      if (hi > 0) sumSamples(p, i, lo > 0 ? lo : 1, hi, sums, marks);
    }
    unsigned char* out = photo + 3 * i;
    if (sums.count == 0) {
      std::memset(out, 255, 3);
    } else {
      out[0] = (unsigned char)(sums.red / sums.count);
      out[1] = (unsigned char)(sums.green / sums.count);
      out[2] = (unsigned char)(sums.blue / sums.count);
    }
  }
}

void fuzzTakePhoto(Input& in) {
  const int rows = in.range(-2, 64), cols = in.range(-2, 64);
  const int halfLength = anyHalfLength(in);
  const float colStep = anyFloat(in), rowStep = anyFloat(in);
  const unsigned char photoFill = in.byte(), marksFill = in.byte();
  auto rays = block(area(rows, cols), 255);
  fillPixels(in, rays.get(), area(rows, cols) / 3);
  const std::size_t photoSize = area(1, cols), marksSize = area(rows, cols);

  auto got = block(photoSize, photoFill), gotMarks = block(marksSize, marksFill);
  lightfield::takePhoto(rays.get(), rows, cols, got.get(), gotMarks.get(), halfLength, colStep,
                        rowStep);

  auto want = block(photoSize, photoFill), wantMarks = block(marksSize, marksFill);
  takePhotoByBisection(Photo{rows, cols, rays.get(), colStep, rowStep}, halfLength, want.get(),
                       wantMarks.get());
  expectSame(got.get(), want.get(), photoSize, "takePhoto photo");
  expectSame(gotMarks.get(), wantMarks.get(), marksSize, "takePhoto marks");

  const long long samples = halfLength < 0 ? 0 : 2 * (long long)halfLength + 1;
  if (samples * (cols > 0 ? cols : 0) > (1 << 17)) return;
  auto literal = block(photoSize, photoFill), literalMarks = block(marksSize, marksFill);
  lightfield::reference::takePhoto(rays.get(), rows, cols, literal.get(), literalMarks.get(),
                                   halfLength, colStep, rowStep);
  expectSame(want.get(), literal.get(), photoSize, "bisection photo");
  expectSame(wantMarks.get(), literalMarks.get(), marksSize, "bisection marks");
}

// Sizes over the whole int range; the literal offset is compared wherever it fits an int, and
// beyond that the engine must answer outside.
void fuzzGetTarget(Input& in) {
  const bool wide = in.byte() & 1;
  const int rows = wide ? int(in.word()) : in.range(-2, 64);
  const int cols = wide ? int(in.word()) : in.range(-2, 64);
  // Positions near the far edges as often as anywhere else.
  const auto position = [&](int size) {
    const float f = anyFloat(in);
    return in.byte() & 1 ? float(size) + f : f;
  };
  const float x = position(cols), y = position(rows);
  const int got = lightfield::getTarget(nullptr, rows, cols, x, y);

  using lightfield::reference::fitsInt;
  const bool inside =
      fitsInt(x) && fitsInt(y) && int(x) >= 0 && int(x) < cols && int(y) >= 0 && int(y) < rows;
  const std::int64_t index = inside ? std::int64_t{int(y)} * cols + int(x) : -1;
  if (index > INT_MAX / 3) {
    // The literal offset would overflow; the engine calls it outside.
    if (got != -1) {
      std::fprintf(stderr, "getTarget(%d, %d, %a, %a) is %d past int's range\n", rows, cols,
                   double(x), double(y), got);
      std::abort();
    }
    return;
  }
  const int want = lightfield::reference::getTarget(nullptr, rows, cols, x, y);
  if (got != want || want != (inside ? 3 * index : -1)) {
    std::fprintf(stderr, "getTarget(%d, %d, %a, %a) is %d, reference %d\n", rows, cols, double(x),
                 double(y), got, want);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  switch (in.byte() % 3) {
    case 0:
      fuzzProcessImage(in);
      break;
    case 1:
      fuzzTakePhoto(in);
      break;
    default:
      fuzzGetTarget(in);
      break;
  }
  return 0;
}

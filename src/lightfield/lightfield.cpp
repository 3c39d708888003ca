#include "lightfield/lightfield.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "lightfield/rays.h"
#include "lightfield/sampling.h"

namespace lightfield {
namespace {

using detail::Axis;
using detail::firstTrue;
using detail::insideRange;
using detail::KRange;
using detail::truncatesInside;
using detail::upperBound;
using std::size_t;

// ---------------------------------------------------------------------------------------------
// Photo synthesis
//
// A sample's column trunc(k * a + i) and row trunc(k * b + centre) are both monotone in k, so
// the k that land inside form one interval, found by bisection, and a run of k on the same pixel
// can be counted in one step. That keeps any half-length, INT_MAX included, cheap and exact.

struct Sums {
  std::int64_t count = 0, red = 0, green = 0, blue = 0;
  void add(const unsigned char* px, std::int64_t times) {
    red += px[0] * times;
    green += px[1] * times;
    blue += px[2] * times;
    count += times;
  }
};

// Per-k products and row offsets, shared by every photo pixel when the row range is short.
constexpr int kTable = 1024;
struct KTable {
  float product[kTable];
  std::ptrdiff_t rowOffset[kTable];
};

// Last k in [k, hi] that samples the same pixel as k, by galloping then bisection.
std::int64_t endOfRun(const Axis& col, const Axis& row, std::int64_t k, std::int64_t hi) {
  const int c = col.index(k), r = row.index(k);
  const auto same = [&](std::int64_t j) { return col.index(j) == c && row.index(j) == r; };
  std::int64_t good = k, step = 1;
  while (hi - good > step && same(good + step)) {
    good += step;
    step *= 2;
  }
  const std::int64_t limit = std::min(hi, good + step);
  return firstTrue(good + 1, limit, [&](std::int64_t j) { return !same(j); }) - 1;
}

// Photo synthesis by sample rather than by pixel, for short segments on narrow images. Sample k
// of every photo pixel i lies on one row, at column trunc(c + i) with c = k * colStep; adding k's
// row shifted by floor(c) onto the sums of all pixels at once is a vector add, provided the
// column is found exactly. Writing c = s + f with s = floor(c), for s + i >= 0 the sum rounds
// to s + i or s + i + 1, and the carry, once it starts, holds for larger i, as the spacing of
// floats only grows (for |c| < 2^22 and i < 2^12 the sum stays below 2^23, where ties round to
// the whole number). For s + i = -1 the sum lies in [-1, 0) and truncates to column 0 unless it
// is -1. Every other i is outside, as is every i when |c| >= 2^22.
constexpr int kBySampleMax = 257;  // 257 samples of 255 fit 16 bits
constexpr int kBySampleCols = 4096;

inline int truncatedSum(float c, int i) {
  return static_cast<int>(c + static_cast<float>(i));
}

void photoBySample(const unsigned char* rays, int cols, unsigned char* photo, unsigned char* marks,
                   const KTable& table, int samples, float colUpper) {
  std::uint16_t sums[3 * kBySampleCols];
  int starts[kBySampleCols + 1];  // samples starting minus samples ending at each pixel
  std::fill(sums, sums + 3 * cols, std::uint16_t{0});
  std::fill(starts, starts + cols + 1, 0);
  // Pixels [a, b] sample the row at their own column plus shift.
  const auto add = [&](const unsigned char* row, int a, int b, int shift) {
    if (a > b) return;
    std::uint16_t* to = sums + 3 * a;
    const unsigned char* from = row + 3 * (a + shift);
    for (int j = 0; j < 3 * (b - a + 1); ++j) to[j] = std::uint16_t(to[j] + from[j]);
    ++starts[a];
    --starts[b + 1];
  };
  for (int j = 0; j < samples; ++j) {
    const float c = table.product[j];
    if (!(c > -4194304.0f && c < 4194304.0f)) continue;
    const unsigned char* row = rays + table.rowOffset[j];
    const int s = static_cast<int>(std::floor(c));
    const int a = std::max(0, -s), b = std::min(cols - 1, cols - 1 - s);
    if (a <= b) {
      int carry = b + 1;
      if (truncatedSum(c, b) != b + s)
        carry = int(
            firstTrue(a, b, [&](std::int64_t i) { return truncatedSum(c, int(i)) != int(i) + s; }));
      add(row, a, carry - 1, s);
      add(row, carry, std::min(b, cols - 2 - s), s + 1);
    }
    const int edge = -1 - s;
    if (edge >= 0 && edge < cols && truncatesInside(c + static_cast<float>(edge), colUpper))
      add(row, edge, edge, -edge);
  }
  for (int i = 0, count = 0; i < cols; ++i) {
    count += starts[i];
    if (count == 0) continue;
    // Sums below 2^16 and counts below 258: the float quotient truncates to the integer one.
    const float divisor = static_cast<float>(count);
    for (int ch = 0; ch < 3; ++ch)
      photo[3 * i + ch] =
          static_cast<unsigned char>(static_cast<float>(sums[3 * i + ch]) / divisor);
  }
  for (int i = 0; i < cols; i += 10)
    for (int j = 0; j < samples; ++j) {
      const float x = table.product[j] + static_cast<float>(i);
      if (truncatesInside(x, colUpper))
        std::memset(marks + table.rowOffset[j] + 3 * static_cast<int>(x), 0, 3);
    }
}

}  // namespace

void processImage(const unsigned char* strip, int h, int n, unsigned char* rays) {
  if (n <= 0) return;
  if (h <= 0) {
    std::memset(rays, 255, 3 * size_t(n) * size_t(n));
    return;
  }
  if (!detail::raysByRow(strip, h, n, rays)) detail::raysByDiagonal(strip, h, n, rays);
}

int getTarget(const unsigned char*, int rows, int cols, float x, float y) {
  if (cols <= 0 || rows <= 0) return -1;
  if (!truncatesInside(x, upperBound(cols)) || !truncatesInside(y, upperBound(rows))) return -1;
  const std::int64_t index =
      std::int64_t{static_cast<int>(y)} * cols + std::int64_t{static_cast<int>(x)};
  // An offset past int's range cannot be returned: such a pixel counts as outside.
  if (index > std::numeric_limits<int>::max() / 3) return -1;
  return static_cast<int>(3 * index);
}

void takePhoto(const unsigned char* rays, int rows, int cols, unsigned char* photo,
               unsigned char* marks, int halfLength, float colStep, float rowStep) {
  if (cols <= 0) return;
  std::memset(photo, 255, 3 * size_t(cols));
  // Infinite or NaN steps put every sample, k = 0 included (0 * inf), at NaN or infinity.
  if (rows <= 0 || halfLength < 0 || !std::isfinite(colStep) || !std::isfinite(rowStep)) return;

  const float colUpper = upperBound(cols);
  const Axis row{rowStep, static_cast<float>(rows / 2), upperBound(rows)};
  const KRange rowRange = insideRange(row, -std::int64_t{halfLength}, halfLength);
  if (rowRange.lo > rowRange.hi) return;

  KTable table;
  const bool tabled = rowRange.size() <= kTable;
  if (tabled) {
    for (std::int64_t k = rowRange.lo; k <= rowRange.hi; ++k) {
      table.product[k - rowRange.lo] = static_cast<float>(k) * colStep;
      table.rowOffset[k - rowRange.lo] = 3 * std::ptrdiff_t{row.index(k)} * cols;
    }
  }
  if (tabled && rowRange.size() <= kBySampleMax && cols <= kBySampleCols) {
    photoBySample(rays, cols, photo, marks, table, int(rowRange.size()), colUpper);
    return;
  }
  // Galloping over runs pays off only when samples repeat pixels on average.
  const std::int64_t runThreshold = 4 * (std::int64_t{rows} + cols);

  for (int i = 0; i < cols; ++i) {
    const Axis col{colStep, static_cast<float>(i), colUpper};
    const KRange range = insideRange(col, rowRange.lo, rowRange.hi);
    const bool marking = i % 10 == 0;
    Sums sums;
    const auto take = [&](std::ptrdiff_t at, std::int64_t times) {
      sums.add(rays + at, times);
      if (marking) std::memset(marks + at, 0, 3);
    };
    if (tabled) {
      const float base = col.base;
      for (std::int64_t k = range.lo; k <= range.hi; ++k) {
        const std::int64_t j = k - rowRange.lo;
        take(table.rowOffset[j] + 3 * std::ptrdiff_t{static_cast<int>(table.product[j] + base)}, 1);
      }
    } else if (range.size() <= runThreshold) {
      for (std::int64_t k = range.lo; k <= range.hi; ++k)
        take(3 * (std::ptrdiff_t{row.index(k)} * cols + col.index(k)), 1);
    } else {
      for (std::int64_t k = range.lo; k <= range.hi;) {
        const std::int64_t last = endOfRun(col, row, k, range.hi);
        take(3 * (std::ptrdiff_t{row.index(k)} * cols + col.index(k)), last - k + 1);
        k = last + 1;
      }
    }
    if (sums.count > 0) {
      unsigned char* out = photo + 3 * size_t(i);
      out[0] = static_cast<unsigned char>(sums.red / sums.count);
      out[1] = static_cast<unsigned char>(sums.green / sums.count);
      out[2] = static_cast<unsigned char>(sums.blue / sums.count);
    }
  }
}

}  // namespace lightfield
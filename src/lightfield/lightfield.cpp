#include "lightfield/lightfield.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace lightfield {
namespace {

using Word = std::uint64_t;
using std::size_t;
constexpr int kWordBits = 64;
constexpr Word kAllOnes = ~Word{0};

// ---------------------------------------------------------------------------------------------
// Ray-space image
//
// The literal order visits rows top to bottom and lets the last coloured sample win, so a ray's
// colour is its first coloured sample counted from the bottom row. We walk rows bottom-up and
// colour each ray once. Along a diagonal d = v - u every ray of a row shares p = t * d, and the
// sample column x(u) = trunc(p + u) is u + floor(p) or one more (the addition may carry). x(u)
// is monotone in u, so the rays that land on a coloured run [a, b] form one u-interval found
// with two evaluations; only the still-white rays in it are visited, through a bit set.

// Masks of one batch of non-empty rows (32 KB) and one window of a diagonal (4096 rays).
constexpr int kMaskWords = 4096;
constexpr int kWindowWords = 64;
constexpr int kWindow = kWindowWords * kWordBits;

inline bool isWhite(const unsigned char* px) {
  return (px[0] & px[1] & px[2]) == 255;
}

inline int sampleColumn(float p, int u) {
  return static_cast<int>(p + static_cast<float>(u));
}

inline size_t rayOffset(int n, int u, int v) {
  return 3 * (size_t(n - 1 - v) * size_t(n) + size_t(u));
}

// First set bit of m in [from, end), or end.
inline int nextSet(const Word* m, int from, int end) {
  if (from >= end) return end;
  int w = from / kWordBits;
  Word cur = m[w] & (kAllOnes << (from % kWordBits));
  while (cur == 0) {
    if (++w * kWordBits >= end) return end;
    cur = m[w];
  }
  return std::min(end, w * kWordBits + std::countr_zero(cur));
}

// First clear bit of m in [from, end), or end.
inline int nextClear(const Word* m, int from, int end) {
  if (from >= end) return end;
  int w = from / kWordBits;
  Word cur = ~m[w] & (kAllOnes << (from % kWordBits));
  while (cur == 0) {
    if (++w * kWordBits >= end) return end;
    cur = ~m[w];
  }
  return std::min(end, w * kWordBits + std::countr_zero(cur));
}

// Sets a bit for every coloured pixel of a strip row; false when the row is all white.
bool buildRowMask(const unsigned char* row, int n, Word* mask, int words) {
  std::fill(mask, mask + words, Word{0});
  bool any = false;
  int x = 0;
  // Eight pixels are three whole 64-bit words: white stretches cost one test.
  for (; x + 8 <= n; x += 8) {
    const unsigned char* p = row + 3 * size_t(x);
    std::uint64_t a, b, c;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + 8, 8);
    std::memcpy(&c, p + 16, 8);
    if ((a & b & c) == kAllOnes) continue;
    Word bits = 0;
    for (int j = 0; j < 8; ++j)
      if (!isWhite(p + 3 * j)) bits |= Word{1} << j;
    mask[x / kWordBits] |= bits << (x % kWordBits);
    any = true;
  }
  for (; x < n; ++x) {
    if (!isWhite(row + 3 * size_t(x))) {
      mask[x / kWordBits] |= Word{1} << (x % kWordBits);
      any = true;
    }
  }
  return any;
}

// One batch of non-empty strip rows, bottom row first.
struct Batch {
  const Word* masks;
  const int* rows;
  const float* t;
  int count;
  int words;
};

// The still-white rays u in [lo, lo + kWindow) of one diagonal.
struct Window {
  Word white[kWindowWords];
  int lo, hi;  // inclusive u range
  int remaining;
};

// Colours the white rays of the window whose sample in `row` falls in the coloured run [a, b].
void fillRun(Window& win, const unsigned char* row, int n, int d, float p, int floorP, int a, int b,
             unsigned char* rays) {
  // Smallest u with x(u) >= a: x(a - f - 1) reaches a only by a carry, x(a - f) always does.
  int first = a - floorP - 1;
  if (first > win.hi) return;
  if (first < win.lo)
    first = win.lo;
  else if (sampleColumn(p, first) < a)
    ++first;
  // Largest u with x(u) <= b: x(b - f) exceeds b only by a carry, x(b - f - 1) never does.
  int last = b - floorP;
  if (last < win.lo) return;
  if (last > win.hi)
    last = win.hi;
  else if (sampleColumn(p, last) > b)
    --last;
  if (first > last) return;

  const int lo = first - win.lo, hi = last - win.lo;
  for (int w = lo / kWordBits; w <= hi / kWordBits; ++w) {
    Word m = win.white[w];
    if (w == lo / kWordBits) m &= kAllOnes << (lo % kWordBits);
    if (w == hi / kWordBits) m &= kAllOnes >> (kWordBits - 1 - hi % kWordBits);
    if (m == 0) continue;
    win.white[w] &= ~m;
    win.remaining -= std::popcount(m);
    for (; m != 0; m &= m - 1) {
      const int u = win.lo + w * kWordBits + std::countr_zero(m);
      const int x = sampleColumn(p, u);
      std::memcpy(rays + rayOffset(n, u, u + d), row + 3 * size_t(x), 3);
    }
  }
}

// Loads the white rays of diagonal d in [lo, hi]; on the first batch every ray is white.
void loadWindow(Window& win, int lo, int hi, int n, int d, const unsigned char* rays, bool fresh) {
  win.lo = lo;
  win.hi = hi;
  const int count = hi - lo + 1;
  std::fill(win.white, win.white + kWindowWords, Word{0});
  if (fresh) {
    for (int i = 0; i < count; i += kWordBits)
      win.white[i / kWordBits] = count - i >= kWordBits ? kAllOnes : (Word{1} << (count - i)) - 1;
    win.remaining = count;
    return;
  }
  win.remaining = 0;
  for (int i = 0; i < count; ++i) {
    if (isWhite(rays + rayOffset(n, lo + i, lo + i + d))) {
      win.white[i / kWordBits] |= Word{1} << (i % kWordBits);
      ++win.remaining;
    }
  }
}

// Colours every ray whose first coloured sample from the bottom lies in this batch; returns how
// many rays it coloured.
size_t fillBatch(const Batch& batch, const unsigned char* strip, int n, unsigned char* rays,
                 bool fresh) {
  size_t coloured = 0;
  Window win;
  for (int d = -(n - 1); d <= n - 1; ++d) {
    const int ulo = std::max(0, -d), uhi = std::min(n - 1, n - 1 - d);
    const float fd = static_cast<float>(d);
    for (int lo = ulo; lo <= uhi; lo += kWindow) {
      loadWindow(win, lo, std::min(uhi, lo + kWindow - 1), n, d, rays, fresh);
      const int before = win.remaining;
      for (int r = 0; r < batch.count && win.remaining > 0; ++r) {
        const float p = batch.t[r] * fd;
        int floorP = static_cast<int>(p);
        if (static_cast<float>(floorP) > p) --floorP;
        const int xlo = sampleColumn(p, win.lo), xend = sampleColumn(p, win.hi) + 1;
        const Word* mask = batch.masks + size_t(r) * size_t(batch.words);
        const unsigned char* row = strip + 3 * size_t(batch.rows[r]) * size_t(n);
        for (int a = nextSet(mask, xlo, xend); a < xend;) {
          const int end = nextClear(mask, a, xend);
          fillRun(win, row, n, d, p, floorP, a, end - 1, rays);
          a = nextSet(mask, end, xend);
        }
      }
      coloured += size_t(before - win.remaining);
    }
  }
  return coloured;
}

// Bottom-up first coloured sample per ray, for widths whose row mask would not fit the scratch
// (beyond any strip whose square fits in memory).
void processByRay(const unsigned char* strip, int h, int n, unsigned char* rays) {
  const float span = static_cast<float>(h - 1);
  for (int u = 0; u < n; ++u)
    for (int v = 0; v < n; ++v)
      for (int k = h - 1; k >= 0; --k) {
        const float t = h == 1 ? 0.0f : static_cast<float>(k) / span;
        const int x = sampleColumn(t * static_cast<float>(v - u), u);
        const unsigned char* in = strip + 3 * (size_t(k) * size_t(n) + size_t(x));
        if (!isWhite(in)) {
          std::memcpy(rays + rayOffset(n, u, v), in, 3);
          break;
        }
      }
}

// ---------------------------------------------------------------------------------------------
// Photo synthesis
//
// A sample's column trunc(k * a + i) and row trunc(k * b + centre) are both monotone in k, so
// the k that land inside form one interval, found by bisection, and a run of k on the same pixel
// can be counted in one step. That keeps any half-length, INT_MAX included, cheap and exact.

// Smallest float not below limit (limit >= 1): for v > -1, trunc(v) < limit exactly when v is
// below it. Comparing floats this way never converts a NaN or an out-of-range value.
float upperBound(int limit) {
  float f = static_cast<float>(limit);
  if (static_cast<double>(f) < static_cast<double>(limit))
    f = std::nextafter(f, std::numeric_limits<float>::infinity());
  return f;
}

// One coordinate of the samples: trunc((float)k * step + base) must lie in [0, limit).
struct Axis {
  float step, base, upper;
  float at(std::int64_t k) const {
    const float product = static_cast<float>(k) * step;
    return product + base;
  }
  bool inside(float v) const { return v > -1.0f && v < upper; }
  int index(std::int64_t k) const { return static_cast<int>(at(k)); }
};

struct KRange {
  std::int64_t lo, hi;  // inclusive; empty when lo > hi
  std::int64_t size() const { return hi - lo + 1; }
};

// First k in [lo, hi] where pred holds, or hi + 1; pred must be false, then true.
template <class Pred>
std::int64_t firstTrue(std::int64_t lo, std::int64_t hi, Pred pred) {
  std::int64_t a = lo, b = hi + 1;
  while (a < b) {
    const std::int64_t mid = a + (b - a) / 2;
    if (pred(mid))
      b = mid;
    else
      a = mid + 1;
  }
  return a;
}

// The k in [lo, hi] whose position on this axis is inside. Needs a finite step.
KRange insideRange(const Axis& axis, std::int64_t lo, std::int64_t hi) {
  if (lo > hi) return {lo, hi};
  const auto above = [&](std::int64_t k) { return axis.at(k) > -1.0f; };
  const auto below = [&](std::int64_t k) { return axis.at(k) < axis.upper; };
  if (axis.step > 0.0f) {
    const std::int64_t first = firstTrue(lo, hi, above);
    return {first, firstTrue(first, hi, [&](std::int64_t k) { return !below(k); }) - 1};
  }
  if (axis.step < 0.0f) {
    const std::int64_t first = firstTrue(lo, hi, below);
    return {first, firstTrue(first, hi, [&](std::int64_t k) { return !above(k); }) - 1};
  }
  return axis.inside(axis.at(0)) ? KRange{lo, hi} : KRange{1, 0};
}

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

}  // namespace

void processImage(const unsigned char* strip, int h, int n, unsigned char* rays) {
  if (n <= 0) return;
  std::memset(rays, 255, 3 * size_t(n) * size_t(n));
  if (h <= 0) return;
  const int words = (n + kWordBits - 1) / kWordBits;
  if (words > kMaskWords) {
    processByRay(strip, h, n, rays);
    return;
  }

  Word masks[kMaskWords];
  int rows[kMaskWords];
  float t[kMaskWords];
  const int capacity = kMaskWords / words;
  const float span = static_cast<float>(h - 1);
  size_t white = size_t(n) * size_t(n);
  bool fresh = true;
  // Batches of non-empty rows, bottom-up, until every ray has its colour.
  for (int k = h - 1; k >= 0 && white > 0;) {
    int count = 0;
    for (; k >= 0 && count < capacity; --k) {
      if (!buildRowMask(strip + 3 * size_t(k) * size_t(n), n, masks + count * words, words))
        continue;
      rows[count] = k;
      t[count] = h == 1 ? 0.0f : static_cast<float>(k) / span;
      ++count;
    }
    if (count == 0) break;
    white -= fillBatch(Batch{masks, rows, t, count, words}, strip, n, rays, fresh);
    fresh = false;
  }
}

int getTarget(const unsigned char*, int rows, int cols, float x, float y) {
  if (cols <= 0 || rows <= 0) return -1;
  const Axis col{0.0f, 0.0f, upperBound(cols)}, row{0.0f, 0.0f, upperBound(rows)};
  if (!col.inside(x) || !row.inside(y)) return -1;
  const std::int64_t at =
      3 * (std::int64_t{static_cast<int>(y)} * cols + std::int64_t{static_cast<int>(x)});
  return static_cast<int>(at);
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

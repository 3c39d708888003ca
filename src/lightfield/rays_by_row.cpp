// Ray-space rows from the strip's coloured runs.
//
// Fix a ray-space row v and a strip row k with t = k / (h - 1). The sample column
// x(u) = trunc(t * (v - u) + u) never decreases as u grows, as long as
// t * (v - u) - t * (v - u - 1) stays at most 1 after rounding: t is at most
// 1 - 1 / (h - 1) + 2^-24 below the bottom row and each product is off by at most n * 2^-24,
// so (h - 1) * (2n + 2) <= 2^24 is enough (the bottom row, t = 1, gives x = v exactly). The rays
// of row v that sample a run [a, b] of one colour therefore form one interval of u, found from
// the real solution and a step or two of the exact sum.
//
// x also never decreases with k for a fixed ray (t grows, and so does t * d for d > 0; for
// d < 0 it never increases), so over a group of identical adjacent rows x moves monotonically
// from its value on one end row to its value on the other, in steps of at most n / (h - 1) + 3.
// When every run of the group is at least that wide no ray steps over a run, and the rays that
// meet run [a, b] in some row of the group are those whose larger end value is >= a and whose
// smaller end value is <= b: again one interval, from the two end rows alone. A ray meeting
// two runs of one group needs to know which row met it first; where that can happen the group
// is walked row by row.
//
// Groups are taken bottom-up and paint only rays still white, so each ray keeps its first
// coloured sample from the bottom, as the literal loop's last write does.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "lightfield/rays.h"

namespace lightfield::detail {
namespace {

using Word = std::uint64_t;
using std::size_t;
constexpr int kWordBits = 64;

// Scratch limits: about 50 KB of stack in all.
constexpr int kMaxWidth = 8192;
constexpr int kMaxRuns = 2048;
constexpr int kMaxGroups = 512;
constexpr std::int64_t kMonotoneLimit = std::int64_t{1} << 24;

constexpr std::uint32_t kWhite = 0xffffff;

// A stretch of one colour, red in the low byte.
struct Run {
  int a, b;
  std::uint32_t colour;
};

// Identical adjacent non-white strip rows [top, bottom] and their runs.
struct Group {
  int bottom, top;
  int first, count;
  float tBottom, tTop;
  double inverseBottom, inverseTop;  // 1 / (1 - t), for the first guess of a boundary
  bool byEnds;                       // every run is wide enough to take the end rows alone
};

inline std::uint32_t colourAt(const unsigned char* px) {
  return std::uint32_t{px[0]} | std::uint32_t{px[1]} << 8 | std::uint32_t{px[2]} << 16;
}

// Appends the runs of one strip row; false when the scratch is full.
bool scanRow(const unsigned char* row, int n, Run* runs, int& count) {
  bool open = false;  // whether runs[count - 1] ends at the previous pixel
  const auto pixel = [&](int x, std::uint32_t c) {
    if (c == kWhite) {
      open = false;
      return true;
    }
    if (open && runs[count - 1].colour == c) {
      runs[count - 1].b = x;
      return true;
    }
    if (count == kMaxRuns) return false;
    runs[count++] = Run{x, x, c};
    open = true;
    return true;
  };
  int x = 0;
  // Eight pixels are three whole 64-bit words: white stretches cost one test.
  for (; x + 8 <= n; x += 8) {
    const unsigned char* p = row + 3 * size_t(x);
    std::uint64_t w0, w1, w2;
    std::memcpy(&w0, p, 8);
    std::memcpy(&w1, p + 8, 8);
    std::memcpy(&w2, p + 16, 8);
    if ((w0 & w1 & w2) == ~std::uint64_t{0}) {
      open = false;
      continue;
    }
    for (int j = 0; j < 8; ++j)
      if (!pixel(x + j, colourAt(p + 3 * j))) return false;
  }
  for (; x < n; ++x)
    if (!pixel(x, colourAt(row + 3 * size_t(x)))) return false;
  return true;
}

bool sameRuns(const Run* a, const Run* b, int count) {
  for (int i = 0; i < count; ++i)
    if (a[i].a != b[i].a || a[i].b != b[i].b || a[i].colour != b[i].colour) return false;
  return true;
}

// One strip row as seen from ray-space row v.
struct RowView {
  float t;
  double inverse;
  int v, n;

  int column(int u) const {
    const float p = t * static_cast<float>(v - u);
    return static_cast<int>(p + static_cast<float>(u));
  }

  // The first u in [0, n] with column(u) >= a (n when none).
  int firstAtLeast(int a) const {
    if (a <= 0) return 0;
    if (a >= n) return n;
    if (t == 1.0f) return v >= a ? 0 : n;
    const double guess = (double(a) - double(t) * double(v)) * inverse;
    int u = guess <= 0.0 ? 0 : guess >= double(n) ? n : static_cast<int>(std::ceil(guess));
    if (u < n && column(u) < a) {
      do ++u;
      while (u < n && column(u) < a);
    } else {
      while (u > 0 && column(u - 1) >= a) --u;
    }
    return u;
  }
};

RowView view(float t, int v, int n) {
  return RowView{t, t == 1.0f ? 0.0 : 1.0 / (1.0 - double(t)), v, n};
}

// One ray-space row: which rays are coloured, and the pixels.
class OutRow {
 public:
  OutRow(unsigned char* pixels, int n)
      : pixels_(pixels), n_(n), words_((n + kWordBits - 1) / kWordBits) {
    std::fill(painted_, painted_ + words_, Word{0});
  }

  bool full() const { return count_ == n_; }

  // Colours the still-white rays u in [a, b].
  void paint(int a, int b, std::uint32_t colour) {
    if (a > b) return;
    const int wa = a / kWordBits, wb = b / kWordBits;
    for (int w = wa; w <= wb; ++w) {
      Word m = ~painted_[w];
      if (w == wa) m &= ~Word{0} << (a % kWordBits);
      if (w == wb) m &= ~Word{0} >> (kWordBits - 1 - b % kWordBits);
      if (m == 0) continue;
      painted_[w] |= m;
      count_ += std::popcount(m);
      forEachStretch(m, w, [&](int from, int length) { fill(from, length, colour); });
    }
  }

  // Writes white over every ray left unpainted.
  void finish() {
    for (int w = 0; w < words_; ++w) {
      Word m = ~painted_[w];
      if (w == words_ - 1 && n_ % kWordBits != 0) m &= (Word{1} << (n_ % kWordBits)) - 1;
      forEachStretch(m, w, [&](int from, int length) {
        std::memset(pixels_ + 3 * size_t(from), 255, 3 * size_t(length));
      });
    }
  }

 private:
  template <class F>
  static void forEachStretch(Word m, int w, F f) {
    while (m != 0) {
      const int lo = std::countr_zero(m);
      const Word shifted = m >> lo;
      const int length = shifted == ~Word{0} ? kWordBits : std::countr_one(shifted);
      f(w * kWordBits + lo, length);
      if (lo + length >= kWordBits) break;
      m &= ~Word{0} << (lo + length);
    }
  }

  void fill(int from, int length, std::uint32_t colour) {
    unsigned char* p = pixels_ + 3 * size_t(from);
    const unsigned char r = colour & 0xff, g = (colour >> 8) & 0xff, b = colour >> 16;
    for (int i = 0; i < length; ++i, p += 3) {
      p[0] = r;
      p[1] = g;
      p[2] = b;
    }
  }

  unsigned char* pixels_;
  int n_, words_;
  int count_ = 0;
  Word painted_[kMaxWidth / kWordBits];
};

class RowPainter {
 public:
  RowPainter(const Run* runs, int h, int n)
      : runs_(runs), span_(static_cast<float>(h - 1)), h_(h), n_(n) {}

  void paint(const Group& g, int v, OutRow& out) const {
    const RowView bottom{g.tBottom, g.inverseBottom, v, n_}, top{g.tTop, g.inverseTop, v, n_};
    if (g.bottom == g.top) {
      for (int i = g.first; i < g.first + g.count; ++i) {
        const Run& run = runs_[i];
        out.paint(bottom.firstAtLeast(run.a), bottom.firstAtLeast(run.b + 1) - 1, run.colour);
      }
      return;
    }
    if (!g.byEnds) {
      byRows(g, g.first, v, out);
      return;
    }
    // Each run is painted once the next one is known not to share a ray with it.
    int pendingA = 0, pendingB = -1;
    std::uint32_t pendingColour = 0;
    for (int i = g.first; i < g.first + g.count; ++i) {
      const Run& run = runs_[i];
      const int a = std::min(bottom.firstAtLeast(run.a), top.firstAtLeast(run.a));
      const int b = std::max(bottom.firstAtLeast(run.b + 1), top.firstAtLeast(run.b + 1)) - 1;
      // Later runs start no earlier, and earlier ones end no later, so neighbours tell.
      if (pendingB >= a) {
        byRows(g, i - 1, v, out);
        return;
      }
      out.paint(pendingA, pendingB, pendingColour);
      pendingA = a;
      pendingB = b;
      pendingColour = run.colour;
    }
    out.paint(pendingA, pendingB, pendingColour);
  }

 private:
  float t(int k) const { return h_ == 1 ? 0.0f : static_cast<float>(k) / span_; }

  // Runs from `from` on, one strip row at a time, bottom-up.
  void byRows(const Group& g, int from, int v, OutRow& out) const {
    for (int k = g.bottom; k >= g.top && !out.full(); --k) {
      const RowView row = view(t(k), v, n_);
      for (int i = from; i < g.first + g.count; ++i) {
        const Run& run = runs_[i];
        out.paint(row.firstAtLeast(run.a), row.firstAtLeast(run.b + 1) - 1, run.colour);
      }
    }
  }

  const Run* runs_;
  float span_;
  int h_, n_;
};

}  // namespace

bool raysByRow(const unsigned char* strip, int h, int n, unsigned char* rays) {
  if (n > kMaxWidth || std::int64_t{h - 1} * (2 * std::int64_t{n} + 2) > kMonotoneLimit)
    return false;

  Run runs[kMaxRuns];
  Group groups[kMaxGroups];
  int runCount = 0, groupCount = 0;
  const float span = static_cast<float>(h - 1);
  const auto tOf = [&](int k) { return h == 1 ? 0.0f : static_cast<float>(k) / span; };
  // No ray steps over a run of this width between adjacent rows of a group.
  const int stepWidth = h == 1 ? 1 : n / (h - 1) + 3;

  for (int k = h - 1; k >= 0; --k) {
    const int first = runCount;
    if (!scanRow(strip + 3 * size_t(k) * size_t(n), n, runs, runCount)) return false;
    const int count = runCount - first;
    if (count == 0) continue;
    if (groupCount > 0) {
      Group& last = groups[groupCount - 1];
      if (last.top == k + 1 && last.count == count &&
          sameRuns(runs + last.first, runs + first, count)) {
        last.top = k;
        runCount = first;
        continue;
      }
    }
    if (groupCount == kMaxGroups) return false;
    groups[groupCount++] = Group{k, k, first, count, 0, 0, 0, 0, true};
  }
  for (int i = 0; i < groupCount; ++i) {
    Group& g = groups[i];
    const RowView bottom = view(tOf(g.bottom), 0, n), top = view(tOf(g.top), 0, n);
    g.tBottom = bottom.t;
    g.tTop = top.t;
    g.inverseBottom = bottom.inverse;
    g.inverseTop = top.inverse;
    for (int r = g.first; r < g.first + g.count; ++r)
      if (runs[r].b - runs[r].a + 1 < stepWidth) g.byEnds = false;
  }

  const RowPainter painter(runs, h, n);
  for (int v = n - 1; v >= 0; --v) {
    OutRow out(rays + 3 * size_t(n - 1 - v) * size_t(n), n);
    for (int i = 0; i < groupCount && !out.full(); ++i) painter.paint(groups[i], v, out);
    out.finish();
  }
  return true;
}

}  // namespace lightfield::detail

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
// smaller end value is <= b: again one interval, from the two end rows alone. A ray that may
// meet two runs of one group, or a narrower run, needs to know which row met it first; such
// rays are settled by the lower half of the group's rows, then the upper half, down to single
// rows where needed.
//
// Groups are taken bottom-up and paint only rays still white, so each ray keeps its first
// coloured sample from the bottom, as the literal loop's last write does. Runs whose rays are
// all coloured are passed over, and the last few white rays of a row walk the rows alone.

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
  // Strip rows and runs of this group and every group above it: what finishing a ray-space
  // row costs run by run, against walking its last white rays row by row.
  int rowsAbove, runsAbove;
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
  for (; x + 8 <= n; x += 8) {
    const unsigned char* p = row + 3 * size_t(x);
    if (eightWhite(p)) {
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

// Bounds, widened past rounding, on the rays that may sample some range of columns.
struct Estimate {
  double lo, hi;
  Estimate join(Estimate o) const { return {std::min(lo, o.lo), std::max(hi, o.hi)}; }
};

// One strip row as seen from ray-space row v.
struct RowView {
  float t;
  double inverse;
  int v, n;

  int column(int u) const {
    const float p = t * static_cast<float>(v - u);
    return static_cast<int>(p + static_cast<float>(u));
  }

  // Every u whose column may lie in [a, b]: the sums are within 0.002 of t * v + (1 - t) * u,
  // which the margin, 0.01 * inverse + 1 or more, covers. Below t = 1 the bounds move
  // monotonically with t, so with one margin for several rows the end rows bound those between.
  Estimate around(int a, int b, double margin) const {
    if (t == 1.0f) return v >= a && v <= b ? Estimate{0.0, double(n)} : Estimate{1.0, 0.0};
    const double tv = double(t) * double(v);
    return {(double(a) - tv) * inverse - margin, (double(b) + 1.0 - tv) * inverse + margin};
  }

  // The first u in [0, n] with column(u) >= a (n when none).
  int firstAtLeast(int a) const {
    if (a <= 0) return 0;
    if (a >= n) return n;
    if (t == 1.0f) return v >= a ? 0 : n;
    const double guess = (double(a) - double(t) * double(v)) * inverse;
    int u = guess <= 0.0 ? 0 : guess >= double(n) ? n : static_cast<int>(guess);
    if (u < n && column(u) < a) {
      do ++u;
      while (u < n && column(u) < a);
    } else {
      while (u > 0 && column(u - 1) >= a) --u;
    }
    return u;
  }
};

// One ray-space row: which rays are coloured, and the pixels.
class OutRow {
 public:
  OutRow(unsigned char* pixels, int n)
      : pixels_(pixels), n_(n), words_((n + kWordBits - 1) / kWordBits) {
    std::fill(painted_, painted_ + words_, Word{0});
  }

  bool full() const { return count_ == n_; }

  // The first white ray in [lo, hi], or hi + 1.
  int firstWhite(int lo, int hi) const {
    for (int w = lo / kWordBits; w * kWordBits <= hi; ++w) {
      Word m = ~painted_[w];
      if (w == lo / kWordBits) m &= ~Word{0} << (lo % kWordBits);
      if (m != 0) return std::min(hi + 1, w * kWordBits + std::countr_zero(m));
    }
    return hi + 1;
  }

  // The first painted ray in [lo, hi], or hi + 1.
  int firstPainted(int lo, int hi) const {
    for (int w = lo / kWordBits; w * kWordBits <= hi; ++w) {
      Word m = painted_[w];
      if (w == lo / kWordBits) m &= ~Word{0} << (lo % kWordBits);
      if (m != 0) return std::min(hi + 1, w * kWordBits + std::countr_zero(m));
    }
    return hi + 1;
  }

  // The last white ray in [lo, hi], given one exists.
  int lastWhite(int lo, int hi) const {
    for (int w = hi / kWordBits;; --w) {
      Word m = ~painted_[w];
      if (w == hi / kWordBits) m &= ~Word{0} >> (kWordBits - 1 - hi % kWordBits);
      if (m != 0) return std::max(lo, w * kWordBits + kWordBits - 1 - std::countl_zero(m));
    }
  }

  // Whether a ray in the estimate and in [lo, hi] is still white.
  bool anyWhite(Estimate e, int lo, int hi) const {
    const int a = e.lo <= double(lo) ? lo : e.lo > double(hi) ? hi + 1 : static_cast<int>(e.lo);
    const int b = e.hi >= double(hi) ? hi : e.hi < double(lo) ? lo - 1 : static_cast<int>(e.hi) + 1;
    if (a > b) return false;
    const int wa = a / kWordBits, wb = b / kWordBits;
    for (int w = wa; w <= wb; ++w) {
      Word m = ~painted_[w];
      if (w == wa) m &= ~Word{0} << (a % kWordBits);
      if (w == wb) m &= ~Word{0} >> (kWordBits - 1 - b % kWordBits);
      if (m != 0) return true;
    }
    return false;
  }
  int white() const { return n_ - count_; }

  template <class F>
  void forEachWhite(F f) const {
    for (int w = 0; w < words_; ++w) {
      Word m = ~painted_[w];
      if (w == words_ - 1 && n_ % kWordBits != 0) m &= (Word{1} << (n_ % kWordBits)) - 1;
      for (; m != 0; m &= m - 1) f(w * kWordBits + std::countr_zero(m));
    }
  }

  // Colours the still-white rays u in [a, b].
  void paint(int a, int b, std::uint32_t colour) {
    for (int u = firstWhite(a, b); u <= b;) {
      const int end = firstPainted(u, b);
      mark(u, end - 1);
      count_ += end - u;
      fill(u, end - u, colour);
      u = firstWhite(end, b);
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

  void mark(int a, int b) {
    const int wa = a / kWordBits, wb = b / kWordBits;
    for (int w = wa; w <= wb; ++w) {
      Word m = ~Word{0};
      if (w == wa) m &= ~Word{0} << (a % kWordBits);
      if (w == wb) m &= ~Word{0} >> (kWordBits - 1 - b % kWordBits);
      painted_[w] |= m;
    }
  }

  // Eight pixels of one colour at a time.
  void fill(int from, int length, std::uint32_t colour) {
    unsigned char* p = pixels_ + 3 * size_t(from);
    unsigned char pattern[24];
    if constexpr (std::endian::native == std::endian::little) {
      // Three words of eight pixels: R G B R G B R G, B R G B R G B R, G B R G B R G B.
      const std::uint64_t c = colour;
      const std::uint64_t words[3] = {c | c << 24 | c << 48, c >> 16 | c << 8 | c << 32 | c << 56,
                                      c >> 8 | c << 16 | c << 40};
      std::memcpy(pattern, words, 24);
    } else {
      for (int i = 0; i < 24; i += 3) {
        pattern[i] = colour & 0xff;
        pattern[i + 1] = (colour >> 8) & 0xff;
        pattern[i + 2] = colour >> 16;
      }
    }
    for (; length >= 8; length -= 8, p += 24) std::memcpy(p, pattern, 24);
    std::memcpy(p, pattern, 3 * size_t(length));
  }

  unsigned char* pixels_;
  int n_, words_;
  int count_ = 0;
  Word painted_[kMaxWidth / kWordBits];
};

// Where one run of a group meets ray-space row v: an interval of u, exact when the run is wide
// enough, else one that holds every ray meeting it.
struct Span {
  int a, b;
  bool exact;
};

class RowPainter {
 public:
  RowPainter(const unsigned char* strip, const Run* runs, int h, int n, int stepWidth)
      : strip_(strip),
        runs_(runs),
        span_(static_cast<float>(h - 1)),
        h_(h),
        n_(n),
        stepWidth_(stepWidth) {
    for (int k = 0; k < std::min(h, kMaxTabled); ++k) {
      t_[k] = exactT(k);
      inverse_[k] = inverseOf(t_[k]);
    }
  }

  float t(int k) const { return k < kMaxTabled ? t_[k] : exactT(k); }

  RowView view(int k, int v) const {
    if (k >= kMaxTabled) return RowView{exactT(k), inverseOf(exactT(k)), v, n_};
    return RowView{t_[k], inverse_[k], v, n_};
  }

  // Paints the still-white rays u in [lo, hi] of row v whose first coloured sample from the
  // bottom in strip rows [top, bottom] lies in runs [first, last], given that no other run of
  // those rows holds one.
  void paint(int bottom, int top, int first, int last, int lo, int hi, int v, OutRow& out) const {
    // One run that no ray steps over: its span is exact, and painting skips coloured rays.
    if (first == last && (bottom == top || runs_[first].b - runs_[first].a + 1 >= stepWidth_)) {
      const Run& run = runs_[first];
      const RowView low = view(bottom, v);
      int a = low.firstAtLeast(run.a), b = low.firstAtLeast(run.b + 1);
      if (bottom != top) {
        const RowView high = view(top, v);
        a = std::min(a, high.firstAtLeast(run.a));
        b = std::max(b, high.firstAtLeast(run.b + 1));
      }
      out.paint(std::max(lo, a), std::min(hi, b - 1), run.colour);
      return;
    }
    // Only runs that the outermost white rays can reach matter: columns grow with u.
    lo = out.firstWhite(lo, hi);
    if (lo > hi) return;
    hi = out.lastWhite(lo, hi);
    const RowView low = view(bottom, v), high = view(top, v);
    {
      const int from = std::min(low.column(lo), high.column(lo));
      const int to = std::max(low.column(hi), high.column(hi));
      first = int(std::partition_point(runs_ + first, runs_ + last + 1,
                                       [&](const Run& r) { return r.b < from; }) -
                  runs_);
      last = int(std::partition_point(runs_ + first, runs_ + last + 1,
                                      [&](const Run& r) { return r.a <= to; }) -
                 runs_) -
             1;
      if (first > last) return;
    }
    if (bottom == top) {
      const RowView& row = low;
      for (int i = first; i <= last; ++i) {
        const Run& run = runs_[i];
        if (!out.anyWhite(row.around(run.a, run.b, 0.01 * row.inverse + 1.0), lo, hi)) continue;
        out.paint(std::max(lo, row.firstAtLeast(run.a)),
                  std::min(hi, row.firstAtLeast(run.b + 1) - 1), run.colour);
      }
      return;
    }
    // A run whose rays are all coloured already is passed over: dropping it changes no ray.
    // The bottom row at t = 1 is bounded apart from the rows above it.
    const RowView lowest = low.t == 1.0f ? view(bottom - 1, v) : low;
    const double margin = 0.01 * std::max(lowest.inverse, high.inverse) + 1.0;
    const auto nextWorth = [&](int i) {
      for (; i <= last; ++i) {
        const Run& run = runs_[i];
        Estimate e = lowest.around(run.a, run.b, margin).join(high.around(run.a, run.b, margin));
        if (low.t == 1.0f) e = e.join(low.around(run.a, run.b, margin));
        if (out.anyWhite(e, lo, hi)) break;
      }
      return i;
    };
    const auto spanOf = [&](int i) {
      const Run& run = runs_[i];
      return Span{std::min(low.firstAtLeast(run.a), high.firstAtLeast(run.a)),
                  std::max(low.firstAtLeast(run.b + 1), high.firstAtLeast(run.b + 1)) - 1,
                  run.b - run.a + 1 >= stepWidth_};
    };
    // Rays that may meet two runs, or a narrow run, are gathered into zones and settled by the
    // lower half of the rows, then the upper half. Zones arrive in order of their start.
    int zoneLo = 0, zoneHi = -1, zoneFirst = 0, zoneLast = 0;
    const auto flush = [&] {
      if (zoneLo > zoneHi) return;
      const int mid = top + (bottom - top) / 2;
      paint(bottom, mid + 1, zoneFirst, zoneLast, zoneLo, zoneHi, v, out);
      paint(mid, top, zoneFirst, zoneLast, zoneLo, zoneHi, v, out);
      zoneHi = zoneLo - 1;
    };
    const auto addZone = [&](int a, int b, int runA, int runB) {
      a = std::max(a, lo);
      b = std::min(b, hi);
      if (a > b) return;
      if (zoneLo <= zoneHi && a <= zoneHi + 1) {
        zoneHi = std::max(zoneHi, b);
        zoneLast = std::max(zoneLast, runB);
        return;
      }
      flush();
      zoneLo = a;
      zoneHi = b;
      zoneFirst = runA;
      zoneLast = runB;
    };
    // Spans start and end no earlier as the runs go right, so a ray in two spans is in two
    // neighbouring ones.
    int i = nextWorth(first);
    if (i > last) return;
    Span cur = spanOf(i);
    int before = -1;  // end of the previous span
    while (i <= last) {
      const int j = nextWorth(i + 1);
      const Span next = j <= last ? spanOf(j) : Span{n_, n_, true};
      if (cur.exact) {
        out.paint(std::max({lo, cur.a, before + 1}), std::min({hi, cur.b, next.a - 1}),
                  runs_[i].colour);
      } else {
        addZone(cur.a, cur.b, i, i);
      }
      if (j <= last) addZone(next.a, cur.b, i, j);
      before = cur.b;
      cur = next;
      i = j;
    }
    flush();
  }

  // Settles each still-white ray of row v alone, walking strip rows up from `bottom`.
  void byRay(int bottom, int v, OutRow& out) const {
    out.forEachWhite([&](int u) {
      for (int k = bottom; k >= 0; --k) {
        const float p = t(k) * static_cast<float>(v - u);
        const int x = static_cast<int>(p + static_cast<float>(u));
        const unsigned char* px = strip_ + 3 * (size_t(k) * size_t(n_) + size_t(x));
        const std::uint32_t c = colourAt(px);
        if (c != kWhite) {
          out.paint(u, u, c);
          return;
        }
      }
    });
  }

 private:
  float exactT(int k) const { return h_ == 1 ? 0.0f : static_cast<float>(k) / span_; }

  static double inverseOf(float t) { return t == 1.0f ? 0.0 : 1.0 / (1.0 - double(t)); }

  static constexpr int kMaxTabled = 1024;
  const unsigned char* strip_;
  const Run* runs_;
  float span_;
  int h_, n_, stepWidth_;
  float t_[kMaxTabled];  // t of each strip row
  double inverse_[kMaxTabled];
};

}  // namespace

bool raysByRow(const unsigned char* strip, int h, int n, unsigned char* rays) {
  if (n > kMaxWidth || std::int64_t{h - 1} * (2 * std::int64_t{n} + 2) > kMonotoneLimit)
    return false;

  Run runs[kMaxRuns];
  Group groups[kMaxGroups];
  int runCount = 0, groupCount = 0;
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
    groups[groupCount++] = Group{k, k, first, count, 0, 0};
  }
  for (int i = groupCount - 1, rows = 0, count = 0; i >= 0; --i) {
    rows += groups[i].bottom - groups[i].top + 1;
    count += groups[i].count;
    groups[i].rowsAbove = rows;
    groups[i].runsAbove = count;
  }

  const RowPainter painter(strip, runs, h, n, stepWidth);
  for (int v = n - 1; v >= 0; --v) {
    OutRow out(rays + 3 * size_t(n - 1 - v) * size_t(n), n);
    for (int i = 0; i < groupCount && !out.full(); ++i) {
      const Group& g = groups[i];
      // A run costs a few sums per end row; a white ray one per strip row.
      if (std::int64_t{out.white()} * g.rowsAbove <= std::int64_t{4} * g.runsAbove) {
        painter.byRay(g.bottom, v, out);
        break;
      }
      painter.paint(g.bottom, g.top, g.first, g.first + g.count - 1, 0, n - 1, v, out);
    }
    out.finish();
  }
  return true;
}

}  // namespace lightfield::detail

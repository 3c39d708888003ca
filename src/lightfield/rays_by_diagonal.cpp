// The general ray-space strategy: exact for every size and content, 64 rays at a time along
// diagonals. processImage uses it where the row strategy does not apply.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "lightfield/rays.h"

namespace lightfield::detail {
namespace {

using Word = std::uint64_t;
using std::size_t;
constexpr int kWordBits = 64;
constexpr Word kAllOnes = ~Word{0};

// The literal order visits rows top to bottom and lets the last coloured sample win, so a ray's
// colour is its first coloured sample counted from the bottom row. We walk rows bottom-up and
// colour each ray once, diagonal by diagonal: along d = v - u every ray of a row shares
// p = t * d, and its sample column x(u) = trunc(p + u) is u + floor(p), or one more where the
// float addition carries. Writing p + u = (u + floor(p)) + frac(p), the sum rounds frac(p) to
// the spacing of floats at its size, which only grows with u; so the carry, once it starts,
// holds for every larger u (for sums below 2^23; wider strips take the per-ray path).
// A row therefore maps the diagonal's rays onto its pixels by at most two constant shifts, and
// 64 rays at a time are matched against the row's bit mask of coloured pixels.

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

// Sets a bit for every coloured pixel of a strip row; false when the row is all white.
bool buildRowMask(const unsigned char* row, int n, Word* mask, int words) {
  std::fill(mask, mask + words, Word{0});
  bool any = false;
  int x = 0;
  for (; x + 8 <= n; x += 8) {
    const unsigned char* p = row + 3 * size_t(x);
    if (eightWhite(p)) continue;
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

// 64 bits of a row mask starting at bit x; the mask has a zero word past its end.
inline Word bitsFrom(const Word* mask, int x) {
  const int w = x / kWordBits, r = x % kWordBits;
  return r == 0 ? mask[w] : (mask[w] >> r) | (mask[w + 1] << (kWordBits - r));
}

// One batch of non-empty strip rows, bottom row first; each mask has `stride` words.
struct Batch {
  const Word* masks;
  const int* rows;
  const float* t;
  int count;
  int stride;
};

// The still-white rays u in [lo, hi] (at most kWindow) of diagonal d, one bit each.
class Window {
 public:
  // On the first batch every ray is white; later ones read what earlier ones coloured.
  Window(int lo, int hi, int n, int d, const unsigned char* rays, bool fresh) : lo_(lo), d_(d) {
    const int count = hi - lo + 1;
    last_ = (count - 1) / kWordBits;
    for (int w = 0; w <= last_; ++w) {
      const int bits = std::min(kWordBits, count - w * kWordBits);
      white_[w] = bits == kWordBits ? kAllOnes : (Word{1} << bits) - 1;
    }
    remaining_ = count;
    if (fresh) return;
    for (int i = 0; i < count; ++i) {
      if (!isWhite(rays + rayOffset(n, lo + i, lo + i + d))) {
        white_[i / kWordBits] &= ~(Word{1} << (i % kWordBits));
        --remaining_;
      }
    }
  }

  int remaining() const { return remaining_; }

  // Colours the white rays whose sample in this row is coloured.
  void match(const Word* mask, const unsigned char* row, float p, int n, unsigned char* rays) {
    while (white_[first_] == 0) ++first_;
    while (white_[last_] == 0) --last_;
    const int a = lo_ + first_ * kWordBits + std::countr_zero(white_[first_]);
    const int b = lo_ + last_ * kWordBits + (kWordBits - 1 - std::countl_zero(white_[last_]));
    const int shiftA = sampleColumn(p, a) - a, shiftB = sampleColumn(p, b) - b;
    if (shiftA == shiftB) {
      matchRange(a, b, shiftA, mask, row, n, rays);
      return;
    }
    // The carry starts somewhere in (a, b]: find the first u that has it.
    int lo = a + 1, hi = b;
    while (lo < hi) {
      const int mid = lo + (hi - lo) / 2;
      if (sampleColumn(p, mid) - mid == shiftB)
        hi = mid;
      else
        lo = mid + 1;
    }
    matchRange(a, lo - 1, shiftA, mask, row, n, rays);
    matchRange(lo, b, shiftB, mask, row, n, rays);
  }

 private:
  // Rays u in [a, b] sample column u + shift.
  void matchRange(int a, int b, int shift, const Word* mask, const unsigned char* row, int n,
                  unsigned char* rays) {
    const int wa = (a - lo_) / kWordBits, wb = (b - lo_) / kWordBits;
    for (int w = wa; w <= wb; ++w) {
      Word m = white_[w];
      if (w == wa) m &= kAllOnes << ((a - lo_) % kWordBits);
      if (w == wb) m &= kAllOnes >> (kWordBits - 1 - (b - lo_) % kWordBits);
      if (m == 0) continue;
      const int u0 = lo_ + w * kWordBits;
      m &= bitsFrom(mask, u0 + shift);
      white_[w] &= ~m;
      for (; m != 0; m &= m - 1) {
        const int u = u0 + std::countr_zero(m);
        std::memcpy(rays + rayOffset(n, u, u + d_), row + 3 * size_t(u + shift), 3);
        --remaining_;
      }
    }
  }

  Word white_[kWindowWords];
  int lo_, d_;
  int first_ = 0, last_ = 0;  // words that may still hold white rays
  int remaining_ = 0;
};

// Colours every ray whose first coloured sample from the bottom lies in this batch; returns how
// many rays it coloured.
size_t fillBatch(const Batch& batch, const unsigned char* strip, int n, unsigned char* rays,
                 bool fresh) {
  size_t coloured = 0;
  for (int d = -(n - 1); d <= n - 1; ++d) {
    const int ulo = std::max(0, -d), uhi = std::min(n - 1, n - 1 - d);
    const float fd = static_cast<float>(d);
    for (int lo = ulo; lo <= uhi; lo += kWindow) {
      Window win(lo, std::min(uhi, lo + kWindow - 1), n, d, rays, fresh);
      const int before = win.remaining();
      for (int r = 0; r < batch.count && win.remaining() > 0; ++r)
        win.match(batch.masks + size_t(r) * size_t(batch.stride),
                  strip + 3 * size_t(batch.rows[r]) * size_t(n), batch.t[r] * fd, n, rays);
      coloured += size_t(before - win.remaining());
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

}  // namespace

void raysByDiagonal(const unsigned char* strip, int h, int n, unsigned char* rays) {
  std::memset(rays, 255, 3 * size_t(n) * size_t(n));
  // Each row mask carries a zero word past its end, so 64 bits can be read from any column.
  const int stride = (n + kWordBits - 1) / kWordBits + 1;
  if (stride > kMaskWords) {
    processByRay(strip, h, n, rays);
    return;
  }

  Word masks[kMaskWords];
  int rows[kMaskWords / 2];
  float t[kMaskWords / 2];
  const int capacity = kMaskWords / stride;
  const float span = static_cast<float>(h - 1);
  size_t white = size_t(n) * size_t(n);
  bool fresh = true;
  // Batches of non-empty rows, bottom-up, until every ray has its colour.
  for (int k = h - 1; k >= 0 && white > 0;) {
    int count = 0;
    for (; k >= 0 && count < capacity; --k) {
      if (!buildRowMask(strip + 3 * size_t(k) * size_t(n), n, masks + count * stride, stride))
        continue;
      rows[count] = k;
      t[count] = h == 1 ? 0.0f : static_cast<float>(k) / span;
      ++count;
    }
    if (count == 0) break;
    white -= fillBatch(Batch{masks, rows, t, count, stride}, strip, n, rays, fresh);
    fresh = false;
  }
}

}  // namespace lightfield::detail

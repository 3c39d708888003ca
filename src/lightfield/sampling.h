#pragma once

// How the photo operations find the samples that fall inside an image: single-precision
// positions truncated toward zero, compared as floats so that a NaN or an out-of-range value is
// never converted.

#include <cmath>
#include <cstdint>
#include <limits>

namespace lightfield::detail {

// Smallest float not below limit (limit >= 1): for v > -1, trunc(v) < limit exactly when v is
// below it.
inline float upperBound(int limit) {
  float f = static_cast<float>(limit);
  if (static_cast<double>(f) < static_cast<double>(limit))
    f = std::nextafter(f, std::numeric_limits<float>::infinity());
  return f;
}

// Whether trunc(v) lies in [0, limit), given upper = upperBound(limit). NaN fails both tests.
inline bool truncatesInside(float v, float upper) {
  return v > -1.0f && v < upper;
}

// One coordinate of the samples: trunc((float)k * step + base) must lie in [0, limit).
struct Axis {
  float step, base, upper;
  float at(std::int64_t k) const {
    const float product = static_cast<float>(k) * step;
    return product + base;
  }
  bool inside(float v) const { return truncatesInside(v, upper); }
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

// The k in [lo, hi] whose position on this axis is inside: one interval, as the position is
// monotone in k. Needs a finite step.
inline KRange insideRange(const Axis& axis, std::int64_t lo, std::int64_t hi) {
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

}  // namespace lightfield::detail

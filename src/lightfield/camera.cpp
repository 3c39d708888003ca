#include "lightfield/camera.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "lightfield/sampling.h"

namespace lightfield {

namespace {

constexpr int kGaussianScale = 65536;
constexpr int kEntries = 2 * kMaxCameraHalfLength + 1;

int clampedHalfLength(const Camera& camera) {
  return std::min(camera.halfLength, kMaxCameraHalfLength);
}

int pinholeCount(const Camera& camera) {
  return std::clamp(camera.pinholes, kMinPinholes, kMaxPinholes);
}

// round(d (2 j - (K - 1)) / (K - 1)), halves away from zero, in integers.
int pinholeAt(int d, int count, int j) {
  const int gaps = count - 1, numerator = d * (2 * j - gaps);
  const int magnitude = (2 * std::abs(numerator) + gaps) / (2 * gaps);
  return numerator < 0 ? -magnitude : magnitude;
}

}  // namespace

struct CameraScratch::Entry {
  float product;  // (float)k * colStep
  int weight;
  std::ptrdiff_t rowOffset;
};

CameraScratch::CameraScratch() : entries(new Entry[kEntries]) {}
CameraScratch::~CameraScratch() = default;

int apertureWeight(const Camera& camera, int k) {
  const int d = clampedHalfLength(camera);
  if (d < 0 || k < -d || k > d) return 0;
  switch (camera.aperture) {
    case Aperture::Box:
      return 1;
    case Aperture::Tent:
      return d + 1 - std::abs(k);
    case Aperture::Gaussian:
      if (d == 0) return kGaussianScale;
      return static_cast<int>(
          std::lround(kGaussianScale * std::exp(-2.0 * k * k / (static_cast<double>(d) * d))));
    case Aperture::TwoSlits:
      return 3 * std::abs(k) >= 2 * d ? 1 : 0;
    case Aperture::Pinholes: {
      const int count = pinholeCount(camera);
      int weight = 0;
      for (int j = 0; j < count; ++j) weight += pinholeAt(d, count, j) == k ? 1 : 0;
      return weight;
    }
  }
  return 0;
}

void cameraPhoto(const unsigned char* rays, int rows, int cols, const Camera& camera,
                 unsigned char* photo, unsigned char* marks, CameraScratch& scratch) {
  if (cols <= 0) return;
  std::memset(photo, 255, 3 * std::size_t(cols));
  const int d = clampedHalfLength(camera);
  if (rows <= 0 || d < 0 || !std::isfinite(camera.colStep) || !std::isfinite(camera.rowStep))
    return;

  // One entry per weighted sample whose row is inside: the column is all that depends on i.
  const float centre = static_cast<float>(std::int64_t{rows} - 1 - camera.viewpoint);
  const detail::Axis row{camera.rowStep, centre, detail::upperBound(rows)};
  const detail::KRange range = detail::insideRange(row, -d, d);
  CameraScratch::Entry* const table = scratch.entries.get();
  int entries = 0;
  for (std::int64_t k = range.lo; k <= range.hi; ++k) {
    const int weight = apertureWeight(camera, static_cast<int>(k));
    if (weight == 0) continue;
    table[entries++] = {static_cast<float>(k) * camera.colStep, weight,
                        3 * std::ptrdiff_t{row.index(k)} * cols};
  }

  const float colUpper = detail::upperBound(cols);
  for (int i = 0; i < cols; ++i) {
    const auto base = static_cast<float>(i);
    const bool marking = i % 10 == 0;
    std::int64_t total = 0, red = 0, green = 0, blue = 0;
    for (int j = 0; j < entries; ++j) {
      const float x = table[j].product + base;
      if (!detail::truncatesInside(x, colUpper)) continue;
      const std::ptrdiff_t at = table[j].rowOffset + 3 * std::ptrdiff_t{static_cast<int>(x)};
      const std::int64_t w = table[j].weight;
      red += w * rays[at];
      green += w * rays[at + 1];
      blue += w * rays[at + 2];
      total += w;
      if (marking) std::memset(marks + at, 0, 3);
    }
    if (total > 0) {
      unsigned char* out = photo + 3 * std::size_t(i);
      out[0] = static_cast<unsigned char>(red / total);
      out[1] = static_cast<unsigned char>(green / total);
      out[2] = static_cast<unsigned char>(blue / total);
    }
  }
}

FixedWidth halfLengthForWidth(double width, float rowStep, int cap) {
  if (!(width > 0.0)) return {0, false};
  const double sine = rowStep;
  if (!(sine > 0.0)) return {cap, true};
  const double halfLength = std::round(width / (2.0 * sine));
  if (halfLength > cap) return {cap, true};
  return {static_cast<int>(halfLength), false};
}

}  // namespace lightfield

#include "lightfield/refocus.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

namespace lightfield::refocus {
namespace {

// As optics::focusFraction() turns degrees to radians, so angle, depth and disparity agree.
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

}  // namespace

void stackScanlines(const unsigned char* const* scanlines, int views, int width,
                    unsigned char* epi) {
  if (views <= 0 || width <= 0) return;
  const std::size_t rowBytes = std::size_t{3} * std::size_t(width);
  for (int v = 0; v < views; ++v)
    std::memcpy(epi + rowBytes * std::size_t(rowOfView(views, v)), scanlines[v], rowBytes);
}

double disparityForDegrees(double degrees) {
  const double theta = degrees * kRadiansPerDegree;
  const double s = std::sin(theta), c = std::cos(theta);
  if (s == 0.0)
    return c > 0 ? -std::numeric_limits<double>::infinity()
                 : std::numeric_limits<double>::infinity();
  return -c / s;
}

double degreesForDisparity(double s) {
  return std::atan2(1.0, -s) / kRadiansPerDegree;
}

double disparityForFraction(double lambda) {
  if (lambda == 0.0) return -std::numeric_limits<double>::infinity();
  return -(1.0 - lambda) / lambda;
}

double fractionForDisparity(double s) {
  return 1.0 / (1.0 - s);
}

void refocus(const unsigned char* epi, int views, int width, int halfCount, double disparity,
             unsigned char* photo) {
  if (width <= 0) return;
  std::memset(photo, 255, std::size_t{3} * std::size_t(width));
  if (views <= 0 || halfCount < 0) return;
  const int c = centreView(views);
  const int first = std::max(0, c - std::min(halfCount, views));
  const int last = std::min(views - 1, c + std::min(halfCount, views));

  // Per view: its row and its shift, once for the whole scanline.
  struct Taking {
    const unsigned char* row;
    float shift;
  };
  Taking taking[kMaxViews];
  int count = 0;
  for (int v = first; v <= last && count < kMaxViews; ++v) {
    const double shift = v == c ? 0.0 : disparity * double(v - c);
    if (!std::isfinite(shift) || std::abs(shift) > 1e9) continue;  // outside for every pixel
    taking[count++] = {epi + std::size_t{3} * std::size_t(width) * std::size_t(rowOfView(views, v)),
                       static_cast<float>(shift)};
  }
  const auto lastPixel = static_cast<float>(width - 1);
  for (int x = 0; x < width; ++x) {
    float sum[3] = {0.0f, 0.0f, 0.0f};
    int seen = 0;
    for (int j = 0; j < count; ++j) {
      const float p = static_cast<float>(x) + taking[j].shift;
      if (!(p >= 0.0f && p <= lastPixel)) continue;
      const float left = std::floor(p);
      const float f = p - left;
      const unsigned char* a = taking[j].row + 3 * static_cast<std::ptrdiff_t>(left);
      if (f > 0.0f) {
        const unsigned char* b = a + 3;
        for (int ch = 0; ch < 3; ++ch)
          sum[ch] += (1.0f - f) * static_cast<float>(a[ch]) + f * static_cast<float>(b[ch]);
      } else {
        for (int ch = 0; ch < 3; ++ch) sum[ch] += static_cast<float>(a[ch]);
      }
      ++seen;
    }
    if (seen == 0) continue;
    const float divisor = static_cast<float>(seen);
    for (int ch = 0; ch < 3; ++ch)
      photo[3 * x + ch] =
          static_cast<unsigned char>(std::clamp(sum[ch] / divisor + 0.5f, 0.0f, 255.0f));
  }
}

double fitDisparity(const unsigned char* epi, int views, int width, int x, int halfCount,
                    double low, double high, int steps, int radius) {
  const double none = std::numeric_limits<double>::quiet_NaN();
  if (views < 2 || width <= 0 || x < 0 || x >= width || halfCount < 1) return none;
  const int c = centreView(views);
  const int first = std::max(0, c - std::min(halfCount, views));
  const int last = std::min(views - 1, c + std::min(halfCount, views));
  const int needed = std::max(2, (last - first + 2) / 2);
  const auto lastPixel = static_cast<float>(width - 1);
  const int fromX = std::max(0, x - std::max(0, radius));
  const int toX = std::min(width - 1, x + std::max(0, radius));
  double best = none, bestFit = std::numeric_limits<double>::infinity();
  for (int step = 0; step < std::max(1, steps); ++step) {
    const double s = steps <= 1 ? low : low + (high - low) * step / (steps - 1);
    double deviation = 0;
    int samples = 0;
    for (int column = fromX; column <= toX; ++column) {
      // The samples refocus() would average for this pixel, summed and squared-summed.
      double sum[3] = {0, 0, 0}, squares = 0;
      int seen = 0;
      for (int v = first; v <= last; ++v) {
        const double shift = v == c ? 0.0 : s * double(v - c);
        if (!std::isfinite(shift) || std::abs(shift) > 1e9) continue;
        const float p = static_cast<float>(column) + static_cast<float>(shift);
        if (!(p >= 0.0f && p <= lastPixel)) continue;
        const float left = std::floor(p);
        const float f = p - left;
        const unsigned char* a =
            epi + std::size_t{3} * std::size_t(width) * std::size_t(rowOfView(views, v)) +
            3 * static_cast<std::ptrdiff_t>(left);
        for (int ch = 0; ch < 3; ++ch) {
          const double value = f > 0.0f ? (1.0f - f) * float(a[ch]) + f * float(a[ch + 3]) : a[ch];
          sum[ch] += value;
          squares += value * value;
        }
        ++seen;
      }
      if (seen < needed) continue;
      deviation += squares;
      for (double channel : sum) deviation -= channel * channel / seen;
      samples += seen;
    }
    if (samples == 0) continue;
    const double fit = deviation / samples;
    if (fit < bestFit) {
      bestFit = fit;
      best = s;
    }
  }
  return best;
}

}  // namespace lightfield::refocus

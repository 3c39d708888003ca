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

int viewWeight(const ViewCamera& camera, int views, int v) {
  if (v < 0 || v >= views) return 0;
  const Camera profile{camera.viewpoint, camera.halfCount, 1.0f, 0.0f,
                       camera.aperture,  camera.pinholes};
  // Views more than `views` away never exist; the difference stays in int for any viewpoint.
  const long long k = static_cast<long long>(v) - camera.viewpoint;
  return k < -kMaxViews || k > kMaxViews ? 0 : apertureWeight(profile, static_cast<int>(k));
}

void viewReads(const unsigned char* epi, int views, int width, const ViewCamera& camera,
               double disparity, ViewReads& reads) {
  reads.count = reads.weighted = 0;
  const int p = camera.viewpoint;
  if (views <= 0 || views > kMaxViews || p < 0 || p >= views) return;
  for (int v = 0; v < views; ++v) {
    const int weight = viewWeight(camera, views, v);
    if (weight == 0) continue;
    ++reads.weighted;
    const double shift = v == p ? 0.0 : disparity * double(v - p);
    if (!std::isfinite(shift) || std::abs(shift) > 1e9) continue;  // outside for every pixel
    reads.read[reads.count++] = {
        v, epi + std::size_t{3} * std::size_t(width) * std::size_t(rowOfView(views, v)),
        static_cast<float>(shift), static_cast<double>(weight)};
  }
}

void refocus(const unsigned char* epi, int views, int width, const ViewCamera& camera,
             double disparity, unsigned char* photo) {
  if (width <= 0) return;
  std::memset(photo, 255, std::size_t{3} * std::size_t(width));
  ViewReads reads;
  viewReads(epi, views, width, camera, disparity, reads);
  const auto lastPixel = static_cast<float>(width - 1);
  for (int x = 0; x < width; ++x) {
    double sum[3] = {0.0, 0.0, 0.0}, total = 0.0, rgb[3];
    for (int j = 0; j < reads.count; ++j) {
      if (!readAt(reads.read[j], x, lastPixel, rgb)) continue;
      const double w = reads.read[j].weight;
      for (int ch = 0; ch < 3; ++ch) sum[ch] += w * rgb[ch];
      total += w;
    }
    if (total == 0.0) continue;
    for (int ch = 0; ch < 3; ++ch)
      photo[3 * x + ch] = static_cast<unsigned char>(std::clamp(sum[ch] / total + 0.5, 0.0, 255.0));
  }
}

void refocus(const unsigned char* epi, int views, int width, int halfCount, double disparity,
             unsigned char* photo) {
  refocus(epi, views, width, centredBox(views, halfCount), disparity, photo);
}

double fitDisparity(const unsigned char* epi, int views, int width, int x, int halfCount,
                    double low, double high, int steps, int radius, int viewpoint) {
  const double none = std::numeric_limits<double>::quiet_NaN();
  if (views < 2 || width <= 0 || x < 0 || x >= width || halfCount < 1) return none;
  // The views refocus() takes for a box of this half-count, read where it reads them.
  const ViewCamera box{viewpoint >= 0 && viewpoint < views ? viewpoint : centreView(views),
                       halfCount};
  const auto lastPixel = static_cast<float>(width - 1);
  const int fromX = std::max(0, x - std::max(0, radius));
  const int toX = std::min(width - 1, x + std::max(0, radius));
  double best = none, bestFit = std::numeric_limits<double>::infinity();
  ViewReads reads;
  for (int step = 0; step < std::max(1, steps); ++step) {
    const double s = steps <= 1 ? low : low + (high - low) * step / (steps - 1);
    viewReads(epi, views, width, box, s, reads);
    const int needed = std::max(2, (reads.weighted + 1) / 2);
    double deviation = 0;
    int samples = 0;
    for (int column = fromX; column <= toX; ++column) {
      // The samples refocus() would average for this pixel, summed and squared-summed.
      double sum[3] = {0, 0, 0}, squares = 0, rgb[3];
      int seen = 0;
      for (int j = 0; j < reads.count; ++j) {
        if (!readAt(reads.read[j], column, lastPixel, rgb)) continue;
        for (int ch = 0; ch < 3; ++ch) {
          sum[ch] += rgb[ch];
          squares += rgb[ch] * rgb[ch];
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

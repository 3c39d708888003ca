#include "lightfield/depth.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace lightfield::depth {

namespace {

using std::size_t;

// Gaussian weights for the tensor's smoothing, normalised to sum 1.
struct Gaussian {
  float w[2 * kTensorRadius + 1];
  Gaussian() {
    float total = 0.0f;
    for (int k = -kTensorRadius; k <= kTensorRadius; ++k) {
      const float x = static_cast<float>(k) / kTensorSigma;
      w[k + kTensorRadius] = std::exp(-0.5f * x * x);
      total += w[k + kTensorRadius];
    }
    for (float& v : w) v /= total;
  }
};

// Smooths plane `data` (rows x columns) in place with the Gaussian, rows then columns, through
// `tmp`.
void smooth(float* data, float* tmp, int rows, int columns, const Gaussian& g) {
  const int n = columns;
  for (int r = 0; r < rows; ++r) {
    const float* in = data + size_t(r) * n;
    float* out = tmp + size_t(r) * n;
    // The borders one pixel at a time, the middle a tap at a time across the row, so the inner
    // loop runs along memory; each sum still adds its taps in the same order.
    const int lo = std::min(kTensorRadius, n), hi = std::max(lo, n - kTensorRadius);
    for (int u = 0; u < n; u = u + 1 == lo ? hi : u + 1) {
      float acc = 0.0f;
      for (int k = -kTensorRadius; k <= kTensorRadius; ++k)
        acc += g.w[k + kTensorRadius] * in[std::clamp(u + k, 0, n - 1)];
      out[u] = acc;
    }
    std::fill(out + lo, out + hi, 0.0f);
    for (int k = -kTensorRadius; k <= kTensorRadius; ++k) {
      const float w = g.w[k + kTensorRadius];
      for (int u = lo; u < hi; ++u) out[u] += w * in[u + k];
    }
  }
  // Columns a whole row at a time, so the inner loop runs along memory.
  for (int r = 0; r < rows; ++r) {
    float* out = data + size_t(r) * n;
    std::fill(out, out + n, 0.0f);
    for (int k = -kTensorRadius; k <= kTensorRadius; ++k) {
      const float* in = tmp + size_t(std::clamp(r + k, 0, rows - 1)) * n;
      const float w = g.w[k + kTensorRadius];
      for (int u = 0; u < n; ++u) out[u] += w * in[u];
    }
  }
}

// The gradient's direction (gx, gy) along the major eigenvector of the tensor (a, b; b, c), of
// the two forms of it the one that cannot vanish; false where the tensor has no orientation.
struct Orientation {
  float gx, gy, trace, d;
};
Orientation orientationOf(float a, float b, float c) {
  const float trace = a + c;
  const float d = std::sqrt((a - c) * (a - c) + 4.0f * b * b);
  const float major = 0.5f * (trace + d);
  float gx = major - c, gy = b;
  if (a < c) {
    gx = b;
    gy = major - a;
  }
  return {gx, gy, trace, d};
}

}  // namespace

float luminance(const unsigned char* rgb) {
  return 0.299f * static_cast<float>(rgb[0]) + 0.587f * static_cast<float>(rgb[1]) +
         0.114f * static_cast<float>(rgb[2]);
}

namespace {

// With `fullEdgeRows`, the first and last rows' derivative across the rows is the one-sided
// difference at full weight instead of the central one over a repeated row, which halves it: with
// a few views those rows carry much of the window, and a halved slope there pulls every
// disparity towards zero.
void tensorOf(const unsigned char* rays, int rows, int columns, float* scratch, bool fullEdgeRows) {
  if (rows <= 0 || columns <= 0) return;
  const int n = columns;
  const size_t plane = size_t(rows) * size_t(columns);
  float* juu = scratch;
  float* jur = scratch + plane;
  float* jrr = scratch + 2 * plane;
  float* lum = scratch + 3 * plane;
  float* gu = scratch + 4 * plane;
  float* gr = scratch + 5 * plane;
  for (size_t p = 0; p < plane; ++p) lum[p] = luminance(rays + 3 * p);
  for (int r = 0; r < rows; ++r) {
    const float* up = lum + size_t(std::max(r - 1, 0)) * n;
    const float* mid = lum + size_t(r) * n;
    const float* down = lum + size_t(std::min(r + 1, rows - 1)) * n;
    for (int u = 0; u < n; ++u) {
      const int l = std::max(u - 1, 0), h = std::min(u + 1, n - 1);
      const float du =
          3.0f * (up[h] - up[l]) + 10.0f * (mid[h] - mid[l]) + 3.0f * (down[h] - down[l]);
      const float dr =
          3.0f * (down[l] - up[l]) + 10.0f * (down[u] - up[u]) + 3.0f * (down[h] - up[h]);
      gu[size_t(r) * n + u] = du / 32.0f;
      gr[size_t(r) * n + u] = dr / 32.0f;
      if (fullEdgeRows && rows > 1 && (r == 0 || r == rows - 1)) gr[size_t(r) * n + u] *= 2.0f;
    }
  }
  for (size_t p = 0; p < plane; ++p) {
    juu[p] = gu[p] * gu[p];
    jur[p] = gu[p] * gr[p];
    jrr[p] = gr[p] * gr[p];
  }
  const Gaussian g;
  smooth(juu, lum, rows, columns, g);
  smooth(jur, lum, rows, columns, g);
  smooth(jrr, lum, rows, columns, g);
}

}  // namespace

void structureTensor(const unsigned char* rays, int rows, int columns, float* scratch) {
  tensorOf(rays, rows, columns, scratch, false);
}

void structureTensor(const unsigned char* rays, int n, float* scratch) {
  structureTensor(rays, n, n, scratch);
}

void slopesFromTensor(const float* scratch, int rows, int columns, float* lambda,
                      float* confidence) {
  if (rows <= 0 || columns <= 0) return;
  const size_t plane = size_t(rows) * size_t(columns);
  const float* juu = scratch;
  const float* jur = scratch + plane;
  const float* jrr = scratch + 2 * plane;
  for (size_t p = 0; p < plane; ++p) {
    // The major eigenvector is the gradient's direction, which runs along (lambda, lambda - 1).
    const Orientation o = orientationOf(juu[p], jur[p], jrr[p]);
    // lambda / (lambda - 1) = gx / gy, so lambda = gx / (gx - gy).
    const float denominator = o.gx - o.gy;
    // A flat tensor gives 0 / 0; such pixels have no confidence, and lambda 0 stands in.
    float l = denominator != 0.0f ? o.gx / denominator : 2.0f;
    const bool plausible = l >= -0.05f && l <= 1.05f;
    if (std::isnan(l)) l = 0.0f;
    lambda[p] = std::clamp(l, 0.0f, 1.0f);
    confidence[p] =
        plausible && o.trace >= kFlatTrace && o.d > 0.0f ? std::min(o.d / o.trace, 1.0f) : 0.0f;
  }
}

void slopesFromTensor(const float* scratch, int n, float* lambda, float* confidence) {
  slopesFromTensor(scratch, n, n, lambda, confidence);
}

void slopes(const unsigned char* rays, int rows, int columns, float* lambda, float* confidence,
            float* scratch) {
  structureTensor(rays, rows, columns, scratch);
  slopesFromTensor(scratch, rows, columns, lambda, confidence);
}

void disparitiesFromTensor(const float* scratch, int rows, int columns, float reach,
                           float* disparity, float* confidence) {
  if (rows <= 0 || columns <= 0) return;
  const size_t plane = size_t(rows) * size_t(columns);
  const float* juu = scratch;
  const float* jur = scratch + plane;
  const float* jrr = scratch + 2 * plane;
  for (size_t p = 0; p < plane; ++p) {
    // A point's line runs along (-s, 1) in (column, row), so its gradient along (1, s).
    const Orientation o = orientationOf(juu[p], jur[p], jrr[p]);
    const float s = o.gx != 0.0f ? o.gy / o.gx : std::numeric_limits<float>::infinity();
    const bool plausible = std::abs(s) <= reach;
    disparity[p] = plausible ? s : 0.0f;
    confidence[p] =
        plausible && o.trace >= kFlatTrace && o.d > 0.0f ? std::min(o.d / o.trace, 1.0f) : 0.0f;
  }
}

void disparities(const unsigned char* epi, int views, int width, float reach, float* disparity,
                 float* confidence, float* scratch) {
  tensorOf(epi, views, width, scratch, true);
  disparitiesFromTensor(scratch, views, width, reach, disparity, confidence);
}

void slopes(const unsigned char* rays, int n, float* lambda, float* confidence, float* scratch) {
  slopes(rays, n, n, lambda, confidence, scratch);
}

// ---------------------------------------------------------------------------------------------
// Depth from focus

namespace {

constexpr double kCanvasRadiansPerDegree = 0.017453292500000002;

float focusRadians(int angleIndex) {
  return static_cast<float>(angleIndex * 0.5 * kCanvasRadiansPerDegree);
}

// Smallest float not below limit, as takePhoto() bounds its positions.
float upperBound(int limit) {
  float f = static_cast<float>(limit);
  if (static_cast<double>(f) < static_cast<double>(limit))
    f = std::nextafter(f, std::numeric_limits<float>::infinity());
  return f;
}

}  // namespace

float focusCos(int angleIndex) {
  return std::cos(focusRadians(angleIndex));
}

float focusSin(int angleIndex) {
  return std::sin(focusRadians(angleIndex));
}

double focusFractionOf(int angleIndex) {
  const double s = focusSin(angleIndex), c = focusCos(angleIndex);
  return s / (s + c);
}

void resetFocus(FocusBest* best, int n) {
  for (int i = 0; i < n; ++i) best[i] = FocusBest{};
}

void focusSweep(const unsigned char* rays, int n, int halfLength, int firstAngle, int endAngle,
                FocusBest* best, float* sharpness, FocusSums* sums) {
  firstAngle = std::max(firstAngle, 0);
  endAngle = std::min(endAngle, kFocusAngles);
  if (n <= 0) return;
  const float upper = upperBound(n);
  const auto centre = static_cast<float>(n / 2);
  for (int a = firstAngle; a < endAngle; ++a) {
    const float c = focusCos(a), s = focusSin(a);
    std::memset(static_cast<void*>(sums), 0, sizeof(FocusSums) * size_t(n));
    if (halfLength >= 0) {
      // Beyond |k| = (n + 1) / max(c, s) + 2 every sample leaves the image on one axis, so the
      // k that can land inside are few whatever the half-length.
      const float step = std::max(std::abs(c), std::abs(s));
      const long long reach = static_cast<long long>((n + 1) / step) + 2;
      const long long kLo = -std::min<long long>(halfLength, reach);
      const long long kHi = std::min<long long>(halfLength, reach);
      for (long long k = kLo; k <= kHi; ++k) {
        const float y = static_cast<float>(k) * s + centre;
        if (!(y > -1.0f && y < upper)) continue;
        const unsigned char* row = rays + 3 * size_t(static_cast<int>(y)) * size_t(n);
        const float product = static_cast<float>(k) * c;
        for (int i = 0; i < n; ++i) {
          const float x = product + static_cast<float>(i);
          if (!(x > -1.0f && x < upper)) continue;
          const unsigned char* px = row + 3 * static_cast<int>(x);
          FocusSums& t = sums[i];
          ++t.count;
          for (int ch = 0; ch < 3; ++ch) {
            t.sum[ch] += px[ch];
            t.squares[ch] += px[ch] * px[ch];
          }
        }
      }
    }
    for (int i = 0; i < n; ++i) {
      FocusSums& t = sums[i];
      std::int64_t scaled = 0;
      for (int ch = 0; ch < 3; ++ch) scaled += t.count * t.squares[ch] - t.sum[ch] * t.sum[ch];
      // Both terms are exact in double, so one rounding: equal variances compare equal.
      t.spread =
          t.count > 0 ? static_cast<double>(scaled) / static_cast<double>(t.count * t.count) : 0.0;
    }
    for (int i = 0; i < n; ++i) {
      const FocusSums& t = sums[i];
      double local = t.spread;
      if (i > 0) local += sums[i - 1].spread;
      if (i + 1 < n) local += sums[i + 1].spread;
      if (sharpness != nullptr)
        sharpness[size_t(a - firstAngle) * n + i] = -static_cast<float>(local);
      FocusBest& b = best[i];
      const bool unseen = b.worst < 0.0;
      b.worst = std::max(b.worst, local);
      if (unseen || local < b.local) {
        b.local = local;
        b.first = b.last = a;
      } else if (local == b.local) {
        b.last = a;
      }
      if (unseen || t.spread < b.own) {
        b.own = t.spread;
        for (int ch = 0; ch < 3; ++ch)
          b.rgb[ch] = t.count > 0 ? static_cast<unsigned char>(t.sum[ch] / t.count) : 255;
      }
    }
  }
}

void mergeFocus(FocusBest* best, const FocusBest* later, int n) {
  for (int i = 0; i < n; ++i) {
    FocusBest& b = best[i];
    const FocusBest& l = later[i];
    if (l.worst < 0.0) continue;
    if (b.worst < 0.0) {
      b = l;
      continue;
    }
    b.worst = std::max(b.worst, l.worst);
    if (l.local < b.local) {
      b.local = l.local;
      b.first = l.first;
      b.last = l.last;
    } else if (l.local == b.local) {
      b.last = l.last;
    }
    if (l.own < b.own) {
      b.own = l.own;
      std::memcpy(b.rgb, l.rgb, 3);
    }
  }
}

void focusResult(const FocusBest* best, int n, float* lambda, float* confidence,
                 unsigned char* allInFocus) {
  for (int i = 0; i < n; ++i) {
    const FocusBest& b = best[i];
    lambda[i] =
        b.worst < 0.0
            ? 0.0f
            : static_cast<float>(0.5 * (focusFractionOf(b.first) + focusFractionOf(b.last)));
    confidence[i] = b.worst > 0.0 ? static_cast<float>(1.0 - b.local / b.worst) : 0.0f;
    std::memcpy(allInFocus + 3 * size_t(i), b.rgb, 3);
  }
}

// ---------------------------------------------------------------------------------------------
// Depth from focus on a real light field

void viewSharpness(const unsigned char* epi, int views, int width,
                   const refocus::ViewCamera& camera, double s, float* sharpness, float* scratch) {
  if (width <= 0) return;
  std::fill(sharpness, sharpness + width, 0.0f);
  // The views refocus() takes, read where it reads them.
  refocus::ViewReads reads;
  refocus::viewReads(epi, views, width, camera, s, reads);
  if (reads.weighted == 0) return;
  const int needed = std::max(2, (reads.weighted + 1) / 2);
  const auto lastPixel = static_cast<float>(width - 1);
  for (int x = 0; x < width; ++x) {
    double sum[3] = {0.0, 0.0, 0.0}, squares[3] = {0.0, 0.0, 0.0}, total = 0.0, c[3];
    int seen = 0;
    for (int j = 0; j < reads.count; ++j) {
      if (!refocus::readAt(reads.read[j], x, lastPixel, c)) continue;
      const double w = reads.read[j].weight;
      for (int ch = 0; ch < 3; ++ch) {
        sum[ch] += w * c[ch];
        squares[ch] += w * c[ch] * c[ch];
      }
      total += w;
      ++seen;
    }
    double spread = -1.0;  // not counted
    if (seen >= needed && total > 0.0) {
      spread = 0.0;
      for (int ch = 0; ch < 3; ++ch) {
        const double mean = sum[ch] / total;
        spread += std::max(0.0, squares[ch] / total - mean * mean);
      }
    }
    scratch[x] = static_cast<float>(spread);
  }
  for (int x = 0; x < width; ++x) {
    float sum = 0.0f;
    int counted = 0;
    for (int k = std::max(x - kSharpRadius, 0); k <= std::min(x + kSharpRadius, width - 1); ++k)
      if (scratch[k] >= 0.0f) {
        sum += scratch[k];
        ++counted;
      }
    sharpness[x] = counted > 0 ? 1.0f / (1.0f + sum / float(counted)) : 0.0f;
  }
}

void resetPeaks(FocusPeak* peaks, int width) {
  for (int x = 0; x < width; ++x) peaks[x] = FocusPeak{};
}

namespace {

// One angle's sharpness of one pixel into its peak.
void takeAngle(FocusPeak& peak, float sharp, int angle, const unsigned char* rgb) {
  if (peak.best < 0.0f) {
    peak.best = peak.least = sharp;
    peak.angle = angle;
    std::memcpy(peak.rgb, rgb, 3);
    return;
  }
  peak.least = std::min(peak.least, sharp);
  if (sharp > peak.best) {
    peak.best = sharp;
    peak.angle = angle;
    std::memcpy(peak.rgb, rgb, 3);
  }
}

}  // namespace

void lightFieldFocusSweep(const unsigned char* epi, int views, int width,
                          const refocus::ViewCamera& camera, int firstAngle, int endAngle,
                          FocusPeak* peaks, float* sharpness, unsigned char* photo,
                          float* scratch) {
  if (views <= 0 || width <= 0) return;
  firstAngle = std::max(firstAngle, 0);
  const int end = std::min(endAngle, kFocusAngles);
  for (int a = firstAngle; a < end; ++a) {
    float* row = sharpness != nullptr ? sharpness + size_t(a - firstAngle) * width : nullptr;
    const double s = refocus::disparityForDegrees(0.5 * a);
    if (!(std::abs(s) <= kFocusReach)) {
      if (row != nullptr) std::fill(row, row + width, 0.0f);
      continue;
    }
    refocus::refocus(epi, views, width, camera, s, photo);
    float* sharp = row != nullptr ? row : scratch + width;
    viewSharpness(epi, views, width, camera, s, sharp, scratch);
    for (int x = 0; x < width; ++x)
      if (sharp[x] > 0.0f) takeAngle(peaks[x], sharp[x], a, photo + 3 * x);
  }
}

void mergePeaks(FocusPeak* peaks, const FocusPeak* later, int width) {
  for (int x = 0; x < width; ++x) {
    const FocusPeak& l = later[x];
    if (l.best < 0.0f) continue;
    FocusPeak& p = peaks[x];
    if (p.best < 0.0f) {
      p = l;
      continue;
    }
    p.least = std::min(p.least, l.least);
    // Ties keep the earlier angle, as one sweep would.
    if (l.best > p.best) {
      p.best = l.best;
      p.angle = l.angle;
      std::memcpy(p.rgb, l.rgb, 3);
    }
  }
}

void peakResult(const FocusPeak* peaks, int width, float* lambda, float* confidence,
                unsigned char* allInFocus) {
  for (int x = 0; x < width; ++x) {
    const FocusPeak& p = peaks[x];
    lambda[x] = float(focusFractionOf(p.angle));
    confidence[x] = p.best > 0.0f ? 1.0f - p.least / p.best : 0.0f;
    std::memcpy(allInFocus + 3 * x, p.rgb, 3);
  }
}

}  // namespace lightfield::depth

#pragma once

// The engine's operations as plain, slow loops, written step by step so they can be checked by
// reading. The differential tests, the benchmark and fuzz targets compare the shipped engine with
// these byte for byte.
//
// Two departures, both where the plain loops would be undefined in C++: a float that is NaN or
// too large for an int is treated as outside instead of being converted, and the photo's loop
// counter and sums are 64-bit. A one-row strip is sampled at column u, the engine's rule.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "lightfield/camera.h"

namespace lightfield::reference {

// True when converting v to int is defined.
inline bool fitsInt(float v) {
  return v >= -2147483648.0f && v < 2147483648.0f;
}

inline void processImage(const unsigned char* strip, int h, int n, unsigned char* rays) {
  if (n <= 0) return;
  std::memset(rays, 255, std::size_t{3} * std::size_t(n) * std::size_t(n));
  for (int u = 0; u < n; ++u) {
    for (int v = 0; v < n; ++v) {
      unsigned char* out = rays + 3 * ((n - 1 - v) * n + u);
      for (int k = 0; k < h; ++k) {
        const float t = h == 1 ? 0.0f : (float)k / (float)(h - 1);
        const float p = t * (float)(v - u);
        const int x = (int)(p + (float)u);
        const unsigned char* in = strip + 3 * (k * n + x);
        if (in[0] != 255 || in[1] != 255 || in[2] != 255) std::memcpy(out, in, 3);
      }
    }
  }
}

inline int getTarget(const unsigned char*, int rows, int cols, float x, float y) {
  if (!fitsInt(x)) return -1;
  const int col = (int)x;
  if (col < 0 || col >= cols) return -1;
  if (!fitsInt(y)) return -1;
  const int row = (int)y;
  if (row < 0 || row >= rows) return -1;
  return 3 * (row * cols + col);
}

inline void takePhoto(const unsigned char* rays, int rows, int cols, unsigned char* photo,
                      unsigned char* marks, int halfLength, float colStep, float rowStep) {
  const float centre = (float)(rows / 2);
  for (int i = 0; i < cols; ++i) {
    long long count = 0, red = 0, green = 0, blue = 0;
    const bool marking = i % 10 == 0;
    for (long long k = -(long long)halfLength; k <= halfLength; ++k) {
      const float x = (float)k * colStep + (float)i;
      const float y = (float)k * rowStep + centre;
      const int at = getTarget(rays, rows, cols, x, y);
      if (at == -1) continue;
      red += rays[at];
      green += rays[at + 1];
      blue += rays[at + 2];
      ++count;
      if (marking) marks[at] = marks[at + 1] = marks[at + 2] = 0;
    }
    unsigned char* out = photo + 3 * i;
    if (count > 0) {
      out[0] = (unsigned char)(red / count);
      out[1] = (unsigned char)(green / count);
      out[2] = (unsigned char)(blue / count);
    } else {
      out[0] = out[1] = out[2] = 255;
    }
  }
}

// The aperture's weight of sample k, written from the profiles' definitions.
inline long long weightOf(const Camera& camera, int k) {
  const int d = camera.halfLength < kMaxCameraHalfLength ? camera.halfLength : kMaxCameraHalfLength;
  if (k < -d || k > d) return 0;
  switch (camera.aperture) {
    case Aperture::Box:
      return 1;
    case Aperture::Tent:
      return d + 1 - std::abs(k);
    case Aperture::Gaussian:
      // sigma = d / 2: exp(-k^2 / (2 sigma^2)) = exp(-2 k^2 / d^2), scaled to 65536.
      if (d == 0) return 65536;
      return std::lround(65536 * std::exp(-2.0 * k * k / ((double)d * d)));
    case Aperture::TwoSlits:
      return std::abs(k) * 3 >= 2 * d ? 1 : 0;
    case Aperture::Pinholes: {
      const int count = std::clamp(camera.pinholes, kMinPinholes, kMaxPinholes);
      long long weight = 0;
      for (int j = 0; j < count; ++j) {
        const double at = (double)d * (2 * j - (count - 1)) / (count - 1);
        if (std::lround(at) == k) ++weight;
      }
      return weight;
    }
  }
  return 0;
}

inline void cameraPhoto(const unsigned char* rays, int rows, int cols, const Camera& camera,
                        unsigned char* photo, unsigned char* marks) {
  const float centre = (float)((long long)rows - 1 - camera.viewpoint);
  for (int i = 0; i < cols; ++i) {
    long long total = 0, red = 0, green = 0, blue = 0;
    const bool marking = i % 10 == 0;
    for (long long k = -(long long)camera.halfLength; k <= camera.halfLength; ++k) {
      const long long w = weightOf(camera, (int)k);
      if (w == 0) continue;
      const float x = (float)k * camera.colStep + (float)i;
      const float y = (float)k * camera.rowStep + centre;
      const int at = getTarget(rays, rows, cols, x, y);
      if (at == -1) continue;
      red += w * rays[at];
      green += w * rays[at + 1];
      blue += w * rays[at + 2];
      total += w;
      if (marking) marks[at] = marks[at + 1] = marks[at + 2] = 0;
    }
    unsigned char* out = photo + 3 * i;
    if (total > 0) {
      out[0] = (unsigned char)(red / total);
      out[1] = (unsigned char)(green / total);
      out[2] = (unsigned char)(blue / total);
    } else {
      out[0] = out[1] = out[2] = 255;
    }
  }
}

}  // namespace lightfield::reference

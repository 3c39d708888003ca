#pragma once

// A light field rendered with a pinhole model, for checking refocus and the loader without real
// data. Scene units are those of the ray space: camera v sits at position v on the lower line,
// its pixel u looks through position u on the upper line, so its ray meets the height fraction
// lambda at x = v + lambda (u - v). Each plane is a textured segment at one lambda; the ray sees
// the lowest plane (nearest the cameras) that it meets, else white. Rows y of a view see the
// texture's row y: the views of one grid row have horizontal parallax only.
#include <cmath>
#include <cstdint>
#include <vector>

namespace lightfield::planes {

struct Plane {
  double lambda = 0.5;
  double left = 0.0, right = 0.0;  // the extent along the line, in scene units
  std::uint32_t seed = 1;
  double knot = 1.0;  // texture knots' spacing in scene units
};

// Random levels in [30, 225] at the knots, linearly interpolated: smooth enough to be read
// between pixels, busy enough that a misfocus shows.
inline double level(std::uint32_t seed, long long knot, int channel, int y) {
  std::uint64_t h = seed * 0x9E3779B97F4A7C15ull ^ std::uint64_t(knot) * 0xBF58476D1CE4E5B9ull ^
                    std::uint64_t(channel + 3 * y) * 0x94D049BB133111EBull;
  h ^= h >> 31;
  h *= 0xD6E8FEB86659FD93ull;
  h ^= h >> 32;
  return 30.0 + double(h % 196);
}

inline double texture(const Plane& p, double x, int channel, int y) {
  const double t = (x - p.left) / p.knot;
  const double k = std::floor(t), f = t - k;
  return (1.0 - f) * level(p.seed, (long long)k, channel, y) +
         f * level(p.seed, (long long)k + 1, channel, y);
}

struct World {
  std::vector<Plane> planes;

  // Index of the plane the ray (camera v, upper-line position u) sees, or -1.
  int hit(double v, double u) const {
    int best = -1;
    for (int i = 0; i < int(planes.size()); ++i) {
      const Plane& p = planes[i];
      const double x = v + p.lambda * (u - v);
      if (x < p.left || x > p.right) continue;
      if (best < 0 || p.lambda < planes[best].lambda) best = i;
    }
    return best;
  }

  void ray(double v, double u, int y, unsigned char* rgb) const {
    const int i = hit(v, u);
    for (int ch = 0; ch < 3; ++ch) {
      if (i < 0) {
        rgb[ch] = 255;
        continue;
      }
      const Plane& p = planes[i];
      rgb[ch] = (unsigned char)std::lround(texture(p, v + p.lambda * (u - v), ch, y));
    }
  }

  // View `camera` (a lower-line position), width x height packed RGB, row 0 on top, seeing the
  // texture's rows from `firstRow` on (another row of a camera grid sees other rows).
  std::vector<unsigned char> view(int camera, int width, int height, int firstRow = 0) const {
    std::vector<unsigned char> out(std::size_t(3) * width * height);
    for (int y = 0; y < height; ++y)
      for (int u = 0; u < width; ++u)
        ray(camera, u, firstRow + y, &out[std::size_t(3) * (std::size_t(y) * width + u)]);
    return out;
  }
};

}  // namespace lightfield::planes

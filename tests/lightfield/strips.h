#pragma once

// Synthetic captured strips shared by the engine's tests and benchmark.

#include <cstdint>
#include <vector>

namespace lightfield::strips {

// Small deterministic generator, so every platform builds the same scenes.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
  }
  // Uniform in [lo, hi].
  int range(int lo, int hi) { return lo + int(next() % std::uint64_t(hi - lo + 1)); }
  float unit() { return float(next() >> 40) / float(1 << 24); }

 private:
  std::uint64_t state_;
};

struct Rgb {
  unsigned char r, g, b;
};

inline std::vector<unsigned char> white(int n, int h) {
  return std::vector<unsigned char>(std::size_t(3) * std::size_t(n) * std::size_t(h > 0 ? h : 0),
                                    255);
}

// Fills the clipped rectangle of columns [x, x + w) and rows [y, y + hgt).
inline void fillRect(std::vector<unsigned char>& strip, int n, int h, int x, int y, int w, int hgt,
                     Rgb c) {
  for (int row = y < 0 ? 0 : y; row < y + hgt && row < h; ++row)
    for (int col = x < 0 ? 0 : x; col < x + w && col < n; ++col) {
      unsigned char* p = &strip[std::size_t(3) * (std::size_t(row) * n + col)];
      p[0] = c.r;
      p[1] = c.g;
      p[2] = c.b;
    }
}

// A colour that is never pure white.
inline Rgb randomColour(Rng& rng) {
  Rgb c{(unsigned char)rng.range(0, 255), (unsigned char)rng.range(0, 255),
        (unsigned char)rng.range(0, 255)};
  if (c.r == 255 && c.g == 255 && c.b == 255) c.b = 254;
  return c;
}

// The canvas's starting billboards in a strip n wide and 280 high. The strip spans canvas
// y = 10..290 with row 0 just beneath 290; a bar at canvas (x, y) covers 39 x 9 pixels from
// canvas row y up, so its top pixel row y + 8 lands on strip row 289 - (y + 8). Columns scale
// with n / 300.
inline std::vector<unsigned char> defaultBars(int n) {
  const int h = 280;
  auto strip = white(n, h);
  const struct {
    int x, y;
    Rgb c;
  } bars[] = {{70, 100, {255, 204, 102}}, {130, 150, {102, 247, 102}}, {190, 200, {102, 153, 255}}};
  for (const auto& bar : bars) {
    const int x = bar.x * n / 300, w = 39 * n / 300;
    fillRect(strip, n, h, x, 289 - (bar.y + 8), w, 9, bar.c);
  }
  return strip;
}

// Sixty random rectangles of 5 to 60 pixels a side on a white n x h strip.
inline std::vector<unsigned char> denseRects(int n, int h, std::uint64_t seed, int count = 60) {
  Rng rng(seed);
  auto strip = white(n, h);
  for (int i = 0; i < count; ++i) {
    const int w = rng.range(5, 60), hgt = rng.range(5, 60);
    fillRect(strip, n, h, rng.range(-w / 2, n - 1), rng.range(-hgt / 2, h - 1), w, hgt,
             randomColour(rng));
  }
  return strip;
}

}  // namespace lightfield::strips

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

// Scenes like the application's built-in ones, on a strip n wide and 280 high (canvas x scaled by
// n / 300). A shape at canvas (x, y, w, hgt), y up, covers strip rows 290 - y - hgt to 289 - y;
// a disc takes the pixels whose centres lie within its radius.
enum class Scene { Billboards, TwoDots, Occluder, PicketFence, DepthLadder };
inline constexpr Scene kScenes[] = {Scene::Billboards, Scene::TwoDots, Scene::Occluder,
                                    Scene::PicketFence, Scene::DepthLadder};
inline const char* sceneName(Scene s) {
  const char* names[] = {"billboards", "two dots", "occluder", "picket fence", "depth ladder"};
  return names[int(s)];
}

inline std::vector<unsigned char> scene(Scene which, int n) {
  const int h = 280;
  auto strip = white(n, h);
  const auto x = [n](double canvasX) { return int(canvasX * n / 300); };
  const auto rect = [&](double cx, double cy, double w, double hgt, Rgb c) {
    fillRect(strip, n, h, x(cx), int(290 - cy - hgt), x(cx + w) - x(cx), int(hgt), c);
  };
  const auto disc = [&](double cx, double cy, double r, Rgb c) {
    for (int row = 0; row < h; ++row)
      for (int col = 0; col < n; ++col) {
        const double px = (col + 0.5) * 300.0 / n - cx, py = 289.5 - row - cy;
        if (px * px + py * py <= r * r) fillRect(strip, n, h, col, row, 1, 1, c);
      }
  };
  const auto height = [](double lambda) { return 10 + 280 * lambda; };
  const Rgb orange{255, 204, 102}, green{102, 247, 102}, blue{102, 153, 255}, red{230, 51, 51},
      purple{153, 77, 204};
  switch (which) {
    case Scene::Billboards:
      rect(70, 100, 40, 10, orange);
      rect(130, 150, 40, 10, green);
      rect(190, 200, 40, 10, blue);
      break;
    case Scene::TwoDots:
      disc(150, height(0.25), 3, red);
      disc(150, height(0.75), 3, blue);
      break;
    case Scene::Occluder:
      rect(40, height(0.7), 220, 12, blue);
      rect(125, height(0.3), 50, 12, orange);
      break;
    case Scene::PicketFence:
      for (int i = 0; i < 9; ++i) rect(17 + 30 * i, 90, 8, 10, green);
      break;
    case Scene::DepthLadder: {
      const Rgb colours[] = {red, orange, green, blue, purple};
      for (int i = 0; i < 5; ++i)
        rect(30 + 50 * i, int(height((i + 1) / 6.0)) - 4, 40, 8, colours[i]);
      break;
    }
  }
  return strip;
}

}  // namespace lightfield::strips

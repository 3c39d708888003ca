#include "lightfield/optics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace lightfield::optics {

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

bool isWhite(const unsigned char* p) {
  return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

}  // namespace

FocusSteps focusSteps(float degrees) {
  const auto angle = static_cast<float>(static_cast<double>(degrees) * kDegreesToRadians);
  return {std::cos(angle), std::sin(angle)};
}

double fractionOfHeight(double y) {
  return (y - kLowerLine) / (kUpperLine - kLowerLine);
}

double heightOfFraction(double lambda) {
  return kLowerLine + lambda * (kUpperLine - kLowerLine);
}

double focusFraction(double degrees) {
  const double theta = degrees * kRadiansPerDegree;
  const double s = std::sin(theta), c = std::cos(theta);
  return s / (s + c);
}

double focusDegreesForFraction(double lambda) {
  const double l = std::clamp(lambda, 0.0, 1.0);
  return std::clamp(std::atan2(l, 1.0 - l) / kRadiansPerDegree, 0.0, 90.0);
}

double edgeBlur(double degrees, int halfLength, double lambda) {
  if (halfLength <= 0) return 0.0;
  const double theta = degrees * kRadiansPerDegree;
  const double s = std::sin(theta), c = std::cos(theta);
  // 2 d sin |(1 - l) / l - cos / sin|, written without dividing by sin.
  if (lambda <= 0.0)
    return s == 0.0 ? 2.0 * halfLength * c : std::numeric_limits<double>::infinity();
  return 2.0 * halfLength * std::abs(s * (1.0 - lambda) / lambda - c);
}

Band sharpBand(double degrees, int halfLength, double pixels) {
  if (halfLength <= 0) return {0.0, 1.0};
  const double theta = degrees * kRadiansPerDegree;
  const double s = std::sin(theta), c = std::cos(theta);
  // Edge-on the blur is the same everywhere.
  if (s == 0.0) return 2.0 * halfLength * c <= pixels ? Band{0.0, 1.0} : Band{1.0, 0.0};
  // edgeBlur <= pixels  <=>  |s / l - (s + c)| <= e  with e = pixels / (2 d).
  const double e = pixels / (2.0 * halfLength);
  const double low = s / (s + c + e);
  const double high = s + c - e > s ? s / (s + c - e) : 1.0;
  return {std::clamp(low, 0.0, 1.0), std::clamp(high, 0.0, 1.0)};
}

double apertureWidth(double degrees, int halfLength) {
  // In the canvas's own precision, so the marker and the readouts agree.
  return 2.0 * halfLength * std::sin(degrees * kDegreesToRadians);
}

bool rayPassesNear(double x, double lambda, int u, int v) {
  return std::abs(v + lambda * (u - v) - x) <= 0.5;
}

void dualLine(double x, double lambda, int n, std::vector<ColumnRun>& runs) {
  runs.clear();
  const double slope = 1.0 - lambda;  // growth of the crossing point per row
  for (int u = 0; u < n; ++u) {
    // Estimate the rows from the closed form, then settle them on the exact
    // test so rounding can neither add nor drop a pixel.
    int lo = 0, hi = n - 1;
    if (slope > 1e-9) {
      const double base = lambda * u - x;
      lo = static_cast<int>(std::clamp(std::ceil((-0.5 - base) / slope), -1.0, double(n)));
      hi = static_cast<int>(std::clamp(std::floor((0.5 - base) / slope), -1.0, double(n)));
      lo = std::clamp(lo, 0, n - 1);
      hi = std::clamp(hi, 0, n - 1);
      while (lo > 0 && rayPassesNear(x, lambda, u, lo - 1)) --lo;
      while (lo <= hi && !rayPassesNear(x, lambda, u, lo)) ++lo;
      while (hi < n - 1 && rayPassesNear(x, lambda, u, hi + 1)) ++hi;
      while (hi >= lo && !rayPassesNear(x, lambda, u, hi)) --hi;
    } else if (!rayPassesNear(x, lambda, u, 0)) {
      continue;  // on the upper line the row does not matter
    }
    if (lo <= hi) runs.push_back({u, lo, hi});
  }
}

void photoSamples(int n, int i, int halfLength, float colStep, float rowStep,
                  std::vector<Pixel>& samples) {
  samples.clear();
  const auto centre = static_cast<float>(n / 2);
  const auto limit = static_cast<float>(n);
  for (int k = -halfLength; k <= halfLength; ++k) {
    const float x = static_cast<float>(k) * colStep + static_cast<float>(i);
    const float y = static_cast<float>(k) * rowStep + centre;
    // Truncation toward zero keeps (-1, 0) inside, as the engine does.
    if (!(x > -1.0f && x < limit && y > -1.0f && y < limit)) continue;
    samples.push_back({static_cast<int>(x), static_cast<int>(y)});
  }
}

namespace {

// The crossing point of a sample's ray at fraction lambda is a + lambda * b.
struct Crossing {
  double a, b;
};

Crossing crossingOf(const Pixel& p, int n) {
  const double v = n - 1 - p.row, u = p.column;
  return {v, u - v};
}

}  // namespace

double sampledBlur(const std::vector<Pixel>& samples, int n, double lambda) {
  if (samples.empty()) return 0.0;
  double lo = std::numeric_limits<double>::infinity(), hi = -lo;
  for (const Pixel& p : samples) {
    const Crossing c = crossingOf(p, n);
    lo = std::min(lo, c.a + lambda * c.b);
    hi = std::max(hi, c.a + lambda * c.b);
  }
  return (hi - lo) / lambda;
}

double sharpestBlur(const std::vector<Pixel>& samples, int n) {
  // In mu = 1 / lambda the blur is the largest of the lines A mu + B, one per
  // pair of samples: convex, so a golden-section search finds its least value.
  auto blurAt = [&](double mu) { return sampledBlur(samples, n, 1.0 / mu); };
  constexpr double kGolden = 0.6180339887498949;
  double lo = 1.0, hi = 1000.0;
  for (int step = 0; step < 80; ++step) {
    const double a = hi - kGolden * (hi - lo), b = lo + kGolden * (hi - lo);
    if (blurAt(a) <= blurAt(b)) {
      hi = b;
    } else {
      lo = a;
    }
  }
  return blurAt(0.5 * (lo + hi));
}

Band sampledBand(const std::vector<Pixel>& samples, int n, double pixels) {
  // Blur <= pixels holds for every pair of samples: each pair bounds lambda
  // from one side, so the band is an interval.
  Band band{0.0, 1.0};
  for (const Pixel& pj : samples) {
    const Crossing j = crossingOf(pj, n);
    for (const Pixel& pk : samples) {
      const Crossing k = crossingOf(pk, n);
      const double a = j.a - k.a, room = pixels - (j.b - k.b);
      if (room > 0) {
        band.low = std::max(band.low, a / room);
      } else if (room < 0) {
        band.high = std::min(band.high, a / room);
      } else if (a > 0) {
        return {1.0, 0.0};
      }
    }
  }
  // The lower line itself images nothing: every ray of the pixel meets there.
  if (band.high <= 0.0) return {1.0, 0.0};
  return band;
}

std::optional<Pixel> firstHit(const unsigned char* strip, int h, int n, int u, int v) {
  if (strip == nullptr || h <= 0 || n <= 0 || u < 0 || u >= n || v < 0 || v >= n) return {};
  const auto span = static_cast<float>(h - 1);
  for (int k = h - 1; k >= 0; --k) {
    const float t = h == 1 ? 0.0f : static_cast<float>(k) / span;
    const int column = static_cast<int>(t * static_cast<float>(v - u) + static_cast<float>(u));
    const unsigned char* p = strip + 3 * (static_cast<long long>(k) * n + column);
    if (!isWhite(p)) return Pixel{column, k};
  }
  return {};
}

void cameraSamples(int n, int i, const Camera& camera, std::vector<WeightedPixel>& samples) {
  samples.clear();
  const int d = std::min(camera.halfLength, kMaxCameraHalfLength);
  const auto centre = static_cast<float>(std::int64_t{n} - 1 - camera.viewpoint);
  const auto limit = static_cast<float>(n);
  for (int k = -d; k <= d; ++k) {
    const int weight = apertureWeight(camera, k);
    if (weight == 0) continue;
    const float x = static_cast<float>(k) * camera.colStep + static_cast<float>(i);
    const float y = static_cast<float>(k) * camera.rowStep + centre;
    if (!(x > -1.0f && x < limit && y > -1.0f && y < limit)) continue;
    samples.push_back({static_cast<int>(x), static_cast<int>(y), weight, k});
  }
}

double parallaxPerViewpoint(double lambda) {
  if (lambda <= 0.0) return -std::numeric_limits<double>::infinity();
  return -(1.0 - lambda) / lambda;
}

double spreadPerSample(double degrees, double lambda) {
  const double theta = degrees * kRadiansPerDegree;
  const double s = std::sin(theta), c = std::cos(theta);
  if (lambda <= 0.0) return s == 0.0 ? c : std::numeric_limits<double>::infinity();
  return std::abs(c - s * (1.0 - lambda) / lambda);
}

double slitSpacing(double degrees, int halfLength, double lambda) {
  if (halfLength <= 0) return 0.0;
  const int inner = (2 * halfLength + 2) / 3;  // ceil(2 d / 3)
  return (inner + halfLength) * spreadPerSample(degrees, lambda);
}

double ghostSpacing(double degrees, int halfLength, int pinholes, double lambda) {
  if (halfLength <= 0) return 0.0;
  const int count = std::clamp(pinholes, kMinPinholes, kMaxPinholes);
  return 2.0 * halfLength / (count - 1) * spreadPerSample(degrees, lambda);
}

double imageOffset(const WeightedPixel& sample, int i, int viewpoint, int n, double lambda) {
  const double along = sample.column - i, across = sample.row - (double(n) - 1 - viewpoint);
  return (1.0 - lambda) / lambda * across - along;
}

Spot sampledSpot(const std::vector<WeightedPixel>& samples, int i, int viewpoint, int n,
                 double lambda) {
  if (samples.empty()) return {};
  double lo = std::numeric_limits<double>::infinity(), hi = -lo;
  int kLow = samples.front().k, kHigh = kLow;
  for (const WeightedPixel& s : samples) {
    const double at = imageOffset(s, i, viewpoint, n, lambda);
    lo = std::min(lo, at);
    hi = std::max(hi, at);
    kLow = std::min(kLow, s.k);
    kHigh = std::max(kHigh, s.k);
  }
  return {hi - lo, kHigh > kLow ? (hi - lo) / (kHigh - kLow) : 0.0};
}

void pointSpread(int n, const Camera& camera, double lambda, std::vector<SpreadSample>& spread,
                 std::vector<WeightedPixel>& samples) {
  spread.clear();
  cameraSamples(n, n / 2, camera, samples);
  for (const WeightedPixel& s : samples)
    spread.push_back({imageOffset(s, n / 2, camera.viewpoint, n, lambda), s.weight});
  // Samples that truncate to one ray-space pixel (or image a point at one place) are one entry
  // of the photo's mean: their weights add up.
  std::sort(spread.begin(), spread.end(),
            [](const SpreadSample& a, const SpreadSample& b) { return a.offset < b.offset; });
  std::size_t kept = 0;
  for (std::size_t j = 0; j < spread.size(); ++j) {
    if (kept > 0 &&
        spread[j].offset - spread[kept - 1].offset <= 1e-9 * (1.0 + std::abs(spread[j].offset)))
      spread[kept - 1].weight += spread[j].weight;
    else
      spread[kept++] = spread[j];
  }
  spread.resize(kept);
}

void apertureShare(const unsigned char* strip, int h, int n, int i, const Camera& camera,
                   int targetRowLow, int targetRowHigh, ApertureShare& share,
                   std::vector<WeightedPixel>& samples) {
  share.total = share.target = 0;
  share.meetings.clear();
  cameraSamples(n, i, camera, samples);
  for (const WeightedPixel& s : samples) {
    Meeting meeting;
    if (const auto hit = firstHit(strip, h, n, s.column, n - 1 - s.row)) {
      const unsigned char* p = strip + 3 * (static_cast<long long>(hit->row) * n + hit->column);
      meeting.hit = true;
      meeting.target = hit->row >= targetRowLow && hit->row <= targetRowHigh;
      std::copy(p, p + 3, meeting.colour);
    }
    share.total += s.weight;
    if (meeting.target) share.target += s.weight;
    const auto same = [&](const Meeting& m) {
      return m.hit == meeting.hit && m.target == meeting.target &&
             std::equal(m.colour, m.colour + 3, meeting.colour);
    };
    auto group = std::find_if(share.meetings.begin(), share.meetings.end(), same);
    if (group == share.meetings.end()) group = share.meetings.insert(group, meeting);
    group->weight += s.weight;
  }
  std::stable_sort(share.meetings.begin(), share.meetings.end(),
                   [](const Meeting& a, const Meeting& b) { return a.weight > b.weight; });
}

}  // namespace lightfield::optics

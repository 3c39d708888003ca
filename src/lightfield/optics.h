#pragma once

// The geometry behind the teaching aids, in plain functions beside the engine:
// where the focus angle puts the sharp depth, how blurred other depths are, the
// line a scene point makes in ray space, the samples of one photo pixel and the
// first thing a ray meets. Heights are canvas units (y up) between the lower
// plane line (y = kLowerLine) and the upper one; a fraction `lambda` runs from
// 0 on the lower line to 1 on the upper line.
#include <optional>
#include <vector>

#include "lightfield/camera.h"

namespace lightfield::optics {

// The plane lines' heights on the canvas.
inline constexpr double kLowerLine = 10.0;
inline constexpr double kUpperLine = 290.0;

// Degrees to radians as the canvas's optics compute it: 3.14159265 / 180 in
// double precision, not the exact pi / 180.
inline constexpr double kDegreesToRadians = 0.017453292500000002;

// The photo pass's steps for a focus angle: the angle turned to radians with
// kDegreesToRadians and rounded to single precision, then its cosine (column
// step) and sine (row step) in single precision.
struct FocusSteps {
  float colStep = 1.0f;
  float rowStep = 0.0f;
};
FocusSteps focusSteps(float degrees);

// Fraction of the way up from the lower line for a canvas height, and back.
double fractionOfHeight(double y);
double heightOfFraction(double lambda);

// The fraction where every ray of one photo pixel crosses: sin / (sin + cos).
double focusFraction(double degrees);
// The focus angle, in degrees within [0, 90], that makes the fraction sharp
// (atan2(lambda, 1 - lambda); fractions outside [0, 1] are clamped first).
double focusDegreesForFraction(double lambda);

// How many photo pixels an edge at `lambda` spreads over, for half-length d:
// 2 d sin |(1 - lambda) / lambda - cos / sin|. Zero for d <= 0; infinite on
// the lower line unless the focus is there too.
double edgeBlur(double degrees, int halfLength, double lambda);

// The fractions whose edges blur over at most `pixels` photo pixels: an
// interval around focusFraction(), clipped to [0, 1]. The whole strip for a
// half-length of 0 or less; empty (low > high) at 0 degrees, where every
// height spreads over 2 d cos pixels.
struct Band {
  double low = 0.0;
  double high = 1.0;
};
Band sharpBand(double degrees, int halfLength, double pixels = 1.0);

// The aperture's width on the lower line, 2 d sin: how far apart the rays of
// one photo pixel leave it. The camera marker is drawn from it.
double apertureWidth(double degrees, int halfLength);

// True when ray (u on the upper line, v on the lower line) passes within half
// a unit of the point x at fraction lambda: |v + lambda (u - v) - x| <= 0.5.
bool rayPassesNear(double x, double lambda, int u, int v);

// The ray-space pixels of the rays through a scene point, as one run of rows
// per column: column u holds rows vLow..vHigh (v counted from the bottom).
// Exactly the pixels for which rayPassesNear() holds, in an n x n image;
// columns without such a pixel are left out. `runs` is reused.
struct ColumnRun {
  int u = 0;
  int vLow = 0;
  int vHigh = 0;
};
void dualLine(double x, double lambda, int n, std::vector<ColumnRun>& runs);

// The ray-space pixels that photo pixel i samples, where takePhoto() samples
// them: column trunc(k colStep + i), row trunc(k rowStep + n / 2) from the top,
// for k from -halfLength to +halfLength, those outside an n x n image left out.
// A pixel reached twice is listed twice. `samples` is reused.
struct Pixel {
  int column = 0;
  int row = 0;
};
void photoSamples(int n, int i, int halfLength, float colStep, float rowStep,
                  std::vector<Pixel>& samples);

// The band for the samples the engine really takes (photoSamples() of a
// middle pixel): the fractions whose edges blur over at most `pixels` photo
// pixels. An edge at lambda spreads over the samples' crossing points divided
// by lambda photo pixels (sampledBlur()). Truncating the positions jitters the
// crossings, so the band can sit off the exact formula's depth, and at low
// angles no height qualifies: the band is empty (low > high) though the exact
// formula would still find one sharp depth.
Band sampledBand(const std::vector<Pixel>& samples, int n, double pixels = 1.0);
// The least sampledBlur() over the strip (lambda from 0.001 to 1): every
// height blurs at least this much.
double sharpestBlur(const std::vector<Pixel>& samples, int n);
// That spread in photo pixels for an edge at lambda > 0.
double sampledBlur(const std::vector<Pixel>& samples, int n, double lambda);

// The first non-white pixel of a captured strip (n wide, h high, packed RGB)
// along ray (u, v), counted from the lower line (row h - 1) up, sampled where
// processImage() samples it. Nothing when the ray meets no shape.
std::optional<Pixel> firstHit(const unsigned char* strip, int h, int n, int u, int v);

// The lower-line position of the central ray of every photo pixel: the pinhole.
inline int pinholePosition(int n) {
  return n - 1 - n / 2;
}

// --- The camera (camera.h) -------------------------------------------------------------------

// The samples of photo pixel i that carry weight, where cameraPhoto() takes them in an n x n
// image, in increasing k; those outside are left out. `samples` is reused.
struct WeightedPixel {
  int column = 0;
  int row = 0;
  int weight = 0;
  int k = 0;
};
void cameraSamples(int n, int i, const Camera& camera, std::vector<WeightedPixel>& samples);

// Photo pixels the image of a point at lambda moves when the viewpoint moves by one: sample 0 of
// pixel i crosses lambda at (1 - lambda) p + lambda i, so the image sits at
// (x - (1 - lambda) p) / lambda and moves by -(1 - lambda) / lambda. Minus infinity at 0.
double parallaxPerViewpoint(double lambda);

// In exact arithmetic the image of a point at lambda moves, from one sample to the next, by
// cos - sin (1 - lambda) / lambda photo pixels: sin |cot - (1 - lambda) / lambda| in size. A
// profile's spot is the profile stretched by that factor: 2 d times it wide.
double spreadPerSample(double degrees, double lambda);
// Spacing of the two spikes of the two slits: their middles lie (ceil(2d/3) + d) samples apart.
double slitSpacing(double degrees, int halfLength, double lambda);
// Spacing of the K ghost images of K pinholes: 2 d / (K - 1) samples apart.
double ghostSpacing(double degrees, int halfLength, int pinholes, double lambda);

// Where the engine's truncated sample images a point at lambda, in photo pixels from where a
// sample at column i and row n - 1 - viewpoint (sample 0) would: (1 - lambda) / lambda R - U for
// the sample's column offset U = column - i and row offset R = row - (n - 1 - viewpoint). U and
// R lie within one of k cos and k sin (truncation, and the single-precision sum that can carry
// up to the next whole number), so the image lies within 1 / lambda of where exact arithmetic
// puts it, and the spot's width is 2 d spreadPerSample() to within 2 / lambda.
double imageOffset(const WeightedPixel& sample, int i, int viewpoint, int n, double lambda);
// The spot of a point at lambda under the engine's truncations: the widest spread of
// imageOffset() over the samples, and that spread per sample step (the exact stretch factor).
struct Spot {
  double width = 0.0;
  double perSample = 0.0;
};
Spot sampledSpot(const std::vector<WeightedPixel>& samples, int i, int viewpoint, int n,
                 double lambda);

// The point-spread function at lambda, for the panel's plot: where the weighted samples of the
// middle photo pixel (n / 2) image a point (imageOffset()) and with what weight, one entry per
// place in increasing offset, the weights of samples imaging at one place summed (as the photo's
// mean sums them). The photo of a one-pixel point is this profile with each entry swept over about
// 1 / lambda pixels. `spread` and `samples` are reused.
struct SpreadSample {
  double offset = 0.0;
  int weight = 0;
};
void pointSpread(int n, const Camera& camera, double lambda, std::vector<SpreadSample>& spread,
                 std::vector<WeightedPixel>& samples);

// What the weighted samples of one photo pixel meet first in the captured strip (firstHit()),
// grouped by colour and by whether the hit lies on the target rows, heaviest first. A group that
// meets nothing has hit false and is white. The photo pixel is the weighted mean of the groups'
// colours; `target` over `total` is the share of the aperture that reaches the target.
struct Meeting {
  bool hit = false;
  bool target = false;
  unsigned char colour[3] = {255, 255, 255};
  long long weight = 0;
};
struct ApertureShare {
  long long total = 0;
  long long target = 0;
  std::vector<Meeting> meetings;
};
// The target is the strip rows targetRowLow .. targetRowHigh (0 just beneath the upper line): the
// far wall, say. `share` and `samples` are reused.
void apertureShare(const unsigned char* strip, int h, int n, int i, const Camera& camera,
                   int targetRowLow, int targetRowHigh, ApertureShare& share,
                   std::vector<WeightedPixel>& samples);

}  // namespace lightfield::optics

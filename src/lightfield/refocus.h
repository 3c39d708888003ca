#pragma once

#include <cmath>
#include <cstddef>

#include "lightfield/camera.h"

// Refocusing a real light field: one row of camera views, cut along one scanline, is an
// epipolar-plane image (EPI), which is exactly a ray-space image. The view index is the ray's
// position on the lower line and the pixel column its position on the upper line; as in
// processImage()'s image, lower-line positions are counted from the bottom row, so view v sits on
// row views - 1 - v. Buffers are packed RGB (3 bytes per pixel, row 0 on top, no padding), owned
// by the caller; nothing here allocates or keeps state.
//
// Geometry. A scene point at fraction lambda of the way up is the line v + lambda (u - v) = x
// (RayGeometry), so view v sees it at pixel u = x / lambda - v (1 - lambda) / lambda: it moves by
// the disparity s = -(1 - lambda) / lambda pixels from one view to the next. The canvas's photo at
// focus angle theta averages along the direction (cos, sin) in the image (rows down), which is the
// line of the point at lambda = sin / (sin + cos) (optics::focusFraction); read per view (one row
// up per view) that line moves by s = -cos / sin pixels per view. Refocusing at theta therefore
// averages the views shifted by that s: the same line through ray space as the canvas's photo,
// sampled once per view instead of once per unit of the segment's length.
namespace lightfield::refocus {

// The most views one EPI may hold (the loader's limit for one row of views).
inline constexpr int kMaxViews = 64;

// The row of the EPI that holds view v of `views`.
inline int rowOfView(int views, int v) {
  return views - 1 - v;
}

// The central view: the one on the middle row (views / 2 from the top), where the canvas's photo
// centres its segment (optics::pinholePosition()).
inline int centreView(int views) {
  return views - 1 - views / 2;
}

// Stacks one scanline per view into the EPI: scanlines[v] (width pixels) becomes row
// rowOfView(views, v) of `epi` (views x width). Nothing is written for views <= 0 or width <= 0.
void stackScanlines(const unsigned char* const* scanlines, int views, int width,
                    unsigned char* epi);

// Disparity (pixels per view) for a focus angle in degrees: -cos / sin, in double precision with
// the exact degree-to-radian factor that optics::focusFraction() uses. 0 at 90 degrees (the upper
// line: every view sees the point at the same pixel), minus infinity at 0 (the lower line),
// positive beyond 90 degrees (points beyond the upper line).
double disparityForDegrees(double degrees);
// The focus angle in (0, 180) degrees that refocuses at disparity s: atan2(1, -s).
double degreesForDisparity(double s);
// The disparity of a point at fraction lambda: -(1 - lambda) / lambda (minus infinity at 0).
double disparityForFraction(double lambda);
// The fraction whose points move by s pixels per view: 1 / (1 - s).
double fractionForDisparity(double s);

// The camera that looks through the views: the view read unshifted (its viewpoint, where the
// aperture is centred), how many views on each side take part, and how they are weighed. The
// weight of view v is apertureWeight() of a camera of that profile with half-length halfCount, at
// k = v - viewpoint: the canvas's camera panel's profiles, one sample per view.
struct ViewCamera {
  int viewpoint = 0;
  int halfCount = 0;
  Aperture aperture = Aperture::Box;
  int pinholes = kMinPinholes;
};

// The box over centreView() +- halfCount: plain shift-and-average.
inline ViewCamera centredBox(int views, int halfCount) {
  return {centreView(views), halfCount, Aperture::Box, kMinPinholes};
}

// The weight of view v of `views` (0: left out, also outside 0 .. views - 1).
int viewWeight(const ViewCamera& camera, int views, int v);

// One weighted view as refocus() reads it for one disparity: the view, its row of the EPI, its
// shift s (v - p) in double precision rounded once to float, and its weight.
struct ViewRead {
  int view = 0;
  const unsigned char* row = nullptr;
  float shift = 0.0f;
  double weight = 0.0;
};
// Every view the camera weighs (`weighted` of them); in `read`, those whose shift is finite and
// within 1e9 pixels, in view order. None with views outside 1 .. kMaxViews or the viewpoint
// outside the views. Caller-owned, so the reads allocate nothing.
struct ViewReads {
  ViewRead read[kMaxViews];
  int count = 0;
  int weighted = 0;
};
void viewReads(const unsigned char* epi, int views, int width, const ViewCamera& camera,
               double disparity, ViewReads& reads);
// A view's colour for photo pixel x, at position float(x) + shift: the two neighbouring pixels
// mixed in float with weights 1 - f and f (the pixel itself where f is 0). False where the
// position lies outside [0, lastPixel] or is not finite.
inline bool readAt(const ViewRead& read, int x, float lastPixel, double rgb[3]) {
  const float position = static_cast<float>(x) + read.shift;
  if (!(position >= 0.0f && position <= lastPixel)) return false;
  const float left = std::floor(position);
  const float f = position - left;
  const unsigned char* a = read.row + 3 * static_cast<std::ptrdiff_t>(left);
  for (int ch = 0; ch < 3; ++ch)
    rgb[ch] =
        f > 0.0f
            ? double((1.0f - f) * static_cast<float>(a[ch]) + f * static_cast<float>(a[ch + 3]))
            : double(a[ch]);
  return true;
}

// Shift-and-add refocus of the EPI (views x width) into `photo` (width pixels): photo pixel x is
// the weighted mean over the views v of view v at position x + s (v - p), p = camera.viewpoint,
// each view weighed by viewWeight(). halfCount 0 gives view p alone, a pinhole; a viewpoint off
// the centre moves the photo by the parallax of every depth but the focused one.
//
// Each view's shift s (v - p) is computed in double precision and rounded once to float, the
// position is float(x) plus that shift, and the view is read there by linear interpolation
// between its two neighbouring pixels (weights 1 - f and f for the fraction f, in float). A
// position outside [0, width - 1], or not finite, is left out of that pixel's mean; a pixel no
// weighted view sees is white. The mean, sum(weight * read) / sum(weight) in double precision, is
// rounded to the nearest byte. The viewpoint's shift is always 0, so a non-finite s still gives
// view p alone (white if the profile gives it no weight). Nothing is written for width <= 0; with
// views <= 0 or above kMaxViews, or a viewpoint outside the views, the photo is white.
void refocus(const unsigned char* epi, int views, int width, const ViewCamera& camera,
             double disparity, unsigned char* photo);
// The box at the centre: refocus(epi, views, width, centredBox(views, halfCount), ...).
void refocus(const unsigned char* epi, int views, int width, int halfCount, double disparity,
             unsigned char* photo);

// Click-to-focus: the disparity, among `steps` evenly spaced from `low` to `high` (both included;
// `low` alone for steps <= 1), whose line through pixel x of the central view fits the views best.
// The views taking part are those refocus() takes for `halfCount`, read where it reads them; the
// fit is the mean squared difference of their colours from their mean, and a line only counts
// where at least half of those views (and at least two) see it. The first best wins, so a pixel
// without texture, where every line fits, gets `low`. NaN when no line counts (x outside the EPI,
// or fewer than two views).
//
// With a `radius`, the lines through the pixels x - radius .. x + radius (inside the EPI) are
// fitted together, each at the same disparity: the fit is their squared differences summed over
// the lines that count, divided by the samples those lines hold. Inside a flat band of colour,
// where one line fits at many disparities, the band's edges then decide.
//
// With a `viewpoint` (0 .. views - 1; otherwise the centre), the lines pass through pixel x of
// that view instead, as refocus() reads them for a camera there, and the views taking part lie
// around it.
double fitDisparity(const unsigned char* epi, int views, int width, int x, int halfCount,
                    double low, double high, int steps, int radius = 0, int viewpoint = -1);

}  // namespace lightfield::refocus

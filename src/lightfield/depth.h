#pragma once

// Depth read off the ray-space image, in two ways. A scene point at fraction lambda is the line
// of rays with v + lambda (u - v) = x: in the image (column u, row r = n - 1 - v) it runs along
// (1 - lambda, lambda), so the orientation of the image's lines gives lambda (slopes), and so
// does the focus angle that gathers a photo pixel's rays on one point (focus).
//
// Both work on caller-owned buffers and allocate nothing.
#include <cstddef>
#include <cstdint>

#include "lightfield/refocus.h"

namespace lightfield::depth {

// ---------------------------------------------------------------------------------------------
// Depth from slopes

// Luminance of a packed RGB pixel, 0.299 R + 0.587 G + 0.114 B, as the tensor sees it.
float luminance(const unsigned char* rgb);

// Scales of the structure tensor: derivatives by the 3 x 3 Scharr pair (central difference
// across, 3 10 3 smoothing along, divided by 32, so a unit ramp gives 1), then each product
// smoothed by a Gaussian of this sigma over 2 * kTensorRadius + 1 taps. Edges repeat the border
// pixel.
inline constexpr float kTensorSigma = 2.5f;
inline constexpr int kTensorRadius = 7;
// Below this trace (luminance squared per pixel squared) the image counts as flat.
inline constexpr float kFlatTrace = 1.0f;

// Floats of scratch for a rows x columns image, and for an n x n one.
inline std::size_t slopeScratchSize(int rows, int columns) {
  return rows > 0 && columns > 0 ? std::size_t{6} * std::size_t(rows) * std::size_t(columns) : 0;
}
inline std::size_t slopeScratchSize(int n) {
  return slopeScratchSize(n, n);
}

// The smoothed structure tensor of the image's luminance. On return the first three planes of
// n x n floats in scratch hold J_uu, J_ur and J_rr (u along columns, r down the rows), row by
// row; the rest is clobbered.
void structureTensor(const unsigned char* rays, int n, float* scratch);
// The same of a rows x columns image (planes of rows x columns floats).
void structureTensor(const unsigned char* rays, int rows, int columns, float* scratch);

// Per ray-space pixel: the fraction lambda of the lines through it, clamped to [0, 1], and a
// confidence in [0, 1], the coherence (l1 - l2) / (l1 + l2) of the tensor's eigenvalues, zero
// where the trace is below kFlatTrace or the orientation would put lambda outside [-0.05, 1.05]
// (no scene lies there). Outputs are n x n floats laid out like the image.
void slopes(const unsigned char* rays, int n, float* lambda, float* confidence, float* scratch);
void slopes(const unsigned char* rays, int rows, int columns, float* lambda, float* confidence,
            float* scratch);

// The same from a tensor already in scratch (the planes structureTensor() leaves).
void slopesFromTensor(const float* scratch, int n, float* lambda, float* confidence);
void slopesFromTensor(const float* scratch, int rows, int columns, float* lambda,
                      float* confidence);

// A real light field's epipolar-plane image (row r = views - 1 - v, one column per pixel): per
// pixel the disparity s of the lines through it, in pixels per view (a point seen at x in view 0
// is at x + s v in view v; lambda = 1 / (1 - s) in the scene's terms), and the coherence as
// above, zero where the trace is flat or |s| exceeds `reach` (disparity then 0). Outputs are
// views x width floats laid out like the image. The first and last views' derivative across the
// views is one-sided at full weight (see depth.cpp), so the tensor here is not structureTensor()'s
// at those rows.
void disparities(const unsigned char* epi, int views, int width, float reach, float* disparity,
                 float* confidence, float* scratch);
void disparitiesFromTensor(const float* scratch, int rows, int columns, float reach,
                           float* disparity, float* confidence);

// The ray-space row of every photo pixel's central ray (k = 0 samples row n / 2): the slope
// estimate along it is the depth row of the photo.
inline int pinholeRow(int n) {
  return n / 2;
}

// ---------------------------------------------------------------------------------------------
// Depth from focus

// The sweep: focus angles 0, 0.5, ..., 90 degrees, stepped as the canvas steps them.
inline constexpr int kFocusAngles = 181;
// The column and row steps the canvas passes to takePhoto() for angle index a: cos and sin in
// float of (float)(a * 0.5 * 0.017453292500000002).
float focusCos(int angleIndex);
float focusSin(int angleIndex);
// The fraction where those steps focus, sin / (sin + cos) from the float steps.
double focusFractionOf(int angleIndex);

// A photo pixel is in focus when the rays it averages agree, that is, meet on one scene point.
// Its spread at one angle is the variance of the samples takePhoto() takes, summed over red,
// green and blue: (count * sum(c^2) - sum(c)^2) / count^2 from exact integer sums, zero when all
// agree or there is no sample. Its local sharpness is minus the summed spread of it and its two
// neighbours (one at the row's ends): the neighbours carry an edge's depth to the pixel on its
// far side, whose own rays agree at many angles.
//
// Per pixel the sweep keeps the least and largest local spread with the first and last angle
// index reaching the least (the depth), and its own least spread with the photo colour at the
// first angle reaching it (the all-in-focus colour: where some focus gathers only one colour,
// that is the pinhole's). A sweep split into chunks of angles and merged in order gives the same
// result.
struct FocusBest {
  double local = 0.0;
  double worst = -1.0;  // the largest local spread seen; -1 before any angle
  int first = 0;
  int last = 0;
  double own = 0.0;
  unsigned char rgb[3] = {255, 255, 255};
};

// Sets n pixels to "no angle seen yet".
void resetFocus(FocusBest* best, int n);

// One photo pixel's sums at one angle: the sweep's scratch, n of them.
struct FocusSums {
  std::int64_t count, sum[3], squares[3];
  double spread;
};

// Sweeps angle indices [firstAngle, endAngle) (clipped to the sweep) over the n x n image with
// half-length d, updating best. sharpness, if not null, receives (endAngle - firstAngle) rows of
// n floats, the local sharpness of every photo pixel at each angle, for a plot. Photos follow
// takePhoto() sample for sample, whatever the half-length.
void focusSweep(const unsigned char* rays, int n, int halfLength, int firstAngle, int endAngle,
                FocusBest* best, float* sharpness, FocusSums* scratch);

// Folds `later` (a sweep over later angles) into `best`, as if one sweep had done both.
void mergeFocus(FocusBest* best, const FocusBest* later, int n);

// The depth row and the all-in-focus photo: per pixel, lambda half way (in fraction) between the
// first and last sharpest angles, a confidence 1 - least / largest local spread (zero when every
// angle agrees: a flat stretch has no depth), and the all-in-focus colour, 3 n bytes.
void focusResult(const FocusBest* best, int n, float* lambda, float* confidence,
                 unsigned char* allInFocus);

// ---------------------------------------------------------------------------------------------
// Depth from focus on a real light field

// The sweep refocuses the epipolar-plane image at the same focus angles (angle index a: a / 2
// degrees, disparity refocus::disparityForDegrees()), but skips those steeper than this many
// pixels per view: there most views fall outside the image, and the few left agree by chance.
inline constexpr double kFocusReach = 8.0;
// A photo pixel is in focus where the views it averages agree. Its spread at one disparity is the
// weighted variance, summed over red, green and blue, of the samples refocus() reads for it (the
// same views, positions, interpolation and weights), counted only where at least half the
// weighted views, and two, see it. Its sharpness is 1 / (1 + mean spread) over the counted pixels
// within this radius: the neighbours carry an edge's depth into flat stretches. 0 where none
// counts.
inline constexpr int kSharpRadius = 3;

// The sharpness of every photo pixel at disparity s, into `sharpness`; `scratch` holds width
// floats.
void viewSharpness(const unsigned char* epi, int views, int width,
                   const refocus::ViewCamera& camera, double s, float* sharpness, float* scratch);

// Per photo pixel: the sharpest angle index (the first reaching it) and its sharpness, the least
// sharpness over the angles swept, and the photo's colour at the sharpest angle.
struct FocusPeak {
  float best = -1.0f;  // -1 before any angle
  float least = 0.0f;
  int angle = 0;
  unsigned char rgb[3] = {255, 255, 255};
};

// Sets width pixels to "no angle seen yet".
void resetPeaks(FocusPeak* peaks, int width);

// Refocuses the views x width image with `camera` at angle indices [firstAngle, endAngle)
// (clipped to the sweep), updating `peaks`. sharpness, if not null, receives (endAngle -
// firstAngle) rows of width floats (zero at angles beyond kFocusReach, which never peak).
// `photo` holds 3 width bytes and `scratch` 2 width floats.
void lightFieldFocusSweep(const unsigned char* epi, int views, int width,
                          const refocus::ViewCamera& camera, int firstAngle, int endAngle,
                          FocusPeak* peaks, float* sharpness, unsigned char* photo, float* scratch);

// Folds `later` (a sweep over later angles) into `peaks`, as if one sweep had done both.
void mergePeaks(FocusPeak* peaks, const FocusPeak* later, int width);

// Per pixel: the fraction lambda of the sharpest angle (as focusFractionOf()), a confidence
// 1 - least / sharpest (zero where nothing was sharper than anything else), and the colour.
void peakResult(const FocusPeak* peaks, int width, float* lambda, float* confidence,
                unsigned char* allInFocus);

}  // namespace lightfield::depth

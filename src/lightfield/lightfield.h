#pragma once

// The light-field engine: pure computation over caller-owned packed RGB buffers
// (3 bytes per pixel, red green blue, row 0 on top, no padding). Nothing here
// allocates, calls a toolkit or keeps state. Positions are computed in single
// precision, one rounding per operation, and truncated toward zero; a position
// that is NaN or beyond int's range is never converted but counts as outside.
namespace lightfield {

// Builds the n x n ray-space image from a strip n wide and h high. Column u of
// the result is the ray's position on the upper line (strip row 0), row n-1-v
// its position v on the lower line (strip row h-1). Each pixel takes the
// non-white strip pixel nearest the lower line along the ray, else white.
// Ray (u, v) samples row k at column trunc(t * (float)(v - u) + (float)u) with
// t = (float)k / (float)(h - 1). A one-row strip lies on both lines at once and
// is sampled at column u. With n <= 0 nothing is written; with h <= 0 the image
// is all white. Uses about 50 KB of stack.
void processImage(const unsigned char* strip, int h, int n, unsigned char* rays);

// Averages the ray-space image along a segment of 2*halfLength+1 samples for
// each of the cols photo pixels and blackens, in marks, the samples of every
// tenth photo pixel. marks must not alias rays.
// Sample k (from -halfLength to +halfLength, any int) of photo pixel i lies at
// column trunc(k * colStep + i), row trunc(k * rowStep + rows / 2), skipped when
// outside the image. A pixel without samples is white. Sums are 64-bit, so the
// mean is exact for every half-length; runs of samples on one pixel are counted
// at once, so even INT_MAX costs little. Uses about 50 KB of stack.
void takePhoto(const unsigned char* rays, int rows, int cols, unsigned char* photo,
               unsigned char* marks, int halfLength, float colStep, float rowStep);

// Byte offset of the pixel at (x, y) truncated toward zero, or -1 when outside
// (NaN and infinities included) or when the offset would not fit an int.
int getTarget(const unsigned char* buffer, int rows, int cols, float x, float y);

}  // namespace lightfield

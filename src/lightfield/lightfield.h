#pragma once

// The light-field engine: pure computation over caller-owned packed RGB buffers
// (3 bytes per pixel, red green blue, row 0 on top, no padding). Nothing here
// allocates, calls a toolkit or keeps state.
namespace lightfield {

// Builds the n x n ray-space image from a strip n wide and h high. Column u of
// the result is the ray's position on the upper line (strip row 0), row n-1-v
// its position v on the lower line (strip row h-1). Each pixel takes the
// non-white strip pixel nearest the lower line along the ray, else white.
void processImage(const unsigned char* strip, int h, int n, unsigned char* rays);

// Averages the ray-space image along a segment of 2*halfLength+1 samples for
// each of the cols photo pixels and blackens, in marks, the samples of every
// tenth photo pixel. marks must not alias rays.
void takePhoto(const unsigned char* rays, int rows, int cols, unsigned char* photo,
               unsigned char* marks, int halfLength, float colStep, float rowStep);

// Byte offset of the pixel at (x, y) truncated toward zero, or -1 when outside.
int getTarget(const unsigned char* buffer, int rows, int cols, float x, float y);

}  // namespace lightfield

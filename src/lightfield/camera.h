#pragma once

// A camera for the photo: where its aperture sits on the lower line, how wide it is, where it
// focuses and how it weighs its samples. The box profile at the centre viewpoint is takePhoto()
// exactly; the rest generalises it. Same buffers and conventions as lightfield.h.
#include <cstdint>
#include <memory>

namespace lightfield {

// How the aperture weighs sample k of a segment of half-length d (k from -d to +d). Weights are
// integers, so every photo is an exact integer mean:
// - Box: 1 (the plain mean of takePhoto());
// - Tent: d + 1 - |k|;
// - Gaussian, sigma = d / 2: round(65536 exp(-2 k^2 / d^2)), in double precision, halves away
//   from zero; never 0 inside the segment (8869 at |k| = d); 65536 for d = 0;
// - TwoSlits: 1 where 3 |k| >= 2 d, else 0 (two slits of about d / 3 samples at either end);
// - Pinholes: K pinholes at k_j = round(d (2 j - (K - 1)) / (K - 1)) for j = 0 .. K - 1, halves
//   away from zero, so they are symmetric and the outer two sit at -d and +d; the weight of k is
//   the number of pinholes on it (2 when a short segment puts two on one sample).
enum class Aperture { Box, Tent, Gaussian, TwoSlits, Pinholes };

inline constexpr int kMinPinholes = 2;
inline constexpr int kMaxPinholes = 16;
// Half-lengths beyond this act as this. With steps cos and sin every sample past |k| = 1.42 n + 1
// lies outside an n x n image, so up to n = 2880 the limit changes no photo.
inline constexpr int kMaxCameraHalfLength = 4096;

struct Camera {
  // The aperture's centre on the lower line (0 .. rows - 1 for the image, counted from the
  // bottom); centreViewpoint() is the specified camera's.
  int viewpoint = 0;
  // Samples from -halfLength to +halfLength; none when negative.
  int halfLength = 0;
  // Column and row step per sample: cos and sin of the focus angle, as the canvas passes them.
  float colStep = 1.0f;
  float rowStep = 0.0f;
  Aperture aperture = Aperture::Box;
  // K for Aperture::Pinholes, clamped to kMinPinholes .. kMaxPinholes.
  int pinholes = kMinPinholes;
};

// The lower-line position of the specified camera's aperture centre: rows - 1 - rows / 2.
inline int centreViewpoint(int rows) {
  return rows - 1 - rows / 2;
}

// The specified camera for an image of `rows` rows: the box at the centre viewpoint.
inline Camera centredBox(int rows, int halfLength, float colStep, float rowStep) {
  return {centreViewpoint(rows), halfLength, colStep, rowStep, Aperture::Box, kMinPinholes};
}

// The weight of sample k, 0 outside -d .. d (d clamped to kMaxCameraHalfLength).
int apertureWeight(const Camera& camera, int k);

// Caller-owned working memory for cameraPhoto(): one table entry per sample of the segment.
// Make it once (it holds about 130 KB) and reuse it; the photo then allocates nothing.
struct CameraScratch {
  CameraScratch();
  ~CameraScratch();
  struct Entry;
  std::unique_ptr<Entry[]> entries;
};

// The photo of `camera` from a ray-space image of rows x cols: photo pixel i is the weighted
// mean of its samples, and in marks the samples of every tenth pixel that carry weight turn
// black. Sample k of pixel i lies at column trunc((float)k * colStep + (float)i) and row
// trunc((float)k * rowStep + (float)(rows - 1 - viewpoint)): lower-line position viewpoint minus
// k sin, and for the centre viewpoint the row takePhoto() uses. Samples outside are skipped. The
// mean is sum(weight * value) / sum(weight) per channel, 64-bit, truncated; white when no
// weighted sample falls inside. With the box profile at centreViewpoint(rows) photo and marks
// equal takePhoto()'s byte for byte. marks must not alias rays.
void cameraPhoto(const unsigned char* rays, int rows, int cols, const Camera& camera,
                 unsigned char* photo, unsigned char* marks, CameraScratch& scratch);

// "Keep aperture width": the half-length whose aperture spans `width` lower-line positions at
// this focus, round(width / (2 sin)), for sin = rowStep as the canvas passes it. Near 0 degrees
// that grows without bound, so it is capped at `cap`, and `capped` says so; a sine of 0 or less
// (or NaN) gives the cap. A width of 0 or less gives 0. A cap of n, the image's side, loses
// little: where it applies (sin < width / 2n) the segment's columns already span 2 n cos, about
// twice the image, so only the far ends of the aperture go missing, and the photo stays as cheap
// as a half-length of n.
struct FixedWidth {
  int halfLength = 0;
  bool capped = false;
};
FixedWidth halfLengthForWidth(double width, float rowStep, int cap);

}  // namespace lightfield

#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "lightfield/lightfieldvalue.h"

// A focal stack: the photo at nine focus angles from 0 to 90 degrees, taken
// from a clean ray-space image into buffers of its own.
inline constexpr int kFocalStackSlices = 9;

struct FocalSlice {
  float degrees = 0;
  // How far up from the lower plane line the depth in focus lies, 0 to 1.
  double sharpFraction = 0;
  int halfLength = 0;
  std::vector<unsigned char> photo;  // packed RGB, n pixels
};

// Photos of the n x n ray-space image `cleanRays` with the given half-length,
// exactly as the canvas takes them at those slider angles. Reads the image only.
std::vector<FocalSlice> focalStack(const unsigned char* cleanRays, int n, int halfLength);
// The same of any light field's image, rows x n.
std::vector<FocalSlice> focalStack(const lightfield::LightField& field, int halfLength);
std::vector<FocalSlice> focalStack(const unsigned char* rays, int rows, int n, int halfLength);

// A slice's label on the sheet: its angle, what it keeps sharp (as the focus
// readout says it, from the photo's real samples) and the depth in focus,
// counted from the lower line. `lower` and `upper` are the plane lines' heights.
QString focalSliceLabel(const FocalSlice& slice, double lower, double upper);

class QPainter;

// The sheet's second page: the all-in-focus photo and the depth of each photo pixel by both
// methods, as colours of the slopes' map (white where a method gives none).
struct DepthPage {
  std::vector<unsigned char> allInFocus;  // packed RGB, n pixels
  std::vector<QRgb> fromFocus, fromSlopes;
};
// Sweeps the focus with the given half-length and reads the slopes, from the n x n image.
DepthPage depthPage(const lightfield::LightField& field, int halfLength);

// One handout: the scene beside the nine photos, each labelled with its angle
// and the depth in focus. `lower` and `upper` are the plane lines' heights.
struct FocalStackSheet {
  QSize scene;  // the scene's size in sheet units
  // Paints the scene with its top left corner at the origin, in sheet units.
  std::function<void(QPainter&)> paintScene;
  const std::vector<FocalSlice>* slices = nullptr;
  int halfLength = 0;
  double lower = 0;
  double upper = 0;
  // With a depth page, the sheet goes on below the first with it.
  const DepthPage* depth = nullptr;

  QSize size() const;
  // Where the depth page draws row k (0 all in focus, 1 from focus, 2 from slopes).
  QRect depthRow(int k) const;
  // In sheet units, on any device: an image, or a vector drawing.
  void paint(QPainter& painter) const;
};

// The sheet as an image at `scale`: text drawn at that scale, every scene
// and photo pixel a scale x scale block.
QImage focalStackSheet(const QImage& scene, const std::vector<FocalSlice>& slices, int halfLength,
                       double lower, double upper, int scale = 1, const DepthPage* depth = nullptr);

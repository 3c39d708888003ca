#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>

#include "toolkit/geometry.h"

namespace toolkit {

class GraphicsContext;

// A calibrated RGBA colour, or a pattern colour that tiles an image at its
// natural pixel size. Value type; images are shared implicitly by Qt.
class Color {
 public:
  static Color colorWithCalibratedRed(double red, double green, double blue, double alpha);
  static Color colorWithPatternImage(const QImage& image);
  static Color whiteColor();
  static Color blackColor();
  static Color redColor();
  static Color grayColor();

  // This colour's plain part kept beneath `image`: the pattern paints, and
  // withoutPattern() gives the plain colour back.
  Color withPatternImage(const QImage& image) const;
  Color withoutPattern() const;

  // Makes this the fill and stroke colour of the current drawing pass.
  void set(GraphicsContext& context) const;

  bool isPattern() const { return !pattern_.isNull(); }
  // The plain colour; for a pattern, the colour beneath it.
  QColor rgba() const { return rgba_; }
  const QImage& patternImage() const { return pattern_; }
  // The brush that paints this colour; a pattern lays the image's bottom-left
  // corner at `phase`, upright on screen.
  QBrush brush(CGPoint phase) const;

  friend bool operator==(const Color& a, const Color& b) {
    return a.rgba_ == b.rgba_ && a.pattern_.cacheKey() == b.pattern_.cacheKey();
  }

 private:
  QColor rgba_ = Qt::black;
  QImage pattern_;
};

}  // namespace toolkit

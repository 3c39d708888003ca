#include "toolkit/color.h"

#include <QTransform>

#include "toolkit/graphicscontext.h"

namespace toolkit {

Color Color::colorWithCalibratedRed(double red, double green, double blue, double alpha) {
  Color c;
  c.rgba_ = QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green),
                             static_cast<float>(blue), static_cast<float>(alpha));
  return c;
}

Color Color::colorWithPatternImage(const QImage& image) {
  Color c;
  // Tiles are laid one image pixel per canvas unit, whatever ratio the file asked for.
  c.pattern_ = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  c.pattern_.setDevicePixelRatio(1);
  return c;
}

Color Color::withPatternImage(const QImage& image) const {
  Color c = colorWithPatternImage(image);
  c.rgba_ = rgba_;
  return c;
}

Color Color::withoutPattern() const {
  Color c;
  c.rgba_ = rgba_;
  return c;
}

Color Color::whiteColor() {
  return colorWithCalibratedRed(1, 1, 1, 1);
}
Color Color::blackColor() {
  return colorWithCalibratedRed(0, 0, 0, 1);
}
Color Color::redColor() {
  return colorWithCalibratedRed(1, 0, 0, 1);
}
Color Color::grayColor() {
  return colorWithCalibratedRed(0.5, 0.5, 0.5, 1);
}

void Color::set(GraphicsContext& context) const {
  context.setColor(*this);
}

QBrush Color::brush(CGPoint phase) const {
  if (!isPattern()) return QBrush(rgba_);
  QBrush b(pattern_);
  // The painter is y-up; flip the tile so its top row lies at the top on screen.
  b.setTransform(QTransform(1, 0, 0, -1, phase.x, phase.y + pattern_.height()));
  return b;
}

}  // namespace toolkit

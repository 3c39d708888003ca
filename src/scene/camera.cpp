#include "scene/camera.h"

#include "toolkit/color.h"

void Camera::initAtPoint(CGPoint centre, float width) {
  _location = centre;
  setWidth(width);
}

double Camera::drawnHalfWidth(float width) {
  // Compared in single precision; NaN and everything below 1 count as 1.
  return width >= 1.0f ? width : 1.0f;
}

void Camera::setWidth(float width) {
  const double h = drawnHalfWidth(width);
  const double cx = _location.x, cy = _location.y;
  _path = toolkit::BezierPath();
  _path.moveToPoint({cx - h, cy + 3});
  _path.lineToPoint({cx + h, cy + 3});
  _path.lineToPoint({cx + h, cy - 3});
  _path.lineToPoint({cx - h, cy - 3});
}

void Camera::drawRect(toolkit::GraphicsContext& context, CGRect) const {
  context.setShouldAntialias(true);
  toolkit::Color::redColor().set(context);
  _path.fill(context);
}

#include "scene/camera.h"

#include "toolkit/color.h"

void Camera::initAtPoint(CGPoint centre, float width) {
  _location = centre;
  setWidth(width);
}

void Camera::setWidth(float width) {
  // Compared in single precision; NaN and everything below 1 count as 1.
  const double h = width >= 1.0f ? width : 1.0f;
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

#include "scene/axis.h"

using toolkit::BezierPath;
using toolkit::Color;

void Axis::beginArrow() {
  setColor(Color::blackColor());
  _path = BezierPath();
  _path.setLineJoinStyle(toolkit::LineJoinStyle::Miter);
  _path.setMiterLimit(20.0);
  _path.setLineWidth(2.0);
  _path.setLineCapStyle(toolkit::LineCapStyle::Round);
}

void Axis::initWithWidth(int w, float y) {
  beginArrow();
  const double end = w - 1, barb = w - 4, yy = y;
  _path.moveToPoint({1, yy});
  _path.lineToPoint({end, yy});
  _path.moveToPoint({barb, yy - 2});
  _path.lineToPoint({end, yy});
  _path.moveToPoint({barb, yy + 2});
  _path.lineToPoint({end, yy});
  location = y;
}

void VerticalAxis::initWithWidth(int w, float x) {
  beginArrow();
  const double end = w - 1, barb = w - 4, xx = x;
  _path.moveToPoint({xx, 1});
  _path.lineToPoint({xx, end});
  _path.moveToPoint({xx - 2, barb});
  _path.lineToPoint({xx, end});
  _path.moveToPoint({xx + 2, barb});
  _path.lineToPoint({xx, end});
}

void Axis::drawRect(toolkit::GraphicsContext& context, CGRect) const {
  context.setShouldAntialias(true);
  _color.set(context);
  _path.stroke(context);
}

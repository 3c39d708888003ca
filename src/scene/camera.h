#pragma once

#include "toolkit/bezierpath.h"
#include "toolkit/geometry.h"
#include "toolkit/graphicscontext.h"

// The camera marker: a red bar 6 high centred on a fixed point, reaching
// `width` (at least 1) to each side.
class Camera {
 public:
  void initAtPoint(CGPoint centre, float width);
  void setWidth(float width);
  // The half-width the bar is drawn with for `width`: at least 1, so a
  // pinhole's marker still shows.
  static double drawnHalfWidth(float width);

  CGPoint location() const { return _location; }
  const toolkit::BezierPath& bezierPath() const { return _path; }

  // Fills the bar in red; leaves antialiasing on.
  void drawRect(toolkit::GraphicsContext& context, CGRect dirty) const;

 private:
  CGPoint _location;
  toolkit::BezierPath _path;
};

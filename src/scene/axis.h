#pragma once

#include "toolkit/bezierpath.h"
#include "toolkit/color.h"
#include "toolkit/graphicscontext.h"

// A horizontal arrow line across a view at a fixed height, stroked 2 wide
// with round caps, head at the right end. The canvas's plane lines and the
// ray-space view's horizontal axis.
class Axis {
 public:
  Axis() = default;
  virtual ~Axis() = default;

  // w is the view's extent along the line, y the line's height.
  virtual void initWithWidth(int w, float y);

  void setColor(const toolkit::Color& color) { _color = color; }
  const toolkit::Color& color() const { return _color; }
  float getLocation() const { return location; }
  const toolkit::BezierPath& bezierPath() const { return _path; }

  // Strokes the arrow; leaves antialiasing on.
  void drawRect(toolkit::GraphicsContext& context, CGRect dirty) const;

 protected:
  // Colour, then an empty outline with the arrow's stroke style.
  void beginArrow();

  toolkit::Color _color;
  toolkit::BezierPath _path;
  float location = 0;
};

// The same arrow set upright at x, head at the top.
class VerticalAxis : public Axis {
 public:
  // w is the view's extent along y, x the line's position.
  void initWithWidth(int w, float x) override;
};

#pragma once

#include <QPainterPath>
#include <vector>

#include "toolkit/geometry.h"

namespace toolkit {

class GraphicsContext;

enum class LineCapStyle { Butt, Round, Square };
enum class LineJoinStyle { Miter, Round, Bevel };

// An outline that carries its own stroke style, filled with the non-zero
// winding rule. Coordinates are y-up.
class BezierPath {
 public:
  enum class ElementType { MoveTo, LineTo, CurveTo, ClosePath };
  struct Element {
    ElementType type;
    CGPoint point;
  };

  BezierPath();

  static BezierPath bezierPathWithRect(CGRect rect);
  static BezierPath bezierPathWithOvalInRect(CGRect rect);
  // Fills an axis-aligned rectangle with the current colour of the pass.
  static void fillRect(GraphicsContext& context, CGRect rect);

  void moveToPoint(CGPoint p);
  void lineToPoint(CGPoint p);
  void closePath();

  void setLineWidth(double width) { lineWidth_ = width; }
  double lineWidth() const { return lineWidth_; }
  void setLineCapStyle(LineCapStyle style) { cap_ = style; }
  LineCapStyle lineCapStyle() const { return cap_; }
  void setLineJoinStyle(LineJoinStyle style) { join_ = style; }
  LineJoinStyle lineJoinStyle() const { return join_; }
  void setMiterLimit(double limit) { miterLimit_ = limit; }
  double miterLimit() const { return miterLimit_; }

  // Non-zero winding; a point exactly on the outline counts as inside.
  bool containsPoint(CGPoint p) const;

  void fill(GraphicsContext& context) const;
  void stroke(GraphicsContext& context) const;

  bool isEmpty() const { return path_.isEmpty(); }
  // The elements in the order they were added, close-path elements included.
  const std::vector<Element>& elements() const { return elements_; }
  const QPainterPath& painterPath() const { return path_; }

 private:
  QPainterPath path_;
  std::vector<Element> elements_;
  double lineWidth_ = 1.0;
  LineCapStyle cap_ = LineCapStyle::Butt;
  LineJoinStyle join_ = LineJoinStyle::Miter;
  double miterLimit_ = 10.0;
};

}  // namespace toolkit

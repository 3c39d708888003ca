#include "toolkit/bezierpath.h"

#include <QPen>
#include <cmath>

#include "toolkit/graphicscontext.h"

namespace toolkit {

namespace {

// Aliased fills sample pixel centres, and the half-unit inset of shapes puts
// every whole-number edge exactly on them, where the rasteriser's tie rule
// depends on the edge's direction on screen (which the y-flip reverses). A
// shift of 1/16 unit down and to the left keeps every centre off every such
// edge, so a pixel is filled exactly when its centre lies inside the outline
// or on its left or bottom edge, on screen and in a capture alike.
constexpr double kAliasedShift = -1.0 / 16.0;

// Qt flattens curves to within about half a unit, so the point test of an
// oval would miss points visibly inside its rim. Flattening a copy scaled by
// a power of two brings that down to a few thousandths of a unit and keeps
// straight edges, and the on-edge test, exact.
constexpr double kFlattenScale = 256.0;

Qt::PenCapStyle toQt(LineCapStyle s) {
  switch (s) {
    case LineCapStyle::Round:
      return Qt::RoundCap;
    case LineCapStyle::Square:
      return Qt::SquareCap;
    case LineCapStyle::Butt:
      break;
  }
  return Qt::FlatCap;
}

Qt::PenJoinStyle toQt(LineJoinStyle s) {
  switch (s) {
    case LineJoinStyle::Round:
      return Qt::RoundJoin;
    case LineJoinStyle::Bevel:
      return Qt::BevelJoin;
    case LineJoinStyle::Miter:
      break;
  }
  return Qt::MiterJoin;
}

bool onSegment(QPointF a, QPointF b, QPointF p) {
  const double cross = (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
  if (cross != 0) return false;
  return std::min(a.x(), b.x()) <= p.x() && p.x() <= std::max(a.x(), b.x()) &&
         std::min(a.y(), b.y()) <= p.y() && p.y() <= std::max(a.y(), b.y());
}

// Winding number of a closed polygon around p (p not on its boundary).
int winding(const QPolygonF& poly, QPointF p) {
  int w = 0;
  const qsizetype n = poly.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QPointF a = poly[i];
    const QPointF b = poly[(i + 1) % n];
    const double side = (b.x() - a.x()) * (p.y() - a.y()) - (p.x() - a.x()) * (b.y() - a.y());
    if (a.y() <= p.y()) {
      if (b.y() > p.y() && side > 0) ++w;
    } else if (b.y() <= p.y() && side < 0) {
      --w;
    }
  }
  return w;
}

}  // namespace

BezierPath::BezierPath() {
  path_.setFillRule(Qt::WindingFill);
}

BezierPath BezierPath::bezierPathWithRect(CGRect r) {
  BezierPath p;
  const double x0 = r.origin.x, y0 = r.origin.y;
  const double x1 = x0 + r.size.width, y1 = y0 + r.size.height;
  p.moveToPoint({x0, y0});
  p.lineToPoint({x1, y0});
  p.lineToPoint({x1, y1});
  p.lineToPoint({x0, y1});
  p.closePath();
  return p;
}

BezierPath BezierPath::bezierPathWithOvalInRect(CGRect r) {
  BezierPath p;
  const double a = std::abs(r.size.width) / 2;
  const double b = std::abs(r.size.height) / 2;
  const double cx = r.origin.x + r.size.width / 2;
  const double cy = r.origin.y + r.size.height / 2;
  p.path_.addEllipse(QPointF(cx, cy), a, b);
  // Record each curve by its end point; the control points live in the QPainterPath.
  for (int i = 0; i < p.path_.elementCount(); ++i) {
    const QPainterPath::Element e = p.path_.elementAt(i);
    if (e.type == QPainterPath::MoveToElement) {
      p.elements_.push_back({ElementType::MoveTo, {e.x, e.y}});
    } else if (e.type == QPainterPath::CurveToElement) {
      const QPainterPath::Element end = p.path_.elementAt(i + 2);
      p.elements_.push_back({ElementType::CurveTo, {end.x, end.y}});
    }
  }
  p.elements_.push_back({ElementType::ClosePath, p.elements_.front().point});
  return p;
}

void BezierPath::fillRect(GraphicsContext& context, CGRect rect) {
  bezierPathWithRect(rect).fill(context);
}

void BezierPath::moveToPoint(CGPoint p) {
  path_.moveTo(p.x, p.y);
  elements_.push_back({ElementType::MoveTo, p});
}

void BezierPath::lineToPoint(CGPoint p) {
  path_.lineTo(p.x, p.y);
  elements_.push_back({ElementType::LineTo, p});
}

void BezierPath::closePath() {
  path_.closeSubpath();
  const CGPoint start = path_.isEmpty()
                            ? CGPoint{}
                            : CGPoint{path_.currentPosition().x(), path_.currentPosition().y()};
  elements_.push_back({ElementType::ClosePath, start});
}

bool BezierPath::containsPoint(CGPoint p) const {
  const QPointF q(p.x * kFlattenScale, p.y * kFlattenScale);
  int total = 0;
  for (const QPolygonF& poly :
       path_.toSubpathPolygons(QTransform::fromScale(kFlattenScale, kFlattenScale))) {
    if (poly.size() < 2) continue;
    for (qsizetype i = 0; i < poly.size(); ++i) {
      if (onSegment(poly[i], poly[(i + 1) % poly.size()], q)) return true;
    }
    total += winding(poly, q);
  }
  return total != 0;
}

void BezierPath::fill(GraphicsContext& context) const {
  QPainter& painter = context.painter();
  if (context.shouldAntialias()) {
    painter.fillPath(path_, context.currentBrush());
  } else {
    painter.fillPath(path_.translated(kAliasedShift, kAliasedShift), context.currentBrush());
  }
}

void BezierPath::stroke(GraphicsContext& context) const {
  QPen pen(context.currentBrush(), lineWidth_, Qt::SolidLine, toQt(cap_), toQt(join_));
  pen.setMiterLimit(miterLimit_);
  context.painter().strokePath(path_, pen);
}

}  // namespace toolkit

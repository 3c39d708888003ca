#include "scene/insight.h"

#include <algorithm>

namespace insight {

namespace {

// One axis of the canvas: where it starts and how long it is.
struct Span {
  double start;
  double length;
};

// The origins at which a rectangle `size` long shows enough of itself.
struct Range {
  double low;
  double high;
  bool holds(double origin) const { return origin >= low && origin <= high; }
};

Range inSight(double size, Span canvas) {
  const double shown = std::min(size, kMargin);
  return {canvas.start + shown - size, canvas.start + canvas.length - shown};
}

double keptOrigin(double from, double to, double size, Span canvas) {
  const Range range = inSight(size, canvas);
  if (range.holds(to)) return to;
  return std::clamp(to, std::min(range.low, from), std::max(range.high, from));
}

double keptCornerOn(double anchor, double corner, Span canvas) {
  const double low = std::min(anchor, corner);
  if (inSight(std::max(anchor, corner) - low, canvas).holds(low)) return corner;
  const double end = canvas.start + canvas.length;
  // A band that holds the anchor and reaches this far shows enough of itself.
  if (anchor < canvas.start) return std::max(corner, canvas.start + kMargin);
  if (anchor < canvas.start + kMargin) return std::max(corner, canvas.start);
  if (anchor > end) return std::min(corner, end - kMargin);
  return std::min(corner, end);
}

Span xSpan(CGRect r) {
  return {r.origin.x, r.size.width};
}
Span ySpan(CGRect r) {
  return {r.origin.y, r.size.height};
}

}  // namespace

bool isInSight(CGRect rect, CGRect canvas) {
  return inSight(rect.size.width, xSpan(canvas)).holds(rect.origin.x) &&
         inSight(rect.size.height, ySpan(canvas)).holds(rect.origin.y);
}

CGRect keptMove(CGRect from, CGRect to, CGRect canvas) {
  if (isInSight(to, canvas)) return to;
  to.origin.x = keptOrigin(from.origin.x, to.origin.x, to.size.width, xSpan(canvas));
  to.origin.y = keptOrigin(from.origin.y, to.origin.y, to.size.height, ySpan(canvas));
  return to;
}

CGRect keptPlace(CGRect to, CGRect canvas) {
  const Range x = inSight(to.size.width, xSpan(canvas));
  const Range y = inSight(to.size.height, ySpan(canvas));
  to.origin.x = std::clamp(to.origin.x, x.low, x.high);
  to.origin.y = std::clamp(to.origin.y, y.low, y.high);
  return to;
}

CGPoint keptCorner(CGPoint anchor, CGPoint corner, CGRect canvas) {
  return {keptCornerOn(anchor.x, corner.x, xSpan(canvas)),
          keptCornerOn(anchor.y, corner.y, ySpan(canvas))};
}

CGPoint nearestInside(CGRect rect, CGRect canvas) {
  return {std::clamp(rect.origin.x + rect.size.width / 2, NSMinX(canvas), NSMaxX(canvas)),
          std::clamp(rect.origin.y + rect.size.height / 2, NSMinY(canvas), NSMaxY(canvas))};
}

}  // namespace insight

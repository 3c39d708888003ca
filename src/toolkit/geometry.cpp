#include "toolkit/geometry.h"

#include <algorithm>

CGRect NSInsetRect(CGRect r, double dx, double dy) {
  return CGRectMake(r.origin.x + dx, r.origin.y + dy, r.size.width - 2 * dx,
                    r.size.height - 2 * dy);
}

CGRect NSOffsetRect(CGRect r, double dx, double dy) {
  return CGRectMake(r.origin.x + dx, r.origin.y + dy, r.size.width, r.size.height);
}

bool NSIsEmptyRect(CGRect r) {
  return !(r.size.width > 0 && r.size.height > 0);
}

CGRect NSUnionRect(CGRect a, CGRect b) {
  const bool emptyA = NSIsEmptyRect(a);
  const bool emptyB = NSIsEmptyRect(b);
  if (emptyA && emptyB) return CGRect{};
  if (emptyA) return b;
  if (emptyB) return a;
  const double x0 = std::min(NSMinX(a), NSMinX(b));
  const double y0 = std::min(NSMinY(a), NSMinY(b));
  const double x1 = std::max(NSMaxX(a), NSMaxX(b));
  const double y1 = std::max(NSMaxY(a), NSMaxY(b));
  return CGRectMake(x0, y0, x1 - x0, y1 - y0);
}

bool NSIntersectsRect(CGRect a, CGRect b) {
  if (NSIsEmptyRect(a) || NSIsEmptyRect(b)) return false;
  return NSMinX(a) < NSMaxX(b) && NSMinX(b) < NSMaxX(a) && NSMinY(a) < NSMaxY(b) &&
         NSMinY(b) < NSMaxY(a);
}

bool NSPointInRect(CGPoint p, CGRect r) {
  return NSMinX(r) <= p.x && p.x < NSMaxX(r) && NSMinY(r) <= p.y && p.y < NSMaxY(r);
}

#pragma once

// Geometry records of the y-up toolkit: 64-bit members, origin at the bottom
// left, y growing upwards. The NS* helpers keep the toolkit's semantics, which
// differ from QRectF's (its contains() includes every edge).

struct CGPoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const CGPoint&, const CGPoint&) = default;
};

struct CGSize {
  double width = 0;
  double height = 0;
  friend bool operator==(const CGSize&, const CGSize&) = default;
};

struct CGRect {
  CGPoint origin;
  CGSize size;
  friend bool operator==(const CGRect&, const CGRect&) = default;
};

inline CGPoint CGPointMake(double x, double y) {
  return {x, y};
}
inline CGSize CGSizeMake(double w, double h) {
  return {w, h};
}
inline CGRect CGRectMake(double x, double y, double w, double h) {
  return {{x, y}, {w, h}};
}

// Plain arithmetic, no clamping: a negative size may result.
CGRect NSInsetRect(CGRect r, double dx, double dy);
CGRect NSOffsetRect(CGRect r, double dx, double dy);
// Smallest rectangle covering both; an empty argument (width or height <= 0)
// contributes nothing, and two empty ones give the zero rectangle.
CGRect NSUnionRect(CGRect a, CGRect b);
// True only for an overlap with area: touching edges and empty rectangles do not overlap.
bool NSIntersectsRect(CGRect a, CGRect b);
// Half-open: minX <= x < maxX and minY <= y < maxY.
bool NSPointInRect(CGPoint p, CGRect r);
bool NSIsEmptyRect(CGRect r);

inline double NSMinX(CGRect r) {
  return r.origin.x;
}
inline double NSMinY(CGRect r) {
  return r.origin.y;
}
inline double NSMaxX(CGRect r) {
  return r.origin.x + r.size.width;
}
inline double NSMaxY(CGRect r) {
  return r.origin.y + r.size.height;
}

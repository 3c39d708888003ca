#pragma once

#include <QImage>
#include <QString>
#include <memory>

#include "scene/shape.h"
#include "toolkit/color.h"
#include "toolkit/geometry.h"

// Everything that tells one shape from another, kept by value (images are
// shared, not copied), so an undo step can put a shape back exactly.
struct ShapeState {
  QString kind;
  CGRect rect;
  toolkit::Color color;
  QImage image;

  static ShapeState of(const Shape& shape);
  // A new shape with exactly these values.
  std::unique_ptr<Shape> make() const;

  friend bool operator==(const ShapeState& a, const ShapeState& b) {
    return a.kind == b.kind && a.rect == b.rect && a.color == b.color &&
           a.image.cacheKey() == b.image.cacheKey();
  }
};

// A finished mouse gesture or key on the canvas that changed the scene: what
// one undo step needs. A gesture that draws appends one shape; a gesture or
// key may change the selected shape. Selections are those before the press
// (or key) and after the release.
struct CanvasEdit {
  enum class Kind { Draw, Move, Resize, Nudge, Fill };
  Kind kind = Kind::Move;
  int selectionBefore = -1;
  int selectionAfter = -1;
  // The shape a drawing gesture appended, as the gesture left it; -1 if none.
  int added = -1;
  ShapeState addedShape;
  // The existing shape the gesture or key changed; -1 if none.
  int changed = -1;
  ShapeState before;
  ShapeState after;
};

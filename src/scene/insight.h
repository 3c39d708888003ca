#pragma once

#include "toolkit/geometry.h"

// Keeps shapes within reach: a drag, resize, nudge or copy stops where at
// least kMargin units of the shape's rectangle remain inside the canvas on
// each axis (all of it, when the rectangle is smaller than that). Edits that
// already keep that much inside come back unchanged, to the bit.
namespace insight {

inline constexpr double kMargin = 4.0;

// Whether `rect` shows at least the margin (or its whole size) inside `canvas` on both axes.
bool isInSight(CGRect rect, CGRect canvas);

// Where a move of a shape from `from` to `to` (same size) stops: `to` when it
// is in sight; otherwise, on each axis that leaves sight, the nearest position
// in sight, or, for a shape that was already out of sight on that axis (an
// older file), `to` when it comes no farther out than it was.
CGRect keptMove(CGRect from, CGRect to, CGRect canvas);

// Where a new shape (a copy) meant for `to` goes: the nearest position in sight.
CGRect keptPlace(CGRect to, CGRect canvas);

// The dragged corner of a resize that stretches the rectangle between
// `anchor` and `corner`: `corner` when that rectangle is in sight, else the
// nearest corner that keeps it in sight on the axes that left it.
CGPoint keptCorner(CGPoint anchor, CGPoint corner, CGRect canvas);

// Where a shape out of sight is shown: the point of the canvas nearest the
// centre of its rectangle.
CGPoint nearestInside(CGRect rect, CGRect canvas);

}  // namespace insight

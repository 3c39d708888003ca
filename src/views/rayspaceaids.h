#pragma once

#include <vector>

#include "lightfield/optics.h"
#include "toolkit/geometry.h"

namespace toolkit {
class GraphicsContext;
}

namespace aids {
// Magenta reads over white, black marks, the red axis and every billboard
// colour: the rays through a point in ray space and where a ray meets the scene.
inline constexpr unsigned kLinkRgb = 0xff00ff;
}  // namespace aids

// The ray-space share of the teaching aids: the rays through the hovered
// scene point, and the samples of the hovered photo pixel (rows counted from
// the top, as in the buffers). The ray-space view draws it only with its other
// overlays, so it never reaches a capture. Empty: nothing.
struct RaySpaceAids {
  std::vector<lightfield::optics::ColumnRun> dualLine;
  std::vector<lightfield::optics::Pixel> samples;

  bool sameInRaySpace(const RaySpaceAids& o) const;
};

// Paints the aids over an n x n image stretched on `bounds`.
void drawRaySpaceAids(toolkit::GraphicsContext& context, const RaySpaceAids& aids, int n,
                      CGRect bounds);

// Outlines buffer row `row` (from the top) of an n x n image stretched on
// `bounds`, in orange, leaving the row's own pixels visible; nothing for -1.
void drawRaySpaceRow(toolkit::GraphicsContext& context, int row, int n, CGRect bounds);

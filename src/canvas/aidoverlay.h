#pragma once

#include <optional>
#include <vector>

#include "lightfield/optics.h"
#include "toolkit/geometry.h"

// What the teaching aids draw over the canvas and the ray-space view. The
// window fills it from the optics functions; the views only draw it, and only
// with their other overlays, so it never reaches a capture. Empty: nothing.
struct AidOverlay {
  // Canvas: the height in focus (dashed line) and the sharp band, y up (no
  // band when bandHighY <= bandLowY).
  bool showFocusDepth = false;
  double focusY = 0.0;
  double bandLowY = 0.0;
  double bandHighY = 0.0;
  // Canvas: where the hovered ray meets the scene, as a small ring.
  std::optional<CGPoint> meetingPoint;
  // Ray space: the rays through the hovered scene point, and the samples of
  // the hovered photo pixel (rows counted from the top, as in the buffers).
  std::vector<lightfield::optics::ColumnRun> dualLine;
  std::vector<lightfield::optics::Pixel> samples;

  bool sameOnCanvas(const AidOverlay& o) const {
    return showFocusDepth == o.showFocusDepth && focusY == o.focusY && bandLowY == o.bandLowY &&
           bandHighY == o.bandHighY && meetingPoint == o.meetingPoint;
  }
  bool sameInRaySpace(const AidOverlay& o) const;
};

namespace toolkit {
class GraphicsContext;
}

// Paints the canvas's share (focus band and line, meeting ring) in canvas units.
void drawCanvasAids(toolkit::GraphicsContext& context, const AidOverlay& overlay, double width);
// Paints the ray-space share over an n x n image stretched on `bounds`.
void drawRaySpaceAids(toolkit::GraphicsContext& context, const AidOverlay& overlay, int n,
                      CGRect bounds);

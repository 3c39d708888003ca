#pragma once

#include <optional>
#include <vector>

#include "toolkit/geometry.h"
#include "views/rayspaceaids.h"

// What the teaching aids draw over the canvas and the ray-space view. The
// window fills it from the optics functions; the canvas draws its own share
// and the ray-space view the share it inherits, each only with its other
// overlays, so it never reaches a capture. Empty: nothing.
struct AidOverlay : RaySpaceAids {
  // Canvas: the height in focus (dashed line) and the sharp band, y up (no
  // band when bandHighY < bandLowY: no height is sharp).
  bool showFocusDepth = false;
  double focusY = 0.0;
  double bandLowY = 0.0;
  double bandHighY = 0.0;
  // Canvas: where the hovered ray meets the scene, as a small ring.
  std::optional<CGPoint> meetingPoint;

  bool sameOnCanvas(const AidOverlay& o) const {
    return showFocusDepth == o.showFocusDepth && focusY == o.focusY && bandLowY == o.bandLowY &&
           bandHighY == o.bandHighY && meetingPoint == o.meetingPoint;
  }
};

// Paints the canvas's share (focus band and line, meeting ring) in canvas units.
void drawCanvasAids(toolkit::GraphicsContext& context, const AidOverlay& overlay, double width);

// Small crosses at estimated scene points, in canvas units: beside the true shapes they show
// how far the estimate is off.
void drawDepthMarks(toolkit::GraphicsContext& context, const std::vector<CGPoint>& marks);

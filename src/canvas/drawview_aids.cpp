// The teaching aids' overlay on the canvas: drawn with the other overlays, so
// a capture (which hides them) never sees it.
#include "canvas/drawview.h"

void DrawView::setAidOverlay(const AidOverlay& overlay) {
  if (overlay.sameOnCanvas(aids_)) return;
  aids_.showFocusDepth = overlay.showFocusDepth;
  aids_.focusY = overlay.focusY;
  aids_.bandLowY = overlay.bandLowY;
  aids_.bandHighY = overlay.bandHighY;
  aids_.meetingPoint = overlay.meetingPoint;
  setNeedsDisplayInRect(bounds());
}

void DrawView::drawAids(toolkit::GraphicsContext& context) const {
  drawCanvasAids(context, aids_, bounds().size.width);
  drawDepthMarks(context, depthMarks_);
}

void DrawView::setDepthMarks(std::vector<CGPoint> marks) {
  if (marks.empty() && depthMarks_.empty()) return;
  depthMarks_ = std::move(marks);
  setNeedsDisplayInRect(bounds());
}

#pragma once

#include "views/imageview.h"
#include "views/raycanvas.h"

// Shows the photo row stretched over the view; hovering draws the ray bundle
// of the photo pixel under the mouse on the canvas.
class PhotoView : public ImageView {
 public:
  using ImageView::ImageView;

  void setDrawView(RayCanvas* drawView) { _drawView = drawView; }
  // Switches the window's mouse-moved events on.
  void awakeFromNib() override;
  void mouseMoved(const toolkit::Event& event) override;
  bool acceptsMouseMovedEvents() const override { return true; }

 private:
  RayCanvasOutlet _drawView;
};

#include "views/photoview.h"

#include "toolkit/window.h"

void PhotoView::awakeFromNib() {
  toolkit::Window::of(this)->setAcceptsMouseMovedEvents(true);
}

void PhotoView::mouseMoved(const toolkit::Event& event) {
  const CGPoint p = convertPointFromWindow(event.locationInWindow());
  if (isInside(p) && _drawView != nullptr) _drawView->setSensorRay(p.x);
}

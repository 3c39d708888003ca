#include "views/renderview.h"

#include "toolkit/controls.h"
#include "toolkit/window.h"
#include "views/photoview.h"

void RenderView::initWithFrame(CGRect frame) {
  ImageView::initWithFrame(frame);
  initAxes();
}

void RenderView::setOutlets(const Outlets& outlets) {
  _view = outlets.view;
  _photoView = outlets.photoView;
  _axesButton = outlets.axesButton;
}

void RenderView::awakeFromNib() {
  toolkit::Window::of(this)->makeFirstResponder(this);
}

void RenderView::initAxes() {
  const int w = static_cast<int>(bounds().size.width);
  _showAxes = true;
  _xAxis = std::make_unique<Axis>();
  _xAxis->initWithWidth(w, 150.0f);
  _yAxis = std::make_unique<VerticalAxis>();
  _yAxis->initWithWidth(w, 150.0f);
  _xAxis->setColor(toolkit::Color::redColor());
}

void RenderView::drawRect(toolkit::GraphicsContext& context, CGRect dirty) {
  ImageView::drawRect(context, dirty);
  if (_showAxes && _xAxis && _yAxis) {
    _xAxis->drawRect(context, dirty);
    _yAxis->drawRect(context, dirty);
  }
  drawRaySpaceAids(context, _aids, image().width(), bounds());
  drawRaySpaceRow(context, highlightRow_, image().width(), bounds());
}

void RenderView::setHighlightRow(int row) {
  if (row == highlightRow_) return;
  highlightRow_ = row;
  setNeedsDisplay(true);
}

void RenderView::setAidOverlay(const RaySpaceAids& overlay) {
  if (overlay.sameInRaySpace(_aids)) return;
  _aids = overlay;
  setNeedsDisplay(true);
}

void RenderView::toggleAxes(QObject*) {
  _showAxes = toolkit::buttonState(_axesButton) == 1;
  setNeedsDisplay(true);
}

void RenderView::keyDown(const toolkit::Event& event) {
  if (_view != nullptr) _view->keyDown(event);
}

void RenderView::mouseMoved(const toolkit::Event& event) {
  const CGPoint w = event.locationInWindow();
  if (isInside(convertPointFromWindow(w))) {
    showRay(w);
  } else {
    if (_view != nullptr) _view->clearRay();
    if (_photoView != nullptr) _photoView->mouseMoved(event);
  }
  emit mouseMoveRouted(event);
}

void RenderView::mouseExited() {
  if (_view != nullptr) _view->clearRay();
}

void RenderView::showRay(CGPoint windowPoint) {
  if (_view != nullptr) _view->setRay(convertPointFromWindow(windowPoint));
}

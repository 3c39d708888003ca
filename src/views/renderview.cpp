#include "views/renderview.h"

#include <QPainter>

#include "toolkit/controls.h"
#include "toolkit/graphicscontext.h"
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
  if (!_slopes.isNull()) {
    const CGRect b = bounds();
    QPainter& painter = context.painter();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Row 0 on top, as the image under it.
    painter.setTransform(QTransform(b.size.width / _slopes.width(), 0, 0,
                                    -b.size.height / _slopes.height(), b.origin.x, NSMaxY(b)),
                         true);
    painter.drawImage(QPointF(0, 0), _slopes);
    painter.restore();
  }
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

void RenderView::setSlopeOverlay(const QImage& overlay) {
  if (overlay.isNull() && _slopes.isNull()) return;
  _slopes = overlay;
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

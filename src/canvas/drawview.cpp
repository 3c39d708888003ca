#include "canvas/drawview.h"

#include <QObject>

#include "lightfield/optics.h"
#include "toolkit/controls.h"
#include "views/photoview.h"
#include "views/renderview.h"

using toolkit::BezierPath;
using toolkit::Color;
using toolkit::GraphicsContext;

DrawView::DrawView(QWidget* parent) : View(parent) {}

DrawView::~DrawView() {
  // The views show images over this canvas's memory: take them back first.
  if (_renderView) _renderView->setImage(QImage());
  if (_photoView) _photoView->setImage(QImage());
}

void DrawView::initWithFrame(CGRect frame) {
  View::initWithFrame(frame);
  _shapes.clear();
  _selectedShapeIndex = -1;
  _selectedTool = QStringLiteral("Pointer");
  initBillboards();
  initAxes();
  _showAxes = true;
  _dirty = false;
  _firstFlag = true;
  _drawRay = false;
  _multiRay = false;
}

void DrawView::setOutlets(const Outlets& o) {
  _render = o.render;
  _autoRender = o.autoRender;
  _takePhoto = o.takePhoto;
  _autoPhoto = o.autoPhoto;
  _debug = o.debug;
  _renderView = o.renderView;
  _photoView = o.photoView;
  _focus = o.focus;
  _dof = o.dof;
}

void DrawView::initBillboards() {
  createBillboard(CGRectMake(70, 100, 40, 10), Color::colorWithCalibratedRed(1.0, 0.8, 0.4, 1.0));
  createBillboard(CGRectMake(130, 150, 40, 10), Color::colorWithCalibratedRed(0.4, 0.97, 0.4, 1.0));
  createBillboard(CGRectMake(190, 200, 40, 10), Color::colorWithCalibratedRed(0.4, 0.6, 1.0, 1.0));
}

void DrawView::createBillboard(CGRect rect, const Color& color) {
  auto shape = makeShape<Rectangle>(rect);
  shape->setColor(color);
  _shapes.push_back(std::move(shape));
  requestRedraw(*_shapes.back());
}

void DrawView::initAxes() {
  const double w = bounds().size.width;
  const int lineWidth = static_cast<int>(w);
  _xAxis.initWithWidth(lineWidth, static_cast<float>(lightfield::optics::kLowerLine));
  _yAxis.initWithWidth(lineWidth, static_cast<float>(lightfield::optics::kUpperLine));
  _yAxis.setColor(Color::redColor());
  _camera.initAtPoint({w * 0.5, 5.0}, 7.0f);
}

void DrawView::awakeFromNib() {
  _rect = bounds();
  changeOptics(nullptr);
}

void DrawView::drawRect(GraphicsContext& context, CGRect dirty) {
  Color::whiteColor().set(context);
  BezierPath::fillRect(context, dirty);

  for (const auto& shape : _shapes) {
    if (NSIntersectsRect(boundsForShape(*shape), dirty)) shape->drawRect(context, dirty);
  }
  if (!_showAxes) return;

  if (_selectedShapeIndex != -1) drawKnobsInRect(context, _shapes[_selectedShapeIndex]->rect());
  _xAxis.drawRect(context, dirty);
  _yAxis.drawRect(context, dirty);
  _camera.drawRect(context, dirty);
  if (_drawRay) {
    if (_multiRay) {
      drawSensorRays(context);
    } else {
      drawRay(context);
    }
  }
  drawAids(context);

  // The first render runs once, at the end of the first pass with overlays
  // on; clearing the flag first keeps the render's own redraws from nesting.
  if (_firstFlag) {
    _firstFlag = false;
    doRender(nullptr);
  }
}

void DrawView::drawKnobsInRect(GraphicsContext& context, CGRect rect) const {
  const double x = rect.origin.x, y = rect.origin.y;
  const double right = x + rect.size.width, top = y + rect.size.height;
  Color::blackColor().set(context);
  BezierPath::fillRect(context, CGRectMake(x - 3, y - 3, 6, 6));
  BezierPath::fillRect(context, CGRectMake(right - 3, y - 3, 6, 6));
  BezierPath::fillRect(context, CGRectMake(x - 3, top - 3, 6, 6));
  BezierPath::fillRect(context, CGRectMake(right - 3, top - 3, 6, 6));
}

CGRect DrawView::boundsForShape(const Shape& shape) const {
  return NSInsetRect(shape.rect(), -3.0, -3.0);
}

void DrawView::showAxes() {
  _showAxes = true;
  display();
}

void DrawView::hideAxes() {
  _showAxes = false;
  display();
}

void DrawView::setTool(QObject* sender) {
  // A selector with no selected cell leaves the tool as it was.
  const QString title = toolkit::selectedCellTitle(qobject_cast<QButtonGroup*>(sender));
  if (!title.isEmpty()) _selectedTool = title;
  if (_selectedShapeIndex != -1) requestRedraw(*_shapes[_selectedShapeIndex]);
}

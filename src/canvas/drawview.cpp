#include "canvas/drawview.h"

#include <QObject>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "lightfield/optics.h"
#include "scene/insight.h"
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
  drawMarkers(context);

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

void DrawView::requestRedraw(const Shape& shape) {
  setNeedsDisplayInRect(boundsForShape(shape));
  requestMarkerRedraw(shape);
}

void DrawView::requestMarkerRedraw(const Shape& shape) {
  if (const std::optional<CGRect> marker = markerRect(shape)) {
    setNeedsDisplayInRect(NSInsetRect(*marker, -2, -2));  // and the outline's width
  }
}

namespace {

constexpr double kMarkerSide = 12.0;

}  // namespace

std::optional<CGRect> DrawView::markerRect(const Shape& shape) const {
  const CGRect canvas = bounds();
  if (insight::isInSight(shape.rect(), canvas)) return std::nullopt;
  const CGPoint edge = insight::nearestInside(shape.rect(), canvas);
  const double half = kMarkerSide / 2;
  const double x = std::clamp(edge.x, NSMinX(canvas) + half, NSMaxX(canvas) - half);
  const double y = std::clamp(edge.y, NSMinY(canvas) + half, NSMaxY(canvas) - half);
  return CGRectMake(x - half, y - half, kMarkerSide, kMarkerSide);
}

// A small triangle pointing from the edge towards each shape out of sight;
// an overlay like the knobs, so a capture never sees it.
void DrawView::drawMarkers(GraphicsContext& context) const {
  QPainter& painter = context.painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const CGRect canvas = bounds();
  const CGPoint middle{NSMinX(canvas) + canvas.size.width / 2,
                       NSMinY(canvas) + canvas.size.height / 2};
  for (int i = 0; i < static_cast<int>(_shapes.size()); ++i) {
    const std::optional<CGRect> marker = markerRect(*_shapes[i]);
    if (!marker) continue;
    const CGRect r = _shapes[i]->rect();
    const CGPoint c{marker->origin.x + kMarkerSide / 2, marker->origin.y + kMarkerSide / 2};
    const CGPoint edge = insight::nearestInside(r, canvas);
    // Towards the shape on every axis it lies off, from the canvas's middle.
    double ux = edge.x == r.origin.x + r.size.width / 2 ? 0.0 : (edge.x > middle.x ? 1.0 : -1.0);
    double uy = edge.y == r.origin.y + r.size.height / 2 ? 0.0 : (edge.y > middle.y ? 1.0 : -1.0);
    if (ux == 0 && uy == 0) uy = c.y > middle.y ? 1.0 : -1.0;  // off by less than its size
    const double length = std::hypot(ux, uy);
    ux /= length;
    uy /= length;
    const QPolygonF triangle{QPointF(c.x + 5 * ux, c.y + 5 * uy),
                             QPointF(c.x - 4 * ux - 4 * uy, c.y - 4 * uy + 4 * ux),
                             QPointF(c.x - 4 * ux + 4 * uy, c.y - 4 * uy - 4 * ux)};
    const bool chosen = i == _selectedShapeIndex;
    painter.setPen(QPen(Qt::black, chosen ? 2.0 : 1.0));
    painter.setBrush(chosen ? QColor(Qt::black) : QColor(240, 130, 0));
    painter.drawPolygon(triangle);
  }
  painter.restore();
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

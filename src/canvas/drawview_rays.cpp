// The ray overlays: the single ray of a ray-space point and the ray bundle of a photo pixel.
#include <cmath>

#include "canvas/drawview.h"
#include "lightfield/optics.h"
#include "toolkit/controls.h"
#include "toolkit/graphicscontext.h"
#include "views/overlaystyle.h"

using toolkit::BezierPath;
using toolkit::Color;

namespace {

Color overlayColor() {
  return Color::colorWithCalibratedRed(0, 0, 1.0, 0.4);
}

// High contrast: the outline stroked thicker in a dark blue over a white halo, a filled bundle
// keeping its see-through tint inside.
void drawHighContrast(toolkit::GraphicsContext& context, const BezierPath& path, bool fill) {
  const OverlayStyle& style = overlayStyle();
  QPainter& painter = context.painter();
  if (fill) {
    overlayColor().set(context);
    path.fill(context);
  }
  painter.save();
  // Aliased: every pixel of the outline is one of the two colours, never a blend of them.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  const QPainterPath& outline = path.painterPath();
  QPen pen(QColor::fromRgba(style.rays), style.width(path.lineWidth()), Qt::SolidLine, Qt::RoundCap,
           Qt::RoundJoin);
  strokeOverHalo(painter, style, pen, [&] { painter.drawPath(outline); });
  painter.restore();
}

}  // namespace

void DrawView::setRay(CGPoint p) {
  _rayStart = CGPointMake(p.y, static_cast<double>(_xAxis.getLocation()));
  _rayEnd = CGPointMake(p.x, static_cast<double>(_yAxis.getLocation()));
  _drawRay = true;
  _multiRay = false;
  _path = std::make_unique<BezierPath>();
  _path->setLineWidth(2.0);
  _path->moveToPoint(_rayStart);
  _path->lineToPoint(_rayEnd);
  setNeedsDisplayInRect(bounds());
}

void DrawView::setSensorRay(double x) {
  _drawRay = true;
  _multiRay = true;
  const double theta = static_cast<double>(focusDegrees()) * lightfield::optics::kDegreesToRadians;
  const double s = std::sin(theta);
  const double c = std::cos(theta);
  // The lower end sits on the aperture: the marker's centre.
  const double half = width / 2 + viewpointShift();
  int d = halfLength();
  if (d == 0) d = 1;
  const double ds = d * s;
  const double dc = c * d;

  _path = std::make_unique<BezierPath>();
  _path->setLineWidth(1.0);
  const double lower = _xAxis.getLocation();
  const double upper = _yAxis.getLocation();
  const lightfield::CameraChoice& choice = choice_;
  if (choice.aperture == lightfield::Aperture::TwoSlits && halfLength() > 0) {
    // One bundle per slit: the samples with 3 |k| >= 2 d.
    const int inner = (2 * d + 2) / 3;
    for (const int sign : {1, -1}) {
      const int k1 = sign * inner, k2 = sign * d;
      _path->moveToPoint({half - k2 * s, lower});
      _path->lineToPoint({half - k1 * s, lower});
      _path->lineToPoint({x + k1 * c, upper});
      _path->lineToPoint({x + k2 * c, upper});
      _path->lineToPoint({half - k2 * s, lower});
    }
  } else if (choice.aperture == lightfield::Aperture::Pinholes && halfLength() > 0) {
    // A thin bundle, one ray, through each pinhole; they are stroked.
    lightfield::Camera camera;
    camera.halfLength = d;
    camera.aperture = lightfield::Aperture::Pinholes;
    camera.pinholes = choice.pinholes;
    for (int k = -d; k <= d; ++k) {
      if (lightfield::apertureWeight(camera, k) == 0) continue;
      _path->moveToPoint({half - k * s, lower});
      _path->lineToPoint({x + k * c, upper});
    }
  } else {
    _path->moveToPoint({half - ds, lower});
    _path->lineToPoint({half + ds, lower});
    _path->lineToPoint({x - dc, upper});
    _path->lineToPoint({x + dc, upper});
    _path->lineToPoint({half - ds, lower});
  }
  setNeedsDisplayInRect(bounds());
}

void DrawView::clearRay() {
  if (!_drawRay) return;
  _drawRay = false;
  _multiRay = false;
  setNeedsDisplayInRect(bounds());
}

void DrawView::drawRay(toolkit::GraphicsContext& context) const {
  if (_path == nullptr) return;
  if (overlayStyle().highContrast) return drawHighContrast(context, *_path, false);
  overlayColor().set(context);
  _path->stroke(context);
}

void DrawView::drawSensorRays(toolkit::GraphicsContext& context) const {
  if (_path == nullptr) return;
  // The slider's value now, not the one the outline was built with, decides.
  const bool stroked =
      halfLength() == 0 || (choice_.aperture == lightfield::Aperture::Pinholes && halfLength() > 0);
  if (overlayStyle().highContrast) return drawHighContrast(context, *_path, !stroked);
  overlayColor().set(context);
  if (stroked) {
    _path->stroke(context);
  } else {
    _path->fill(context);
  }
}

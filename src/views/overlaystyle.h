#pragma once

#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QRgb>

// The colours and line widths of everything the teaching overlays draw over the three views
// (never captured), in one place: the plain look, and a high-contrast one for projectors and
// weak eyes. High contrast draws each mark as a dark core on a white halo a pixel wider on every
// side: the core stands out from white and from every light colour, the halo from every dark
// one, so the mark reads over whatever the scene holds.
struct OverlayStyle {
  bool highContrast = false;
  // Line widths are multiplied by this; the halo adds kHaloWidth on each side.
  double widthScale = 1.0;
  QRgb halo = 0;  // alpha 0: no halo
  // Canvas: the height in focus (its sharp band a faint tint of it, edged in high contrast),
  // where a ray meets the scene, the depth estimate's crosses, the rays of a ray-space pixel and
  // the bundle of a photo pixel.
  QRgb focus = 0;
  QRgb meeting = 0;
  QRgb depthMarks = 0;
  QRgb rays = 0;
  // Ray space: the rays through the hovered point, the hovered photo pixel's samples and the
  // outline of the row a pinhole photo shows.
  QRgb dualLine = 0;
  QRgb samples = 0;
  QRgb row = 0;
  // Words drawn over a plot, and what they stand on.
  QRgb text = 0;
  QRgb textBackground = 0;

  static constexpr double kHaloWidth = 1.0;

  // A pen width for this style: scaled, without the halo.
  double width(double plain) const { return plain * widthScale; }
  bool hasHalo() const { return qAlpha(halo) != 0; }
};

// Draws with `pen` after drawing the same with the style's halo beneath, a solid pen
// 2 kHaloWidth wider, when the style has one. `draw` draws with the painter's current pen.
template <class Draw>
void strokeOverHalo(QPainter& painter, const OverlayStyle& style, const QPen& pen, Draw draw) {
  if (style.hasHalo()) {
    QPen halo = pen;
    halo.setColor(QColor::fromRgba(style.halo));
    halo.setStyle(Qt::SolidLine);
    halo.setWidthF(pen.widthF() + 2 * OverlayStyle::kHaloWidth);
    painter.setPen(halo);
    draw();
  }
  painter.setPen(pen);
  draw();
}

// Fills rectangles in `colour`, each over the style's halo first (the rectangle grown by
// kHaloWidth units on every side) when it has one; all halos go first, so no halo covers a
// neighbour's core.
template <class Rects>
void fillOverHalo(QPainter& painter, const OverlayStyle& style, QRgb colour, const Rects& rects) {
  if (style.hasHalo()) {
    const double h = OverlayStyle::kHaloWidth;
    for (const QRectF& r : rects)
      painter.fillRect(r.adjusted(-h, -h, h, h), QColor::fromRgba(style.halo));
  }
  for (const QRectF& r : rects) painter.fillRect(r, QColor::fromRgba(colour));
}

// The look the views start with, and the high-contrast one.
const OverlayStyle& plainOverlayStyle();
const OverlayStyle& highContrastOverlayStyle();

// The style every view draws its overlays in now; plain at start.
const OverlayStyle& overlayStyle();
void setHighContrastOverlays(bool on);

// The contrast ratio of two opaque colours, (L1 + 0.05) / (L2 + 0.05) with L the relative
// luminance of sRGB, lighter over darker: 1 for equal colours, 21 for black on white.
double contrastRatio(QRgb a, QRgb b);

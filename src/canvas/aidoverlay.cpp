#include "canvas/aidoverlay.h"

#include <QPainter>
#include <QPen>
#include <cmath>

#include "toolkit/graphicscontext.h"
#include "views/overlaystyle.h"

void drawCanvasAids(toolkit::GraphicsContext& context, const AidOverlay& overlay, double width) {
  QPainter& painter = context.painter();
  painter.save();
  const OverlayStyle& style = overlayStyle();
  const QColor focus = QColor::fromRgba(style.focus);
  if (overlay.showFocusDepth) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    QColor band = focus;
    band.setAlphaF(0.14);
    if (overlay.bandHighY >= overlay.bandLowY) {
      // A band of one sharp height still shows: the whole unit row that holds it, since an
      // aliased fill of a unit off the pixel grid can cover no pixel at all.
      const double tall = overlay.bandHighY - overlay.bandLowY;
      const QRectF rect =
          tall >= 1.0
              ? QRectF(0, overlay.bandLowY, width, tall)
              : QRectF(0, std::floor(0.5 * (overlay.bandLowY + overlay.bandHighY)), width, 1.0);
      painter.fillRect(rect, band);
      // A faint tint alone has no contrast to speak of: in high contrast the band has edges.
      if (style.highContrast) {
        for (const double y : {rect.top(), rect.bottom()})
          strokeOverHalo(painter, style, QPen(focus, style.width(0.5)),
                         [&] { painter.drawLine(QPointF(0, y), QPointF(width, y)); });
      }
    }
    QPen pen(focus, style.width(1.5), Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({4, 3});
    strokeOverHalo(painter, style, pen, [&] {
      painter.drawLine(QPointF(0, overlay.focusY), QPointF(width, overlay.focusY));
    });
  }
  if (overlay.meetingPoint) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    strokeOverHalo(painter, style, QPen(QColor::fromRgba(style.meeting), style.width(2.0)), [&] {
      painter.drawEllipse(QPointF(overlay.meetingPoint->x, overlay.meetingPoint->y), 5.0, 5.0);
    });
  }
  painter.restore();
}

void drawDepthMarks(toolkit::GraphicsContext& context, const std::vector<CGPoint>& marks) {
  if (marks.empty()) return;
  QPainter& painter = context.painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  // Dark, so the marks read over the colours of every built-in scene.
  const OverlayStyle& style = overlayStyle();
  strokeOverHalo(painter, style, QPen(QColor::fromRgba(style.depthMarks), style.width(1.0)), [&] {
    for (const CGPoint& p : marks) {
      painter.drawLine(QPointF(p.x - 2.0, p.y - 2.0), QPointF(p.x + 2.0, p.y + 2.0));
      painter.drawLine(QPointF(p.x - 2.0, p.y + 2.0), QPointF(p.x + 2.0, p.y - 2.0));
    }
  });
  painter.restore();
}

#include "canvas/aidoverlay.h"

#include <QPainter>
#include <QPen>
#include <cmath>

#include "toolkit/graphicscontext.h"

namespace {

const QColor kFocusColor(170, 0, 200);
const QColor kLinkColor(aids::kLinkRgb);

}  // namespace

void drawCanvasAids(toolkit::GraphicsContext& context, const AidOverlay& overlay, double width) {
  QPainter& painter = context.painter();
  painter.save();
  if (overlay.showFocusDepth) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    QColor band = kFocusColor;
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
    }
    QPen pen(kFocusColor, 1.5, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({4, 3});
    painter.setPen(pen);
    painter.drawLine(QPointF(0, overlay.focusY), QPointF(width, overlay.focusY));
  }
  if (overlay.meetingPoint) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kLinkColor, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(overlay.meetingPoint->x, overlay.meetingPoint->y), 5.0, 5.0);
  }
  painter.restore();
}

void drawDepthMarks(toolkit::GraphicsContext& context, const std::vector<CGPoint>& marks) {
  if (marks.empty()) return;
  QPainter& painter = context.painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  // Dark, so the marks read over the colours of every built-in scene.
  painter.setPen(QPen(QColor(20, 20, 20), 1.0));
  for (const CGPoint& p : marks) {
    painter.drawLine(QPointF(p.x - 2.0, p.y - 2.0), QPointF(p.x + 2.0, p.y + 2.0));
    painter.drawLine(QPointF(p.x - 2.0, p.y + 2.0), QPointF(p.x + 2.0, p.y - 2.0));
  }
  painter.restore();
}

#include "canvas/aidoverlay.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

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
      // A band of one sharp height still shows, a unit tall.
      const double tall = std::max(1.0, overlay.bandHighY - overlay.bandLowY);
      const double mid = 0.5 * (overlay.bandLowY + overlay.bandHighY);
      painter.fillRect(QRectF(0, mid - 0.5 * tall, width, tall), band);
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

#include "canvas/aidoverlay.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cstring>

#include "toolkit/graphicscontext.h"

namespace {

// Magenta reads over white, black marks, the red axis and every billboard
// colour; the photo samples take cyan so they differ from the marks and the line.
const QColor kFocusColor(170, 0, 200);
const QColor kLinkColor(255, 0, 255);
const QColor kSampleColor(0, 230, 255);

}  // namespace

bool AidOverlay::sameInRaySpace(const AidOverlay& o) const {
  auto sameRuns = [](const auto& a, const auto& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto& p, auto& q) {
             return std::memcmp(&p, &q, sizeof p) == 0;
           });
  };
  return sameRuns(dualLine, o.dualLine) && sameRuns(samples, o.samples);
}

void drawCanvasAids(toolkit::GraphicsContext& context, const AidOverlay& overlay, double width) {
  QPainter& painter = context.painter();
  painter.save();
  if (overlay.showFocusDepth) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    QColor band = kFocusColor;
    band.setAlphaF(0.14);
    if (overlay.bandHighY > overlay.bandLowY) {
      painter.fillRect(QRectF(0, overlay.bandLowY, width, overlay.bandHighY - overlay.bandLowY),
                       band);
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

void drawRaySpaceAids(toolkit::GraphicsContext& context, const AidOverlay& overlay, int n,
                      CGRect bounds) {
  if (n <= 0 || (overlay.dualLine.empty() && overlay.samples.empty())) return;
  QPainter& painter = context.painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  // One unit per ray-space pixel; v counts from the bottom, buffer rows from the top.
  const double sx = bounds.size.width / n, sy = bounds.size.height / n;
  for (const auto& run : overlay.dualLine) {
    painter.fillRect(QRectF(bounds.origin.x + run.u * sx, bounds.origin.y + run.vLow * sy, sx,
                            (run.vHigh - run.vLow + 1) * sy),
                     kLinkColor);
  }
  for (const auto& p : overlay.samples) {
    painter.fillRect(
        QRectF(bounds.origin.x + p.column * sx, bounds.origin.y + (n - 1 - p.row) * sy, sx, sy),
        kSampleColor);
  }
  painter.restore();
}

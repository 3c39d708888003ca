#include "views/rayspaceaids.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "toolkit/graphicscontext.h"

namespace {

// The photo samples take cyan, so they differ from the black marks and the line.
const QColor kLinkColor(aids::kLinkRgb);
const QColor kSampleColor(0, 230, 255);

}  // namespace

bool RaySpaceAids::sameInRaySpace(const RaySpaceAids& o) const {
  auto sameRuns = [](const auto& a, const auto& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto& p, auto& q) {
             return std::memcmp(&p, &q, sizeof p) == 0;
           });
  };
  return sameRuns(dualLine, o.dualLine) && sameRuns(samples, o.samples);
}

void drawRaySpaceAids(toolkit::GraphicsContext& context, const RaySpaceAids& aids, int n,
                      CGRect bounds) {
  if (n <= 0 || (aids.dualLine.empty() && aids.samples.empty())) return;
  QPainter& painter = context.painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  // One unit per ray-space pixel; v counts from the bottom, buffer rows from the top.
  const double sx = bounds.size.width / n, sy = bounds.size.height / n;
  for (const auto& run : aids.dualLine) {
    painter.fillRect(QRectF(bounds.origin.x + run.u * sx, bounds.origin.y + run.vLow * sy, sx,
                            (run.vHigh - run.vLow + 1) * sy),
                     kLinkColor);
  }
  for (const auto& p : aids.samples) {
    painter.fillRect(
        QRectF(bounds.origin.x + p.column * sx, bounds.origin.y + (n - 1 - p.row) * sy, sx, sy),
        kSampleColor);
  }
  painter.restore();
}

void drawRaySpaceRow(toolkit::GraphicsContext& context, int row, int n, CGRect bounds) {
  if (n <= 0 || row < 0 || row >= n) return;
  QPainter& painter = context.painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const double sy = bounds.size.height / n;
  const QColor orange(255, 140, 0);
  const double top = bounds.origin.y + row * sy;
  painter.fillRect(QRectF(bounds.origin.x, top - 2, bounds.size.width, 2), orange);
  painter.fillRect(QRectF(bounds.origin.x, top + sy, bounds.size.width, 2), orange);
  painter.restore();
}

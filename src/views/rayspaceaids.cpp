#include "views/rayspaceaids.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "toolkit/graphicscontext.h"
#include "views/overlaystyle.h"

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
  // The photo samples take their own colour, so they differ from the black marks and the line.
  const OverlayStyle& style = overlayStyle();
  std::vector<QRectF> cells;
  cells.reserve(std::max(aids.dualLine.size(), aids.samples.size()));
  for (const auto& run : aids.dualLine) {
    cells.emplace_back(bounds.origin.x + run.u * sx, bounds.origin.y + run.vLow * sy, sx,
                       (run.vHigh - run.vLow + 1) * sy);
  }
  fillOverHalo(painter, style, style.dualLine, cells);
  cells.clear();
  for (const auto& p : aids.samples) {
    cells.emplace_back(bounds.origin.x + p.column * sx, bounds.origin.y + (n - 1 - p.row) * sy, sx,
                       sy);
  }
  fillOverHalo(painter, style, style.samples, cells);
  painter.restore();
}

void drawRaySpaceRow(toolkit::GraphicsContext& context, int row, int n, CGRect bounds) {
  if (n <= 0 || row < 0 || row >= n) return;
  QPainter& painter = context.painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const double sy = bounds.size.height / n;
  const OverlayStyle& style = overlayStyle();
  const double top = bounds.origin.y + row * sy, thick = style.width(2.0);
  const QRectF bars[] = {QRectF(bounds.origin.x, top - thick, bounds.size.width, thick),
                         QRectF(bounds.origin.x, top + sy, bounds.size.width, thick)};
  fillOverHalo(painter, style, style.row, bars);
  painter.restore();
}

#include "app/pointspreadplot.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "views/overlaystyle.h"

namespace optics = lightfield::optics;

PointSpreadPlot::PointSpreadPlot(QWidget* parent) : QWidget(parent) {
  setMinimumSize(160, 70);
  setAccessibleName(tr("Point-spread function"));
}

void PointSpreadPlot::show(int n, const lightfield::Camera& camera, double lambda) {
  lambda_ = lambda;
  if (n > 0 && lambda > 0.0) {
    optics::pointSpread(n, camera, lambda, spread_, samples_);
  } else {
    spread_.clear();
  }
  update();
}

void PointSpreadPlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // High contrast: the overlays' black on white, whatever the desktop's palette.
  const OverlayStyle& style = overlayStyle();
  const bool plain = !style.highContrast;
  painter.fillRect(rect(), plain ? palette().base().color() : QColor(style.textBackground));
  const QRectF area = QRectF(rect()).adjusted(6, 6, -6, -18);
  painter.setPen(plain ? palette().text().color() : QColor(style.text));
  painter.drawLine(area.bottomLeft(), area.bottomRight());
  if (spread_.empty()) return;
  double reach = 4.0;
  int heaviest = 1;
  for (const auto& s : spread_) {
    reach = std::max(reach, std::abs(s.offset) + 1.0);
    heaviest = std::max(heaviest, s.weight);
  }
  // Photo pixels across, centred on the point's sharp image; each place one bar of its summed
  // weight, opaque and no wider than the narrowest gap between places (a pixel at least).
  auto xOf = [&](double offset) { return area.center().x() + offset / reach * area.width() / 2; };
  painter.drawLine(QPointF(xOf(0), area.bottom()), QPointF(xOf(0), area.bottom() + 3));
  double barWidth = area.width() / (2 * reach);
  for (std::size_t j = 1; j < spread_.size(); ++j)
    barWidth = std::min(barWidth, xOf(spread_[j].offset) - xOf(spread_[j - 1].offset));
  barWidth = std::max(1.0, barWidth);
  for (const auto& s : spread_) {
    const double h = area.height() * s.weight / heaviest;
    painter.fillRect(QRectF(xOf(s.offset) - barWidth / 2, area.bottom() - h, barWidth, h),
                     QColor(40, 90, 200));
  }
  const auto [low, high] = std::minmax_element(
      spread_.begin(), spread_.end(), [](auto& a, auto& b) { return a.offset < b.offset; });
  painter.drawText(QRectF(0, area.bottom() + 3, width(), 14), Qt::AlignCenter,
                   tr("%L1% up: spot %L2 photo px wide")
                       .arg(100.0 * lambda_, 0, 'f', 0)
                       .arg(high->offset - low->offset, 0, 'f', 1));
}

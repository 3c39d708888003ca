#include "app/pointspreadplot.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

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
  painter.fillRect(rect(), palette().base());
  const QRectF area = QRectF(rect()).adjusted(6, 6, -6, -18);
  painter.setPen(palette().text().color());
  painter.drawLine(area.bottomLeft(), area.bottomRight());
  if (spread_.empty()) return;
  double reach = 4.0;
  int heaviest = 1;
  for (const auto& s : spread_) {
    reach = std::max(reach, std::abs(s.offset) + 1.0);
    heaviest = std::max(heaviest, s.weight);
  }
  // Photo pixels across, centred on the point's sharp image; each sample one bar.
  auto xOf = [&](double offset) { return area.center().x() + offset / reach * area.width() / 2; };
  painter.drawLine(QPointF(xOf(0), area.bottom()), QPointF(xOf(0), area.bottom() + 3));
  const double barWidth = std::max(1.0, area.width() / (2 * reach));
  for (const auto& s : spread_) {
    const double h = area.height() * s.weight / heaviest;
    painter.fillRect(QRectF(xOf(s.offset) - barWidth / 2, area.bottom() - h, barWidth, h),
                     QColor(40, 90, 200, 160));
  }
  const auto [low, high] = std::minmax_element(
      spread_.begin(), spread_.end(), [](auto& a, auto& b) { return a.offset < b.offset; });
  painter.drawText(QRectF(0, area.bottom() + 3, width(), 14), Qt::AlignCenter,
                   tr("%L1% up: spot %L2 photo px wide")
                       .arg(100.0 * lambda_, 0, 'f', 0)
                       .arg(high->offset - low->offset, 0, 'f', 1));
}

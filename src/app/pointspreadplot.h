#pragma once

#include <QWidget>
#include <vector>

#include "lightfield/optics.h"

// The camera's point-spread function at one height: where the weighted
// samples of a photo pixel image a point, one bar per place with the summed
// weight of the samples there, over photo pixels centred on the point's sharp
// image.
class PointSpreadPlot : public QWidget {
  Q_OBJECT

 public:
  explicit PointSpreadPlot(QWidget* parent = nullptr);

  // Recomputes the profile for `camera` in an n-wide image at fraction lambda.
  void show(int n, const lightfield::Camera& camera, double lambda);
  const std::vector<lightfield::optics::SpreadSample>& spread() const { return spread_; }
  double lambda() const { return lambda_; }

  QSize sizeHint() const override { return {240, 90}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<lightfield::optics::SpreadSample> spread_;
  std::vector<lightfield::optics::WeightedPixel> samples_;
  double lambda_ = 0.5;
};

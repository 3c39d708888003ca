#pragma once

#include <QProxyStyle>

// The window's style with its sizes grown by the zoom: slider handles and grooves, check-box and
// radio indicators, scroll bars, icons, margins and spacings, so a zoomed window is the same
// window larger, not larger text in small controls.
class ScaledStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // A fresh instance of the application's style, scaled by `factor`.
  explicit ScaledStyle(double factor, QObject* parent);

  double factor() const { return factor_; }
  void setFactor(double factor) { factor_ = factor; }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;

  // Whether `metric` grows with the zoom: sizes of things drawn, not frames one pixel wide.
  static bool scales(PixelMetric metric);

 private:
  double factor_;
};

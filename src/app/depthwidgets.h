#pragma once

#include <QRgb>
#include <QWidget>
#include <functional>
#include <vector>

// One row of colours stretched over the widget, pixel i over [i w / n, (i + 1) w / n): the
// photo's width drawn as the photo view draws it.
class ColourRow : public QWidget {
 public:
  ColourRow(const char* name, int width, int height, QWidget* parent);
  void setRow(std::vector<QRgb> row);
  const std::vector<QRgb>& row() const { return row_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::vector<QRgb> row_;
};

// A widget painted by a function: for the docks' small plots, which draw what their owner keeps.
class PaintedWidget : public QWidget {
 public:
  using Paint = std::function<void(QPainter&, QSize)>;
  PaintedWidget(const char* name, QSize size, Paint paint, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Paint paint_;
};

#pragma once

#include <QRgb>
#include <QWidget>

class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;
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

// Puts `body` in `dock` on the window's right, hidden (docks open only when asked, and are not
// remembered), and adds the dock's own toggle to `viewMenu` under `text`, named `actionName`.
QAction* installDock(QMainWindow* window, QDockWidget* dock, QWidget* body, const char* actionName,
                     const QString& text, QMenu* viewMenu);

#include "app/depthwidgets.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <algorithm>

ColourRow::ColourRow(const char* name, int width, int height, QWidget* parent) : QWidget(parent) {
  setObjectName(QString::fromLatin1(name));
  setFixedSize(width, height);
}

void ColourRow::setRow(std::vector<QRgb> row) {
  row_ = std::move(row);
  update();
}

void ColourRow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const int w = width();
  const auto n = static_cast<int>(row_.size());
  for (int i = 0; i < n; ++i) {
    const int x0 = i * w / n, x1 = (i + 1) * w / n;
    painter.fillRect(QRect(x0, 0, std::max(1, x1 - x0), height()), QColor::fromRgb(row_[i]));
  }
}

PaintedWidget::PaintedWidget(const char* name, QSize size, Paint paint, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)) {
  setObjectName(QString::fromLatin1(name));
  setFixedSize(size);
}

void PaintedWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (paint_) paint_(painter, size());
}

QAction* installDock(QMainWindow* window, QDockWidget* dock, QWidget* body, const char* actionName,
                     const QString& text, QMenu* viewMenu) {
  dock->setWidget(body);
  window->addDockWidget(Qt::RightDockWidgetArea, dock);
  dock->hide();
  QAction* toggle = dock->toggleViewAction();
  toggle->setObjectName(QLatin1String(actionName));
  toggle->setText(text);
  if (viewMenu != nullptr) viewMenu->addAction(toggle);
  return toggle;
}

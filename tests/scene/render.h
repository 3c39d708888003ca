#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

#include "toolkit/graphicscontext.h"

// Paints `draw` into a white width x height image through a y-up painter, as
// a view does on screen; `yUp` false paints through an unflipped one.
inline QImage renderScene(int width, int height,
                          const std::function<void(toolkit::GraphicsContext&)>& draw,
                          bool yUp = true) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  if (yUp) {
    painter.translate(0, height);
    painter.scale(1, -1);
  }
  toolkit::GraphicsContext context(painter);
  draw(context);
  return image;
}

// The colour of canvas cell (x, y) in an image painted y-up.
inline QRgb cell(const QImage& image, int x, int y) {
  return image.pixel(x, image.height() - 1 - y);
}

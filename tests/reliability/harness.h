// Shared helpers for the reliability tests: the real window, points in it, an
// independent capture of the scene, the pipeline checks and resident memory.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "app/mainwindow.h"
#include "canvas/drawview.h"
#include "lightfield/lightfield.h"
#include "toolkit/graphicscontext.h"

namespace reliability {

// Shows the main window offscreen and lets its first paint run the first render.
inline std::unique_ptr<MainWindow> openWindow() {
  auto window = std::make_unique<MainWindow>();
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) ADD_FAILURE() << "window never exposed";
  QApplication::processEvents();
  return window;
}

// The window pixel (y-down) of `widget`'s local pixel.
inline QPoint inWindow(const QWidget& widget, QPoint local) {
  return widget.mapTo(widget.window(), local);
}

// The window pixel of canvas point (x, y), y-up.
inline QPoint canvasPoint(const DrawView& canvas, int x, int y) {
  return inWindow(canvas, QPoint(x, static_cast<const QWidget&>(canvas).height() - y));
}

template <class T>
T* child(const MainWindow& window, const char* name) {
  T* found = window.findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) ADD_FAILURE() << "no widget named " << name;
  return found;
}

// QTest reads QPoint(0, 0) as "the centre"; nudge it so the corner is meant.
inline QPoint exact(QPoint p) {
  return p.isNull() ? QPoint(0, 1) : p;
}

// Packs the top-left w x h pixels of `image`, pixel by pixel, row 0 on top.
inline std::vector<unsigned char> packPixels(const QImage& image, int w, int h) {
  std::vector<unsigned char> out;
  out.reserve(3 * static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QRgb p = image.pixel(x, y);
      out.push_back(static_cast<unsigned char>(qRed(p)));
      out.push_back(static_cast<unsigned char>(qGreen(p)));
      out.push_back(static_cast<unsigned char>(qBlue(p)));
    }
  }
  return out;
}

// The capture rectangle of `canvas` painted afresh with nothing but a white
// background and the shapes, so any overlay in the canvas's strip shows up.
inline std::vector<unsigned char> shapesOnlyStrip(const DrawView& canvas) {
  const CGRect r = canvas.captureRect();
  const int w = static_cast<int>(r.size.width), h = static_cast<int>(r.size.height);
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setTransform(QTransform(1, 0, 0, -1, -r.origin.x, r.origin.y + r.size.height));
    toolkit::GraphicsContext context(painter);
    for (const auto& shape : canvas.shapes()) shape->drawRect(context, r);
  }
  return packPixels(image, w, h);
}

// The latest render agrees with the scene: the strip is the shapes on white
// and nothing else, and the clean ray-space image is the engine's image of it.
inline ::testing::AssertionResult renderMatchesScene(const DrawView& canvas) {
  const int n = canvas.stripWidth(), h = canvas.stripHeight();
  if (n <= 0 || h <= 0 || canvas.cleanRays() == nullptr) {
    return ::testing::AssertionFailure() << "no render yet: n " << n << " h " << h;
  }
  const std::vector<unsigned char>& strip = canvas.strip();
  if (strip.size() != 3u * n * h) {
    return ::testing::AssertionFailure() << "strip holds " << strip.size() << " bytes";
  }
  const std::vector<unsigned char> fresh = shapesOnlyStrip(canvas);
  if (fresh != strip) {
    std::size_t i = 0;
    while (i < strip.size() && fresh[i] == strip[i]) ++i;
    const std::size_t pixel = i / 3;
    return ::testing::AssertionFailure()
           << "strip differs from a shapes-only capture at x " << pixel % n << " row " << pixel / n
           << ": " << int(strip[i]) << " instead of " << int(fresh[i]);
  }
  std::vector<unsigned char> rays(3u * n * n);
  lightfield::processImage(strip.data(), h, n, rays.data());
  if (std::memcmp(rays.data(), canvas.cleanRays(), rays.size()) != 0) {
    return ::testing::AssertionFailure() << "clean ray-space image is not the strip's";
  }
  return ::testing::AssertionSuccess();
}

// Resident memory of this process in bytes.
inline long residentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * sysconf(_SC_PAGESIZE);
}

}  // namespace reliability

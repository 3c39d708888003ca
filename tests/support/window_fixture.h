// Shared set-ups for the canvas, view and window tests: a canvas wired to its
// own controls, the main window shown offscreen, and pixel helpers.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <vector>

#include "app/mainwindow.h"
#include "canvas/drawview.h"
#include "toolkit/controls.h"
#include "toolkit/graphicscontext.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace fixture {

// The colour of the pixel whose lower-left corner is the y-up point (x, y) of
// an image painted in a y-up frame (row 0 at the top).
// The title as the desktop shows it: the [*] placeholder becomes "*" while
// the window marks unsaved changes, and nothing otherwise.
inline QString displayedTitle(const QWidget& window) {
  QString title = window.windowTitle();
  return title.replace(QStringLiteral("[*]"),
                       window.isWindowModified() ? QStringLiteral("*") : QString());
}

inline QRgb pixelAt(const QImage& image, int x, int y) {
  return image.pixel(x, image.height() - 1 - y) & 0xffffff;
}

inline QRgb rgb(const unsigned char* p) {
  return qRgb(p[0], p[1], p[2]) & 0xffffff;
}

// Runs `paint` with a y-up painter over a new w x h RGB32 image filled with `background`.
template <class Paint>
QImage paintYUp(int w, int h, QRgb background, Paint paint) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(background);
  QPainter painter(&image);
  painter.translate(0, h);
  painter.scale(1, -1);
  toolkit::GraphicsContext context(painter);
  paint(context);
  return image;
}

// The canvas's shapes alone on white, captured from `rect` the way a render
// captures (one pixel per unit, row 0 at the top), as a packed RGB strip.
inline std::vector<unsigned char> shapesAlone(const DrawView& canvas, CGRect rect) {
  const int w = static_cast<int>(rect.size.width), h = static_cast<int>(rect.size.height);
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setTransform(QTransform(1, 0, 0, -1, -rect.origin.x, NSMaxY(rect)));
    toolkit::GraphicsContext context(painter);
    for (const auto& shape : canvas.shapes()) shape->drawRect(context, rect);
  }
  std::vector<unsigned char> strip(3 * static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QRgb c = image.pixel(x, y);
      unsigned char* out = &strip[3 * (static_cast<std::size_t>(y) * w + x)];
      out[0] = static_cast<unsigned char>(qRed(c));
      out[1] = static_cast<unsigned char>(qGreen(c));
      out[2] = static_cast<unsigned char>(qBlue(c));
    }
  }
  return strip;
}

// A 300 x 300 canvas wired to its own sliders and result views, never shown:
// renders run when the test calls them (or on a first drawing pass).
// Focus starts at 45.0 degrees (slider 0..900 in tenths), depth of field at
// 10 (slider -50..50, so negative values can be tried).
struct CanvasRig {
  toolkit::Slider focus;
  toolkit::Slider dof;
  RenderView renderView;
  PhotoView photoView;
  DrawView canvas;

  explicit CanvasRig(CGRect frame = CGRectMake(0, 0, 300, 300)) {
    focus.setValueScale(10);
    focus.setRange(0, 900);
    focus.setValue(450);
    dof.setRange(-50, 50);
    dof.setValue(10);
    renderView.initWithFrame(CGRectMake(0, 0, 300, 300));
    photoView.initWithFrame(CGRectMake(0, 0, 300, 40));
    canvas.initWithFrame(frame);
    DrawView::Outlets outlets;
    outlets.renderView = &renderView;
    outlets.photoView = &photoView;
    outlets.focus = &focus;
    outlets.dof = &dof;
    canvas.setOutlets(outlets);
    canvas.awakeFromNib();
  }

  // Sets both sliders, then sends the optics update as a slider would.
  void setOptics(double degrees, int depthOfField) {
    focus.setValue(static_cast<int>(degrees * 10 + 0.5));
    dof.setValue(depthOfField);
    canvas.changeOptics(&focus);
  }

  // Selects the shape under the y-up canvas point with a press and release
  // (the canvas is its own window, so window and canvas points agree).
  void click(CGPoint p) {
    canvas.mouseDown(toolkit::Event::mouse(p));
    canvas.mouseUp(toolkit::Event::mouse(p));
  }
};

// Processes events until `done()` holds or about ten seconds have passed (a loaded machine).
template <class Done>
bool waitFor(Done done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QTest::qWait(5);
  }
  return done();
}

// The main window, shown offscreen and exposed, its first render done.
struct ShownWindow {
  MainWindow window;

  ShownWindow() {
    window.show();
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    EXPECT_TRUE(exposed);
    EXPECT_TRUE(waitFor([this] { return !canvas().isFirstRenderPending(); }));
    QCoreApplication::processEvents();
  }

  DrawView& canvas() const { return *window.drawView(); }
  RenderView& renderView() const { return *window.renderView(); }
  PhotoView& photoView() const { return *window.photoView(); }

  // The window's child of that class and object name; fails the test if absent.
  template <class T>
  T* find(const char* name) const {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
};

}  // namespace fixture

// Zoomed views: every screen pixel of a result view maps back to the image
// pixel it shows, whatever the zoom step, and a redraw request covers the
// zoomed pixels of its rectangle.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPaintEvent>
#include <QSignalSpy>

#include "app/windowzoom.h"
#include "canvas/drawview.h"
#include "toolkit/event.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace {

// Pixel (column, row from the top) of a w x h image, coded in its colour.
QImage codedImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      image.setPixel(col, row, qRgb(col % 256, row % 256, 16 * (col / 256) + row / 256));
    }
  }
  return image;
}
int codedColumn(QRgb c) {
  return qRed(c) + 256 * (qBlue(c) / 16);
}
int codedRow(QRgb c) {
  return qGreen(c) + 256 * (qBlue(c) % 16);
}

// The view point that a mouse on device pixel (x, y), y-down, stands for: under a
// screen scale the mouse reports the pixel's top-left corner in logical pixels.
CGPoint pointOfPixel(const toolkit::View& view, int x, int y) {
  const double d = view.devicePixelRatioF();
  return view.convertPointFromWindow(toolkit::Event::windowPoint(view, QPointF(x / d, y / d)));
}

class Recorder : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  QRegion region;
};

}  // namespace

TEST(Zoom, EveryScreenPixelOfAResultViewMapsToThePixelItShows) {
  QCheckBox axesOff;  // unchecked: no axes over the image
  for (double zoom : WindowZoom::kSteps) {
    // At 1x under a screen scale a mouse point is passed on unsnapped, fractions and all.
    if (zoom == 1.0 && qApp->devicePixelRatio() != 1.0) continue;
    RenderView rays;
    rays.initWithFrame(CGRectMake(0, 0, 300, 300));
    rays.setOutlets({nullptr, nullptr, &axesOff});
    rays.toggleAxes(&axesOff);
    rays.setImage(codedImage(300, 300));
    PhotoView photo;
    photo.initWithFrame(CGRectMake(0, 0, 300, 40));
    photo.setImage(codedImage(300, 1));
    // Never shown, so no resize event: the views tell their new sizes themselves.
    QSignalSpy raysSized(&rays, &toolkit::View::sizeFixed);
    rays.setZoom(zoom);
    photo.setZoom(zoom);
    rays.setZoom(zoom);

    const int side = static_cast<int>(std::ceil(300 * zoom));
    ASSERT_EQ(rays.size(), QSize(side, side)) << zoom;
    ASSERT_EQ(photo.size(), QSize(side, static_cast<int>(std::ceil(40 * zoom)))) << zoom;
    ASSERT_EQ(raysSized.size(), zoom == 1.0 ? 0 : 1) << "once for each new size, " << zoom;
    if (zoom != 1.0) {
      EXPECT_EQ(raysSized.at(0).at(0).toSize(), rays.size());
    }
    EXPECT_EQ(rays.bounds().size.width, 300) << "bounds stay in units";

    // A ray-space pixel of column u and row r from the top is ray (u, 300 - r),
    // as its own pixel gives it at 1x. A screen pixel's column depends on its x
    // alone and its row on its y alone: every x along one row and every y along
    // one column cover them all.
    const QImage shown = rays.grab().toImage();
    ASSERT_EQ(shown.size(), rays.size() * rays.devicePixelRatioF());
    const int across = shown.height() / 3, down = shown.width() / 3;
    int wrong = 0;
    for (int i = 0; i < shown.width(); ++i) {
      wrong += pointOfPixel(rays, i, across).x != codedColumn(shown.pixel(i, across));
      wrong += pointOfPixel(rays, down, i).y != 300 - codedRow(shown.pixel(down, i));
    }
    EXPECT_EQ(wrong, 0) << "screen pixels mapped to another ray than they show, zoom " << zoom;

    const QImage row = photo.grab().toImage();
    int wrongColumns = 0;
    for (int x = 0; x < row.width(); ++x) {
      wrongColumns += pointOfPixel(photo, x, row.height() / 2).x != codedColumn(row.pixel(x, 0));
    }
    EXPECT_EQ(wrongColumns, 0) << "photo pixels mapped to another column, zoom " << zoom;
  }
}

TEST(Zoom, RedrawRequestCoversTheZoomedPixelsOfItsRectangle) {
  for (double zoom : WindowZoom::kSteps) {
    RenderView view;
    view.initWithFrame(CGRectMake(0, 0, 300, 300));
    view.setZoom(zoom);
    view.show();
    QCoreApplication::processEvents();
    Recorder recorder;
    view.installEventFilter(&recorder);
    // Units x 67..113, y 97..113 (y-up): pixels x 67z..113z, from the top 187z..203z.
    view.setNeedsDisplayInRect(CGRectMake(67, 97, 46, 16));
    QCoreApplication::processEvents();
    const QRect want(static_cast<int>(std::floor(67 * zoom)),
                     static_cast<int>(std::floor(view.height() - 113 * zoom)),
                     static_cast<int>(std::ceil(46 * zoom)),
                     static_cast<int>(std::ceil(16 * zoom)));
    EXPECT_TRUE(recorder.region.contains(want)) << zoom;
    EXPECT_LE(recorder.region.boundingRect().width(), want.width() + 2) << zoom;
    view.removeEventFilter(&recorder);
  }
}

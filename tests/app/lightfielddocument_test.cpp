// A real light field in the window: opened from a folder of views rendered here, its ray space
// cut at the chosen scanline, its photo refocused by the engine, and the scene given back intact.
#include "app/lightfielddocument.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QUndoStack>
#include <cmath>
#include <vector>

#include "app/camerapanel.h"
#include "app/depthslopes.h"
#include "app/documentdialogs.h"
#include "app/focalstackdock.h"
#include "app/pictureexport.h"
#include "app/pointspreadplot.h"
#include "app/scenedocument.h"
#include "document/scenefile.h"
#include "lightfield/depth.h"
#include "lightfield/planes.h"
#include "lightfield/refocus.h"
#include "session/session.h"
#include "support/window_fixture.h"

using fixture::ShownWindow;
namespace rf = lightfield::refocus;
namespace depth = lightfield::depth;

namespace {

using Bytes = std::vector<unsigned char>;
constexpr int kViews = 9, kWidth = 120, kHeight = 10;

// A near plane over part of the field, a middle one, and a far background on the upper line.
const lightfield::planes::World& world() {
  // The central view (view 4) sees the near plane at pixels 10..40 and the middle one at 55..85.
  static const lightfield::planes::World w{
      {{0.25, 5.5, 13.0, 21, 2.0}, {0.5, 29.5, 44.5, 22, 2.0}, {1.0, -1000.0, 1000.0, 23, 2.0}}};
  return w;
}

// Grid rows 0 and 1 of kViews views each, named as the archives name them; row 1 sees other
// texture rows. Returns the folder.
QString writeGrid(const QTemporaryDir& dir, const lightfield::planes::World& seen = world(),
                  int width = kWidth) {
  for (int row = 0; row < 2; ++row)
    for (int v = 0; v < kViews; ++v) {
      const Bytes rgb = seen.view(v, width, kHeight, 5 * row);
      const QImage image(rgb.data(), width, kHeight, 3 * width, QImage::Format_RGB888);
      const QString name = QStringLiteral("out_%1_%2.png")
                               .arg(row, 2, 10, QLatin1Char('0'))
                               .arg(v, 2, 10, QLatin1Char('0'));
      EXPECT_TRUE(image.save(dir.filePath(name)));
    }
  return dir.path();
}

// Scanline y of every view of grid row `row`, rendered afresh, stacked view 0 at the bottom.
Bytes stacked(const lightfield::planes::World& seen, int width, int row, int y) {
  std::vector<Bytes> views;
  std::vector<const unsigned char*> lines;
  for (int v = 0; v < kViews; ++v) views.push_back(seen.view(v, width, kHeight, 5 * row));
  for (const Bytes& view : views) lines.push_back(view.data() + std::size_t(3) * width * y);
  Bytes epi(std::size_t(3) * kViews * width);
  rf::stackScanlines(lines.data(), kViews, width, epi.data());
  return epi;
}
Bytes stacked(int row, int y) {
  return stacked(world(), kWidth, row, y);
}

Bytes engineRefocus(const Bytes& epi, int halfCount, double disparity) {
  Bytes photo(std::size_t(3) * kWidth);
  rf::refocus(epi.data(), kViews, kWidth, halfCount, disparity, photo.data());
  return photo;
}

struct Rig : ShownWindow {
  QTemporaryDir dir;
  QString folder = writeGrid(dir);
  LightFieldDocument& document = *window.lightFieldDocument();
  toolkit::Slider* focus = find<toolkit::Slider>("focusSlider");
  toolkit::Slider* dof = find<toolkit::Slider>("dofSlider");
  QList<int> rowsOffered;

  Rig() {
    LightFieldDocument::Dialogs dialogs;
    dialogs.chooseLightField = [this](QWidget*) { return std::optional<QString>(folder); };
    dialogs.chooseRow = [this](QWidget*, const QList<int>& rows, int suggested) {
      rowsOffered = rows;
      return std::optional<int>(suggested);
    };
    LightFieldDocument::setDialogs(dialogs);
  }
  ~Rig() { LightFieldDocument::setDialogs({}); }

  QString message() const { return window.statusBar()->currentMessage(); }
  QString reading() const { return find<QLabel>("hoverReadout")->text(); }
  void checkShowsItsOwnRaySpaceAndPhoto(int row) const {
    const Session& session = *window.session();
    const Bytes epi = stacked(row, document.scanline());
    EXPECT_EQ(document.epipolarImage(), epi);
    ASSERT_EQ(session.lightField().rows(), kViews);
    ASSERT_EQ(session.lightField().columns(), kWidth);
    EXPECT_EQ(session.lightField().source(), lightfield::Source::File);
    EXPECT_TRUE(std::equal(epi.begin(), epi.end(), session.lightField().pixels()));
    const Bytes photo = engineRefocus(
        epi, dof->value(), rf::disparityForDegrees(static_cast<double>(focus->floatValue())));
    EXPECT_EQ(document.photo(), photo);
    EXPECT_EQ(session.photo(), photo);
    const QImage shown = document.photoStrip()->image();
    ASSERT_EQ(shown.width(), kWidth);
    for (int x = 0; x < kWidth; x += 7)
      EXPECT_EQ(shown.pixel(x, 0), qRgb(photo[3 * x], photo[3 * x + 1], photo[3 * x + 2])) << x;
  }
};

}  // namespace

TEST(LightFieldDocument, OpensAGridRowAndShowsItsRaySpaceAndRefocusedPhoto) {
  Rig rig;
  QAction* open = rig.find<QAction>("actionOpenLightField");
  QAction* close = rig.find<QAction>("actionCloseLightField");
  ASSERT_TRUE(open && close);
  EXPECT_TRUE(rig.window.fileMenu()->actions().contains(open));
  EXPECT_FALSE(close->isEnabled());
  EXPECT_FALSE(rig.document.centralView()->isVisible());

  // A control had the keys (Tab gave them to the first tool); the opened light field takes them.
  QTest::keyClick(rig.window.windowHandle(), Qt::Key_Tab);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  open->trigger();
  ASSERT_TRUE(rig.document.isOpen()) << rig.message().toStdString();
  EXPECT_EQ(rig.rowsOffered, (QList<int>{0, 1}));
  EXPECT_EQ(rig.document.views().count(), kViews);
  EXPECT_EQ(rig.document.scanline(), kHeight / 2);
  EXPECT_TRUE(close->isEnabled());
  // The light field's views stand in for the scene's.
  EXPECT_FALSE(rig.canvas().isVisible());
  EXPECT_FALSE(rig.renderView().isVisible());
  EXPECT_TRUE(rig.document.centralView()->isVisible());
  EXPECT_TRUE(rig.document.epiView()->isVisible());
  EXPECT_TRUE(rig.document.photoStrip()->isVisible());
  for (QLabel* label : rig.window.findChildren<QLabel*>(QStringLiteral("raySpaceAxisLabel")))
    EXPECT_FALSE(label->isVisible());
  EXPECT_TRUE(rig.message().contains(QStringLiteral("9 views"))) << rig.message().toStdString();
  rig.checkShowsItsOwnRaySpaceAndPhoto(1);

  // The sliders refocus it: focus and depth of field, each shown as the engine computes it, and
  // the readouts say what the engine used.
  auto* focusReadout = rig.find<QLabel>("focusReadout");
  auto* dofReadout = rig.find<QLabel>("dofReadout");
  rig.focus->setValue(266);  // about the near plane's disparity of -3
  rig.checkShowsItsOwnRaySpaceAndPhoto(1);
  EXPECT_TRUE(focusReadout->text().contains(QStringLiteral("disparity ") +
                                            QString::number(rig.document.disparity(), 'f', 2)))
      << focusReadout->text().toStdString();
  rig.dof->setValue(1);
  rig.checkShowsItsOwnRaySpaceAndPhoto(1);
  EXPECT_EQ(dofReadout->text(), QStringLiteral("views 3 to 5 (3 of 9)"));
  rig.dof->setValue(0);  // a pinhole: the central view's scanline itself
  const Bytes epi = stacked(1, rig.document.scanline());
  const int c = rf::centreView(kViews);
  EXPECT_TRUE(std::equal(rig.document.photo().begin(), rig.document.photo().end(),
                         epi.begin() + 3 * kWidth * rf::rowOfView(kViews, c)));
  rig.dof->setValue(10);

  // Export takes the light field's ray space, one pixel per view and pixel, and its photo.
  auto* exporter = rig.window.findChild<PictureExport*>(QStringLiteral("pictureExport"));
  ASSERT_NE(exporter, nullptr);
  const QImage raySpace = exporter->picture({PictureKind::RaySpace, 1, false});
  ASSERT_EQ(raySpace.size(), QSize(kWidth, kViews));
  const Bytes shownEpi = stacked(1, rig.document.scanline());
  for (int row = 0; row < kViews; row += 2)
    for (int x = 0; x < kWidth; x += 11) {
      const unsigned char* p = &shownEpi[std::size_t(3) * (std::size_t(row) * kWidth + x)];
      EXPECT_EQ(raySpace.pixel(x, row), qRgb(p[0], p[1], p[2])) << x << " " << row;
    }
  const QImage photo = exporter->picture({PictureKind::Photo, 1, false});
  ASSERT_FALSE(photo.isNull());
  EXPECT_EQ(photo.pixel(0, 0), rig.document.photoStrip()->image().pixel(0, 0));

  // Arrow keys and a drag on the central view pick other scanlines; each rebuilds at once.
  QWindow* handle = rig.window.windowHandle();
  QTest::keyClick(handle, Qt::Key_Down);
  EXPECT_EQ(rig.document.scanline(), kHeight / 2 + 1);
  rig.checkShowsItsOwnRaySpaceAndPhoto(1);
  QTest::keyClick(handle, Qt::Key_Up);
  QTest::keyClick(handle, Qt::Key_Up);
  EXPECT_EQ(rig.document.scanline(), kHeight / 2 - 1);
  for (int i = 0; i < 2 * kHeight; ++i) QTest::keyClick(handle, Qt::Key_Down);
  EXPECT_EQ(rig.document.scanline(), kHeight - 1);
  rig.checkShowsItsOwnRaySpaceAndPhoto(1);
  auto* central = rig.document.centralView();
  const QRect r = central->imageRect();
  QTest::mousePress(central, Qt::LeftButton, {}, QPoint(r.center().x(), r.top() + 1));
  EXPECT_EQ(rig.document.scanline(), 0);
  QMouseEvent drag(QEvent::MouseMove, QPointF(r.center().x(), r.top() + 0.35 * r.height()),
                   central->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::LeftButton, {});
  QCoreApplication::sendEvent(central, &drag);
  EXPECT_EQ(rig.document.scanline(), 3);
  rig.checkShowsItsOwnRaySpaceAndPhoto(1);
}

TEST(LightFieldDocument, ThePhotoPixelsSamplesAndClickToFocusAgreeWithTheEngine) {
  Rig rig;
  ASSERT_TRUE(rig.document.openPath(rig.folder, 0));
  rig.focus->setValue(450);
  rig.dof->setValue(3);
  // The samples drawn for a hovered pixel are where the photo reads: their mean is the pixel.
  const Bytes& epi = rig.document.epipolarImage();
  for (int x : {0, 30, 61, 119}) {
    rig.document.hoverPhotoPixel(x);
    const std::vector<double>& samples = rig.document.epiView()->samples();
    ASSERT_EQ(int(samples.size()), kViews);
    const int c = rf::centreView(kViews);
    double sum[3] = {0, 0, 0};
    int count = 0;
    for (int v = 0; v < kViews; ++v) {
      const double p = samples[std::size_t(v)];
      if (std::abs(v - c) > 3) {
        EXPECT_TRUE(std::isnan(p)) << v;
      }
      if (!std::isfinite(p)) continue;
      const int i = static_cast<int>(std::floor(p));
      const double f = p - i;
      const unsigned char* row = epi.data() + 3 * kWidth * rf::rowOfView(kViews, v);
      for (int ch = 0; ch < 3; ++ch)
        sum[ch] += (1 - f) * row[3 * i + ch] + (f > 0 ? f * row[3 * (i + 1) + ch] : 0.0);
      ++count;
    }
    ASSERT_GT(count, 0) << x;
    for (int ch = 0; ch < 3; ++ch)
      EXPECT_NEAR(sum[ch] / count, rig.document.photo()[std::size_t(3 * x + ch)], 0.5 + 1e-9)
          << x << " " << ch;
  }
  rig.document.hoverPhotoPixel(-1);
  EXPECT_TRUE(rig.document.epiView()->samples().empty());
  // A photo pixel stands right under its column of the ray space, as in the scene's window.
  auto* raySpace = rig.document.epiView();
  auto* strip = rig.document.photoStrip();
  for (int x : {0, 61, kWidth - 1}) {
    const QRect r = raySpace->imageRect();
    const double column =
        raySpace->mapTo(&rig.window, QPointF(r.left() + (x + 0.5) * r.width() / kWidth, 0)).x();
    const double pixel =
        strip->mapTo(&rig.window, QPointF((x + 0.5) * strip->width() / kWidth, 0)).x();
    EXPECT_NEAR(column, pixel, 0.5) << x;
  }

  // Clicking a pixel of each plane focuses on that plane's disparity, -(1 - lambda) / lambda,
  // to within a slider step; its texture is then sharp where it was blurred.
  struct Case {
    int x;
    double lambda;
  } cases[] = {{25, 0.25}, {70, 0.5}, {105, 1.0}};
  for (const Case& k : cases) {
    rig.focus->setValue(100);
    QTest::mouseClick(rig.document.photoStrip(), Qt::LeftButton, {},
                      QPoint(int((k.x + 0.5) * rig.document.photoStrip()->width() / kWidth), 5));
    const double degrees = rf::degreesForDisparity(rf::disparityForFraction(k.lambda));
    EXPECT_NEAR(rig.focus->floatValue(), degrees, 0.051) << k.x;
    EXPECT_NEAR(rig.document.disparity(), rf::disparityForFraction(k.lambda), 0.02) << k.x;
  }

  // Without a mouse: the left and right arrow keys pick a photo pixel (from the middle, Shift by
  // ten), framed and read out as a hovered one, and Return focuses there.
  rig.document.hoverPhotoPixel(-1);
  rig.focus->setValue(100);
  QWindow* handle = rig.window.windowHandle();
  QTest::keyClick(handle, Qt::Key_Right);
  EXPECT_EQ(rig.document.hoveredPixel(), kWidth / 2);
  EXPECT_EQ(rig.document.photoStrip()->marked(), kWidth / 2);
  EXPECT_FALSE(rig.document.epiView()->samples().empty());
  for (int i = 0; i < 4; ++i) QTest::keyClick(handle, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(handle, Qt::Key_Right);
  EXPECT_EQ(rig.document.hoveredPixel(), kWidth / 2 - 39);  // 21: the near plane
  QTest::keyClick(handle, Qt::Key_Return);
  EXPECT_NEAR(rig.document.disparity(), rf::disparityForFraction(0.25), 0.02);
  // Tab hands the keys to the first control still enabled, the focus slider, which keeps them:
  // Right moves it and leaves the photo pixel and the scanline alone.
  const int scanline = rig.document.scanline(), focus = rig.focus->value();
  QTest::keyClick(handle, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), rig.focus);
  QTest::keyClick(handle, Qt::Key_Right);
  QTest::keyClick(handle, Qt::Key_Up);
  EXPECT_GT(rig.focus->value(), focus);
  EXPECT_EQ(rig.document.hoveredPixel(), kWidth / 2 - 39);
  EXPECT_EQ(rig.document.scanline(), scanline);
  // A click on the light field's views gives the keys back to them.
  QTest::mouseClick(handle, Qt::LeftButton, {},
                    rig.document.epiView()->mapTo(&rig.window, QPoint(30, 30)));
  QTest::keyClick(handle, Qt::Key_Right);
  EXPECT_EQ(rig.document.hoveredPixel(), kWidth / 2 - 38);
}

// The camera panel's viewpoint and profile act on the views: the photo is the engine's weighted
// refocus for that camera, byte for byte; the veiled rows, the hovered pixel's samples and the
// depth readout show the views that really weigh; a pinhole is its viewpoint's own scanline; and
// click-to-focus fits the line through the viewpoint's pixel. What needs the scene's depths steps
// aside, and comes back with the scene.
TEST(LightFieldDocument, TheCameraPanelsViewpointAndProfileWeighTheViews) {
  Rig rig;
  auto* panel = rig.window.findChild<CameraPanel*>();
  ASSERT_NE(panel, nullptr);
  panel->toggleAction()->trigger();
  ASSERT_TRUE(rig.document.openPath(rig.folder, 0));
  const Bytes epi = stacked(0, rig.document.scanline());
  EXPECT_EQ(panel->viewpointSlider()->maximum(), kViews - 1);
  EXPECT_EQ(panel->viewpointSlider()->value(), rf::centreView(kViews));
  EXPECT_FALSE(panel->keepWidthBox()->isEnabled());
  EXPECT_FALSE(panel->plot()->isVisible());
  auto* dofReadout = rig.find<QLabel>("dofReadout");

  rig.focus->setValue(300);
  rig.dof->setValue(3);
  struct Case {
    int viewpoint;
    lightfield::Aperture aperture;
    int pinholes;
    const char* readout;
  } cases[] = {{4, lightfield::Aperture::Box, 2, "views 1 to 7 (7 of 9)"},
               {1, lightfield::Aperture::Tent, 2, "views 0 to 4 (5 of 9)"},
               {6, lightfield::Aperture::Gaussian, 2, "views 3 to 8 (6 of 9)"},
               {4, lightfield::Aperture::TwoSlits, 2, "4 of the views 1 to 7 (9 in all)"},
               {5, lightfield::Aperture::Pinholes, 3, "3 of the views 2 to 8 (9 in all)"}};
  for (const Case& k : cases) {
    panel->pinholesBox()->setValue(k.pinholes);
    panel->profileBox()->setCurrentIndex(panel->profileBox()->findData(int(k.aperture)));
    panel->viewpointSlider()->setValue(k.viewpoint);
    const rf::ViewCamera camera{k.viewpoint, 3, k.aperture, k.pinholes};
    Bytes photo(std::size_t(3) * kWidth);
    rf::refocus(epi.data(), kViews, kWidth, camera, rig.document.disparity(), photo.data());
    EXPECT_EQ(rig.document.photo(), photo) << k.readout;
    EXPECT_EQ(rig.window.session()->photo(), photo);
    EXPECT_EQ(dofReadout->text(), QString::fromUtf8(k.readout));
    const std::vector<int> weights = rig.document.weights();
    for (int v = 0; v < kViews; ++v)
      EXPECT_EQ(weights[std::size_t(v)], rf::viewWeight(camera, kViews, v)) << v;
    // The samples drawn for a hovered pixel, weighed, make the pixel.
    for (int x : {0, 30, 61, 119}) {
      rig.document.hoverPhotoPixel(x);
      const std::vector<double>& samples = rig.document.epiView()->samples();
      ASSERT_EQ(int(samples.size()), kViews);
      double sum[3] = {0, 0, 0}, total = 0;
      for (int v = 0; v < kViews; ++v) {
        const double p = samples[std::size_t(v)];
        if (weights[std::size_t(v)] == 0) {
          EXPECT_TRUE(std::isnan(p)) << v;
        }
        if (!std::isfinite(p)) continue;
        const int i = static_cast<int>(std::floor(p));
        const double f = p - i, w = weights[std::size_t(v)];
        const unsigned char* row = epi.data() + 3 * kWidth * rf::rowOfView(kViews, v);
        for (int ch = 0; ch < 3; ++ch)
          sum[ch] += w * ((1 - f) * row[3 * i + ch] + (f > 0 ? f * row[3 * (i + 1) + ch] : 0.0));
        total += w;
      }
      ASSERT_GT(total, 0) << x;
      for (int ch = 0; ch < 3; ++ch)
        EXPECT_NEAR(sum[ch] / total, photo[std::size_t(3 * x + ch)], 0.5 + 1e-9) << x;
    }
  }

  // A pinhole at any viewpoint is that view's scanline.
  rig.dof->setValue(0);
  for (const int viewpoint : {0, 2, 8}) {
    panel->viewpointSlider()->setValue(viewpoint);
    EXPECT_TRUE(std::equal(rig.document.photo().begin(), rig.document.photo().end(),
                           epi.begin() + 3 * kWidth * rf::rowOfView(kViews, viewpoint)))
        << viewpoint;
  }
  // Seen from view 1 the near plane (disparity -3) lies 9 pixels right of where the centre sees
  // it; a click there focuses on it.
  rig.dof->setValue(4);
  panel->profileBox()->setCurrentIndex(0);
  panel->viewpointSlider()->setValue(1);
  rig.focus->setValue(100);
  ASSERT_TRUE(rig.document.focusOnPixel(25 + 9));
  EXPECT_NEAR(rig.document.disparity(), -3.0, 0.02);

  rig.document.close();
  EXPECT_TRUE(panel->keepWidthBox()->isEnabled());
  EXPECT_TRUE(panel->plot()->isVisible());
  EXPECT_EQ(panel->viewpointSlider()->maximum(), rig.window.session()->lightField().rows() - 1);
}

TEST(LightFieldDocument, ClosingGivesTheSceneBackAsItWas) {
  Rig rig;
  Session& session = *rig.window.session();
  QUndoStack* undo = rig.window.undoStack();
  rig.window.document()->startUntitled({}, QStringLiteral("Empty"));
  const int steps = undo->count();
  const bool clean = undo->isClean();
  const QString title = rig.window.windowTitle();
  const lightfield::LightField field = session.lightField();
  const Bytes photo = session.photo();
  const int focus = rig.focus->value(), dof = rig.dof->value();
  auto* tool = rig.find<QPushButton>("rectangleButton");
  const QString tip = tool->toolTip();
  QAction* undoAction = rig.find<QAction>("actionUndo");
  const bool undoEnabled = undoAction->isEnabled();
  // The scene's aids and keyboard cursor act on views that are not shown.
  QAction* focusDepth = rig.find<QAction>("actionShowFocusDepth");
  QAction* cursor = rig.find<QAction>("actionCursorLeft");
  ASSERT_TRUE(focusDepth->isEnabled() && cursor->isEnabled());

  ASSERT_TRUE(rig.document.openPath(rig.folder, 1));
  EXPECT_NE(rig.window.windowTitle(), title);
  EXPECT_FALSE(tool->isEnabled());
  EXPECT_NE(tool->toolTip(), tip);
  EXPECT_FALSE(undoAction->isEnabled());
  EXPECT_FALSE(focusDepth->isEnabled());
  EXPECT_FALSE(cursor->isEnabled());
  EXPECT_TRUE(rig.find<QAction>("actionExport")->isEnabled());
  rig.focus->setValue(300);
  rig.dof->setValue(2);
  QTest::keyClick(rig.window.windowHandle(), Qt::Key_Delete);

  rig.find<QAction>("actionCloseLightField")->trigger();
  EXPECT_FALSE(rig.document.isOpen());
  EXPECT_TRUE(rig.canvas().isVisible());
  EXPECT_TRUE(rig.renderView().isVisible());
  EXPECT_FALSE(rig.document.centralView()->isVisible());
  for (QLabel* label : rig.window.findChildren<QLabel*>(QStringLiteral("raySpaceAxisLabel")))
    EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(undo->count(), steps);
  EXPECT_EQ(undo->isClean(), clean);
  EXPECT_EQ(rig.window.windowTitle(), title);
  EXPECT_EQ(rig.focus->value(), focus);
  EXPECT_EQ(rig.dof->value(), dof);
  EXPECT_TRUE(tool->isEnabled());
  EXPECT_EQ(tool->toolTip(), tip);
  EXPECT_EQ(undoAction->isEnabled(), undoEnabled);
  EXPECT_TRUE(focusDepth->isEnabled());
  EXPECT_TRUE(cursor->isEnabled());
  EXPECT_EQ(session.lightField().source(), lightfield::Source::Canvas);
  EXPECT_EQ(session.lightField().rows(), field.rows());
  EXPECT_TRUE(std::equal(field.pixels(), field.pixels() + 3 * field.rows() * field.columns(),
                         session.lightField().pixels()));
  EXPECT_EQ(session.photo(), photo);

  // A new scene asked for while a light field is open is shown, not swapped in behind it.
  ASSERT_TRUE(rig.document.openPath(rig.folder, 1));
  ASSERT_TRUE(rig.window.document()->startUntitled({}, QStringLiteral("Another")));
  EXPECT_FALSE(rig.document.isOpen());
  EXPECT_TRUE(rig.canvas().isVisible());
  EXPECT_EQ(undo->count(), steps + 1);
}

// The scene's depth views never leave a stale scene result in place of a light field: they drop
// it at once and read the light field into its own views, or say why they cannot. Both compute
// again once the scene is back.
TEST(LightFieldDocument, DepthViewsLeaveNoStaleSceneResultAndComeBackWithTheScene) {
  Rig rig;
  auto* slopes = rig.window.findChild<DepthSlopes*>(QStringLiteral("depthSlopes"));
  auto* stack = rig.window.findChild<FocalStackDock*>(QStringLiteral("focalStack"));
  ASSERT_TRUE(slopes != nullptr && stack != nullptr);
  rig.find<QAction>("actionFocalStack")->trigger();
  rig.find<QAction>("actionShowSlopes")->setChecked(true);
  ASSERT_TRUE(fixture::waitFor([&] { return stack->computations() > 0 && !stack->isPending(); }));
  ASSERT_TRUE(fixture::waitFor([&] { return !slopes->isPending(); }));
  ASSERT_FALSE(slopes->lambda().empty());
  ASSERT_FALSE(rig.canvas().depthMarks().empty());
  ASSERT_FALSE(stack->lambda().empty());
  EXPECT_TRUE(stack->message().isEmpty());
  const int sweeps = stack->computations();

  ASSERT_TRUE(rig.document.openPath(rig.folder, 0));
  // The scene's sweep is gone at once; the light field's follows.
  EXPECT_TRUE(stack->lambda().empty() && stack->sharpness().empty() && stack->allInFocus().empty());
  ASSERT_TRUE(stack->isPending());
  ASSERT_TRUE(fixture::waitFor([&] { return !stack->isPending(); }));
  EXPECT_EQ(stack->lambda().size(), std::size_t(kWidth));
  EXPECT_TRUE(stack->message().isEmpty());
  EXPECT_FALSE(rig.find<QLabel>("focalStackNote")->isVisible());
  EXPECT_TRUE(slopes->lambda().empty());
  EXPECT_TRUE(rig.renderView().slopeOverlay().isNull());
  EXPECT_TRUE(rig.canvas().depthMarks().empty());
  ASSERT_TRUE(fixture::waitFor([&] { return !slopes->isPending(); }));
  EXPECT_EQ(slopes->disparity().size(), std::size_t(kViews) * kWidth);
  EXPECT_TRUE(slopes->message().isEmpty());
  EXPECT_TRUE(slopes->strip()->isVisible());
  EXPECT_FALSE(rig.document.epiView()->overlay().isNull());

  // Two views are too few to read a slope from: it says so, and the overlay goes.
  QTemporaryDir two;
  const Bytes epi = stacked(0, 0);
  const QImage pair(epi.data() + std::size_t(3) * (kViews - 2) * kWidth, kWidth, 2, 3 * kWidth,
                    QImage::Format_RGB888);
  ASSERT_TRUE(pair.save(two.filePath(QStringLiteral("pair.png"))));
  ASSERT_TRUE(rig.document.openPath(two.filePath(QStringLiteral("pair.png"))));
  ASSERT_EQ(rig.window.session()->lightField().rows(), 2);
  EXPECT_TRUE(slopes->disparity().empty());
  EXPECT_TRUE(rig.document.epiView()->overlay().isNull());
  EXPECT_TRUE(slopes->message().contains(QStringLiteral("3 views")))
      << slopes->message().toStdString();
  EXPECT_TRUE(slopes->strip()->isVisible());
  // Back on enough views, the reason goes at once.
  ASSERT_TRUE(rig.document.openPath(rig.folder, 0));
  EXPECT_TRUE(slopes->message().isEmpty());
  ASSERT_TRUE(fixture::waitFor([&] { return !slopes->isPending(); }));
  EXPECT_EQ(slopes->disparity().size(), std::size_t(kViews) * kWidth);

  rig.document.close();
  ASSERT_TRUE(
      fixture::waitFor([&] { return stack->computations() > sweeps && !stack->isPending(); }));
  EXPECT_FALSE(stack->lambda().empty());
  EXPECT_TRUE(stack->message().isEmpty());
  EXPECT_FALSE(rig.find<QLabel>("focalStackNote")->isVisible());
  ASSERT_TRUE(fixture::waitFor([&] { return !slopes->isPending(); }));
  EXPECT_FALSE(slopes->lambda().empty());
  EXPECT_TRUE(slopes->message().isEmpty());
  EXPECT_FALSE(rig.canvas().depthMarks().empty());
}

// Textured planes side by side at known depths, every one wide enough for the views to see it
// alone somewhere, and the width of the views of them.
const lightfield::planes::World& sidePlanes() {
  static const lightfield::planes::World planes{{{0.25, 4.0, 24.0, 31, 3.0},
                                                 {0.5, 50.0, 100.0, 32, 3.0},
                                                 {0.8, 170.0, 230.0, 33, 3.0},
                                                 {1.0, -1000.0, 1000.0, 34, 3.0}}};
  return planes;
}
constexpr int kSideWidth = 320;

// The plane the central view sees at pixel u when every view sees only it within `reach` pixels,
// else -1.
int aloneOn(int u, int reach) {
  const lightfield::planes::World& planes = sidePlanes();
  const int seen = planes.hit(rf::centreView(kViews), u);
  for (int y = 0; y < kViews && seen >= 0; ++y)
    for (int x = u - reach; x <= u + reach; ++x)
      if (planes.hit(y, x) != seen) return -1;
  return seen;
}

// Show Slopes on a light field of textured planes at known depths: the ray-space overlay, the
// strip under the photo (the viewpoint's row) and the hover reading are the engine's estimate;
// and that estimate, wherever it is confident on a plane the whole window sees, lies within
// 0.1 px per view of the plane's disparity -(1 - lambda) / lambda.
TEST(LightFieldDocument, ShowSlopesReadsTheDisparityOfPlanesAtKnownDepths) {
  Rig rig;
  const lightfield::planes::World& planes = sidePlanes();
  const int width = kSideWidth;
  QTemporaryDir dir;
  ASSERT_TRUE(rig.document.openPath(writeGrid(dir, planes, width), 0));
  auto* slopes = rig.window.findChild<DepthSlopes*>(QStringLiteral("depthSlopes"));
  rig.find<QAction>("actionShowSlopes")->setChecked(true);
  ASSERT_TRUE(fixture::waitFor([&] { return !slopes->isPending(); }));

  const lightfield::LightField& field = rig.window.session()->lightField();
  ASSERT_EQ(field.columns(), width);
  const std::size_t cells = std::size_t(kViews) * width;
  std::vector<float> s(cells), confidence(cells), scratch(depth::slopeScratchSize(kViews, width));
  depth::disparities(field.pixels(), kViews, width, DepthSlopes::kReach, s.data(),
                     confidence.data(), scratch.data());
  ASSERT_EQ(slopes->disparity(), s);
  ASSERT_EQ(slopes->confidence(), confidence);
  const float lo = slopes->legendLow(), hi = slopes->legendHigh();
  EXPECT_LE(lo, -2.8f);  // the nearest plane's -3 is on the legend, and the background's 0
  EXPECT_GE(hi, 0.0f);

  // The overlay, the engine's estimate coloured where confident; never in the photo or image.
  const QImage overlay = rig.document.epiView()->overlay();
  ASSERT_EQ(overlay.size(), QSize(width, kViews));
  for (int r = 0; r < kViews; ++r)
    for (int u = 0; u < width; ++u) {
      const std::size_t p = std::size_t(r) * width + u;
      const QRgb c = overlay.pixel(u, r);
      if (confidence[p] >= DepthSlopes::kConfident) {
        ASSERT_EQ(c & 0xffffff, DepthSlopes::colourOfDisparity(s[p], lo, hi) & 0xffffff);
        ASSERT_GT(qAlpha(c), 0);
      } else {
        ASSERT_EQ(qAlpha(c), 0) << u << "," << r;
      }
    }
  EXPECT_EQ(rig.document.epipolarImage(), stacked(planes, width, 0, rig.document.scanline()));

  // The strip: the viewpoint's row, following the camera panel's viewpoint.
  const auto checkStrip = [&](int viewpoint) {
    const int r = rf::rowOfView(kViews, viewpoint);
    const std::vector<QRgb>& row = slopes->stripRow();
    ASSERT_EQ(row.size(), std::size_t(width));
    for (int i = 0; i < width; ++i) {
      const std::size_t p = std::size_t(r) * width + i;
      EXPECT_EQ(row[std::size_t(i)], confidence[p] >= DepthSlopes::kConfident
                                         ? DepthSlopes::colourOfDisparity(s[p], lo, hi)
                                         : 0xffffffffu)
          << viewpoint << " " << i;
    }
  };
  checkStrip(rf::centreView(kViews));
  lightfield::CameraSettings camera = rig.window.session()->camera();
  camera.choice.viewpoint = 2;
  rig.window.session()->setCamera(camera);
  ASSERT_EQ(rig.document.camera().viewpoint, 2);
  checkStrip(2);
  camera.choice.viewpoint = -1;
  rig.window.session()->setCamera(camera);

  // The hover reading adds the estimate at the hovered photo pixel.
  const int r = rf::rowOfView(kViews, rf::centreView(kViews));
  int confidentPixel = -1, doubtfulPixel = -1;
  for (int x = 0; x < width; ++x) {
    const bool sure = confidence[std::size_t(r) * width + x] >= DepthSlopes::kConfident;
    if (sure && confidentPixel < 0) confidentPixel = x;
    if (!sure && doubtfulPixel < 0) doubtfulPixel = x;
  }
  ASSERT_GE(confidentPixel, 0);
  rig.document.hoverPhotoPixel(confidentPixel);
  EXPECT_TRUE(rig.reading().contains(
      QStringLiteral("slopes give disparity %1 px per view")
          .arg(double(s[std::size_t(r) * width + confidentPixel]), 0, 'f', 2)))
      << rig.reading().toStdString();
  if (doubtfulPixel >= 0) {
    rig.document.hoverPhotoPixel(doubtfulPixel);
    EXPECT_TRUE(rig.reading().contains(QStringLiteral("slopes give no confident disparity")))
        << rig.reading().toStdString();
  }

  // The physical claim, on the central view's row.
  const int reach = depth::kTensorRadius + 1;
  std::vector<int> confident(planes.planes.size(), 0);
  for (int u = reach; u < width - reach; ++u) {
    const int seen = aloneOn(u, reach);
    const std::size_t p = std::size_t(r) * width + u;
    if (seen < 0 || confidence[p] < DepthSlopes::kConfident) continue;
    const double lambda = planes.planes[std::size_t(seen)].lambda;
    EXPECT_NEAR(slopes->disparity()[p], -(1 - lambda) / lambda, 0.1) << "pixel " << u;
    ++confident[std::size_t(seen)];
  }
  for (std::size_t k = 0; k < confident.size(); ++k) EXPECT_GE(confident[k], 5) << k;

  // Hidden: the overlay and the strip go, the reading says nothing of slopes.
  rig.find<QAction>("actionShowSlopes")->setChecked(false);
  EXPECT_TRUE(rig.document.epiView()->overlay().isNull());
  EXPECT_FALSE(slopes->strip()->isVisible());
  rig.document.hoverPhotoPixel(confidentPixel);
  EXPECT_FALSE(rig.reading().contains(QStringLiteral("slopes"))) << rig.reading().toStdString();
}

// The focal stack on the planes: the dock shows the engine's sweep of the light field's refocus
// with the light field's camera; the hovered photo pixel's sharpness against the focus angle
// peaks within a degree of its plane's angle wherever the views see that plane alone around it;
// a new depth of field sweeps again with the new camera.
TEST(LightFieldDocument, FocalStackSweepsTheRefocusAndPeaksAtThePlanesAngles) {
  Rig rig;
  QTemporaryDir dir;
  ASSERT_TRUE(rig.document.openPath(writeGrid(dir, sidePlanes(), kSideWidth), 0));
  auto* stack = rig.window.findChild<FocalStackDock*>(QStringLiteral("focalStack"));
  rig.find<QAction>("actionFocalStack")->trigger();
  ASSERT_TRUE(fixture::waitFor([&] { return stack->computations() > 0 && !stack->isPending(); }));

  const auto engine = [&](int halfCount) {
    const lightfield::LightField& field = rig.window.session()->lightField();
    rf::ViewCamera camera = rig.document.camera();
    EXPECT_EQ(camera.halfCount, halfCount);
    const int w = field.columns();
    std::vector<depth::FocusPeak> peaks(static_cast<std::size_t>(w));
    std::vector<float> sharpness(std::size_t(depth::kFocusAngles) * w), scratch(2 * w);
    std::vector<float> lambda(static_cast<std::size_t>(w)), confidence(static_cast<std::size_t>(w));
    Bytes photo(std::size_t(3) * w), allInFocus(std::size_t(3) * w);
    depth::resetPeaks(peaks.data(), w);
    depth::lightFieldFocusSweep(field.pixels(), field.rows(), w, camera, 0, depth::kFocusAngles,
                                peaks.data(), sharpness.data(), photo.data(), scratch.data());
    depth::peakResult(peaks.data(), w, lambda.data(), confidence.data(), allInFocus.data());
    EXPECT_EQ(stack->sharpness(), sharpness);
    EXPECT_EQ(stack->lambda(), lambda);
    EXPECT_EQ(stack->confidence(), confidence);
    EXPECT_EQ(stack->allInFocus(), allInFocus);
  };
  engine(rig.dof->value());

  // Hovering the light field's photo picks the plotted pixel; its curve peaks at its plane.
  int measured = 0;
  for (int x = 0; x < kSideWidth; x += 5) {
    const int seen = aloneOn(x, depth::kSharpRadius + 1);
    if (seen < 0) continue;
    // Between whole widget pixels where the photo is wider than its view.
    const QPointF at((x + 0.5) * rig.document.photoStrip()->width() / kSideWidth, 5);
    QMouseEvent move(QEvent::MouseMove, at, rig.document.photoStrip()->mapToGlobal(at),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rig.document.photoStrip(), &move);
    ASSERT_EQ(stack->plottedPixel(), x);
    EXPECT_TRUE(rig.find<QLabel>("sharpnessLabel")
                    ->text()
                    .contains(QStringLiteral("sharpest at disparity %1 px per view")
                                  .arg(rf::disparityForFraction(stack->lambda()[std::size_t(x)]), 0,
                                       'f', 2)))
        << rig.find<QLabel>("sharpnessLabel")->text().toStdString();
    int peak = 0;
    for (int a = 1; a < depth::kFocusAngles; ++a)
      if (stack->sharpness()[std::size_t(a) * kSideWidth + x] >
          stack->sharpness()[std::size_t(peak) * kSideWidth + x])
        peak = a;
    const double lambda = sidePlanes().planes[std::size_t(seen)].lambda;
    EXPECT_NEAR(0.5 * peak, rf::degreesForDisparity(rf::disparityForFraction(lambda)), 1.0)
        << "pixel " << x;
    ++measured;
  }
  EXPECT_GE(measured, 20);

  // The depth of field weighs the views: a new one sweeps again.
  const int sweeps = stack->computations();
  rig.dof->setValue(1);
  ASSERT_GT(stack->computations(), sweeps);
  ASSERT_TRUE(fixture::waitFor([&] { return !stack->isPending(); }));
  engine(1);
}

// Bad input gives one message and leaves the window as it was, with or without a light field open.
TEST(LightFieldDocument, BadInputLeavesTheDocumentAsItWas) {
  Rig rig;
  QTemporaryDir bad;
  auto folder = [&bad](const QString& name) {
    EXPECT_TRUE(QDir(bad.path()).mkpath(name));
    return bad.filePath(name);
  };
  auto saveView = [](const QString& path, int width) {
    QImage image(width, kHeight, QImage::Format_RGB888);
    image.fill(Qt::gray);
    EXPECT_TRUE(image.save(path));
  };
  const QString empty = folder(QStringLiteral("empty"));
  const QString one = folder(QStringLiteral("one"));
  saveView(one + QStringLiteral("/view_00.png"), kWidth);
  const QString mixed = folder(QStringLiteral("mixed"));
  saveView(mixed + QStringLiteral("/view_00.png"), kWidth);
  saveView(mixed + QStringLiteral("/view_01.png"), kWidth + 1);
  const QString missing = bad.filePath(QStringLiteral("not-there"));

  for (bool withOneOpen : {false, true}) {
    if (withOneOpen) {
      ASSERT_TRUE(rig.document.openPath(rig.folder, 1));
    }
    const int views = rig.document.views().count();
    const int scanline = rig.document.scanline();
    const Bytes epi = rig.document.epipolarImage();
    const std::uint64_t revision = rig.window.session()->lightField().revision;
    const QString title = rig.window.windowTitle();
    for (const QString& path : {empty, one, mixed, missing}) {
      rig.window.statusBar()->clearMessage();
      EXPECT_FALSE(rig.document.openPath(path)) << path.toStdString();
      EXPECT_FALSE(rig.message().isEmpty()) << path.toStdString();
      EXPECT_EQ(rig.document.isOpen(), withOneOpen);
      EXPECT_EQ(rig.document.views().count(), views);
      EXPECT_EQ(rig.document.scanline(), scanline);
      EXPECT_EQ(rig.document.epipolarImage(), epi);
      EXPECT_EQ(rig.window.session()->lightField().revision, revision);
      EXPECT_EQ(rig.window.windowTitle(), title);
      EXPECT_EQ(rig.canvas().isVisible(), !withOneOpen);
    }
    // Declining the row, or the dialog, opens nothing and says nothing.
    LightFieldDocument::Dialogs declining;
    declining.chooseLightField = [&](QWidget*) { return std::optional<QString>(rig.folder); };
    declining.chooseRow = [](QWidget*, const QList<int>&, int) { return std::optional<int>(); };
    LightFieldDocument::setDialogs(declining);
    rig.window.statusBar()->clearMessage();
    EXPECT_FALSE(rig.document.open());
    declining.chooseLightField = [](QWidget*) { return std::optional<QString>(); };
    LightFieldDocument::setDialogs(declining);
    EXPECT_FALSE(rig.document.open());
    EXPECT_TRUE(rig.message().isEmpty());
    EXPECT_EQ(rig.window.session()->lightField().revision, revision);
  }
}

// A lesson saved with a light field open names it relative to itself and opens it again, at its
// row and scanline; a lesson without one closes it. Older lessons read as before.
TEST(LightFieldDocument, ALessonRefersToItsLightFieldByARelativePath) {
  Rig rig;
  ASSERT_TRUE(rig.document.openPath(rig.folder, 1));
  rig.document.setScanline(2);
  rig.focus->setValue(266);
  ASSERT_TRUE(QDir(rig.folder).mkpath(QStringLiteral("lessons")));
  const QString lesson = rig.folder + QStringLiteral("/lessons/planes.ombrel");
  ASSERT_TRUE(rig.window.document()->saveTo(lesson));
  QFile file(lesson);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.contains("\"path\": \"..\"")) << bytes.toStdString();
  const scenefile::ReadResult read = scenefile::readSceneFile(lesson);
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(read.settings->lightField, QDir::cleanPath(rig.folder));
  EXPECT_EQ(read.settings->lightFieldRow, 1);
  EXPECT_EQ(read.settings->lightFieldScanline, 2);
  // Without a light field the lesson is written as before.
  EXPECT_FALSE(scenefile::writeScene({}, scenefile::LessonSettings{}).contains("lightField"));

  rig.document.close();
  rig.focus->setValue(450);
  ASSERT_TRUE(rig.window.document()->openFile(lesson));
  ASSERT_TRUE(fixture::waitFor([&] { return rig.document.isOpen(); }));
  EXPECT_EQ(rig.document.row(), 1);
  EXPECT_EQ(rig.document.scanline(), 2);
  EXPECT_EQ(rig.focus->value(), 266);
  rig.checkShowsItsOwnRaySpaceAndPhoto(1);

  const QString plain = rig.folder + QStringLiteral("/lessons/plain.ombrel");
  ASSERT_FALSE(scenefile::writeSceneFile(plain, {}, scenefile::LessonSettings{}).has_value());
  ASSERT_TRUE(rig.window.document()->openFile(plain));
  EXPECT_FALSE(rig.document.isOpen());
  EXPECT_TRUE(rig.canvas().isVisible());
}

// Export while a light field is open takes its own pictures and words, never the hidden scene's;
// the focal stack sheet, drawn from the scene's optics, waits until the scene is back.
TEST(LightFieldDocument, ExportTakesTheLightFieldsPicturesAndTheScenesAgainOnClose) {
  Rig rig;
  auto* exporter = rig.window.findChild<PictureExport*>(QStringLiteral("pictureExport"));
  ASSERT_NE(exporter, nullptr);
  QAction* sheet = rig.find<QAction>("actionExportFocalStack");
  const bool sheetEnabled = sheet->isEnabled();
  const QString sheetTip = sheet->toolTip();
  const QImage sceneBefore = exporter->picture({PictureKind::Scene, 1, false});
  const QString sceneTitle = exporter->annotation(PictureKind::Scene).title;
  ASSERT_FALSE(sceneBefore.isNull());
  QTemporaryDir out;

  ASSERT_TRUE(rig.document.openPath(rig.folder, 1));
  rig.document.setScanline(3);
  rig.focus->setValue(266);
  rig.dof->setValue(2);

  // The scene's place: the central view at its own pixels, the scanline's row in red.
  const Bytes centre = world().view(rf::centreView(kViews), kWidth, kHeight, 5);
  const QImage scene = exporter->picture({PictureKind::Scene, 1, false});
  ASSERT_EQ(scene.size(), QSize(kWidth, kHeight));
  int wrong = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const unsigned char* p = &centre[std::size_t(3) * (std::size_t(y) * kWidth + x)];
      const QRgb want = y == 3 ? qRgb(255, 0, 0) : qRgb(p[0], p[1], p[2]);
      wrong += scene.pixel(x, y) != want;
    }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(exporter->annotation(PictureKind::Scene).title,
            QStringLiteral("The central view (row 1, scanline y 3)"));
  const QImage annotated = exporter->picture({PictureKind::Scene, 2, true});
  EXPECT_GT(annotated.width(), 2 * kWidth);
  // A photograph has no drawing: the save dialog offers PNG alone, and an SVG name is refused.
  std::optional<bool> drawingOffered;
  documentdialogs::Dialogs dialogs;
  dialogs.pictureChoice = [](QWidget*, const PictureChoice&) {
    documentdialogs::PictureRequest request;
    request.choice = {PictureKind::Scene, 1, false};
    return std::optional(request);
  };
  QString suggested;
  dialogs.savePicture = [&](QWidget*, const QString& name, bool drawing) {
    drawingOffered = drawing;
    suggested = name;
    return std::optional<QString>(out.filePath(QStringLiteral("central.png")));
  };
  documentdialogs::setDialogs(dialogs);
  EXPECT_TRUE(exporter->exportPicture());
  documentdialogs::setDialogs({});
  EXPECT_EQ(drawingOffered, std::optional<bool>(false));
  // Named for what it is, not for the scene behind it.
  EXPECT_EQ(suggested, QStringLiteral("central-view.png"));
  EXPECT_TRUE(rig.message().contains(QStringLiteral("the central view")))
      << rig.message().toStdString();
  EXPECT_EQ(QImage(out.filePath(QStringLiteral("central.png"))).convertToFormat(scene.format()),
            scene);
  EXPECT_TRUE(exporter->drawing({PictureKind::Scene, 1, true}).isEmpty());
  const QString svg = out.filePath(QStringLiteral("central.svg"));
  EXPECT_FALSE(exporter->exportTo({PictureKind::Scene, 1, false}, svg));
  EXPECT_FALSE(QFile::exists(svg));
  EXPECT_TRUE(rig.message().contains(QStringLiteral("PNG"))) << rig.message().toStdString();

  // The ray space, one pixel per ray, and as its view draws it (every view taking part, no
  // hovered pixel: the bands unveiled), both named by pixel and view.
  const Bytes epi = stacked(1, 3);
  const QImage rays = exporter->picture({PictureKind::RaySpace, 1, false});
  ASSERT_EQ(rays.size(), QSize(kWidth, kViews));
  for (int row = 0; row < kViews; ++row)
    for (int x = 0; x < kWidth; x += 13) {
      const unsigned char* p = &epi[std::size_t(3) * (std::size_t(row) * kWidth + x)];
      EXPECT_EQ(rays.pixel(x, row), qRgb(p[0], p[1], p[2])) << x << " " << row;
    }
  rig.dof->setValue(kViews);
  const QImage asShown = exporter->picture({PictureKind::RaySpaceAsShown, 1, false});
  auto* epiView = rig.document.epiView();
  ASSERT_EQ(asShown.size(), epiView->size() + QSize(epiView->viewAxisWidth(1.0), 0));
  const QRect r = epiView->imageRect();
  for (int row = 0; row < kViews; ++row)
    for (int x = 0; x < kWidth; x += 13) {
      const unsigned char* p = &epi[std::size_t(3) * (std::size_t(row) * kWidth + x)];
      const QPoint at(r.left() + int((x + 0.5) * r.width() / kWidth),
                      r.top() + int((row + 0.5) * r.height() / kViews));
      EXPECT_EQ(asShown.pixel(at), qRgb(p[0], p[1], p[2])) << x << " " << row;
    }
  for (PictureKind kind : {PictureKind::RaySpace, PictureKind::RaySpaceAsShown}) {
    const Annotation words = exporter->annotation(kind);
    EXPECT_EQ(words.horizontal, QStringLiteral("pixel →"));
    EXPECT_EQ(words.vertical, QStringLiteral("view →"));
  }

  // The photo: the refocused scanline stretched as the photo strip shows it, named by its focus.
  rig.dof->setValue(2);
  const Bytes& refocused = rig.document.photo();
  const QImage photo = exporter->picture({PictureKind::Photo, 1, false});
  ASSERT_EQ(photo.size(), rig.document.photoStrip()->size());
  for (int x = 0; x < kWidth; ++x) {
    const unsigned char* p = &refocused[std::size_t(3) * x];
    EXPECT_EQ(photo.pixel(int((x + 0.5) * photo.width() / kWidth), photo.height() / 2),
              qRgb(p[0], p[1], p[2]))
        << x;
  }
  const QString photoTitle = exporter->annotation(PictureKind::Photo).title;
  EXPECT_TRUE(photoTitle.contains(QStringLiteral("views 2 to 6"))) << photoTitle.toStdString();
  EXPECT_TRUE(photoTitle.contains(QString::number(rig.document.disparity(), 'f', 2)))
      << photoTitle.toStdString();
  EXPECT_TRUE(photoTitle.contains(QString::number(rig.document.focusDegrees(), 'f', 1)))
      << photoTitle.toStdString();

  // The sheet is off, saying why, and refuses when asked directly; Export and Copy stay.
  EXPECT_FALSE(sheet->isEnabled());
  EXPECT_NE(sheet->toolTip(), sheetTip);
  EXPECT_TRUE(sheet->toolTip().contains(QStringLiteral("Close Light Field")));
  EXPECT_TRUE(rig.find<QAction>("actionExport")->isEnabled());
  EXPECT_TRUE(rig.find<QAction>("actionCopyPicture")->isEnabled());
  EXPECT_FALSE(exporter->exportFocalStack());
  const QString sheetFile = out.filePath(QStringLiteral("sheet.png"));
  EXPECT_FALSE(exporter->exportTo({PictureKind::FocalStackSheet, 1, false}, sheetFile));
  EXPECT_FALSE(QFile::exists(sheetFile));
  EXPECT_TRUE(exporter->picture({PictureKind::FocalStackSheet, 1, false}).isNull());

  // Closed: the scene's pictures, words and sheet come back.
  rig.document.close();
  EXPECT_EQ(sheet->isEnabled(), sheetEnabled);
  EXPECT_EQ(sheet->toolTip(), sheetTip);
  EXPECT_EQ(exporter->picture({PictureKind::Scene, 1, false}), sceneBefore);
  EXPECT_EQ(exporter->annotation(PictureKind::Scene).title, sceneTitle);
  EXPECT_FALSE(exporter->drawing({PictureKind::Scene, 1, false}).isEmpty());
}

// The spectrum dock with a real light field open: the epipolar-plane image of a row of views
// rendered here, transformed as it is, and the scene's spectrum given back when it closes.
#include "app/spectrumdock.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/lightfielddocument.h"
#include "lightfield/optics.h"
#include "lightfield/planes.h"
#include "lightfield/spectrum.h"
#include "session/session.h"
#include "support/window_fixture.h"

namespace spectrum = lightfield::spectrum;

namespace {

using Bytes = std::vector<unsigned char>;
constexpr int kViews = 9, kWidth = 120, kHeight = 6;

// Planes at three depths, textured finely enough that each draws its own line in the spectrum.
const lightfield::planes::World& world() {
  static const lightfield::planes::World w{
      {{0.3, 10.5, 50.0, 31, 1.5}, {0.6, 40.0, 90.0, 32, 2.0}, {1.0, -1000.0, 1000.0, 33, 3.0}}};
  return w;
}

// One grid row of kViews views, named as the archives name them. Returns the folder.
QString writeViews(const QTemporaryDir& dir) {
  for (int v = 0; v < kViews; ++v) {
    const Bytes rgb = world().view(v, kWidth, kHeight);
    const QImage image(rgb.data(), kWidth, kHeight, 3 * kWidth, QImage::Format_RGB888);
    EXPECT_TRUE(
        image.save(dir.filePath(QStringLiteral("out_00_%1.png").arg(v, 2, 10, QLatin1Char('0')))));
  }
  return dir.path();
}

struct Rig : fixture::ShownWindow {
  QTemporaryDir dir;
  QString folder = writeViews(dir);
  LightFieldDocument& document = *window.lightFieldDocument();
  SpectrumDock& dock = *window.findChild<SpectrumDock*>(QStringLiteral("spectrum"));

  void showSpectrum() {
    find<QAction>("actionSpectrum")->trigger();
    ASSERT_TRUE(find<QDockWidget>("spectrumDock")->isVisible());
  }
  bool settled() {
    return fixture::waitFor([&] { return !dock.isPending(); });
  }
};

// The engine's picture, row transforms and photo spectrum for the session's light field.
struct Engine {
  int rows, cols;
  std::vector<unsigned char> grey;
  std::vector<spectrum::Complex> transforms;
  std::vector<double> photo;
  explicit Engine(const Session& session)
      : rows(session.lightField().rows()), cols(session.lightField().columns()) {
    const auto cells = std::size_t(rows) * cols;
    const spectrum::Plan along(cols), down(rows);
    std::vector<spectrum::Complex> full(cells), scratch(std::max(rows, cols)), line(cols);
    std::vector<double> lum(cells);
    std::vector<float> logMagnitude(cells);
    grey.resize(3 * cells);
    spectrum::raySpectrum(along, down, session.lightField().pixels(), full.data(),
                          logMagnitude.data(), grey.data(), lum.data(), scratch.data());
    spectrum::luminance(session.lightField().pixels(), int(cells), lum.data());
    transforms.resize(cells);
    spectrum::transformRows(along, rows, lum.data(), transforms.data(), scratch.data());
    photo.resize(cols);
    spectrum::photoSpectrum(along, session.photo().data(), cols, photo.data(), lum.data(),
                            line.data(), scratch.data());
  }
};

// The relative RMS difference of the photo's spectrum and the slice's values, zero frequency
// left out.
double disagreement(const std::vector<double>& photo, const std::vector<double>& slice) {
  double difference = 0, size = 0;
  for (std::size_t k = 0; k < photo.size(); ++k) {
    if (k == photo.size() / 2) continue;
    difference += (photo[k] - slice[k]) * (photo[k] - slice[k]);
    size += photo[k] * photo[k];
  }
  return std::sqrt(difference / size);
}

}  // namespace

// With a light field open the dock shows its epipolar-plane image's spectrum, views x pixels,
// exactly as the engine computes it, stretched over the dock in crisp blocks, without the
// scene's fan; the slice turns with the focus and its values are the spectrum of the photo the
// window refocuses through every view. Closing gives back the scene's spectrum and fan.
TEST(SpectrumDock, ShowsTheOpenLightFieldsSpectrumAndItsRefocusedPhotoOnTheSlice) {
  Rig rig;
  rig.showSpectrum();
  ASSERT_TRUE(rig.settled());
  const int n = rig.window.session()->lightField().columns();
  ASSERT_EQ(rig.dock.image().size(), QSize(n, n));
  ASSERT_TRUE(rig.dock.fan().has_value());
  const QString sceneAxes = rig.find<QLabel>("spectrumAxes")->text();

  ASSERT_TRUE(rig.document.openPath(rig.folder, 0));
  // Nothing of the scene's is drawn while the light field's transform runs.
  EXPECT_TRUE(rig.dock.image().isNull());
  EXPECT_TRUE(rig.dock.sliceValues().empty());
  ASSERT_TRUE(rig.settled());
  const Session& session = *rig.window.session();
  ASSERT_EQ(session.lightField().rows(), kViews);
  ASSERT_EQ(session.lightField().columns(), kWidth);
  EXPECT_TRUE(rig.dock.note().isEmpty());
  EXPECT_FALSE(rig.dock.fan().has_value());
  const QString axes = rig.find<QLabel>("spectrumAxes")->text();
  EXPECT_NE(axes, sceneAxes);
  EXPECT_TRUE(axes.contains(QString::number(kViews)) && axes.contains(QString::number(kWidth)))
      << axes.toStdString();

  const Engine engine(session);
  const QImage image = rig.dock.image();
  ASSERT_EQ(image.size(), QSize(kWidth, kViews));
  for (int q = 0; q < kViews; ++q)
    for (int c = 0; c < kWidth; ++c)
      ASSERT_EQ(image.pixel(c, q) & 0xffffff,
                fixture::rgb(&engine.grey[3 * (std::size_t(q) * kWidth + c)]))
          << c << "," << q;
  EXPECT_EQ(rig.dock.photoSpectrum(), engine.photo);

  // On screen every bin is a block of its own grey, away from the slice line drawn over it.
  QWidget* view = rig.find<QWidget>("spectrumImage");
  const QImage shot = view->grab().toImage();
  const double bw = double(shot.width()) / kWidth, bh = double(shot.height()) / kViews;
  int checked = 0;
  for (int q = 0; q < kViews; ++q)
    for (int c = 0; c < kWidth; c += 3) {
      const QPointF centre((c + 0.5) * bw, (q + 0.5) * bh);
      const spectrum::Segment s = rig.dock.slice();
      const QPointF a((s.x0 + 0.5) * bw, (s.y0 + 0.5) * bh),
          b((s.x1 + 0.5) * bw, (s.y1 + 0.5) * bh);
      const QPointF d = b - a;
      const double off = std::abs(d.x() * (centre.y() - a.y()) - d.y() * (centre.x() - a.x())) /
                         std::hypot(d.x(), d.y());
      if (off < 4) continue;
      ++checked;
      ASSERT_EQ(shot.pixel(centre.toPoint()) & 0xffffff, image.pixel(c, q) & 0xffffff)
          << c << "," << q;
    }
  EXPECT_GT(checked, kViews * kWidth / 6);

  // Through every view the photo is the slice: the slice's values lie on its spectrum.
  rig.find<toolkit::Slider>("dofSlider")->setValue(kViews / 2);
  auto* focus = rig.find<toolkit::Slider>("focusSlider");
  const int transforms = rig.dock.computations();
  double lastSlope = 0;
  for (const int value : {900, 750, 640}) {
    focus->setValue(value);
    const lightfield::optics::FocusSteps steps = session.camera().steps();
    const spectrum::Segment expected =
        spectrum::sliceLine(kViews, kWidth, steps.colStep, steps.rowStep);
    const spectrum::Segment line = rig.dock.slice();
    EXPECT_DOUBLE_EQ(line.x0, expected.x0) << value;
    EXPECT_DOUBLE_EQ(line.y0, expected.y0) << value;
    EXPECT_DOUBLE_EQ(line.x1, expected.x1) << value;
    EXPECT_DOUBLE_EQ(line.y1, expected.y1) << value;
    // Turning as drawn over the stretched picture: in fractions of its sides.
    const double slope = std::atan2((line.y1 - line.y0) / kViews, (line.x1 - line.x0) / kWidth);
    if (value != 900) {
      EXPECT_GT(std::abs(slope - lastSlope), 0.05) << value;
    }
    lastSlope = slope;
    std::vector<double> slice(kWidth);
    spectrum::sliceValues(engine.transforms.data(), kViews, kWidth, steps.colStep, steps.rowStep,
                          slice.data());
    EXPECT_EQ(rig.dock.sliceValues(), slice) << value;
    // The session's own photo, refocused by the light field's document.
    const Engine now(session);
    EXPECT_EQ(rig.dock.photoSpectrum(), now.photo) << value;
    EXPECT_LT(disagreement(now.photo, slice), 0.15) << value;
  }
  EXPECT_EQ(rig.dock.computations(), transforms);

  rig.document.close();
  ASSERT_TRUE(rig.settled());
  EXPECT_EQ(rig.dock.image().size(), QSize(n, n));
  EXPECT_TRUE(rig.dock.fan().has_value());
  EXPECT_EQ(rig.dock.photoSpectrum().size(), std::size_t(n));
  EXPECT_EQ(rig.find<QLabel>("spectrumAxes")->text(), sceneAxes);
}

// Nothing to transform: the picture and both curves go and a note says why, never the last
// light field's spectrum; the next light field brings them back.
TEST(SpectrumDock, AnEmptyLightFieldClearsThePictureAndSaysWhy) {
  Rig rig;
  rig.showSpectrum();
  ASSERT_TRUE(rig.settled());
  const lightfield::LightField scene = rig.window.session()->lightField();
  ASSERT_FALSE(rig.dock.image().isNull());
  EXPECT_TRUE(rig.dock.note().isEmpty());
  const int transforms = rig.dock.computations();

  rig.window.session()->setLightField(lightfield::LightField());
  EXPECT_TRUE(rig.dock.image().isNull());
  EXPECT_TRUE(rig.dock.photoSpectrum().empty());
  EXPECT_TRUE(rig.dock.sliceValues().empty());
  EXPECT_FALSE(rig.dock.fan().has_value());
  EXPECT_FALSE(rig.dock.note().isEmpty());
  EXPECT_FALSE(rig.dock.isPending());
  rig.find<toolkit::Slider>("focusSlider")->setValue(600);
  EXPECT_TRUE(rig.dock.sliceValues().empty());
  EXPECT_EQ(rig.dock.computations(), transforms);

  rig.window.session()->setLightField(scene);
  ASSERT_TRUE(rig.settled());
  EXPECT_EQ(rig.dock.image().size(), QSize(scene.columns(), scene.rows()));
  EXPECT_TRUE(rig.dock.note().isEmpty());
  EXPECT_FALSE(rig.dock.sliceValues().empty());
  EXPECT_GT(rig.dock.computations(), transforms);
}

// The spectrum dock with a real light field open: the epipolar-plane image of a row of views
// rendered here, transformed as it is, and the scene's spectrum given back when it closes.
#include "app/spectrumdock.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "app/lightfielddocument.h"
#include "lightfield/planes.h"
#include "session/session.h"
#include "support/window_fixture.h"

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
  SpectrumDock& spectrum = *window.findChild<SpectrumDock*>(QStringLiteral("spectrum"));

  void showSpectrum() {
    find<QAction>("actionSpectrum")->trigger();
    ASSERT_TRUE(find<QDockWidget>("spectrumDock")->isVisible());
  }
  bool settled() {
    return fixture::waitFor([&] { return !spectrum.isPending(); });
  }
};

}  // namespace

// The scene's spectrum never stays on screen for a light field the dock cannot transform: the
// picture and both curves go, a note says why, and the scene's comes back on close.
TEST(SpectrumDock, NeverShowsTheScenesSpectrumForALightField) {
  Rig rig;
  rig.showSpectrum();
  ASSERT_TRUE(rig.settled());
  const int n = rig.window.session()->lightField().columns();
  ASSERT_EQ(rig.spectrum.image().size(), QSize(n, n));
  EXPECT_TRUE(rig.spectrum.note().isEmpty());
  const int transforms = rig.spectrum.computations();

  ASSERT_TRUE(rig.document.openPath(rig.folder, 0));
  ASSERT_EQ(rig.window.session()->lightField().rows(), kViews);
  EXPECT_TRUE(rig.spectrum.image().isNull());
  EXPECT_TRUE(rig.spectrum.photoSpectrum().empty());
  EXPECT_TRUE(rig.spectrum.sliceValues().empty());
  EXPECT_FALSE(rig.spectrum.fan().has_value());
  EXPECT_FALSE(rig.spectrum.note().isEmpty());
  EXPECT_FALSE(rig.spectrum.isPending());
  rig.find<toolkit::Slider>("focusSlider")->setValue(600);
  EXPECT_TRUE(rig.spectrum.sliceValues().empty());
  EXPECT_EQ(rig.spectrum.computations(), transforms);

  rig.document.close();
  ASSERT_TRUE(rig.settled());
  EXPECT_EQ(rig.spectrum.image().size(), QSize(n, n));
  EXPECT_TRUE(rig.spectrum.note().isEmpty());
  EXPECT_EQ(rig.spectrum.photoSpectrum().size(), std::size_t(n));
  EXPECT_GT(rig.spectrum.computations(), transforms);
}
